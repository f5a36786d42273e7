#include "app/cell_links.h"

#include "base/ascii.h"

#include <algorithm>

namespace zendrik {
namespace {

bool HasBlankOrControl(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7F'; });
}

bool IsAbsolute(std::string_view text) {
  for (std::string_view prefix : {"http://", "https://", "file://", "www."})
    if (StartsWithNoCase(text, prefix)) return true;
  return false;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && SameText(text.substr(text.size() - suffix.size()), suffix);
}

bool NamesAPage(std::string_view text) {
  for (std::string_view start : {"/", "./", "../", "?"})
    if (text.starts_with(start)) return true;
  const std::string_view path = text.substr(0, text.find_first_of("?#"));
  if (path.ends_with('/')) return true;
  for (std::string_view extension :
       {".htm", ".html", ".shtml", ".xhtml", ".php", ".asp", ".aspx", ".jsp", ".cgi"})
    if (EndsWithNoCase(path, extension) && path.size() > extension.size()) return true;
  return false;
}

}  // namespace

std::optional<std::string> CellLink(std::string_view text, bool hasBase) {
  const std::string_view address = Trim(text);
  if (address.empty() || HasBlankOrControl(address)) return std::nullopt;
  if (IsAbsolute(address) || (hasBase && NamesAPage(address))) return std::string(address);
  return std::nullopt;
}

}  // namespace zendrik

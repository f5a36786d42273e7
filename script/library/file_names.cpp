#include "script/library/file_names.h"

#include <algorithm>
#include <vector>

namespace zendrik {

namespace {

std::size_t LastSeparator(std::string_view name) noexcept { return name.find_last_of("/\\"); }

// The steps of an absolute path, without empty, "." and ".." steps.
std::vector<std::string_view> Steps(std::string_view path) {
  std::vector<std::string_view> steps;
  std::size_t i = 0;
  while (i < path.size()) {
    const std::size_t end = std::min(path.find_first_of("/\\", i), path.size());
    const std::string_view step = path.substr(i, end - i);
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
    i = end + 1;
  }
  return steps;
}

}  // namespace

std::string_view ExtractFilePathOf(std::string_view name) noexcept {
  const std::size_t last = LastSeparator(name);
  return last == std::string_view::npos ? std::string_view() : name.substr(0, last + 1);
}

std::string_view ExtractFileDirOf(std::string_view name) noexcept {
  std::string_view path = ExtractFilePathOf(name);
  // The final separator goes unless the one before it is a separator too (a root).
  if (path.size() >= 2 && !IsPathSeparator(path[path.size() - 2])) path.remove_suffix(1);
  return path;
}

std::string_view ExtractFileDriveOf(std::string_view name) noexcept {
  if (name.size() < 2 || !IsPathSeparator(name[0]) || !IsPathSeparator(name[1])) return {};
  const std::size_t serverEnd = name.find_first_of("/\\", 2);
  if (serverEnd == std::string_view::npos) return name;
  const std::size_t shareEnd = name.find_first_of("/\\", serverEnd + 1);
  return name.substr(0, shareEnd);
}

std::string_view ExtractFileNameOf(std::string_view name) noexcept {
  const std::size_t last = LastSeparator(name);
  return last == std::string_view::npos ? name : name.substr(last + 1);
}

std::string_view ExtractFileExtOf(std::string_view name) noexcept {
  const std::string_view file = ExtractFileNameOf(name);
  const std::size_t dot = file.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  return file.substr(dot);
}

std::string ChangeFileExtOf(std::string_view name, std::string_view extension) {
  const std::string_view ext = ExtractFileExtOf(name);
  std::string out(name.substr(0, name.size() - ext.size()));
  out += extension;
  return out;
}

std::string IncludeTrailingDelimiter(std::string_view text) {
  std::string out(text);
  if (out.empty() || !IsPathSeparator(out.back())) out += kPathDelimiter;
  return out;
}

std::string_view ExcludeTrailingDelimiter(std::string_view text) noexcept {
  if (!text.empty() && IsPathSeparator(text.back())) text.remove_suffix(1);
  return text;
}

std::string ExpandFileNameIn(std::string_view name, std::string_view currentDirectory) {
  std::string joined;
  if (name.empty() || !IsPathSeparator(name[0])) {
    joined = IncludeTrailingDelimiter(currentDirectory);
  }
  joined += name;
  std::string out;
  for (std::string_view step : Steps(joined)) {
    out += kPathDelimiter;
    out += step;
  }
  if (out.empty() || (IsPathSeparator(joined.back()) && out.back() != kPathDelimiter))
    out += kPathDelimiter;
  return out;
}

std::string RelativePath(std::string_view base, std::string_view destination) {
  const std::vector<std::string_view> from = Steps(ExtractFilePathOf(base));
  const std::vector<std::string_view> to = Steps(ExtractFilePathOf(destination));
  std::size_t common = 0;
  while (common < from.size() && common < to.size() && from[common] == to[common]) ++common;
  std::string out;
  for (std::size_t i = common; i < from.size(); ++i) out += "../";
  for (std::size_t i = common; i < to.size(); ++i) {
    out += to[i];
    out += kPathDelimiter;
  }
  out += ExtractFileNameOf(destination);
  return out;
}

}  // namespace zendrik

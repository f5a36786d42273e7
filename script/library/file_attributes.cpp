#include "script/library/file_attributes.h"

#include <sys/stat.h>

#include <cerrno>
#include <limits>

#include "base/system_name.h"
#include "script/library/date_time.h"
#include "script/library/file_names.h"

namespace zendrik {

namespace {

bool IsHiddenName(std::string_view name) {
  return !name.empty() && name[0] == '.' && name != "." && name != "..";
}

}  // namespace

std::optional<TFileFacts> FileFactsOf(const std::string& path) {
  struct stat link {};
  if (!IsSystemName(path)) return std::nullopt;
  if (::lstat(path.c_str(), &link) != 0) return std::nullopt;
  struct stat target = link;
  if (S_ISLNK(link.st_mode) && ::stat(path.c_str(), &target) != 0) target = link;

  TFileFacts facts;
  facts.Attr = faArchive;
  if (S_ISDIR(target.st_mode)) facts.Attr |= faDirectory;
  if ((target.st_mode & S_IWUSR) == 0) facts.Attr |= faReadOnly;
  if (IsHiddenName(ExtractFileNameOf(ExcludeTrailingDelimiter(path)))) facts.Attr |= faHidden;
  if (!S_ISREG(target.st_mode) && !S_ISDIR(target.st_mode) && !S_ISLNK(link.st_mode))
    facts.Attr |= faSysFile;
  constexpr auto kLargest = std::numeric_limits<std::int32_t>::max();
  facts.Size = target.st_size > kLargest ? kLargest : static_cast<std::int32_t>(target.st_size);
  facts.Time = PackedFileTime(target.st_mtime);
  return facts;
}

int SetReadOnly(const std::string& path, bool readOnly) {
  struct stat info {};
  if (!IsSystemName(path)) return ENOENT;
  if (::stat(path.c_str(), &info) != 0) return errno;
  const mode_t mode =
      readOnly ? info.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH) : info.st_mode | S_IWUSR;
  if (::chmod(path.c_str(), mode & 07777) != 0) return errno;
  return 0;
}

}  // namespace zendrik

#include "script/library/search_record.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "base/system_name.h"
#include "script/library/file_attributes.h"
#include "script/library/file_names.h"

namespace zendrik {

namespace {

struct TDirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

// The names in `directory` that match `pattern`, sorted; false with errno set when the
// directory cannot be read.
bool MatchingNames(const std::string& directory, std::string_view pattern,
                   std::vector<std::string>& names) {
  const std::unique_ptr<DIR, TDirCloser> dir(
      ::opendir(directory.empty() ? "." : directory.c_str()));
  if (!dir) return false;
  errno = 0;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (MatchesWildcards(entry->d_name, pattern)) names.emplace_back(entry->d_name);
  }
  if (errno != 0) return false;
  std::sort(names.begin(), names.end());
  return true;
}

}  // namespace

bool MatchesWildcards(std::string_view name, std::string_view pattern) noexcept {
  if (pattern == "*.*") pattern = "*";
  // Greedy match that returns to the last "*" on a mismatch: linear for patterns with one star,
  // and at worst the product of the lengths, which file names keep small.
  std::size_t n = 0, p = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

int TSearchRecObj::Start(std::string_view pattern, std::int32_t attr) {
  SkipMask = (faHidden | faSysFile | faVolumeId | faDirectory) & ~attr;
  directory_ = std::string(ExtractFilePathOf(pattern));
  entries_.clear();
  next_ = 0;
  if (!IsSystemName(pattern)) return ENOENT;
  if (!MatchingNames(directory_, ExtractFileNameOf(pattern), entries_))
    return errno ? errno : ENOENT;
  return Next();
}

int TSearchRecObj::Next() {
  while (next_ < entries_.size()) {
    const std::string& name = entries_[next_++];
    const std::optional<TFileFacts> facts = FileFactsOf(directory_ + name);
    if (!facts || (facts->Attr & SkipMask) != 0) continue;  // gone since, or not asked for
    Name = name;
    Attr = facts->Attr;
    Size = facts->Size;
    Time = facts->Time;
    return 0;
  }
  return ENOENT;
}

}  // namespace zendrik

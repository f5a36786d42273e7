#pragma once

#include <QObject>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zendrik {

/// One directory search of `FindFirst`, `FindNext` and `FindClose`, with the entry found last.
/// The entries of the directory are read when the search starts and reported in the order of
/// their names, so a search sees the directory as it was then.
class TSearchRecObj : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  /// Starts a search for `pattern`: a directory part (empty: the current directory) and a name
  /// with the wildcards "*" and "?" ("*.*" matches every name). Ordinary entries are always
  /// reported; hidden, system and directory entries only when their bit is in `attr`. Returns
  /// 0 with the first entry, or the system's error number (ENOENT when nothing matches or the
  /// pattern holds a NUL byte).
  int Start(std::string_view pattern, std::int32_t attr);
  /// The next matching entry: 0, or ENOENT after the last.
  int Next();

  /// Last write as a packed file date-time, local time.
  std::uint32_t Time = 0;
  /// Size in bytes, at most 2147483647.
  std::int32_t Size = 0;
  std::int32_t Attr = 0;
  /// Without its directory.
  std::string Name;
  /// The attribute bits whose entries the search skips.
  std::int32_t SkipMask = 0;

 private:
  std::string directory_;  // with its final separator, or empty for the current one
  std::vector<std::string> entries_;
  std::size_t next_ = 0;
};

/// Whether `name` matches `pattern`, where "*" stands for any run of bytes and "?" for one.
bool MatchesWildcards(std::string_view name, std::string_view pattern) noexcept;

}  // namespace zendrik

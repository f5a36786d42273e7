#pragma once

// File attributes and facts as the standard package reports them on Linux.

#include <cstdint>
#include <optional>
#include <string>

namespace zendrik {

// Attribute bits.
inline constexpr std::int32_t faReadOnly = 1;
inline constexpr std::int32_t faHidden = 2;
inline constexpr std::int32_t faSysFile = 4;
inline constexpr std::int32_t faVolumeId = 8;
inline constexpr std::int32_t faDirectory = 16;
inline constexpr std::int32_t faArchive = 32;
inline constexpr std::int32_t faAnyFile = 63;

/// What the package tells about one directory entry.
struct TFileFacts {
  std::int32_t Attr = 0;
  /// The size in bytes; sizes that a signed 32-bit number cannot hold (2 GiB and more) are
  /// given as its largest value, 2147483647.
  std::int32_t Size = 0;
  /// Last write, as a packed file date-time in local time.
  std::uint32_t Time = 0;
};

/// The facts of the entry at `path` (links followed; a broken link is described itself):
/// faArchive always; faDirectory for a directory; faReadOnly when the owner may not write;
/// faHidden when the name starts with "." (but not for "." and ".."); faSysFile for what is
/// neither a regular file, a directory nor a link. Nothing when there is no such entry (or the
/// name holds a NUL byte).
std::optional<TFileFacts> FileFactsOf(const std::string& path);

/// Sets faReadOnly by the write permissions (cleared for everyone when set, given back to the
/// owner when not); the other bits cannot be set. 0 or the system's error number (ENOENT for a
/// name holding a NUL byte).
int SetReadOnly(const std::string& path, bool readOnly);

}  // namespace zendrik

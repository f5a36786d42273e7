#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>

namespace zendrik {

/// How long a read from a FIFO, a pipe or a device waits for its next bytes: a FIFO that no
/// program writes would otherwise hold the reader forever.
inline constexpr int kQuietReadSeconds = 60;

/// Reads a whole file as bytes, at most `maxBytes` of them. Returns an empty string on success,
/// otherwise the reason (the system's error text; "File too large" beyond `maxBytes`; "Nothing
/// arrived for N seconds" when a file other than a regular one gives nothing for
/// `quietSeconds`). A name holding a NUL byte names no file.
std::string ReadFileBytes(const std::string& path, std::string& bytes,
                          std::size_t maxBytes = std::numeric_limits<std::size_t>::max(),
                          int quietSeconds = kQuietReadSeconds);

/// Takes one chunk of a file's bytes; false stops the writing (errno tells why).
using TChunkWriter = std::function<bool(std::string_view chunk)>;

/// Whether a save worked, and why not.
struct SaveResult {
  bool Ok = false;
  std::string Error;  // names the file and the reason
  explicit operator bool() const { return Ok; }
};

/// Writes a file from the chunks `produce` hands to the writer it is given. A regular file (or
/// a new one) is written beside the target under a temporary name, with the target's
/// permissions, and renamed over it only when complete, so a failed save leaves any earlier
/// file as it was and no temporary file behind. Any other existing target (a device, a FIFO,
/// `/dev/stdout`) is written in place. Failures read "Cannot <create|open|write> "FILE": REASON",
/// a NUL byte of the name shown as \0; a name holding one names no file and is not written.
SaveResult SaveFileBytes(const std::string& fileName,
                         const std::function<bool(const TChunkWriter& write)>& produce);

/// `SaveFileBytes` of one block of bytes.
SaveResult SaveFileBytes(const std::string& fileName, std::string_view bytes);

}  // namespace zendrik

#pragma once

#include <sys/resource.h>

namespace zendrik::testsupport {

/// While it lives, every write past `bytes` into a file fails (EFBIG), as on a full file
/// system; the limit binds even the superuser. The signal that such a write raises is ignored.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes);
  ~TFileSizeLimit();
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  rlimit saved_{};
};

}  // namespace zendrik::testsupport

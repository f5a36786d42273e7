#include "tests/support/file_size_limit.h"

#include <csignal>

namespace zendrik::testsupport {

TFileSizeLimit::TFileSizeLimit(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  ::getrlimit(RLIMIT_FSIZE, &saved_);
  rlimit small = saved_;
  small.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &small);
}

TFileSizeLimit::~TFileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

}  // namespace zendrik::testsupport

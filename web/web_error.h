#pragma once

#include <cstddef>
#include <stdexcept>

namespace zendrik {

/// A retrieval or a body decoding that failed after the address was opened. Messages begin
/// with "TIE:" or "tIE", as all of the HTTP client's errors do.
class EIEHTTPError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A retrieval that its caller ended on purpose (the user stopped it): not a failure of the
/// transfer, and reported as a stop rather than as an error.
class EIEHTTPAborted : public EIEHTTPError {
 public:
  EIEHTTPAborted() : EIEHTTPError("TIE: the transfer was stopped") {}
};

/// The largest body the client keeps, received or inflated: 512 MiB. Anything larger is an
/// error rather than an unbounded allocation.
inline constexpr std::size_t kMaxBodyBytes = std::size_t{512} << 20;

}  // namespace zendrik

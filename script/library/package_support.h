#pragma once

// What the callbacks of the standard package share: reading the script's arguments with the
// package's conversions, and the tables of functions that each family of the package offers.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "script/library/field_info.h"
#include "script/runtime/conversions.h"
#include "script/runtime/engine.h"

namespace zendrik {

/// No string that a function of the package makes grows beyond this many bytes (256 MiB): a
/// script that asks for more gets an error rather than all of the machine's memory.
inline constexpr std::size_t kStringResultLimit = std::size_t{256} << 20;

/// The text of an argument (the strict conversion, or the plain one that reads Null as empty):
/// a view of a string argument itself, or the converted text of any other kind, held here. Valid
/// while the argument stays on the stack.
class TTextArg {
 public:
  enum class TNull { Fails, IsEmpty };
  explicit TTextArg(const TCtxValue& value, TNull null = TNull::Fails);
  TTextArg(const TTextArg&) = delete;
  TTextArg& operator=(const TTextArg&) = delete;

  std::string_view View() const noexcept { return view_; }
  operator std::string_view() const noexcept { return view_; }

 private:
  std::string storage_;
  std::string_view view_;
};

inline TTextArg::TTextArg(const TCtxValue& value, TNull null) {
  if (value.IsString()) {
    view_ = value.StringPayload();
    return;
  }
  storage_ = null == TNull::IsEmpty ? ToStringPlain(value) : ToStringStrict(value);
  view_ = storage_;
}

/// The argument as text0: the plain conversion, Null giving the empty string.
inline std::string Text0(const TCtxValue& value) { return ToStringPlain(value); }

/// Stores a string result.
inline void ReturnString(TCtxScript& script, std::string_view text) {
  script.Result = TCtxValue::String(text);
}

/// One function of the package as it is registered on the system scope.
struct TPackageFunction {
  std::string_view Name;
  TCtxNativeCallback Callback;
  std::int32_t ParamCount;  // negative: any number, checked by the callback
};

// The functions of each family, in no particular order; the package registers them in its own.
std::span<const TPackageFunction> ValueFunctions();
std::span<const TPackageFunction> StringFunctions();
std::span<const TPackageFunction> NumberFunctions();
std::span<const TPackageFunction> FileFunctions();
std::span<const TPackageFunction> DateFunctions();
std::span<const TPackageFunction> SystemFunctions();
std::span<const TPackageFunction> TextToolFunctions();
std::span<const TPackageFunction> PatternFunctions();

}  // namespace zendrik

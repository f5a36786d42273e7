#pragma once

// The `Format` function: a format text whose directives are replaced by values.

#include <span>
#include <string>
#include <string_view>

#include "script/runtime/value.h"

namespace zendrik {

/// `format` with each directive "%" [index ":"] ["-"] [width] ["." precision] type replaced by
/// the next value (or the one at `index`, counted from 0), "%%" by a percent sign. Types: d, u,
/// x (integer values), e, f, g, n, m (floating, date and currency values), s (strings) and p
/// (objects, integers). Raises "No argument for format '%s'" for a missing value, "Format '%s'
/// invalid or incompatible with argument" for a malformed directive or a value of another kind,
/// and "Format string too long" past kStringResultLimit. Widths and precisions of any size are
/// read; only the result counts against the limit.
std::string FormatText(std::string_view format, std::span<const TCtxValue> values);

}  // namespace zendrik

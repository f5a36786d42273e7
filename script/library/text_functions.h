#pragma once

// The byte-text functions of the standard package that need more than the helpers of
// base/ascii.h: quoting, line breaks, identifiers, wrapping, integer texts and comparisons.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zendrik {

/// `text` enclosed in `quote` (one character, possibly several bytes), every occurrence of it
/// inside doubled.
std::string QuoteText(std::string_view text, std::string_view quote);

/// Every CR not followed by LF, every LF not preceded by CR, and every LF CR pair made CR LF.
std::string AdjustLineBreaksText(std::string_view text);

/// Not empty, a letter A to Z, a to z or "_" first, then letters, digits and "_".
bool IsValidIdentText(std::string_view text) noexcept;

/// `line` with CR LF inserted so that no line exceeds `maxCol` characters where a break is
/// possible: after a blank, a hyphen or a tab that is not inside single or double quotes. A
/// piece without a break opportunity stays whole; blanks and tabs may hang past `maxCol`. Line
/// ends already in the text (CR LF, LF, CR) start a new line.
std::string WrapLines(std::string_view line, std::int32_t maxCol);

/// Upper-case hexadecimal digits of `value` as 32 bits (two's complement), padded with zeros
/// to at least `digits`.
std::string HexText(std::int32_t value, std::int32_t digits);

/// A decimal integer, or a hexadecimal one after "$", with an optional sign and leading blanks
/// and control characters; a hexadecimal text of up to 8 digits may stand for a negative
/// number in two's complement. Nothing for any other text or a value beyond 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view text) noexcept;

/// Byte comparison: the difference of the first differing bytes, else of the lengths.
int CompareBytes(std::string_view a, std::string_view b) noexcept;
/// As CompareBytes after mapping a to z to upper case.
int CompareBytesNoCase(std::string_view a, std::string_view b) noexcept;

}  // namespace zendrik

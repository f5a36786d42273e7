#pragma once

// Date-time values to text and back, by the patterns and names of the format settings in
// effect (FormatSettings()).

#include <optional>
#include <string>
#include <string_view>

namespace zendrik {

/// `value` written by `pattern` (letters in any case): d dd ddd dddd ddddd dddddd, m mm mmm
/// mmmm (minutes when they follow h or hh), yy yyyy, h hh (12-hour when an am/pm marker
/// follows), n nn, s ss, z zzz, t tt, c, am/pm a/p ampm, "/" and ":" for the separators, quoted
/// text copied without its quotes, every other character copied.
std::string FormatDateTimeText(std::string_view pattern, double value);

/// The date in the short date format; the time in the long time format.
std::string ShortDateText(double value);
std::string LongTimeText(double value);

/// A date read in the field order of the short date format: day, month and year as numbers
/// (or the month by its name), separated by the date separator, "/", "-", ".", "," or blanks;
/// without a year, the current one; a two-digit year within 50 years of the current one.
std::optional<double> ParseDate(std::string_view text);
/// A time "h:n", "h:n:s" or "h:n:s.z" (the time separator or ":"), optionally followed by an
/// am/pm marker.
std::optional<double> ParseTime(std::string_view text);
/// A date, a time, or a date followed by blanks and a time.
std::optional<double> ParseDateTime(std::string_view text);

}  // namespace zendrik

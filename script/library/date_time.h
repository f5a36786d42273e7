#pragma once

// Calendar arithmetic on date-time values: days since 30 December 1899, the fraction being the
// time of day (on either side of that day, so -1.25 is 29 December 1899, 6:00), for the years
// 1 to 9999 of the Gregorian calendar.

#include <cstdint>
#include <ctime>
#include <optional>

namespace zendrik {

struct TDateParts {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
};

struct TTimeParts {
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

struct TDateTimeParts {
  TDateParts Date;
  TTimeParts Time;
  /// 1 for Sunday to 7 for Saturday.
  int DayOfWeek = 7;
};

inline constexpr double kMinDateValue = -693593.0;  // 1 January 1
inline constexpr double kMaxDateValue = 2958466.0;  // just past 31 December 9999

bool IsLeapYear(int year) noexcept;
int DaysInMonth(int year, int month) noexcept;

/// The date at midnight; nothing for an impossible date or a year outside 1 to 9999.
std::optional<double> EncodeDateValue(int year, int month, int day) noexcept;
/// The time of day as a fraction of a day; nothing outside 0:00:00.000 to 23:59:59.999.
std::optional<double> EncodeTimeValue(int hour, int minute, int second, int millisecond) noexcept;
/// The date `days` (whole) with the time of day `time` (a fraction) added on its side of the
/// epoch.
double CombineDateAndTime(double days, double time) noexcept;

/// The calendar fields of a value, the time rounded to the millisecond (a time that rounds to
/// midnight moves to the next day). Raises "Invalid variant type conversion" for a value
/// outside the years 1 to 9999 or not a number.
TDateTimeParts DecodeDateTime(double value);
/// The time of day of a value, as a fraction of a day.
double TimeOfDay(double value) noexcept;

/// 1 for Sunday to 7 for Saturday; the value 0 (30 December 1899) is a Saturday.
int DayOfWeekOf(double value);
/// The value moved by `months` calendar months, the day reduced to the target month's last
/// when needed, the time kept. Raises "Invalid argument to date encode" beyond the year 9999
/// or before the year 1.
double IncMonthValue(double value, std::int32_t months);

/// The packed file date-time of a moment in local time (date in the high 16 bits: year - 1980,
/// month, day; time in the low 16 bits: hour, minute, seconds / 2). Moments before 1980 or
/// after 2107, which the packed form cannot hold, are clamped to its first or last moment.
std::uint32_t PackedFileTime(std::time_t moment);
/// The date-time value of a packed file date-time. Raises "Invalid argument to date encode"
/// for a packed value with an impossible date (such as -1, the time of no file) and "Invalid
/// argument to time encode" for an impossible time.
double PackedFileTimeToDate(std::uint32_t packed);

/// The current local date and time.
double NowValue();

}  // namespace zendrik

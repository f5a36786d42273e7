#include "script/library/date_time.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <string>

#include "script/runtime/errors.h"

namespace zendrik {

namespace {

constexpr std::int64_t kMillisecondsPerDay = 86400000;

// Days since 1 March of year 0 in the proleptic Gregorian calendar, shifted so that 30
// December 1899 is day 0 (the civil-from-days method of counting by 400-year eras).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 693899;  // 693899: days from 1 March 0 to 30 December 1899
}

TDateParts CivilFromDays(std::int64_t days) {
  const std::int64_t z = days + 693899;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return TDateParts{static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

[[noreturn]] void RaiseDateEncode() { throw ECtxScriptError("Invalid argument to date encode"); }

}  // namespace

bool IsLeapYear(int year) noexcept { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) noexcept {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<double> EncodeDateValue(int year, int month, int day) noexcept {
  if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
  return static_cast<double>(DaysFromCivil(year, month, day));
}

std::optional<double> EncodeTimeValue(int hour, int minute, int second, int millisecond) noexcept {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999)
    return std::nullopt;
  const std::int64_t ms = ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
  return static_cast<double>(ms) / kMillisecondsPerDay;
}

double CombineDateAndTime(double days, double time) noexcept {
  return days < 0 ? days - time : days + time;
}

TDateTimeParts DecodeDateTime(double value) {
  if (!(value >= kMinDateValue && value < kMaxDateValue)) RaiseInvalidConversion();
  const double whole = std::trunc(value);
  std::int64_t days = static_cast<std::int64_t>(whole);
  std::int64_t ms = std::llround(std::fabs(value - whole) * kMillisecondsPerDay);
  if (ms >= kMillisecondsPerDay) {
    ++days;
    ms -= kMillisecondsPerDay;
  }
  TDateTimeParts parts;
  parts.Date = CivilFromDays(days);
  parts.Time.Millisecond = static_cast<int>(ms % 1000);
  parts.Time.Second = static_cast<int>(ms / 1000 % 60);
  parts.Time.Minute = static_cast<int>(ms / 60000 % 60);
  parts.Time.Hour = static_cast<int>(ms / 3600000);
  parts.DayOfWeek = static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
  return parts;
}

double TimeOfDay(double value) noexcept { return std::fabs(value - std::trunc(value)); }

int DayOfWeekOf(double value) {
  if (!std::isfinite(value)) RaiseInvalidConversion();
  const double days = std::trunc(value);
  return static_cast<int>(std::fmod(std::fmod(days + 6, 7) + 7, 7)) + 1;
}

double IncMonthValue(double value, std::int32_t months) {
  const TDateTimeParts parts = DecodeDateTime(value);
  const std::int64_t total = std::int64_t{parts.Date.Year} * 12 + (parts.Date.Month - 1) + months;
  const std::int64_t year = total >= 0 ? total / 12 : (total - 11) / 12;
  if (year < 1 || year > 9999) RaiseDateEncode();
  const int month = static_cast<int>(total - year * 12) + 1;
  const int day = std::min(parts.Date.Day, DaysInMonth(static_cast<int>(year), month));
  const double date = *EncodeDateValue(static_cast<int>(year), month, day);
  return CombineDateAndTime(date, TimeOfDay(value));
}

std::uint32_t PackedFileTime(std::time_t moment) {
  std::tm local{};
  if (!localtime_r(&moment, &local)) return 0x00210000;  // 1 January 1980
  const int year = local.tm_year + 1900;
  if (year < 1980) return 0x00210000;
  if (year > 2107) return 0xFF9FBF7D;  // 31 December 2107, 23:59:58
  const std::uint32_t date =
      static_cast<std::uint32_t>(((year - 1980) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
  const std::uint32_t time = static_cast<std::uint32_t>(
      (local.tm_hour << 11) | (local.tm_min << 5) | (std::min(local.tm_sec, 59) / 2));
  return date << 16 | time;
}

double PackedFileTimeToDate(std::uint32_t packed) {
  const std::uint32_t date = packed >> 16;
  const std::uint32_t time = packed & 0xFFFF;
  const std::optional<double> day =
      EncodeDateValue(static_cast<int>((date >> 9) + 1980), static_cast<int>((date >> 5) & 15),
                      static_cast<int>(date & 31));
  if (!day) RaiseDateEncode();
  const std::optional<double> clock =
      EncodeTimeValue(static_cast<int>(time >> 11), static_cast<int>((time >> 5) & 63),
                      static_cast<int>((time & 31) * 2), 0);
  if (!clock) throw ECtxScriptError("Invalid argument to time encode");
  return *day + *clock;
}

double NowValue() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return *EncodeDateValue(date.year(), date.month(), date.day()) +
         *EncodeTimeValue(time.hour(), time.minute(), time.second(), time.msec());
}

}  // namespace zendrik

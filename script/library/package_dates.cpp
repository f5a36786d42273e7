// The package's date and time functions.

#include <cmath>

#include "script/library/date_format.h"
#include "script/library/date_time.h"
#include "script/library/package_support.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// An argument as a date-time value: a text is read as a date and time (or as a number of
// days), any other value converted to a number of days.
double DateArg(const TCtxValue& value) {
  if (!value.IsString()) return ToFloating(value);
  if (const std::optional<double> date = ParseDateTime(value.StringPayload())) return *date;
  return ToFloating(value);
}

void ReturnDate(TCtxScript& script, double value) { script.Result = TCtxValue::Date(value); }

void FormatDateTime(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg pattern(args[0]);
  ReturnString(script, FormatDateTimeText(pattern, DateArg(args[1])));
}

void EncodeDate(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::int32_t year = ToInteger(args[0]);
  const std::int32_t month = ToInteger(args[1]);
  const std::int32_t day = ToInteger(args[2]);
  const std::optional<double> date = EncodeDateValue(year, month, day);
  if (!date) throw ECtxScriptError("Invalid argument to date encode");
  ReturnDate(script, *date);
}

void EncodeTime(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::int32_t hour = ToInteger(args[0]);
  const std::int32_t minute = ToInteger(args[1]);
  const std::int32_t second = ToInteger(args[2]);
  const std::int32_t millisecond = ToInteger(args[3]);
  const std::optional<double> time = EncodeTimeValue(hour, minute, second, millisecond);
  if (!time) throw ECtxScriptError("Invalid argument to time encode");
  ReturnDate(script, *time);
}

void DayOfWeek(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Integer(DayOfWeekOf(DateArg(args[0])));
}

void Date(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  ReturnDate(script, std::trunc(NowValue()));
}

void Time(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  ReturnDate(script, TimeOfDay(NowValue()));
}

void Now(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  ReturnDate(script, NowValue());
}

void IncMonth(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const double date = DateArg(args[0]);
  ReturnDate(script, IncMonthValue(date, ToInteger(args[1])));
}

void IsLeapYearFn(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Boolean(IsLeapYear(ToInteger(args[0])));
}

void DateToStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, ShortDateText(DateArg(args[0])));
}

void TimeToStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, LongTimeText(DateArg(args[0])));
}

// The short date, then the long time unless the time is midnight.
void DateTimeToStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, FormatDateTimeText("c", DateArg(args[0])));
}

template <std::optional<double> (*Parse)(std::string_view)>
void ReadDate(TCtxScript& script, const TCtxArgs& args, const char* message) {
  const TTextArg text(args[0]);
  const std::optional<double> value = Parse(text);
  if (!value) throw ECtxScriptError::CreateFmt(message, {text.View()});
  ReturnDate(script, *value);
}

void StrToDate(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReadDate<ParseDate>(script, args, "'%s' is not a valid date");
}

void StrToTime(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReadDate<ParseTime>(script, args, "'%s' is not a valid time");
}

void StrToDateTime(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReadDate<ParseDateTime>(script, args, "'%s' is not a valid date and time");
}

constexpr TPackageFunction kFunctions[] = {
    {"FormatDateTime", FormatDateTime, 2},
    {"EncodeDate", EncodeDate, 3},
    {"EncodeTime", EncodeTime, 4},
    {"DayOfWeek", DayOfWeek, 1},
    {"Date", Date, 0},
    {"Time", Time, 0},
    {"Now", Now, 0},
    {"IncMonth", IncMonth, 2},
    {"IsLeapYear", IsLeapYearFn, 1},
    {"DateToStr", DateToStr, 1},
    {"TimeToStr", TimeToStr, 1},
    {"DateTimeToStr", DateTimeToStr, 1},
    {"StrToDate", StrToDate, 1},
    {"StrToTime", StrToTime, 1},
    {"StrToDateTime", StrToDateTime, 1},
};

}  // namespace

std::span<const TPackageFunction> DateFunctions() { return kFunctions; }

}  // namespace zendrik

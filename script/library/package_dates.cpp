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

void FormatDateTime(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg pattern(script.GetParam(2));
  ReturnString(script, FormatDateTimeText(pattern, DateArg(script.GetParam(1))));
}

void EncodeDate(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const std::int32_t year = ToInteger(Arg(script, 3, 1));
  const std::int32_t month = ToInteger(Arg(script, 3, 2));
  const std::int32_t day = ToInteger(Arg(script, 3, 3));
  const std::optional<double> date = EncodeDateValue(year, month, day);
  if (!date) throw ECtxScriptError("Invalid argument to date encode");
  ReturnDate(script, *date);
}

void EncodeTime(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const std::int32_t hour = ToInteger(Arg(script, 4, 1));
  const std::int32_t minute = ToInteger(Arg(script, 4, 2));
  const std::int32_t second = ToInteger(Arg(script, 4, 3));
  const std::int32_t millisecond = ToInteger(Arg(script, 4, 4));
  const std::optional<double> time = EncodeTimeValue(hour, minute, second, millisecond);
  if (!time) throw ECtxScriptError("Invalid argument to time encode");
  ReturnDate(script, *time);
}

void DayOfWeek(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  script.Result = TCtxValue::Integer(DayOfWeekOf(DateArg(script.GetParam(1))));
}

void Date(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnDate(script, std::trunc(NowValue()));
}

void Time(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnDate(script, TimeOfDay(NowValue()));
}

void Now(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnDate(script, NowValue());
}

void IncMonth(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const double date = DateArg(script.GetParam(2));
  ReturnDate(script, IncMonthValue(date, ToInteger(script.GetParam(1))));
}

void IsLeapYearFn(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  script.Result = TCtxValue::Boolean(IsLeapYear(ToInteger(script.GetParam(1))));
}

void DateToStr(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnString(script, ShortDateText(DateArg(script.GetParam(1))));
}

void TimeToStr(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnString(script, LongTimeText(DateArg(script.GetParam(1))));
}

// The short date, then the long time unless the time is midnight.
void DateTimeToStr(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnString(script, FormatDateTimeText("c", DateArg(script.GetParam(1))));
}

template <std::optional<double> (*Parse)(std::string_view)>
void ReadDate(TCtxScript& script, const char* message) {
  const TTextArg text(script.GetParam(1));
  const std::optional<double> value = Parse(text);
  if (!value) throw ECtxScriptError::CreateFmt(message, {text.View()});
  ReturnDate(script, *value);
}

void StrToDate(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReadDate<ParseDate>(script, "'%s' is not a valid date");
}

void StrToTime(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReadDate<ParseTime>(script, "'%s' is not a valid time");
}

void StrToDateTime(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReadDate<ParseDateTime>(script, "'%s' is not a valid date and time");
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

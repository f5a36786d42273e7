// Dates: the calendar, FormatDateTime (expected texts from Free Pascal unless noted), reading
// dates in a locale, and packed file times.

#include <gtest/gtest.h>

#include <ctime>

#include "script/library/date_format.h"
#include "script/library/date_time.h"
#include "script/runtime/conversions.h"
#include "script/runtime/errors.h"
#include "tests/script/pinned_formats.h"

namespace zendrik {
namespace {

class StandardPackageDates : public ::testing::Test {
 protected:
  testsupport::PinnedFormats formats_;
};

double At(int y, int m, int d, int h = 0, int n = 0, int s = 0, int z = 0) {
  return *EncodeDateValue(y, m, d) + *EncodeTimeValue(h, n, s, z);
}

TEST_F(StandardPackageDates, CalendarMatchesFreePascal) {
  EXPECT_EQ(EncodeDateValue(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDateValue(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDateValue(9999, 12, 31), 2958465);
  EXPECT_EQ(EncodeDateValue(2001, 2, 29), std::nullopt);
  EXPECT_EQ(EncodeDateValue(0, 1, 1), std::nullopt);
  EXPECT_EQ(EncodeTimeValue(24, 0, 0, 0), std::nullopt);
  EXPECT_EQ(FormatDateTimeText("yyyy-mm-dd hh:nn", -1.25), "1899-12-29 06:00");
  EXPECT_EQ(FormatDateTimeText("yyyy-mm-dd hh:nn", -0.25), "1899-12-30 06:00");
  EXPECT_EQ(FormatDateTimeText("yyyy-mm-dd", -693593), "0001-01-01");
  EXPECT_EQ(FormatDateTimeText("hh:nn:ss.zzz", 0.99999999999), "00:00:00.000");
  EXPECT_EQ(DayOfWeekOf(-0.5), 7);
  EXPECT_THROW(DecodeDateTime(1e10), EVariantError);
  EXPECT_THROW(IncMonthValue(At(9999, 12, 1), 1), ECtxScriptError);
}

TEST_F(StandardPackageDates, FormatDateTimeMatchesFreePascalPatterns) {
  const double d = At(2024, 3, 5, 13, 5, 9, 7);
  const std::pair<const char*, const char*> cases[] = {
      {"dd mm yyyy hh nn ss zzz", "05 03 2024 13 05 09 007"},
      {"DDDD MMMM YYYY", "Tuesday March 2024"},
      {"yy|y|yyy|zz|zzzz|hhh|nnn sss", "24|24|2024|007|007|13|05 09"},
      {"mm:ss", "03:09"},  // m not after h is the month
      {"hh:mm", "13:05"},
      {"am/pm|A/P|Am/Pm", "pm|P|Pm"},
      {"\"unterminated", "unterminated"},
      {"hh'", "13"},
      {"ddddddd|mmmmm", "Tuesday, 5 March 2024|March"},
  };
  for (const auto& [pattern, expected] : cases)
    EXPECT_EQ(FormatDateTimeText(pattern, d), expected) << pattern;
  EXPECT_EQ(FormatDateTimeText("h:mm am/pm", At(2000, 1, 1, 0, 5)), "12:05 am");
  EXPECT_EQ(FormatDateTimeText("h:mm am/pm", At(2000, 1, 1, 12, 5)), "12:05 pm");
  // Free Pascal writes these letters in upper case and reads "h m" as hour and month.
  EXPECT_EQ(FormatDateTimeText("x q [] #", d), "x q [] #");
  EXPECT_EQ(FormatDateTimeText("h m", d), "13 5");
}

TEST_F(StandardPackageDates, GermanLocaleGivesNamesSeparatorsAndFieldOrder) {
  formats_.Use(QLocale(QLocale::German, QLocale::Germany));
  const double d = At(2024, 3, 5, 13, 5, 9);
  EXPECT_EQ(FormatDateTimeText("dddd, d. mmmm yyyy", d), "Dienstag, 5. März 2024");
  EXPECT_EQ(FormatDateTimeText("dd/mm/yy hh:nn", d), "05.03.24 13:05");
  EXPECT_EQ(FormatDateTimeText("c", d), "05.03.2024 13:05:09");
  EXPECT_EQ(ParseDate("5.3.2024"), At(2024, 3, 5));
  EXPECT_EQ(ParseDate("05.03.24"), At(2024, 3, 5));
  EXPECT_EQ(ParseDate("5. März 2024"), At(2024, 3, 5));
  EXPECT_EQ(ParseDateTime("05.03.2024 13:05:09"), d);
  EXPECT_EQ(ParseTime("13:05:09,5"), *EncodeTimeValue(13, 5, 9, 5));
  EXPECT_EQ(ParseDate("3/5/2024"), At(2024, 5, 3));  // day first, whatever the separator
  EXPECT_EQ(ParseDate("2024-03"), std::nullopt);
  formats_.Use(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(ParseDate("3/5/24"), At(2024, 3, 5));  // month first
  EXPECT_EQ(ParseTime("1:05 PM"), *EncodeTimeValue(13, 5, 0, 0));
  EXPECT_EQ(ParseTime("13:05 PM"), std::nullopt);
}

TEST_F(StandardPackageDates, ShortDatesKeepTheirCenturyInEveryLocale) {
  for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany),
                                QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c()}) {
    formats_.Use(locale);
    for (const double d : {At(1950, 3, 5), At(2080, 12, 31), At(1, 1, 1), At(99, 7, 4)})
      EXPECT_EQ(ParseDate(ShortDateText(d)), d) << locale.name().toStdString() << " " << d;
  }
  formats_.Use(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(FormatSettings().ShortDateFormat, "dd.MM.yyyy");
}

TEST_F(StandardPackageDates, DatesReadRefuseSignsAndEmptyParts) {
  EXPECT_EQ(ParseDate("5/3/2024"), At(2024, 3, 5));
  EXPECT_EQ(ParseDate(" 5 / 3 / 2024 "), At(2024, 3, 5));
  EXPECT_EQ(ParseDate("5.3.2024."), At(2024, 3, 5));  // one separator may end the date
  for (const char* text :
       {"5/3/-2024", "-5/3/2024", "5//3/2024", "/5/3/2024", "5/+3/2024", "5/3/2024//", "5/-3"})
    EXPECT_EQ(ParseDate(text), std::nullopt) << text;
}

TEST_F(StandardPackageDates, PackedFileTimesRoundTripInTwoSecondSteps) {
  std::tm local{};
  local.tm_year = 2024 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 5;
  local.tm_hour = 13;
  local.tm_min = 5;
  local.tm_sec = 9;
  local.tm_isdst = -1;
  const std::uint32_t packed = PackedFileTime(std::mktime(&local));
  EXPECT_EQ(PackedFileTimeToDate(packed), At(2024, 3, 5, 13, 5, 8));
  EXPECT_EQ(PackedFileTime(0), 0x00210000u);  // 1970 is before the packed form begins
  EXPECT_THROW(PackedFileTimeToDate(0xFFFFFFFFu), ECtxScriptError);
}

}  // namespace
}  // namespace zendrik

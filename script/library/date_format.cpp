#include "script/library/date_format.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "base/ascii.h"
#include "script/library/date_time.h"
#include "script/runtime/conversions.h"

namespace zendrik {

namespace {

std::string Number(int value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width)
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  return digits;
}

std::string QtText(const QString& text) { return text.toStdString(); }

std::string DateByQtPattern(const TDateTimeParts& parts, const std::string& pattern) {
  const QDate date(parts.Date.Year, parts.Date.Month, parts.Date.Day);
  return QtText(FormatSettings().Locale.toString(date, QString::fromStdString(pattern)));
}

std::string TimeByQtPattern(const TDateTimeParts& parts, const std::string& pattern) {
  const QTime time(parts.Time.Hour, parts.Time.Minute, parts.Time.Second, parts.Time.Millisecond);
  return QtText(FormatSettings().Locale.toString(time, QString::fromStdString(pattern)));
}

// The am/pm marker at `i` ("am/pm", "a/p" or "ampm", any case): its length, or 0.
std::size_t MarkerLength(std::string_view pattern, std::size_t i) {
  const std::string_view rest = pattern.substr(i);
  if (StartsWithNoCase(rest, "am/pm")) return 5;
  if (StartsWithNoCase(rest, "a/p")) return 3;
  if (StartsWithNoCase(rest, "ampm")) return 4;
  return 0;
}

// Writes one pattern; `lastMarker` is where its last am/pm marker starts (npos: none).
class TDateWriter {
 public:
  TDateWriter(std::string_view pattern, double value, const TDateTimeParts& parts)
      : pattern_(pattern), value_(value), parts_(parts) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      if (pattern[i] == '"' || pattern[i] == '\'') {
        const std::size_t close = pattern.find(pattern[i], i + 1);
        if (close == std::string_view::npos) break;
        i = close;
      } else if (MarkerLength(pattern, i) > 0) {
        lastMarker_ = i;
      }
    }
  }

  std::string Run() {
    for (std::size_t i = 0; i < pattern_.size();) i = Step(i);
    return std::move(out_);
  }

 private:
  std::size_t RunLength(std::size_t i) const {
    const char letter = AsciiLower(pattern_[i]);
    std::size_t end = i + 1;
    while (end < pattern_.size() && AsciiLower(pattern_[end]) == letter) ++end;
    return end - i;
  }

  std::size_t Step(std::size_t i) {
    const char c = pattern_[i];
    if (c == '"' || c == '\'') {
      const std::size_t close = pattern_.find(c, i + 1);
      out_.append(pattern_.substr(i + 1, close == std::string_view::npos ? close : close - i - 1));
      return close == std::string_view::npos ? pattern_.size() : close + 1;
    }
    if (const std::size_t marker = MarkerLength(pattern_, i)) {
      Marker(i, marker);
      return i + marker;
    }
    switch (AsciiLower(c)) {
      case 'c': DateAndTime(); return i + 1;
      case '/': out_ += FormatSettings().DateSeparator; return i + 1;
      case ':': out_ += FormatSettings().TimeSeparator; return i + 1;
      case 'd':
      case 'm':
      case 'y':
      case 'h':
      case 'n':
      case 's':
      case 'z':
      case 't': {
        // Only a field letter takes its whole run, so each character is looked at once.
        const std::size_t n = RunLength(i);
        FieldRun(i, n);
        return i + n;
      }
      default: out_ += c; return i + 1;
    }
  }

  void FieldRun(std::size_t i, std::size_t n) {
    switch (AsciiLower(pattern_[i])) {
      case 'd': Day(n); break;
      case 'm': Month(n); break;
      case 'y': Year(n); break;
      case 'h': Hour(i, n); break;
      case 'n': Field('n', parts_.Time.Minute, n >= 2 ? 2 : 1); break;
      case 's': Field('s', parts_.Time.Second, n >= 2 ? 2 : 1); break;
      case 'z': Field('z', parts_.Time.Millisecond, n >= 2 ? 3 : 1); break;
      case 't':
        out_ += TimeByQtPattern(
            parts_, n >= 2 ? FormatSettings().LongTimeFormat : FormatSettings().ShortTimeFormat);
        break;
    }
  }

  void Field(char letter, int value, int width) {
    out_ += Number(value, width);
    lastField_ = letter;
  }

  void Day(std::size_t n) {
    const TCtxFormatSettings& s = FormatSettings();
    const std::size_t weekday = static_cast<std::size_t>(parts_.DayOfWeek - 1);
    if (n <= 2)
      out_ += Number(parts_.Date.Day, static_cast<int>(n));
    else if (n == 3)
      out_ += s.ShortDayNames[weekday];
    else if (n == 4)
      out_ += s.LongDayNames[weekday];
    else
      out_ += DateByQtPattern(parts_, n == 5 ? s.ShortDateFormat : s.LongDateFormat);
    lastField_ = 'd';
  }

  void Month(std::size_t n) {
    if (n <= 2 && lastField_ == 'h') return Field('n', parts_.Time.Minute, static_cast<int>(n));
    const std::size_t month = static_cast<std::size_t>(parts_.Date.Month - 1);
    if (n <= 2)
      out_ += Number(parts_.Date.Month, static_cast<int>(n));
    else
      out_ +=
          n == 3 ? FormatSettings().ShortMonthNames[month] : FormatSettings().LongMonthNames[month];
    lastField_ = 'm';
  }

  void Year(std::size_t n) {
    out_ += n <= 2 ? Number(parts_.Date.Year % 100, 2) : Number(parts_.Date.Year, 4);
    lastField_ = 'y';
  }

  void Hour(std::size_t i, std::size_t n) {
    int hour = parts_.Time.Hour;
    if (lastMarker_ != std::string_view::npos && lastMarker_ > i) {
      hour %= 12;
      if (hour == 0) hour = 12;
    }
    Field('h', hour, n >= 2 ? 2 : 1);
  }

  void Marker(std::size_t i, std::size_t length) {
    const bool pm = parts_.Time.Hour >= 12;
    if (length == 4)
      out_ += pm ? FormatSettings().TimePMString : FormatSettings().TimeAMString;
    else if (length == 5)
      out_.append(pattern_.substr(pm ? i + 3 : i, 2));  // in the case the pattern writes
    else
      out_ += pattern_[pm ? i + 2 : i];
  }

  // The text form of the value, as every conversion of a date to text writes it.
  void DateAndTime() { out_ += DateToText(value_); }

  std::string_view pattern_;
  double value_;
  const TDateTimeParts& parts_;
  std::string out_;
  std::size_t lastMarker_ = std::string_view::npos;
  char lastField_ = 0;
};

// ---- Reading -------------------------------------------------------------------------------

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) {
  return (AsciiUpper(c) >= 'A' && AsciiUpper(c) <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
}

struct TToken {
  std::string_view Text;
  bool Numeric = false;
};

// Splits `text` into runs of digits and runs of letters. Between two runs stand blanks and at
// most one of `separators`; one more may end the text ("5.3."). False for anything else: a
// separator first, two in a row (an empty part), or a sign ("-2024").
bool Tokens(std::string_view text, std::string_view separators, std::vector<TToken>& out) {
  std::size_t i = 0;
  bool separatorSinceRun = false;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ') {
      ++i;
      continue;
    }
    if (separators.find(c) != std::string_view::npos) {
      if (out.empty() || separatorSinceRun) return false;
      separatorSinceRun = true;
      ++i;
      continue;
    }
    const bool numeric = IsDigit(c);
    if (!numeric && !IsLetter(c)) return false;
    std::size_t end = i;
    while (end < text.size() && (numeric ? IsDigit(text[end]) : IsLetter(text[end]))) ++end;
    out.push_back({text.substr(i, end - i), numeric});
    separatorSinceRun = false;
    i = end;
  }
  return true;
}

std::optional<int> TokenNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

std::optional<int> MonthByName(std::string_view name) {
  const TCtxFormatSettings& s = FormatSettings();
  for (int m = 0; m < 12; ++m) {
    // Short names may carry a dot of abbreviation ("Dez.") that the separators took away.
    const std::string& shortName = s.ShortMonthNames[std::size_t(m)];
    const std::string_view bare = TrimAnyOf(shortName, ".");
    if (SameText(name, s.LongMonthNames[std::size_t(m)]) || SameText(name, shortName) ||
        SameText(name, bare))
      return m + 1;
  }
  return std::nullopt;
}

// The order of day, month and year in the short date format, as the letters 'd', 'm', 'y'.
std::array<char, 3> FieldOrder() {
  std::array<char, 3> order{};
  std::size_t count = 0;
  for (char c : FormatSettings().ShortDateFormat) {
    const char field = c == 'M' ? 'm' : AsciiLower(c);
    if (field != 'd' && field != 'm' && field != 'y') continue;
    bool seen = false;
    for (std::size_t k = 0; k < count; ++k) seen = seen || order[k] == field;
    if (!seen && count < 3) order[count++] = field;
  }
  if (count < 3) return {'d', 'm', 'y'};
  return order;
}

int CurrentYear() { return QDate::currentDate().year(); }

int FullYear(int year, std::size_t digits) {
  if (digits > 2) return year;
  const int current = CurrentYear();
  int full = current / 100 * 100 + year;
  if (full > current + 50) full -= 100;
  if (full <= current - 50) full += 100;
  return full;
}

std::optional<double> DateFromTokens(const std::vector<TToken>& tokens) {
  if (tokens.size() < 2 || tokens.size() > 3) return std::nullopt;
  std::array<char, 3> order = FieldOrder();
  if (tokens.size() == 2) {  // day and month of the current year
    std::size_t k = 0;
    for (char f : order)
      if (f != 'y') order[k++] = f;
  }
  int day = 0, month = 0, year = CurrentYear();
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    const TToken& token = tokens[k];
    std::optional<int> value = token.Numeric ? TokenNumber(token.Text) : MonthByName(token.Text);
    if (!value || (!token.Numeric && order[k] != 'm')) return std::nullopt;
    if (order[k] == 'd') day = *value;
    if (order[k] == 'm') month = *value;
    if (order[k] == 'y') year = FullYear(*value, token.Text.size());
  }
  return EncodeDateValue(year, month, day);
}

// "am", "pm" (the locale's or the English markers, or their first letters) at the end of
// `text`: strips it and tells which.
std::optional<bool> TakeMarker(std::string_view& text) {
  const TCtxFormatSettings& s = FormatSettings();
  const std::pair<std::string_view, bool> markers[] = {{s.TimeAMString, false},
                                                       {s.TimePMString, true},
                                                       {"AM", false},
                                                       {"PM", true},
                                                       {"A", false},
                                                       {"P", true}};
  for (const auto& [marker, pm] : markers) {
    if (marker.empty() || text.size() < marker.size()) continue;
    if (SameText(text.substr(text.size() - marker.size()), marker)) {
      text = TrimRight(text.substr(0, text.size() - marker.size()));
      return pm;
    }
  }
  return std::nullopt;
}

}  // namespace

std::string FormatDateTimeText(std::string_view pattern, double value) {
  const TDateTimeParts parts = DecodeDateTime(value);
  return TDateWriter(pattern, value, parts).Run();
}

std::string ShortDateText(double value) {
  return DateByQtPattern(DecodeDateTime(value), FormatSettings().ShortDateFormat);
}

std::string LongTimeText(double value) {
  return TimeByQtPattern(DecodeDateTime(value), FormatSettings().LongTimeFormat);
}

std::optional<double> ParseDate(std::string_view text) {
  std::vector<TToken> tokens;
  const std::string separators = FormatSettings().DateSeparator + "/-.,";
  if (!Tokens(Trim(text), separators, tokens)) return std::nullopt;
  return DateFromTokens(tokens);
}

std::optional<double> ParseTime(std::string_view text) {
  text = Trim(text);
  const std::optional<bool> pm = TakeMarker(text);
  int fields[4] = {0, 0, 0, 0};
  int count = 0;
  const std::string& separator = FormatSettings().TimeSeparator;
  std::size_t i = 0;
  while (count < 4) {
    std::size_t end = i;
    while (end < text.size() && IsDigit(text[end])) ++end;
    const std::optional<int> value = TokenNumber(text.substr(i, end - i));
    if (!value) return std::nullopt;
    fields[count++] = *value;
    i = end;
    if (i == text.size()) break;
    const bool beforeMilliseconds =
        count == 3 && (text[i] == '.' || text[i] == FormatSettings().DecimalSeparator);
    if (beforeMilliseconds || (count < 3 && text[i] == ':')) {
      ++i;
    } else if (count < 3 && text.substr(i, separator.size()) == separator && !separator.empty()) {
      i += separator.size();
    } else {
      return std::nullopt;
    }
  }
  if (i != text.size() || count < 2) return std::nullopt;
  int hour = fields[0];
  if (pm) {
    if (hour < 1 || hour > 12) return std::nullopt;
    hour = hour % 12 + (*pm ? 12 : 0);
  }
  return EncodeTimeValue(hour, fields[1], fields[2], fields[3]);
}

std::optional<double> ParseDateTime(std::string_view text) {
  text = Trim(text);
  const std::string& separator = FormatSettings().TimeSeparator;
  std::size_t colon = text.find(':');
  if (!separator.empty()) colon = std::min(colon, text.find(separator));
  if (colon == std::string_view::npos) return ParseDate(text);
  const std::size_t blank = text.rfind(' ', colon);
  if (blank == std::string_view::npos) return ParseTime(text);
  const std::optional<double> date = ParseDate(text.substr(0, blank));
  const std::optional<double> time = ParseTime(text.substr(blank + 1));
  if (!date || !time) return std::nullopt;
  return CombineDateAndTime(*date, *time);
}

}  // namespace zendrik

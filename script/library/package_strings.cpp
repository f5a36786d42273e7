// The package's string functions: case, comparison, trimming, quoting, line breaks,
// identifiers, delimiters, search, replacement and wrapping.

#include "base/ascii.h"
#include "base/replace.h"
#include "base/utf8.h"
#include "script/library/locale_text.h"
#include "script/library/package_support.h"
#include "script/library/text_functions.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

using TNull = TTextArg::TNull;

void ReturnInteger(TCtxScript& script, int value) { script.Result = TCtxValue::Integer(value); }

void UpperCaseFn(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnString(script, UpperCase(TTextArg(script.GetParam(1))));
}

void LowerCaseFn(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnString(script, LowerCase(TTextArg(script.GetParam(1))));
}

void CompareStr(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnInteger(script, CompareBytes(TTextArg(script.GetParam(2)), TTextArg(script.GetParam(1))));
}

void CompareText(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnInteger(script,
                CompareBytesNoCase(TTextArg(script.GetParam(2)), TTextArg(script.GetParam(1))));
}

void SameTextFn(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  script.Result =
      TCtxValue::Boolean(SameText(TTextArg(script.GetParam(2)), TTextArg(script.GetParam(1))));
}

void AnsiUpperCase(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnString(script, LocaleUpperCase(TTextArg(script.GetParam(1))));
}

void AnsiLowerCase(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnString(script, LocaleLowerCase(TTextArg(script.GetParam(1))));
}

int AnsiCompare(const TCtxScript& script, bool caseSensitive) {
  const TTextArg a(script.GetParam(2));
  const TTextArg b(script.GetParam(1));
  return caseSensitive ? LocaleCompare(a, b) : LocaleCompareNoCase(a, b);
}

void AnsiCompareStr(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnInteger(script, AnsiCompare(script, true));
}

void AnsiSameStr(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  script.Result = TCtxValue::Boolean(AnsiCompare(script, true) == 0);
}

void AnsiCompareText(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnInteger(script, AnsiCompare(script, false));
}

void AnsiSameText(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  script.Result = TCtxValue::Boolean(AnsiCompare(script, false) == 0);
}

// A trimmed string that lost nothing is the argument itself, shared rather than copied.
template <std::string_view (*Trimmer)(std::string_view) noexcept>
void TrimFn(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TCtxValue& value = script.GetParam(1);
  const TTextArg text(value);
  const std::string_view trimmed = Trimmer(text);
  if (value.Is(TCtxType::String) && trimmed.size() == text.View().size())
    script.Result = TCtxValue::String(value.SharedString());
  else
    ReturnString(script, trimmed);
}

void QuotedStr(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnString(script, QuoteText(TTextArg(script.GetParam(1)), "'"));
}

// The quote is the first character of the second argument, whole even when it takes several
// bytes; an empty one leaves nothing to quote with.
void AnsiQuotedStr(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg text(script.GetParam(2));
  const TTextArg quotes(script.GetParam(1), TNull::IsEmpty);
  const std::string_view quote = quotes.View().substr(0, FirstCharacterLength(quotes));
  if (quote.empty())
    throw ECtxScriptError("AnsiQuotedStr needs a quote character, not an empty text");
  ReturnString(script, QuoteText(text, quote));
}

void AdjustLineBreaks(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  ReturnString(script, AdjustLineBreaksText(TTextArg(script.GetParam(1))));
}

void IsValidIdent(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  script.Result = TCtxValue::Boolean(IsValidIdentText(TTextArg(script.GetParam(1))));
}

void IsDelimiter(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg delimiters(Arg(script, 3, 1));
  const TTextArg text(Arg(script, 3, 2));
  const std::int32_t index = ToInteger(Arg(script, 3, 3));
  const std::string_view s = text;
  const bool inside = index >= 1 && static_cast<std::size_t>(index) <= s.size();
  script.Result =
      TCtxValue::Boolean(inside && delimiters.View().find(s[static_cast<std::size_t>(index) - 1]) !=
                                       std::string_view::npos);
}

void LastDelimiter(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg delimiters(Arg(script, 2, 1));
  const TTextArg text(Arg(script, 2, 2));
  const std::size_t at =
      delimiters.View().empty() ? std::string_view::npos : text.View().find_last_of(delimiters);
  ReturnInteger(script, at == std::string_view::npos ? 0 : static_cast<int>(at + 1));
}

// A byte position: UTF-8 sequences cannot match inside one another, so a byte search finds
// whole characters.
void AnsiPos(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg sub(Arg(script, 2, 1));
  const TTextArg text(Arg(script, 2, 2));
  const std::size_t at = sub.View().empty() ? std::string_view::npos : text.View().find(sub);
  ReturnInteger(script, at == std::string_view::npos ? 0 : static_cast<int>(at + 1));
}

void StringReplace(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg text(Arg(script, 3, 1));
  const TTextArg from(Arg(script, 3, 2));
  const TTextArg to(Arg(script, 3, 3));
  ReturnString(script, ReplaceAllNoCase(text, from, to));
}

void WrapText(TCtxScript& script, TCtxAccessKind, QObject*, std::int32_t) {
  const TTextArg line(Arg(script, 2, 1), TNull::IsEmpty);
  const std::int32_t maxCol = ToInteger(Arg(script, 2, 2));
  ReturnString(script, WrapLines(line, maxCol));
}

constexpr TPackageFunction kFunctions[] = {
    {"UpperCase", UpperCaseFn, 1},
    {"LowerCase", LowerCaseFn, 1},
    {"CompareStr", CompareStr, 2},
    {"CompareText", CompareText, 2},
    {"SameText", SameTextFn, 2},
    {"AnsiUpperCase", AnsiUpperCase, 1},
    {"AnsiLowerCase", AnsiLowerCase, 1},
    {"AnsiCompareStr", AnsiCompareStr, 2},
    {"AnsiSameStr", AnsiSameStr, 2},
    {"AnsiCompareText", AnsiCompareText, 2},
    {"AnsiSameText", AnsiSameText, 2},
    {"Trim", TrimFn<Trim>, 1},
    {"TrimLeft", TrimFn<TrimLeft>, 1},
    {"TrimRight", TrimFn<TrimRight>, 1},
    {"QuotedStr", QuotedStr, 1},
    {"AnsiQuotedStr", AnsiQuotedStr, 2},
    {"AdjustLineBreaks", AdjustLineBreaks, 1},
    {"IsValidIdent", IsValidIdent, 1},
    {"IsDelimiter", IsDelimiter, 3},
    {"LastDelimiter", LastDelimiter, 2},
    {"AnsiPos", AnsiPos, 2},
    {"Pos", AnsiPos, 2},
    {"StringReplace", StringReplace, 3},
    {"WrapText", WrapText, 2},
};

}  // namespace

std::span<const TPackageFunction> StringFunctions() { return kFunctions; }

}  // namespace zendrik

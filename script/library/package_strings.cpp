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

void UpperCaseFn(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, UpperCase(TTextArg(args[0])));
}

void LowerCaseFn(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, LowerCase(TTextArg(args[0])));
}

void CompareStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnInteger(script, CompareBytes(TTextArg(args[0]), TTextArg(args[1])));
}

void CompareText(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnInteger(script, CompareBytesNoCase(TTextArg(args[0]), TTextArg(args[1])));
}

void SameTextFn(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Boolean(SameText(TTextArg(args[0]), TTextArg(args[1])));
}

void AnsiUpperCase(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, LocaleUpperCase(TTextArg(args[0])));
}

void AnsiLowerCase(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, LocaleLowerCase(TTextArg(args[0])));
}

int AnsiCompare(const TCtxArgs& args, bool caseSensitive) {
  const TTextArg a(args[0]);
  const TTextArg b(args[1]);
  return caseSensitive ? LocaleCompare(a, b) : LocaleCompareNoCase(a, b);
}

void AnsiCompareStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnInteger(script, AnsiCompare(args, true));
}

void AnsiSameStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Boolean(AnsiCompare(args, true) == 0);
}

void AnsiCompareText(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnInteger(script, AnsiCompare(args, false));
}

void AnsiSameText(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Boolean(AnsiCompare(args, false) == 0);
}

// A trimmed string that lost nothing is the argument itself, shared rather than copied.
template <std::string_view (*Trimmer)(std::string_view) noexcept>
void TrimFn(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TCtxValue& value = args[0];
  const TTextArg text(value);
  const std::string_view trimmed = Trimmer(text);
  if (value.Is(TCtxType::String) && trimmed.size() == text.View().size())
    script.Result = TCtxValue::String(value.SharedString());
  else
    ReturnString(script, trimmed);
}

void QuotedStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, QuoteText(TTextArg(args[0]), "'"));
}

// The quote is the first character of the second argument, whole even when it takes several
// bytes; an empty one leaves nothing to quote with.
void AnsiQuotedStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const TTextArg quotes(args[1], TNull::IsEmpty);
  const std::string_view quote = quotes.View().substr(0, FirstCharacterLength(quotes));
  if (quote.empty())
    throw ECtxScriptError("AnsiQuotedStr needs a quote character, not an empty text");
  ReturnString(script, QuoteText(text, quote));
}

void AdjustLineBreaks(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, AdjustLineBreaksText(TTextArg(args[0])));
}

void IsValidIdent(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Boolean(IsValidIdentText(TTextArg(args[0])));
}

void IsDelimiter(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg delimiters(args[0]);
  const TTextArg text(args[1]);
  const std::int32_t index = ToInteger(args[2]);
  const std::string_view s = text;
  const bool inside = index >= 1 && static_cast<std::size_t>(index) <= s.size();
  script.Result =
      TCtxValue::Boolean(inside && delimiters.View().find(s[static_cast<std::size_t>(index) - 1]) !=
                                       std::string_view::npos);
}

void LastDelimiter(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg delimiters(args[0]);
  const TTextArg text(args[1]);
  const std::size_t at =
      delimiters.View().empty() ? std::string_view::npos : text.View().find_last_of(delimiters);
  ReturnInteger(script, at == std::string_view::npos ? 0 : static_cast<int>(at + 1));
}

// A byte position: UTF-8 sequences cannot match inside one another, so a byte search finds
// whole characters.
void AnsiPos(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg sub(args[0]);
  const TTextArg text(args[1]);
  const std::size_t at = sub.View().empty() ? std::string_view::npos : text.View().find(sub);
  ReturnInteger(script, at == std::string_view::npos ? 0 : static_cast<int>(at + 1));
}

void StringReplace(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const TTextArg from(args[1]);
  const TTextArg to(args[2]);
  ReturnString(script, ReplaceAllNoCase(text, from, to));
}

void WrapText(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg line(args[0], TNull::IsEmpty);
  const std::int32_t maxCol = ToInteger(args[1]);
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

// The package's number functions: integer texts, Format, floating and currency texts and
// pictures, and reading numbers.

#include <vector>

#include "script/library/format_directives.h"
#include "script/library/format_picture.h"
#include "script/library/package_support.h"
#include "script/library/text_functions.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

void IntToStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, std::to_string(ToInteger(args[0])));
}

void IntToHex(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::int32_t value = ToInteger(args[0]);
  const std::int32_t digits = ToInteger(args[1]);
  if (digits > 0 && static_cast<std::size_t>(digits) > kStringResultLimit)
    throw ECtxScriptError("Format string too long");
  ReturnString(script, HexText(value, digits));
}

void StrToInt(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const std::optional<std::int32_t> value = ParseInteger(text);
  if (!value) throw ECtxScriptError::CreateFmt("'%s' is not a valid integer value", {text.View()});
  script.Result = TCtxValue::Integer(*value);
}

void StrToIntDef(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const std::int32_t fallback = ToInteger(args[1]);
  script.Result = TCtxValue::Integer(ParseInteger(text).value_or(fallback));
}

// Format(Fmt, Values...): one to four values.
void Format(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  CheckArgCount(args.Count(), 2, 5);
  const TTextArg format(args[0]);
  std::vector<TCtxValue> values;
  values.reserve(static_cast<std::size_t>(args.Count() - 1));
  for (std::int32_t k = 1; k < args.Count(); ++k) values.push_back(args[k]);
  ReturnString(script, FormatText(format, values));
}

void FloatToStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, FloatToText(ToFloating(args[0])));
}

void CurrToStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, CurrencyToText(ToCurrency(args[0])));
}

void FormatFloat(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg picture(args[0]);
  ReturnString(script, FormatFloatPicture(picture, ToFloating(args[1])));
}

void FormatCurr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg picture(args[0]);
  ReturnString(script, FormatCurrPicture(picture, ToCurrency(args[1])));
}

double ParseFloatOrRaise(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) throw ECtxScriptError::CreateFmt("'%s' is not a valid floating point value", {text});
  return *value;
}

void StrToFloat(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Floating(ParseFloatOrRaise(TTextArg(args[0])));
}

// Read in decimal, so that every amount of the currency range is read exactly.
void StrToCurr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const std::optional<TCtxCurrency> value = ParseCurrency(text);
  if (!value)
    throw ECtxScriptError::CreateFmt("'%s' is not a valid floating point value", {text.View()});
  script.Result = TCtxValue::Currency(*value);
}

constexpr TPackageFunction kFunctions[] = {
    {"FormatFloat", FormatFloat, 2}, {"IntToStr", IntToStr, 1},       {"IntToHex", IntToHex, 2},
    {"StrToInt", StrToInt, 1},       {"StrToIntDef", StrToIntDef, 2}, {"Format", Format, -1},
    {"FloatToStr", FloatToStr, 1},   {"CurrToStr", CurrToStr, 1},     {"FormatCurr", FormatCurr, 2},
    {"StrToFloat", StrToFloat, 1},   {"StrToCurr", StrToCurr, 1},
};

}  // namespace

std::span<const TPackageFunction> NumberFunctions() { return kFunctions; }

}  // namespace zendrik

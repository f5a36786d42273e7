#include "script/runtime/conversions.h"

#include "script/runtime/errors.h"

namespace zendrik {
// First version: bodies follow in the next commit.
const TCtxFormatSettings& FormatSettings() { static TCtxFormatSettings s; return s; }
void SetFormatSettings(TCtxFormatSettings) {}
std::int32_t ToInteger(const TCtxValue&) { RaiseInvalidConversion(); }
double ToFloating(const TCtxValue&) { RaiseInvalidConversion(); }
TCtxCurrency ToCurrency(const TCtxValue&) { RaiseInvalidConversion(); }
bool ToBoolean(const TCtxValue&) { RaiseInvalidConversion(); }
std::string ToStringStrict(const TCtxValue&) { RaiseInvalidConversion(); }
std::string ToStringPlain(const TCtxValue&) { RaiseInvalidConversion(); }
std::string ValueToText(const TCtxValue&, std::span<const TCtxValue>) { RaiseInvalidConversion(); }
}  // namespace zendrik

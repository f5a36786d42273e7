#pragma once

// Helpers shared by the runtime tests: short value constructors and a one-line description of a
// value ("Integer 5", "String 12") so that table rows can state results compactly.

#include <string>

#include "script/runtime/conversions.h"
#include "script/runtime/value.h"

namespace zendrik::testing {

inline TCtxValue I(std::int32_t v) { return TCtxValue::Integer(v); }
inline TCtxValue F(double v) { return TCtxValue::Floating(v); }
inline TCtxValue S(const char* v) { return TCtxValue::String(v); }
inline TCtxValue B(bool v) { return TCtxValue::Boolean(v); }
inline TCtxValue C(std::int64_t scaled) { return TCtxValue::Currency({scaled}); }
inline TCtxValue D(double days) { return TCtxValue::Date(days); }
inline TCtxValue Nul() { return TCtxValue::Null(); }
inline TCtxValue Un() { return TCtxValue::Unassigned(); }

inline const char* KindName(const TCtxValue& v) {
  if (v.IsArray()) return "Array";
  switch (v.Type()) {
    case TCtxType::Unassigned: return "Unassigned";
    case TCtxType::Null: return "Null";
    case TCtxType::Integer: return "Integer";
    case TCtxType::Floating: return "Floating";
    case TCtxType::Currency: return "Currency";
    case TCtxType::Date: return "Date";
    case TCtxType::String: return "String";
    case TCtxType::Boolean: return "Boolean";
    case TCtxType::Object: return "Object";
    case TCtxType::Reference: return "Reference";
    default: return "Other";
  }
}

/// "Kind text", e.g. "Floating 3", "Boolean True", "Null Null".
inline std::string Describe(const TCtxValue& v) {
  return std::string(KindName(v)) + " " + ValueToText(v);
}

/// A C-like locale with numeric date patterns in effect for as long as it lives.
class PinnedCLocale {
 public:
  PinnedCLocale() {
    Settings.ShortDateFormat = "dd.MM.yyyy";
    Settings.LongTimeFormat = "hh:mm:ss";
  }
  PinnedCLocale(const PinnedCLocale&) = delete;
  PinnedCLocale& operator=(const PinnedCLocale&) = delete;

  TCtxFormatSettings Settings = TCtxFormatSettings::FromLocale(QLocale::c());

 private:
  TCtxFormatsInEffect inEffect_{Settings};
};

}  // namespace zendrik::testing

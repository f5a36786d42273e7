// The package's output, comparison, variant and length functions: write, writeln, Min, Max,
// Sin, Cos, VarToStr, VarToStrEx, VarArrayCreate, VarArrayOf, VarArrayRedim, VarArrayLowBound,
// VarArrayHighBound, Length, SetLength.

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "script/library/package_support.h"
#include "script/runtime/errors.h"
#include "script/runtime/operators.h"

namespace zendrik {

namespace {

constexpr std::int32_t kAnyCount = std::numeric_limits<std::int32_t>::max();

// Writes `bytes` to standard output and tells the engine's host.
bool WriteOut(TCtxScript& script, std::string_view bytes) {
  // An empty text may have no bytes at all to point to, which fwrite must not be given.
  if (bytes.empty()) return true;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
  if (written && script.OnWrite) script.OnWrite(bytes);
  return written;
}

// Each argument's text, then the line end when asked, each flushed as it is written.
void WriteArguments(TCtxScript& script, const TCtxArgs& args, bool lineEnd) {
  CheckArgCount(args.Count(), 1, 256);
  for (std::int32_t k = 0; k < args.Count(); ++k) {
    const TCtxValue& value = args[k];
    const bool last = k == args.Count() - 1;
    bool written = true;
    if (!value.IsUnassigned() && !value.IsNull())
      written = WriteOut(script, TTextArg(value).View());
    if (written && last && lineEnd) written = WriteOut(script, "\n");
    if (!written || std::fflush(stdout) != 0)
      throw ECtxScriptError::CreateFmt("I/O error %d", {errno});
  }
}

void Write(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  WriteArguments(script, args, false);
}

void Writeln(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  WriteArguments(script, args, true);
}

// The last argument, replaced by every other that compares strictly `op` to it.
void Extreme(TCtxScript& script, const TCtxArgs& args, TCtxCompareOp op) {
  CheckArgCount(args.Count(), 2, kAnyCount);
  const TCtxValue* best = &args.Last();
  for (std::int32_t k = args.Count() - 2; k >= 0; --k) {
    const TCtxValue& candidate = args[k];
    if (Compare(op, candidate, *best)) best = &candidate;
  }
  script.Result = *best;
}

void Min(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  Extreme(script, args, TCtxCompareOp::Less);
}

void Max(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  Extreme(script, args, TCtxCompareOp::Greater);
}

void Sin(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Floating(std::sin(ToFloating(args[0])));
}

void Cos(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Floating(std::cos(ToFloating(args[0])));
}

void VarToStr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TCtxValue& value = args[0];
  if (value.IsString())
    script.Result = TCtxValue::String(value.SharedString());
  else
    script.Result = TCtxValue::String(Text0(value));
}

void VarToStrEx(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::String(ValueToText(args[0], script.StackCells()));
}

void VarArrayCreate(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::int32_t high = ToInteger(args[0]);
  script.Result = TCtxValue::Array(TCtxArray({TCtxArrayBounds{0, high}}));
}

void VarArrayOf(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  CheckArgCount(args.Count(), 1, kAnyCount);
  std::vector<TCtxValue> elements;
  elements.reserve(static_cast<std::size_t>(args.Count()));
  for (std::int32_t k = 0; k < args.Count(); ++k) elements.push_back(args[k]);
  script.Result = TCtxValue::Array(TCtxArray(0, std::move(elements)));
}

// A copy of the array with the high bound of its last dimension set; rows (the runs of the
// last dimension) keep their elements up to the new bound.
TCtxArray Redimensioned(const TCtxArray& array, std::int32_t high) {
  std::vector<TCtxArrayBounds> bounds;
  for (int d = 0; d < array.DimensionCount(); ++d) bounds.push_back(array.Bounds(d));
  const std::int32_t oldLength = bounds.back().Length();
  bounds.back().High = high;
  TCtxArray copy(bounds);
  const std::int32_t newLength = copy.Bounds(copy.DimensionCount() - 1).Length();
  const std::size_t kept = static_cast<std::size_t>(std::min(oldLength, newLength));
  const std::vector<TCtxValue>& from = array.Elements();
  if (kept == 0) return copy;
  std::vector<std::int32_t> index(bounds.size());
  for (std::size_t row = 0; row * static_cast<std::size_t>(oldLength) < from.size(); ++row) {
    // The indices of the row's first element, from its number.
    std::size_t rest = row;
    for (int d = array.DimensionCount() - 2; d >= 0; --d) {
      const auto length = static_cast<std::size_t>(bounds[std::size_t(d)].Length());
      index[std::size_t(d)] = bounds[std::size_t(d)].Low + static_cast<std::int32_t>(rest % length);
      rest /= length;
    }
    for (std::size_t k = 0; k < kept; ++k) {
      index.back() = bounds.back().Low + static_cast<std::int32_t>(k);
      copy.At(index) = from[row * static_cast<std::size_t>(oldLength) + k];
    }
  }
  return copy;
}

void VarArrayRedim(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TCtxValue& array = args[0];
  const std::int32_t count = ToInteger(args[1]);
  if (!array.IsArray() || array.ArrayPayload().DimensionCount() == 0)
    throw EVariantError("Variant is not an array");
  if (count == std::numeric_limits<std::int32_t>::min())
    throw EVariantError(std::string(kVariantArrayCreateError));
  script.Result = TCtxValue::Array(Redimensioned(array.ArrayPayload(), count - 1));
}

// The bounds of dimension Dim (from 1) of an array, so that a script can walk an array it was
// given (by SplitString, RegExFindAll, ...).
const TCtxArrayBounds& BoundsArg(const TCtxArgs& args) {
  const TCtxValue& array = args[0];
  const std::int32_t dimension = ToInteger(args[1]);
  if (!array.IsArray()) throw EVariantError("Variant is not an array");
  if (dimension < 1 || dimension > array.ArrayPayload().DimensionCount())
    throw EVariantError(std::string(kVariantIndexOutOfBounds));
  return array.ArrayPayload().Bounds(dimension - 1);
}

void VarArrayLowBound(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Integer(BoundsArg(args).Low);
}

void VarArrayHighBound(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Integer(BoundsArg(args).High);
}

void Length(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TCtxValue& value = args[0];
  const std::size_t length = value.IsString() ? value.StringPayload().size() : Text0(value).size();
  constexpr auto kLargest = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  script.Result = TCtxValue::Integer(static_cast<std::int32_t>(std::min(length, kLargest)));
}

// SetLength(@S, N): the variable's text cut to N characters or extended with blanks.
void SetLength(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TCtxValue reference = args[0];
  const TCtxValue current =
      script.ReadReference(reference);  // nothing is read from a non-reference
  const std::int32_t length = ToInteger(args[1]);
  if (length > 0 && static_cast<std::size_t>(length) > kStringResultLimit)
    throw ECtxScriptError("String too long");
  std::string text = Text0(current);
  text.resize(length < 0 ? 0 : static_cast<std::size_t>(length), ' ');
  script.WriteReference(reference, TCtxValue::String(text));
}

constexpr TPackageFunction kFunctions[] = {
    {"write", Write, -1},
    {"writeln", Writeln, -1},
    {"Min", Min, -1},
    {"Max", Max, -1},
    {"Sin", Sin, 1},
    {"Cos", Cos, 1},
    {"VarToStr", VarToStr, 1},
    {"VarToStrEx", VarToStrEx, 1},
    {"VarArrayCreate", VarArrayCreate, 1},
    {"VarArrayOf", VarArrayOf, -1},
    {"VarArrayRedim", VarArrayRedim, 2},
    {"VarArrayLowBound", VarArrayLowBound, 2},
    {"VarArrayHighBound", VarArrayHighBound, 2},
    {"SetLength", SetLength, 2},
    {"Length", Length, 1},
};

}  // namespace

std::span<const TPackageFunction> ValueFunctions() { return kFunctions; }

}  // namespace zendrik

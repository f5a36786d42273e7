// The package's tools for taking texts apart and putting them together: Copy, Delete, Insert,
// Chr, Ord, SplitString and JoinStrings (Pos is AnsiPos, among the string functions). Indexes
// count bytes from 1, with Pascal's rules for indexes and counts out of range.

#include <algorithm>
#include <vector>

#include "script/library/package_support.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// The bytes of `text` from 1-based `index` (below 1: from the first), at most `count` of them.
std::string_view Slice(std::string_view text, std::int32_t index, std::int32_t count) {
  const std::size_t from = static_cast<std::size_t>(std::max(index, 1) - 1);
  if (from >= text.size() || count <= 0) return {};
  return text.substr(from, static_cast<std::size_t>(count));
}

[[noreturn]] void RaiseStringTooLong() { throw ECtxScriptError("String too long"); }

// Copy(S, Index, Count).
void Copy(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const std::int32_t index = ToInteger(args[1]);
  const std::int32_t count = ToInteger(args[2]);
  ReturnString(script, Slice(text, index, count));
}

// Delete(@S, Index, Count): nothing for an index outside the text or a count below 1.
void Delete(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TCtxValue reference = args[0];
  std::string text = Text0(script.ReadReference(reference));
  const std::int32_t index = ToInteger(args[1]);
  const std::int32_t count = ToInteger(args[2]);
  if (index >= 1 && static_cast<std::size_t>(index) <= text.size() && count > 0)
    text.erase(static_cast<std::size_t>(index) - 1, static_cast<std::size_t>(count));
  script.WriteReference(reference, TCtxValue::String(text));
}

// Insert(Source, @S, Index): an index below 1 inserts at the start, one past the end appends.
void Insert(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg source(args[0]);
  const TCtxValue reference = args[1];
  std::string text = Text0(script.ReadReference(reference));
  const std::int32_t index = ToInteger(args[2]);
  if (text.size() + source.View().size() > kStringResultLimit) RaiseStringTooLong();
  const std::size_t at = std::min(static_cast<std::size_t>(std::max(index, 1) - 1), text.size());
  text.insert(at, source.View());
  script.WriteReference(reference, TCtxValue::String(text));
}

void Chr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::int32_t code = ToInteger(args[0]);
  if (code < 0 || code > 255) throw ECtxScriptError("Range check error");
  ReturnString(script, std::string(1, static_cast<char>(code)));
}

void Ord(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  if (text.View().empty()) throw ECtxScriptError("Ord of an empty text");
  script.Result = TCtxValue::Integer(static_cast<unsigned char>(text.View().front()));
}

// SplitString(S, Delimiters): the pieces between any of the delimiter bytes, empty ones too.
void SplitString(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const TTextArg delimiters(args[1]);
  std::vector<TCtxValue> pieces;
  std::string_view rest = text;
  for (;;) {
    const std::size_t at =
        delimiters.View().empty() ? std::string_view::npos : rest.find_first_of(delimiters);
    pieces.push_back(TCtxValue::String(rest.substr(0, at)));
    if (at == std::string_view::npos) break;
    rest.remove_prefix(at + 1);
  }
  script.Result = TCtxValue::Array(TCtxArray(0, std::move(pieces)));
}

// JoinStrings(A, Separator): the text of every element (Null as empty), separated.
void JoinStrings(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TCtxValue& array = args[0];
  const TTextArg separator(args[1]);
  if (!array.IsArray()) throw EVariantError("Variant is not an array");
  std::string joined;
  bool first = true;
  for (const TCtxValue& element : array.ArrayPayload().Elements()) {
    if (!first) joined += separator.View();
    first = false;
    joined += TTextArg(element, TTextArg::TNull::IsEmpty).View();
    if (joined.size() > kStringResultLimit) RaiseStringTooLong();
  }
  ReturnString(script, joined);
}

constexpr TPackageFunction kFunctions[] = {
    {"Copy", Copy, 3},
    {"Delete", Delete, 3},
    {"Insert", Insert, 3},
    {"Chr", Chr, 1},
    {"Ord", Ord, 1},
    {"SplitString", SplitString, 2},
    {"JoinStrings", JoinStrings, 2},
};

}  // namespace

std::span<const TPackageFunction> TextToolFunctions() { return kFunctions; }

}  // namespace zendrik

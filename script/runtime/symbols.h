#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/ascii.h"
#include "script/runtime/value.h"

namespace zendrik {

/// How a name is bound to its frame slot.
enum class TSymbolKind : std::uint8_t {
  LocalVar = 0,  // "var" entry or a function's result
  InParam = 1,   // parameter without modifier or with "in"
  OutParam = 2,  // "out" parameter: the slot holds a reference
  VarParam = 3,  // "var" parameter: the slot holds a reference
  Constant = 4,  // "const" entry or "const" parameter; not assignable
};

/// A set of symbol kinds, one bit per kind.
class TSymbolKinds {
 public:
  constexpr TSymbolKinds(std::initializer_list<TSymbolKind> kinds) {
    for (TSymbolKind kind : kinds)
      bits_ |= static_cast<std::uint8_t>(1u << static_cast<unsigned>(kind));
  }
  /// All five kinds.
  static constexpr TSymbolKinds All() {
    return {TSymbolKind::LocalVar, TSymbolKind::InParam, TSymbolKind::OutParam,
            TSymbolKind::VarParam, TSymbolKind::Constant};
  }
  /// Kinds outside 0 to 7 never match.
  constexpr bool Contains(std::uint8_t kind) const { return kind < 8 && (bits_ >> kind) & 1u; }

 private:
  std::uint8_t bits_ = 0;
};

/// A name bound to a frame slot; its index in the table is the slot number.
struct TSymbol {
  std::uint8_t Kind = 0;  // a TSymbolKind
  std::string Name;       // as written in the declaration
  TCtxValue Value;        // a constant's value; Null for the other kinds

  TSymbolKind SymbolKind() const { return static_cast<TSymbolKind>(Kind); }
};

/// The owning, ordered symbol table of one code object.
class TSymbols {
 public:
  int Count() const { return static_cast<int>(symbols_.size()); }
  const TSymbol& At(int index) const { return *symbols_.at(static_cast<std::size_t>(index)); }
  /// Appends a symbol and returns its index.
  int Add(TSymbolKind kind, std::string_view name, const TCtxValue& value);
  /// Appends copies of every symbol of `other`, in order.
  void AddCopiesOf(const TSymbols& other);
  /// Index of the first symbol named `name` (ASCII case ignored) of a kind in `kinds`, or -1.
  int Find(std::string_view name, TSymbolKinds kinds) const;
  void Clear() {
    symbols_.clear();
    keys_.clear();
  }

 private:
  /// Length and ASCII-lower-cased first character of a name: names with different keys differ.
  static std::uint32_t Key(std::string_view name) {
    const char first = name.empty() ? '\0' : AsciiLower(name[0]);
    return static_cast<std::uint32_t>(name.size() << 8) | static_cast<unsigned char>(first);
  }

  std::vector<std::unique_ptr<TSymbol>> symbols_;
  std::vector<std::uint32_t> keys_;  // Key of each symbol's name, for a quick scan
};

}  // namespace zendrik

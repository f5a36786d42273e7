#include "script/compiler/symbols.h"

namespace zendrik {

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

int TSymbols::Add(TSymbolKind kind, std::string_view name, const TCtxValue& value) {
  auto symbol = std::make_unique<TSymbol>();
  symbol->Kind = static_cast<std::uint8_t>(kind);
  symbol->Name = name;
  symbol->Value = value;
  symbols_.push_back(std::move(symbol));
  return Count() - 1;
}

void TSymbols::AddCopiesOf(const TSymbols& other) {
  symbols_.reserve(symbols_.size() + other.symbols_.size());
  for (const auto& symbol : other.symbols_) symbols_.push_back(std::make_unique<TSymbol>(*symbol));
}

int TSymbols::Find(std::string_view name, TSymbolKinds kinds) const {
  for (std::size_t i = 0; i < symbols_.size(); ++i) {
    const TSymbol& symbol = *symbols_[i];
    if (kinds.Contains(symbol.Kind) && SameText(symbol.Name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace zendrik

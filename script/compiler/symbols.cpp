#include "script/compiler/symbols.h"

namespace zendrik {

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

#include "script/runtime/symbols.h"

namespace zendrik {

int TSymbols::Add(TSymbolKind kind, std::string_view name, const TCtxValue& value) {
  auto symbol = std::make_unique<TSymbol>();
  symbol->Kind = static_cast<std::uint8_t>(kind);
  symbol->Name = name;
  symbol->Value = value;
  symbols_.push_back(std::move(symbol));
  keys_.push_back(Key(name));
  return Count() - 1;
}

void TSymbols::AddCopiesOf(const TSymbols& other) {
  const std::size_t count = other.symbols_.size();  // other may be this table
  symbols_.reserve(symbols_.size() + count);
  for (std::size_t i = 0; i < count; ++i) {
    symbols_.push_back(std::make_unique<TSymbol>(*other.symbols_[i]));
    keys_.push_back(other.keys_[i]);
  }
}

int TSymbols::Find(std::string_view name, TSymbolKinds kinds) const {
  const std::uint32_t key = Key(name);
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    if (keys_[i] != key) continue;
    const TSymbol& symbol = *symbols_[i];
    if (kinds.Contains(symbol.Kind) && SameText(symbol.Name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace zendrik

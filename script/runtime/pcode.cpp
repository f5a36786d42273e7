#include "script/runtime/pcode.h"

#include <cstdio>

#include "script/runtime/conversions.h"

namespace zendrik {

std::string_view OpCodeTemplate(std::uint8_t op) noexcept {
  return op < kCtxOpCodeCount ? kCtxOpCodeTemplates[op] : std::string_view();
}

namespace {

// Appends argument `index` of the listing in the form `kind` (d, s or f).
void AppendArgument(std::string& out, const TCtxPCodeRec& rec, char index, char kind) {
  switch (index) {
    case '0': out += rec.Name.view(); return;
    case '1': out += std::to_string(rec.Count); return;
    case '2': out += std::to_string(rec.Value); return;
    case '4': {
      char buffer[352];
      std::snprintf(buffer, sizeof buffer, "%.2f", rec.DoubleValue);
      std::string text(buffer);
      for (char& c : text) {
        if (c == '.') c = FormatSettings().DecimalSeparator;
      }
      out += text;
      return;
    }
    case '5': out += kCtxBoolTexts[rec.BoolValue != 0]; return;
    default:
      out += '%';
      out += index;
      out += ':';
      out += kind;
      return;
  }
}

}  // namespace

std::string ListInstruction(const TCtxPCodeRec& instruction) {
  if (instruction.OpCode >= kCtxOpCodeCount)
    return "UNKNOWN OPERATION " + std::to_string(instruction.OpCode);
  std::string_view pattern = OpCodeTemplate(instruction.OpCode);
  std::string out;
  out.reserve(pattern.size() + instruction.Name.size() + 8);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    // A placeholder is %n:k with a one-digit argument index.
    if (pattern[i] == '%' && i + 3 < pattern.size() && pattern[i + 2] == ':') {
      AppendArgument(out, instruction, pattern[i + 1], pattern[i + 3]);
      i += 3;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace zendrik

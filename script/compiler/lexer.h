#pragma once

#include <cstdint>
#include <string_view>

namespace zendrik {

/// Token codes. A one-character token's code is the character's own code (1 to 255); every
/// other token has a code above 1000, grouped by thousands.
namespace token {
inline constexpr int EndOfText = -1;  // also the identifier "_" and the word "with"
inline constexpr int Identifier = 1001;
inline constexpr int String = 1004;  // string literal or "#" character code
inline constexpr int Integer = 1005;
inline constexpr int Real = 1006;
inline constexpr int At = 1008;

inline constexpr int Procedure = 2001;
inline constexpr int Function = 2002;
inline constexpr int Begin = 2003;
inline constexpr int End = 2004;
inline constexpr int Exit = 2005;
inline constexpr int Break = 2006;
inline constexpr int If = 2007;
inline constexpr int Then = 2008;
inline constexpr int Else = 2009;
inline constexpr int While = 2010;
inline constexpr int Do = 2011;
inline constexpr int Repeat = 2012;
inline constexpr int Until = 2013;
inline constexpr int For = 2014;
inline constexpr int To = 2015;
inline constexpr int Downto = 2016;
inline constexpr int Try = 2017;
inline constexpr int Finally = 2018;
inline constexpr int Except = 2019;
inline constexpr int Raise = 2020;
inline constexpr int ExceptionWord = 2021;
inline constexpr int BlockComment = 2024;  // "(*" left as the token at the end of the text
inline constexpr int LineComment = 2025;   // "//" left as the token at the end of the text
inline constexpr int Goto = 2026;
inline constexpr int Continue = 2027;

inline constexpr int And = 3001;
inline constexpr int Not = 3002;
inline constexpr int Or = 3003;
inline constexpr int Xor = 3004;
inline constexpr int Mod = 3005;
inline constexpr int Div = 3006;
inline constexpr int Assign = 3007;        // ":="
inline constexpr int GreaterEqual = 3008;  // ">="
inline constexpr int LessEqual = 3009;     // "<="
inline constexpr int NotEqual = 3010;      // "<>"

inline constexpr int In = 4001;
inline constexpr int Out = 4002;
inline constexpr int Var = 4003;
inline constexpr int Const = 4004;

inline constexpr int TrueWord = 5001;
inline constexpr int FalseWord = 5002;
inline constexpr int NullWord = 5003;
}  // namespace token

/// One entry of the reserved-word and pair tables: lower-case text and its token code.
struct TReservedWord {
  std::string_view Word;
  int Code;
};

/// The 37 reserved words in table order; "with" maps to -1, so it stays an identifier.
extern const TReservedWord WordTable[37];
/// The six two-character symbols: "//", ":=", ">=", "<=", "<>", "(*".
extern const TReservedWord PairTable[6];

/// Code of the first entry of `table` equal to `text` (case-sensitive), or -1.
template <std::size_t N>
int LookupWord(const TReservedWord (&table)[N], std::string_view text) {
  for (const TReservedWord& entry : table)
    if (entry.Word == text) return entry.Code;
  return -1;
}

/// Value of upper-case hexadecimal digits, wrapping in 32 bits; 0 for "" or any other character.
std::int32_t HexToInt(std::string_view digits);

}  // namespace zendrik

// Scanner of the compiler: reading characters, positions, and the Pascal token rules.

#include "script/compiler/lexer.h"

#include "base/ascii.h"

#include <vector>

#include "script/compiler/compile_error.h"
#include "script/compiler/compiler.h"
#include "script/compiler/literal_conversion.h"
#include "script/runtime/script_code.h"

namespace zendrik {

const TReservedWord WordTable[37] = {
    {"procedure", token::Procedure},
    {"function", token::Function},
    {"begin", token::Begin},
    {"end", token::End},
    {"exit", token::Exit},
    {"break", token::Break},
    {"continue", token::Continue},
    {"if", token::If},
    {"then", token::Then},
    {"else", token::Else},
    {"while", token::While},
    {"with", -1},
    {"do", token::Do},
    {"repeat", token::Repeat},
    {"until", token::Until},
    {"for", token::For},
    {"to", token::To},
    {"downto", token::Downto},
    {"try", token::Try},
    {"finally", token::Finally},
    {"except", token::Except},
    {"raise", token::Raise},
    {"const", token::Const},
    {"in", token::In},
    {"out", token::Out},
    {"var", token::Var},
    {"and", token::And},
    {"not", token::Not},
    {"or", token::Or},
    {"xor", token::Xor},
    {"mod", token::Mod},
    {"div", token::Div},
    {"goto", token::Goto},
    {"true", token::TrueWord},
    {"false", token::FalseWord},
    {"null", token::NullWord},
    {"exception", token::ExceptionWord},
};

const TReservedWord PairTable[6] = {
    {"//", token::LineComment}, {":=", token::Assign},   {">=", token::GreaterEqual},
    {"<=", token::LessEqual},   {"<>", token::NotEqual}, {"(*", token::BlockComment},
};

std::int32_t HexToInt(std::string_view digits) {
  std::uint32_t value = 0;
  for (char c : digits) {
    std::uint32_t digit;
    if (c >= '0' && c <= '9')
      digit = static_cast<std::uint32_t>(c - '0');
    else if (c >= 'A' && c <= 'F')
      digit = static_cast<std::uint32_t>(c - 'A' + 10);
    else
      return 0;
    value = value * 16 + digit;
  }
  return static_cast<std::int32_t>(value);
}

namespace {

constexpr bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

constexpr bool IsIdentifierStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 192;
}

// Letters, digits, "_" and the characters 192 to 255, as a table: names are the most frequent
// tokens.
struct IdentifierCharTable {
  bool Accepts[256] = {};
  constexpr IdentifierCharTable() {
    for (int c = 0; c < 256; ++c)
      Accepts[c] = IsDigit(static_cast<unsigned char>(c)) ||
                   IsIdentifierStart(static_cast<unsigned char>(c));
  }
};
constexpr IdentifierCharTable kIdentifierChars;

bool IsIdentifierChar(unsigned char c) { return kIdentifierChars.Accepts[c]; }

// The longest reserved word ("procedure", "exception") has nine letters.
constexpr std::size_t kLongestWord = 9;

// The entries of WordTable grouped by the length and first letter of their word, in table order.
struct WordIndex {
  std::vector<const TReservedWord*> Words[kLongestWord + 1][26];
  WordIndex() {
    for (const TReservedWord& entry : WordTable)
      Words[entry.Word.size()][entry.Word[0] - 'a'].push_back(&entry);
  }
};

// The same code as LookupWord(WordTable, lower-cased text), found among the words of equal
// length and first letter.
int ReservedWordCode(std::string_view text) {
  static const WordIndex index;
  if (text.empty() || text.size() > kLongestWord) return -1;
  const char first = AsciiLower(text[0]);
  if (first < 'a' || first > 'z') return -1;
  for (const TReservedWord* entry : index.Words[text.size()][first - 'a']) {
    std::size_t i = 1;
    while (i < text.size() && AsciiLower(text[i]) == entry->Word[i]) ++i;
    if (i == text.size()) return entry->Code;
  }
  return -1;
}

// Characters that a run may take (see TakeRun), as function objects so that the scan inlines.
constexpr auto IsNameChar = [](unsigned char c) { return IsIdentifierChar(c); };
constexpr auto IsStringChar = [](unsigned char c) { return c >= 32 && c != '\''; };
constexpr auto IsBraceCommentChar = [](unsigned char c) {
  return c != '}' && c != '\n' && c != '\r' && c != 0;
};
constexpr auto IsBlockCommentChar = [](unsigned char c) {
  return c != '*' && c != '\n' && c != '\r' && c != 0;
};
constexpr auto IsLineCommentChar = [](unsigned char c) { return c != '\n' && c != '\r' && c != 0; };

}  // namespace

void TCtxCompiler::Reset() {
  LastIndex = -1;
  MarkedLine = 0;
  LoopDepth = 0;
  IsFunction = false;
  NestingDepth = 0;
  Source = CodeObject ? std::string_view(CodeObject->Code()) : std::string_view();
  ReadIndex = 1;
  CurLine = 1;
  CurColumn = 1;
  TokenLine = 1;
  TokenPos = 1;
  CommentText.clear();
  TokenText.clear();
  NextChar();
  NextToken();
}

void TCtxCompiler::NextChar() {
  const auto length = static_cast<std::int32_t>(Source.size());
  Ch = ReadIndex <= length ? static_cast<unsigned char>(Source[ReadIndex++ - 1]) : 0;
  // Carriage returns are skipped, any number in a row: the character after them is read in their
  // place, so that none reaches the token rules (CR CR LF line ends, stray CRs).
  while (Ch == '\r')
    Ch = ReadIndex <= length ? static_cast<unsigned char>(Source[ReadIndex++ - 1]) : 0;
  if (Ch == '\n') {
    CurColumn = 1;
    ++CurLine;
  } else {
    ++CurColumn;
  }
}

template <typename Accepts>
void TCtxPasCompiler::TakeRun(std::string& into, Accepts accepts) {
  // Ch is Source[ReadIndex - 2]. The run holds no line feed, carriage return or NUL, so reading
  // it character by character would only count columns; the last NextChar reads past it.
  const std::size_t start = static_cast<std::size_t>(ReadIndex) - 2;
  std::size_t end = start + 1;
  while (end < Source.size() && accepts(static_cast<unsigned char>(Source[end]))) ++end;
  into.append(Source.data() + start, end - start);
  const auto skipped = static_cast<std::int32_t>(end - start - 1);
  ReadIndex += skipped;
  CurColumn += skipped;
  NextChar();
}

void TCtxCompiler::NextToken() {
  TokenLine = CurLine;
  TokenPos = CurColumn;
}

std::string TCtxCompiler::Expect(int code) {
  std::string text = TokenText;
  if (Token != code) RaiseError(error_code::SyntaxError);
  NextToken();
  return text;
}

void TCtxPasCompiler::NextToken() {
  for (;;) {
    TCtxCompiler::NextToken();
    TokenText.clear();
    Token = token::EndOfText;
    while (Ch == ' ' || Ch == '\t' || Ch == '\n') NextChar();
    if (Ch == 0) return;

    if (Ch == '\'') return ScanString();
    if (Ch == '{') {
      ScanBraceComment();
      continue;
    }
    if (IsDigit(Ch) || Ch == '#' || Ch == '$') return ScanNumber();
    if (IsIdentifierStart(Ch)) return ScanWord();
    if (Ch == '@') {
      TokenText = "@";
      NextChar();
      Token = token::At;
      return;
    }
    if (Ch == '(' || Ch == '/' || Ch == ':' || Ch == '<' || Ch == '>') {
      if (ScanPair()) return;
      continue;  // a comment was skipped
    }
    TokenText.assign(1, static_cast<char>(Ch));
    Token = Ch;
    NextChar();
    return;
  }
}

void TCtxPasCompiler::ScanString() {
  Token = token::String;
  NextChar();
  for (;;) {
    if (Ch == '\'') {
      NextChar();
      if (Ch != '\'') return;
      TokenText.push_back('\'');
      NextChar();
    } else if (Ch < 32) {
      RaiseError(error_code::UnterminatedString);
    } else {
      TakeRun(TokenText, IsStringChar);
    }
  }
}

void TCtxPasCompiler::ScanBraceComment() {
  CommentText.clear();
  NextChar();
  while (Ch != '}' && Ch != 0) {
    if (IsBraceCommentChar(Ch)) {
      TakeRun(CommentText, IsBraceCommentChar);
    } else {
      CommentText.push_back(static_cast<char>(Ch));
      NextChar();
    }
  }
  if (Ch == 0) RaiseError(error_code::UnexpectedEnd);
  NextChar();
}

void TCtxPasCompiler::ScanNumber() {
  const bool charCode = Ch == '#';
  if (charCode) {
    Token = token::String;
    NextChar();
  } else {
    Token = token::Integer;
  }
  const bool hex = Ch == '$';
  if (hex) NextChar();

  int dots = 0;
  for (;;) {
    if (IsDigit(Ch) || (hex && Ch >= 'A' && Ch <= 'F')) {
      // taken
    } else if (Ch == '.' && !hex && !charCode) {
      ++dots;
    } else {
      break;
    }
    TokenText.push_back(static_cast<char>(Ch));
    NextChar();
  }

  if (dots == 1) {
    Token = token::Real;
  } else if (dots > 1) {
    RaiseError(error_code::InvalidNumber, TokenText);
  } else if (charCode) {
    const std::int32_t code = hex ? HexToInt(TokenText) : StrToInt(TokenText);
    TokenText.assign(1, static_cast<char>(code & 0xFF));
  } else if (hex) {
    TokenText = std::to_string(HexToInt(TokenText));
  }
}

void TCtxPasCompiler::ScanWord() {
  // A carriage return without a line feed joins two runs into one name.
  while (IsIdentifierChar(Ch)) TakeRun(TokenText, IsNameChar);
  if (TokenText == "_") {
    Token = token::EndOfText;
    return;
  }
  const int code = ReservedWordCode(TokenText);
  Token = code == -1 ? token::Identifier : code;
}

bool TCtxPasCompiler::ScanPair() {
  const char first = static_cast<char>(Ch);
  TokenText.assign(1, first);
  NextChar();
  const char pair[2] = {first, static_cast<char>(Ch)};
  const int code = LookupWord(PairTable, std::string_view(pair, 2));
  if (code == -1) {
    Token = static_cast<unsigned char>(first);
    return true;
  }
  if (code == token::BlockComment || code == token::LineComment) {
    CommentText.clear();
    NextChar();
    if (code == token::BlockComment) {
      // Ends at the first "*)"; a "*" is only held back until the next character is known.
      for (;;) {
        if (Ch == 0) break;
        if (Ch == '*') {
          NextChar();
          if (Ch == ')') {
            NextChar();
            break;
          }
          CommentText.push_back('*');
          continue;
        }
        if (IsBlockCommentChar(Ch)) {
          TakeRun(CommentText, IsBlockCommentChar);
        } else {
          CommentText.push_back(static_cast<char>(Ch));
          NextChar();
        }
      }
    } else {
      while (Ch != '\n' && Ch != 0) {
        if (IsLineCommentChar(Ch)) {
          TakeRun(CommentText, IsLineCommentChar);
        } else {
          CommentText.push_back(static_cast<char>(Ch));
          NextChar();
        }
      }
    }
    if (Ch != 0) return false;
    TokenText.assign(pair, 2);
    Token = code;
    return true;
  }
  TokenText.push_back(static_cast<char>(Ch));
  NextChar();
  Token = code;
  return true;
}

}  // namespace zendrik

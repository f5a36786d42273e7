#include "extract/html_parser.h"

#include "tests/support/case_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zendrik {
namespace {

std::string TagToken(const THTMLTag& tag) {
  std::string token = "<" + tag.Name;
  for (const THTMLParam& param : tag.Params())
    token += " [" + param.Key + "=" + std::string(param.Value) + "]";
  return token + ">";
}

std::string TextToken(const THTMLText& text) { return "'" + std::string(text.Text) + "'"; }

// Collects the streamed items as tokens.
class TokenSink : public THTMLItemSink {
 public:
  void OnTag(const THTMLTag& tag) override { Tokens.push_back(TagToken(tag)); }
  void OnText(const THTMLText& text) override { Tokens.push_back(TextToken(text)); }
  std::vector<std::string> Tokens;
};

// One line per item: tags as "<NAME [KEY=VALUE]...>", texts as "'text'". The stored item list
// and the streamed items (the extraction's path, from the body the lines make) must agree.
std::vector<std::string> Tokens(const std::vector<std::string>& lines) {
  THTMLParser parser;
  parser.SourceLines = lines;
  parser.Tokenize();
  std::vector<std::string> tokens;
  for (const THTMLItem& item : parser.Items) {
    if (const auto* tag = std::get_if<THTMLTag>(&item))
      tokens.push_back(TagToken(*tag));
    else
      tokens.push_back(TextToken(std::get<THTMLText>(item)));
  }
  std::string body;
  for (const std::string& line : lines) body += line + "\n";
  TokenSink streamed;
  THTMLParser().Tokenize(body, streamed);
  EXPECT_EQ(streamed.Tokens, tokens) << "streamed and stored items differ";
  return tokens;
}

using Lines = std::vector<std::string>;
using TokenList = std::vector<std::string>;

struct TokenCase {
  const char* what;
  Lines lines;
  TokenList expected;
};

void PrintTo(const TokenCase& tokenCase, std::ostream* out) { *out << tokenCase.what; }

class TokenizerCases : public testing::TestWithParam<TokenCase> {};

TEST_P(TokenizerCases, SplitsAsWritten) {
  EXPECT_EQ(Tokens(GetParam().lines), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    HtmlTokenizer, TokenizerCases,
    testing::Values(
        TokenCase{"names are upper-cased, closing slash kept",
                  {"<TD class=x></td><br/>"},
                  {"<TD [CLASS=x]>", "</TD>", "<BR/>"}},
        TokenCase{"space inside double quotes stays in the parameter",
                  {"<a href=\"my page.html\">"},
                  {"<A [HREF=my page.html]>"}},
        TokenCase{"single quotes do not group",
                  {"<a href='my page.html'>"},
                  {"<A [HREF='my] [PAGE.HTML'=]>"}},
        TokenCase{"spaces around = split the parameter",
                  {"<img src = \"x.gif\">"},
                  {"<IMG [SRC=] [=] [\"X.GIF\"=]>"}},
        TokenCase{"runs of spaces give no empty parameters",
                  {"<td   a=1    b=2  >"},
                  {"<TD [A=1] [B=2]>"}},
        TokenCase{"a tag over two lines joins them with nothing between",
                  {"<a", "href=\"x\">"},
                  {"<AHREF=\"X\">"}},
        TokenCase{"only a space ends the name", {"<a\thref=x>"}, {"<A\tHREF=X>"}},
        TokenCase{"comments get no special treatment",
                  {"<!-- a > b -->"},
                  {"<!-- [A=]>", "<>", "' b -- '"}},
        TokenCase{
            "a > in running text is an empty tag; the text goes on", {"1 > 0"}, {"<>", "'1 0 '"}},
        TokenCase{"every line end becomes a space", {"a", "b"}, {"'a b '"}},
        TokenCase{"a word before a tag on the next line keeps its space",
                  {"<p>word", "<b>"},
                  {"<P>", "'word '", "<B>"}},
        TokenCase{
            "an unclosed tag at the end is flushed", {"text<td x=1"}, {"'text'", "<TD [X=1]>"}},
        TokenCase{"a lone < at the end yields nothing more", {"text<"}, {"'text'"}},
        TokenCase{"a < inside a tag does not start another", {"<a<b>c"}, {"<AB>", "'c '"}},
        TokenCase{"empty lines add nothing to empty text", {"", "", "<p>", ""}, {"<P>"}},
        TokenCase{"an empty document yields no items", {}, {}},
        TokenCase{"a document without tags is one text item", {"just", "text"}, {"'just text '"}}),
    CaseNames([](const TokenCase& c) { return c.what; }));

TEST(HtmlTokenizer, TagKeepsRawTextAndParamsKeepTheirQuotes) {
  THTMLTag tag;
  tag.ParseTag("a href=\"x y\" name=\"\" Checked");
  EXPECT_EQ(tag.RawText, "a href=\"x y\" name=\"\" Checked");
  ASSERT_EQ(tag.Params().size(), 3u);
  EXPECT_EQ(tag.Params()[0].RawText, "href=\"x y\"");
  EXPECT_EQ(tag.Params()[1].Value, "") << "a pair of quotes alone is removed";
  EXPECT_EQ(tag.Params()[2].Key, "CHECKED");
  EXPECT_EQ(tag.Params()[2].Value, "");
}

TEST(HtmlTokenizer, CopiedItemsKeepTheirTextsAfterTheSourceIsGone) {
  std::vector<THTMLItem> items;
  {
    std::string source = "a href=\"x\" Img";
    THTMLTag tag;
    tag.ParseTag(source);
    items.emplace_back(tag);
    std::string text = "AT&amp;T  and  more";
    THTMLText decoded;
    decoded.DecodeText(text);
    items.emplace_back(decoded);
    std::string plain = "plain words";
    decoded.DecodeText(plain);
    items.emplace_back(decoded);
    source.assign(source.size(), '#');
    text.assign(text.size(), '#');
    plain.assign(plain.size(), '#');
  }
  items.reserve(100);  // moves the items
  const auto& tag = std::get<THTMLTag>(items[0]);
  EXPECT_EQ(tag.RawText, "a href=\"x\" Img");
  ASSERT_EQ(tag.Params().size(), 2u);
  EXPECT_EQ(tag.Params()[0].Value, "x");
  EXPECT_EQ(std::get<THTMLText>(items[1]).Text, "AT&T and more");
  EXPECT_EQ(std::get<THTMLText>(items[2]).Text, "plain words");
  EXPECT_EQ(std::get<THTMLText>(items[2]).RawText, "plain words");
}

TEST(HtmlTokenizer, NamesOfAnyLengthAreUpperCasedUpToTheFirstSpace) {
  THTMLTag tag;
  for (std::size_t length : {0, 1, 15, 16, 17, 40}) {
    const std::string name(length, 'q');
    const std::string upper(length, 'Q');
    tag.ParseTag(name);
    EXPECT_EQ(tag.Name, upper) << length;
    const std::string withParameter = name + " x=1";  // the tag views it: it must stay
    tag.ParseTag(withParameter);
    EXPECT_EQ(tag.Name, upper) << length << " with a parameter";
    ASSERT_EQ(tag.Params().size(), 1u);
    EXPECT_EQ(tag.Params()[0].Key, "X");
  }
}

TEST(HtmlTokenizer, ParamValueKeepsEverythingAfterTheFirstEquals) {
  THTMLParam param;
  param.ParseParam("href=\"a=b\"c\"");
  EXPECT_EQ(param.Key, "HREF");
  EXPECT_EQ(param.Value, "a=b\"c");
  param.ParseParam("v=\"");
  EXPECT_EQ(param.Value, "\"") << "one quote is not a pair";
}

struct DecodeCase {
  const char* raw;
  const char* expected;
};

void PrintTo(const DecodeCase& decodeCase, std::ostream* out) { *out << decodeCase.raw; }

class DecodeCases : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeCases, DecodesAsWritten) {
  THTMLText text;
  text.DecodeText(GetParam().raw);
  EXPECT_EQ(text.Text, GetParam().expected) << "raw: " << GetParam().raw;
  EXPECT_EQ(text.RawText, GetParam().raw);
}

INSTANTIATE_TEST_SUITE_P(
    HtmlTextDecoding, DecodeCases,
    testing::Values(DecodeCase{"a\nb\n", "a b "}, DecodeCase{"  a   b  ", " a b "},
                    DecodeCase{"a\t \tb\r", "a\t \tb\r"}, DecodeCase{"a \n b", "a b"},
                    DecodeCase{"AT&amp;T", "AT&T"}, DecodeCase{"&amp;amp;", "&amp;"},
                    DecodeCase{"&#65;&#x41;&#X41;", "AAA"}, DecodeCase{"&#0065;", "&#0065;"},
                    DecodeCase{"&#38 x", "&x"}, DecodeCase{"&AMP;", "&AMP;"},
                    DecodeCase{"&euro;", "&euro;"}, DecodeCase{"&nbsp;&nbsp;x", "  x"},
                    DecodeCase{"a &nbsp; b", "a   b"}, DecodeCase{"&#9;&#160;", "  "},
                    DecodeCase{"&eacute;&Eacute;", "\xE9\xC9"}, DecodeCase{"&yuml;", "\xFF"},
                    DecodeCase{"&#+65;", "A"}, DecodeCase{"&#999;", "&#999;"},
                    DecodeCase{"&#-1;", "&#-1;"}, DecodeCase{"&#xG;", "&#xG;"},
                    DecodeCase{"&#;&#x;", "&#;&#x;"}, DecodeCase{"a&b&lt;c", "a&b<c"},
                    DecodeCase{"&amp", "&amp"}, DecodeCase{"&lt &gt;", "&lt >"},
                    DecodeCase{"&#60;&#62;", "<>"}, DecodeCase{"", ""}),
    IndexedCaseNames([](const DecodeCase& c) { return c.raw; }));

}  // namespace
}  // namespace zendrik

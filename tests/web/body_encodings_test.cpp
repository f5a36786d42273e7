#include "web/body_encodings.h"

#include "tests/support/compression_fixtures.h"

#include <gtest/gtest.h>

namespace zendrik {
namespace {

using testsupport::GzipMember;
using testsupport::ZlibStream;

const std::string kPage =
    "<html><body><table><tr><td>Preis</td><td>9,99</td></tr></table>\r\n"
    "</body></html>\r\n";
const std::string kSignature(kCompressedBodySignature);

std::unique_ptr<TMemoryStream> StreamOf(std::string bytes) {
  auto stream = std::make_unique<TMemoryStream>(std::move(bytes));
  stream->Seek(3);  // decoding must not depend on where the last reader stopped
  return stream;
}

struct DecodeCase {
  const char* What;
  std::string Body;
  std::string Expected;
};

TEST(DecodeGzipBody, InflatesSignatureBodiesAndLeavesOthersAlone) {
  const DecodeCase cases[] = {
      {"signature and zlib stream", kSignature + ZlibStream(kPage), kPage},
      {"signature only", kSignature, ""},
      {"gzip member with a file name", GzipMember(kPage, "page.html"),
       GzipMember(kPage, "page.html")},
      {"gzip member with a modification time", GzipMember(kPage, "", 1234567),
       GzipMember(kPage, "", 1234567)},
      {"shorter than the signature", kSignature.substr(0, 7), kSignature.substr(0, 7)},
      {"plain page", kPage, kPage},
      {"empty body", "", ""},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.What);
    auto stream = StreamOf(c.Body);
    DecodeGzipBody(stream);
    EXPECT_EQ(stream->Bytes(), c.Expected);
    EXPECT_EQ(stream->Position(), 0u);
  }
}

TEST(DecodeGzipBody, BrokenPayloadsFailAndKeepTheBody) {
  const std::string stream = ZlibStream(kPage);
  const DecodeCase cases[] = {
      // zlib reads the XFL and OS bytes 00 03 as its own header, which is invalid
      {"gzip member whose header equals the signature", GzipMember(kPage), ""},
      {"garbage after the signature", kSignature + "this is not deflate data", ""},
      {"zlib stream cut short", kSignature + stream.substr(0, stream.size() / 2), ""},
      {"zlib stream without its trailer", kSignature + stream.substr(0, stream.size() - 4), ""},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.What);
    auto stream = StreamOf(c.Body);
    const TMemoryStream* before = stream.get();
    EXPECT_THROW(DecodeGzipBody(stream), EIEHTTPError);
    EXPECT_EQ(stream.get(), before);
    EXPECT_EQ(stream->Bytes(), c.Body);
  }
}

TEST(DecodeGzipBody, OutputIsCappedAtTheLimitExactly) {
  const std::string text(5000, 'x');
  auto atCap = StreamOf(kSignature + ZlibStream(text));
  DecodeGzipBody(atCap, text.size());
  EXPECT_EQ(atCap->Size(), text.size());

  auto overCap = StreamOf(kSignature + ZlibStream(text));
  EXPECT_THROW(DecodeGzipBody(overCap, text.size() - 1), EIEHTTPError);
}

TEST(DecodeGzipBody, HighlyCompressedBodyInflatesCompletely) {
  std::string text(20 << 20, 'a');
  text.back() = 'z';
  auto stream = StreamOf(kSignature + ZlibStream(text));
  ASSERT_LT(stream->Size(), 100000u);
  DecodeGzipBody(stream);
  EXPECT_EQ(stream->Bytes(), text);
}

TEST(Base64Encode, EncodesGroupsAndPadsTheLastOne) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"a", "YQ=="},
      {"ab", "YWI="},
      {"abc", "YWJj"},
      {"abcd", "YWJjZA=="},
      {"\xfb\xff", "+/8="},
      {"\xff\xfe\xfd", "//79"},
      {std::string("\0\0\0\0", 4), "AAAAAA=="},
  };
  for (const auto& [data, expected] : cases) {
    EXPECT_EQ(Base64Encode(data), expected) << "input of " << data.size() << " bytes";
  }
}

TEST(WrapLines64, PutsACarriageReturnAfterEvery64thCharacter) {
  const std::string a64(64, 'a'), b64(64, 'b');
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {std::string(63, 'a'), std::string(63, 'a')},
      {a64, a64 + "\r"},
      {a64 + b64 + "cc", a64 + "\r" + b64 + "\r" + "cc"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(WrapLines64(text), expected) << "text of " << text.size() << " characters";
  }
}

TEST(ReplaceVia, ReplacesEverySearchTextAndEveryPlaceholder) {
  struct Case {
    std::string Text, Search, Replacement, Expected;
  };
  const Case cases[] =
      {
          {"a+b+c", "+", "%2B", "a%2Bb%2Bc"},
          {"", "+", "%2B", ""},
          {"abc", "+", "%2B", "abc"},
          {"x\x19y+", "+", "%2B", "x%2By%2B"},
          {"++", "+", "++", "++++"},  // a replacement that holds the search text still ends
          {"one two two", "two", "2", "one 2 2"},
      };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceVia(c.Text, c.Search, c.Replacement), c.Expected) << c.Text;
  }
}

TEST(ReplaceAll, EmptySearchTextChangesNothing) {
  std::string text = "abc";
  ReplaceAll(text, "", "x");
  EXPECT_EQ(text, "abc");
}

TEST(StreamToString, CopiesAllBytesWhateverThePosition) {
  TMemoryStream stream(std::string("a\0b", 3));
  stream.Seek(2);
  EXPECT_EQ(StreamToString(stream), std::string("a\0b", 3));
}

}  // namespace
}  // namespace zendrik

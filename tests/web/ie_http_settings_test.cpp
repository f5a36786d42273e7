#include "web/ie_http.h"

#include "web/body_encodings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace zendrik {
namespace {

const std::string kMultipartType =
    "multipart/form-data; boundary=-----------------------------7cf87224d2020a";

TEST(IEHTTPSettings, MethodAndMultipartChooseTheContentType) {
  TIEHTTP http;
  EXPECT_EQ(http.RequestMethod(), "GET");
  EXPECT_FALSE(http.MultipartPOST());
  EXPECT_EQ(http.ContentType(), "");

  http.SetRequestMethod("post");
  EXPECT_EQ(http.RequestMethod(), "POST");
  EXPECT_EQ(http.ContentType(), "application/x-www-form-urlencoded");

  http.SetRequestMethod("put");  // neither GET nor POST: the content type stays
  EXPECT_EQ(http.RequestMethod(), "PUT");
  EXPECT_EQ(http.ContentType(), "application/x-www-form-urlencoded");

  http.SetMultipartPOST(true);
  EXPECT_EQ(http.RequestMethod(), "POST");
  EXPECT_EQ(http.ContentType(), kMultipartType);

  http.SetRequestMethod("get");
  EXPECT_EQ(http.RequestMethod(), "GET");
  EXPECT_EQ(http.ContentType(), "");
  EXPECT_TRUE(http.MultipartPOST());

  http.SetMultipartPOST(false);  // turning multipart off leaves the method alone
  EXPECT_EQ(http.RequestMethod(), "GET");
}

TEST(IEHTTPSettings, URLSetterAddsTheSchemeAndSplitsTheAddress) {
  struct Case {
    std::string Given, Stored, Host, Path, Extra;
  };
  const Case cases[] = {
      {"www.example.com/a/b.html?x=1+2", "http://www.example.com/a/b.html?x=1+2", "www.example.com",
       "/a/b.html", "?x=1%2B2"},
      {"HTTPS://Example.com/p?q=a+b#top", "HTTPS://Example.com/p?q=a+b#top", "Example.com", "/p",
       "?q=a%2Bb#top"},
      {"http://host", "http://host", "host", "/", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Given);
    TIEHTTP http;
    http.SetURL(c.Given);
    EXPECT_EQ(http.URL(), c.Stored);
    EXPECT_EQ(http.HostName(), c.Host);
    EXPECT_EQ(http.UrlPath(), c.Path);
    EXPECT_EQ(http.ExtraInfo(), c.Extra);
  }
}

TEST(IEHTTPSettings, EmptyURLClearsTheParts) {
  TIEHTTP http;
  http.SetURL("http://host/p?x");
  http.SetURL("");
  EXPECT_EQ(http.URL(), "");
  EXPECT_EQ(http.HostName(), "");
  EXPECT_EQ(http.UrlPath(), "");
  EXPECT_EQ(http.ExtraInfo(), "");
}

TEST(IEHTTPSettings, UnparsableURLRaisesTheInvalidURLMessage) {
  for (const std::string address : {"http://exa mple.com/", "http://", "http://host:99999/"}) {
    SCOPED_TRACE(address);
    TIEHTTP http;
    try {
      http.SetURL(address);
      ADD_FAILURE() << "no error";
    } catch (const EIEHTTPError& error) {
      EXPECT_THAT(error.what(), testing::MatchesRegex("TIE: Invalid URL\\. Error - [0-9]+ = .+"));
    }
  }
}

TEST(IEHTTPSettings, MultipartVarsNeedMultipartMode) {
  TIEHTTP http;
  try {
    http.AddMultipartVar("name", u"value");
    ADD_FAILURE() << "no error";
  } catch (const EIEHTTPError& error) {
    EXPECT_STREQ(error.what(), "tIE not in multipart mode");
  }
  EXPECT_TRUE(http.MultipartVars().empty());

  http.SetMultipartPOST(true);
  http.AddMultipartVar(std::string(300, 'n'), u"value");
  ASSERT_EQ(http.MultipartVars().size(), 1u);
  EXPECT_EQ(http.MultipartVars()[0].Name, std::string(255, 'n'));
  EXPECT_EQ(http.MultipartVars()[0].Value, u"value");
}

TEST(IEHTTPSettings, StreamsAndFilesAreAddedBase64EncodedAndWrapped) {
  std::string bytes;
  for (int i = 0; i < 100; ++i) {
    bytes += static_cast<char>(i * 7);
  }
  const std::string encoded = Base64Encode(bytes);  // 136 characters
  const std::string wrapped =
      encoded.substr(0, 64) + "\r" + encoded.substr(64, 64) + "\r" + encoded.substr(128);
  const std::u16string expected(wrapped.begin(), wrapped.end());

  const auto path = std::filesystem::temp_directory_path() / "zendrik_multipart_test.bin";
  std::ofstream(path, std::ios::binary) << bytes;

  TIEHTTP http;
  http.SetMultipartPOST(true);
  http.AddMultipartStream("stream", std::make_unique<TMemoryStream>(bytes));
  http.AddMultipartFile("file", path.string());
  std::filesystem::remove(path);
  EXPECT_THROW(http.AddMultipartFile("missing", path.string()), std::runtime_error);

  ASSERT_EQ(http.MultipartVars().size(), 2u);
  EXPECT_EQ(http.MultipartVars()[0].Value, expected);
  EXPECT_EQ(http.MultipartVars()[1].Name, "file");
  EXPECT_EQ(http.MultipartVars()[1].Value, expected);
}

}  // namespace
}  // namespace zendrik

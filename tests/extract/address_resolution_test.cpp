#include "extract/address_resolution.h"

#include "tests/support/case_names.h"

#include <gtest/gtest.h>

namespace zendrik {
namespace {

struct ResolveCase {
  const char* current;
  const char* address;
  const char* expected;
};

void PrintTo(const ResolveCase& c, std::ostream* out) {
  *out << '"' << c.address << "\" after \"" << c.current << '"';
}

class ResolveCases : public testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveCases, ResolvesAndBecomesTheCurrentAddress) {
  CurrentAddress() = GetParam().current;
  EXPECT_EQ(ResolveAddress(GetParam().address), GetParam().expected)
      << "current: " << GetParam().current << ", address: " << GetParam().address;
  EXPECT_EQ(CurrentAddress(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AddressResolution, ResolveCases,
    testing::Values(ResolveCase{"http://host/dir/page.html", "/img/a.gif", "http://host/img/a.gif"},
                    ResolveCase{"http://host/dir/", "b.html", "http://host/dir/b.html"},
                    ResolveCase{"", "/a.html", "/a.html"}, ResolveCase{"", "b.html", "b.html"},
                    ResolveCase{"http://host", "/x", "http://host/x"},
                    ResolveCase{"http://a/b", "Http://Host/", "Http://Host/"},
                    ResolveCase{"http://a/b", "wWw.host", "wWw.host"},
                    ResolveCase{"http://a/", "https://secure/x", "https://secure/x"},
                    ResolveCase{"http://a/", " http://b/", "http://a/ http://b/"},
                    ResolveCase{"http://a/b/", "file:///tmp/p.html", "file:///tmp/p.html"},
                    ResolveCase{"http://a/b/", "FILE:///tmp/p.html", "FILE:///tmp/p.html"},
                    ResolveCase{"file:///tmp/list.html", "item.html", "file:///tmp/item.html"},
                    ResolveCase{"file:///tmp/list.html", "/etc/x.html", "file:///etc/x.html"},
                    ResolveCase{"file://server/d/a.html", "/b.html", "file://server/b.html"},
                    ResolveCase{"http://host/dir/page.html", "b.html", "http://host/dir/b.html"},
                    ResolveCase{"http://host/dir", "b.html", "http://host/dir/b.html"},
                    ResolveCase{"http://www.example.com", "b.html",
                                "http://www.example.com/b.html"},
                    ResolveCase{"https://www.example.com/a/", "/r", "https://www.example.com/r"},
                    ResolveCase{"www.example.com", "b.html", "www.example.com/b.html"}),
    IndexedCaseNames([](const ResolveCase& c) {
      return std::string(c.address) + " after " + c.current;
    }));

TEST(AddressResolution, ChainsFromOneAddressToTheNext) {
  CurrentAddress().clear();
  ResolveAddress("http://host/list/index.html");
  EXPECT_EQ(ResolveAddress("item.html"), "http://host/list/item.html");
  EXPECT_EQ(ResolveAddress("/top.html"), "http://host/top.html");
}

}  // namespace
}  // namespace zendrik

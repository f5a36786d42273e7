#include "app/cell_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zendrik {
namespace {

TEST(CellText, ShowsUtf8AsUtf8AndAnythingElseAsLatin1) {
  EXPECT_EQ(DisplayText("Stra\xC3\x9F"
                        "e"),
            QString::fromUtf8("Stra\u00DFe"));
  EXPECT_EQ(DisplayText("Stra\xDF"
                        "e"),
            QString::fromUtf8("Stra\u00DFe"));
  // One bad byte makes the whole text Latin-1: every byte is shown, none is lost.
  EXPECT_EQ(DisplayText("\xC3\x9F\xFF"), QString::fromUtf8("\u00C3\u009F\u00FF"));
}

TEST(CellText, ShownTextGivesItsBytesBack) {
  const std::string samples[] = {"plain",
                                 "Stra\xC3\x9F"
                                 "e \xE2\x82\xAC",
                                 "Stra\xDF"
                                 "e \x80\xFF",
                                 "\xC3\x9F\xFF", ""};
  for (const std::string& bytes : samples)
    EXPECT_EQ(DisplayedBytes(DisplayText(bytes), DisplayEncoding(bytes)), bytes) << bytes;
  // Text typed later that does not fit Latin-1 makes the whole text UTF-8.
  EXPECT_EQ(DisplayedBytes(QString::fromUtf8("\u00DF\u20AC"), TTextEncoding::Latin1),
            "\xC3\x9F\xE2\x82\xAC");
  EXPECT_EQ(DisplayedBytes(QString::fromUtf8("\u00DF"), TTextEncoding::Utf8), "\xC3\x9F");
}

}  // namespace
}  // namespace zendrik

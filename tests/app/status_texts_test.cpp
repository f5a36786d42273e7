#include "app/status_texts.h"

#include <gtest/gtest.h>

namespace zendrik {
namespace {

TEST(StatusTexts, AnExtractionCountsRowsCellsAndBytesInWords) {
  EXPECT_EQ(ExtractionDoneText("http://a/", 2, 5, 77), "2 rows, 5 cells from http://a/ (77 bytes)");
  EXPECT_EQ(ExtractionDoneText("file:///p.html", 1, 1, 1),
            "1 row, 1 cell from file:///p.html (1 byte)");
  EXPECT_EQ(ExtractionDoneText("x", 0, 0, 0), "0 rows, 0 cells from x (0 bytes)");
  EXPECT_EQ(ExtractionDoneText(std::string("a\0b", 3), 0, 0, 0),
            "0 rows, 0 cells from a\\0b (0 bytes)");
}

TEST(StatusTexts, FailuresSayTheAddressAndTheFirstLineOfTheReason) {
  EXPECT_EQ(CouldNotOpenText("http://127.0.0.1:9/", "Couldn't connect to server"),
            "Could not open http://127.0.0.1:9/: Couldn't connect to server");
  EXPECT_EQ(ExtractionFailedText("http://a/", "TIE: transfer closed\r\nmore"),
            "Extraction from http://a/ failed: TIE: transfer closed");
  EXPECT_EQ(FirstLine("one\ntwo"), "one");
  EXPECT_EQ(FirstLine("only"), "only");
  EXPECT_EQ(FirstLine(""), "");
}

TEST(StatusTexts, ASavedTableCountsItsRows) {
  EXPECT_EQ(TableSavedText(1, "/tmp/a.csv"), "1 row saved to /tmp/a.csv");
  EXPECT_EQ(TableSavedText(3, "b.csv"), "3 rows saved to b.csv");
}

TEST(StatusTexts, ARunsTimeIsInSecondsWithTwoDecimals) {
  EXPECT_EQ(ScriptFinishedText(420), "Script finished in 0.42 s");
  EXPECT_EQ(ScriptFinishedText(0), "Script finished in 0.00 s");
  EXPECT_EQ(ScriptFinishedText(4), "Script finished in 0.00 s");
  EXPECT_EQ(ScriptFinishedText(5), "Script finished in 0.01 s") << "rounded";
  EXPECT_EQ(ScriptFinishedText(61'999), "Script finished in 62.00 s");
}

}  // namespace
}  // namespace zendrik

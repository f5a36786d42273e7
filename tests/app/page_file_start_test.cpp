#include "app/main_form.h"
#include "app/window_mode.h"
#include "extract/address_resolution.h"
#include "tests/app/scripted_message_boxes.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace zendrik {
namespace {

TEST(PageFileStart, ShowsTheLocalPageAsATableWithItsFileAddress) {
  QTemporaryDir directory;
  const std::string folder = directory.path().toStdString() + "/a folder";
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/page.HTML") << "<tr><td>one</td><td>two</td></tr>";
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  CurrentAddress().clear();
  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};

  ShowPageFile(form, "page.HTML");
  std::filesystem::current_path(previous);

  EXPECT_EQ(form.findChild<QLineEdit*>("Edit1")->text().toStdString(),
            "file://" + folder + "/page.HTML");
  EXPECT_EQ(form.Table.ReadCell(1, 1), "one");
  EXPECT_EQ(form.Table.ReadCell(1, 2), "two");
  EXPECT_TRUE(boxes.Boxes.empty());
}

}  // namespace
}  // namespace zendrik

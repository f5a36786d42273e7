#include "app/main_form.h"

#include "tests/app/scripted_message_boxes.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zendrik {
namespace {

class MainFormLayout : public testing::Test {
protected:
  void SetUp() override {
    form.show();
    QCoreApplication::processEvents();
  }

  template <typename T = QWidget>
  T& Find(const char* name) {
    T* found = form.findChild<T*>(name);
    if (!found)
      ADD_FAILURE() << "no component " << name;
    return *found;
  }

  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
};

TEST_F(MainFormLayout, EveryComponentCarriesItsFormName) {
  const struct {
    const char* Name;
    const char* Class;
  } components[] = {
      {"MainMenu1", "QMenuBar"},     {"Panel1", "QFrame"},          {"Label1", "QLabel"},
      {"Edit1", "QLineEdit"},        {"ExtractDataBtn", "QPushButton"}, {"Label2", "QLabel"},
      {"Panel2", "QFrame"},          {"Panel3", "QFrame"},          {"Panel4", "QFrame"},
      {"ScrollBox1", "QScrollArea"}, {"PaintBox1", "zendrik::TPaintBox"},
      {"ScrollBox2", "QScrollArea"}, {"PaintBox2", "zendrik::TPaintBox"},
      {"ScrollBox3", "QScrollArea"}, {"PaintBox3", "zendrik::TPaintBox"},
      {"Splitter1", "QSplitter"},    {"Panel5Unten", "QFrame"},     {"Panel6", "QFrame"},
      {"RunScript", "QPushButton"},  {"Memo1", "QPlainTextEdit"},   {"StatusBar1", "QStatusBar"},
      {"SaveDialog1", "QFileDialog"}, {"IEHTTP1", "QObject"},
  };
  for (const auto& c : components) {
    const QList<QObject*> found = form.findChildren<QObject*>(c.Name);
    ASSERT_EQ(found.size(), 1) << c.Name;
    EXPECT_TRUE(found.front()->inherits(c.Class)) << c.Name << " is a "
                                                  << found.front()->metaObject()->className();
  }
  EXPECT_EQ(form.objectName(), "MainForm");
}

TEST_F(MainFormLayout, MenusHoldTheCommandsInOrder) {
  // "-" is a separator; every item is "name text".
  const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
      {"File1 File",
       {"NewTable1 New table", "SaveTable1 Save table...", "N1 -", "Neu1 New script",
        "ffnen1 Open script...", "Speichern1 Save script", "Speichernunter1 Save script as...",
        "N2 -", "Exit1 Exit"}},
      {"Operations1 Operations",
       {"Extractdata1 Extract data from website...", "Runscript1 Run script..."}},
      {"Help1 Help", {"Helpfile1 Help file", "About1 About"}},
  };
  const auto describe = [](const QObject& named, const QAction& action) {
    return named.objectName().toStdString() + " " +
           (action.isSeparator() ? std::string("-") : action.text().toStdString());
  };
  const QList<QAction*> menus = Find<QMenuBar>("MainMenu1").actions();
  ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
  for (std::size_t m = 0; m < expected.size(); ++m) {
    QMenu* menu = menus[m]->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(describe(*menu, *menus[m]), expected[m].first);
    std::vector<std::string> items;
    for (QAction* item : menu->actions())
      items.push_back(describe(*item, *item));
    EXPECT_EQ(items, expected[m].second);
  }
}

TEST_F(MainFormLayout, StartsWithTheUnnamedDocumentCaptionAndEmptyFields) {
  EXPECT_EQ(form.windowTitle(), "Zendrik 1.0 - [noname.pas]");
  EXPECT_EQ(form.BaseCaption(), "Zendrik 1.0");
  EXPECT_EQ(form.size(), QSize(780, 580));
  EXPECT_EQ(Find<QLabel>("Label1").text(), "URL:");
  EXPECT_EQ(Find<QPushButton>("ExtractDataBtn").text(), "Extract data from website...");
  EXPECT_EQ(Find<QPushButton>("RunScript").text(), "Run Pascal script...");
  EXPECT_TRUE(Find<QLineEdit>("Edit1").text().isEmpty());
  EXPECT_TRUE(Find<QLabel>("Label2").text().isEmpty());
  EXPECT_TRUE(Find<QPlainTextEdit>("Memo1").toPlainText().isEmpty());
  EXPECT_TRUE(Find<QStatusBar>("StatusBar1").currentMessage().isEmpty());
  EXPECT_EQ(form.Table.RowCount(), 0u);
}

TEST_F(MainFormLayout, ComponentsSitWhereTheFormPutsThem) {
  const struct {
    const char* Name;
    QRect Expected;
    bool PositionOnly;
  } placed[] = {
      {"Label1", QRect(8, 8, 0, 0), true},
      {"Edit1", QRect(40, 4, 657, 0), true},
      {"ExtractDataBtn", QRect(8, 32, 201, 33), false},
      {"Label2", QRect(224, 56, 0, 0), true},
      {"RunScript", QRect(8, 4, 161, 33), false},
  };
  for (const auto& p : placed) {
    const QRect actual = Find(p.Name).geometry();
    EXPECT_EQ(actual.topLeft(), p.Expected.topLeft()) << p.Name;
    if (!p.PositionOnly) {
      EXPECT_EQ(actual.size(), p.Expected.size()) << p.Name;
    }
  }
  EXPECT_EQ(Find("Edit1").width(), 657);
  const struct {
    const char* Name;
    int Height;
    int Width;
  } sized[] = {
      {"Panel1", 73, 0}, {"Panel2", 264, 0}, {"Panel3", 25, 0}, {"Panel4", 0, 33},
      {"ScrollBox3", 0, 33}, {"Panel6", 41, 0}, {"StatusBar1", 19, 0},
  };
  for (const auto& s : sized) {
    if (s.Height) {
      EXPECT_EQ(Find(s.Name).height(), s.Height) << s.Name;
    }
    if (s.Width) {
      EXPECT_EQ(Find(s.Name).width(), s.Width) << s.Name;
    }
  }
  EXPECT_EQ(Find<QSplitter>("Splitter1").handleWidth(), 3);
}

TEST_F(MainFormLayout, ScriptEditorUsesAFixedPitchFontWithoutWrapping) {
  const auto& memo = Find<QPlainTextEdit>("Memo1");
  EXPECT_EQ(memo.font().pointSize(), 10);
  EXPECT_TRUE(QFontInfo(memo.font()).fixedPitch());
  EXPECT_EQ(memo.lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(form.font().pointSize(), 8);
}

TEST_F(MainFormLayout, TableSaveDialogAsksForACsvFile) {
  const auto& dialog = Find<QFileDialog>("SaveDialog1");
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(dialog.defaultSuffix(), "csv");
  EXPECT_EQ(dialog.nameFilters(), QStringList{"CSV files (*.csv)"});
  EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
}

} // namespace
} // namespace zendrik

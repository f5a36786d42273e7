// Scripts reaching the main window they run in, and the components it owns, by name: the
// members a script writer expects from the window's layout, through Qt's meta-object system.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "app/script_editor.h"
#include "tests/app/scripted_message_boxes.h"

namespace zendrik {
namespace {

class WindowMembers : public testing::Test {
 protected:
  // Runs a script in the window as "Run Pascal script..." does; the error shown, or "".
  std::string Run(const std::string& body) {
    form.ScriptEditor().setPlainText(QString::fromStdString("begin\n" + body + "\nend;"));
    const std::size_t before = boxes.Boxes.size();
    form.RunScriptClick();
    return boxes.Boxes.size() == before ? "" : boxes.Boxes.back().Text.toStdString();
  }

  std::string Cell(int row, int column) { return std::string(form.Table.ReadCell(row, column)); }

  testsupport::ScriptedMessageBoxes boxes;
  TMainForm form{boxes};
};

TEST_F(WindowMembers, ComponentsAndTheirPropertiesReadAndWrite) {
  EXPECT_EQ(Run("Caption := 'Working...';\n"
                "Edit1.Text := 'http://host/';\n"
                "Label2.Caption := 'status';\n"
                "ExtractDataBtn.Enabled := False;\n"
                "StatusBar1.Visible := false;\n"
                "SetCell(1, 1, Edit1.Text + ' ' + Label1.Caption + ' ' + RunScript.Caption);\n"
                "SetCell(2, 1, ExtractDataBtn.enabled);\n"
                "SetCell(3, 1, Memo1.Text)"),
            "");
  EXPECT_EQ(form.windowTitle(), "Working...");
  EXPECT_EQ(form.findChild<QLineEdit*>("Edit1")->text(), "http://host/");
  EXPECT_EQ(form.findChild<QLabel*>("Label2")->text(), "status");
  EXPECT_FALSE(form.findChild<QPushButton*>("ExtractDataBtn")->isEnabled());
  EXPECT_TRUE(form.findChild<QStatusBar*>("StatusBar1")->isHidden());
  EXPECT_EQ(Cell(1, 1), "http://host/ URL: Run Pascal script...");
  EXPECT_EQ(Cell(1, 2), "False");
  EXPECT_EQ(Cell(1, 3).substr(0, 6), "begin\n");
}

TEST_F(WindowMembers, TheEnginesDebugOptionsAreASetAndItsHookReadsAsItsTypeName) {
  EXPECT_EQ(Run("SetCell(1, 1, CtxScript1.DebugOptions);\n"
                "CtxScript1.DebugOptions := '[cdoStopOnBreakpoint, cdoStopOnException]';\n"
                "SetCell(2, 1, CtxScript1.DebugOptions);\n"
                "CtxScript1.DebugOptions := 0;\n"
                "SetCell(3, 1, CtxScript1.OnDebugHook)"),
            "");
  EXPECT_EQ(Cell(1, 1), "0");
  EXPECT_EQ(Cell(1, 2), "3");
  EXPECT_EQ(Cell(1, 3), "TOnCtxDebugHook");
  EXPECT_EQ(Run("CtxScript1.OnDebugHook := 'x'"), "Error assigning property: OnDebugHook");
  EXPECT_EQ(Run("CtxScript1.DebugOptions := '[cdoNothing]'"),
            "Ung\xC3\xBCltiges Eigenschaftselement: cdoNothing");
}

// The window's `pos`, `size` and `font` are Qt types that scripts have no value of: unqualified
// names pass them over to the system scope, and only the qualified name still reaches them.
TEST_F(WindowMembers, AWindowPropertyWithoutAScriptValueHidesNoFunction) {
  EXPECT_EQ(Run("SetCell(1, 1, Pos('b', 'abc'));\n"
                "SetCell(2, 1, pos('c', 'abc'));\n"
                "SetCell(3, 1, Copy('abc', 2, 1))"),
            "");
  EXPECT_EQ(Cell(1, 1), "2");
  EXPECT_EQ(Cell(1, 2), "3");
  EXPECT_EQ(Cell(1, 3), "b");
  EXPECT_EQ(Run("SetCell(1, 1, Self.pos)"), "Invalid property type: TMainForm.pos");
  EXPECT_EQ(Run("SetCell(1, 1, font)"), "Invalid property type: TMainForm.font");
  EXPECT_EQ(Run("SetCell(1, 1, Width > 0)"), "");  // a property with a value is still found
  EXPECT_EQ(Cell(1, 1), "True");
}

TEST_F(WindowMembers, ANumberAssignedToTheCaptionIsStoredAsItsText) {
  EXPECT_EQ(Run("Caption := 5; SetCell(1, 1, Caption + '!')"), "");
  EXPECT_EQ(form.windowTitle(), "5");
  EXPECT_EQ(Cell(1, 1), "5!");
}

TEST_F(WindowMembers, AComponentNamedAloneIsAnObjectValue) {
  EXPECT_EQ(Run("Edit1.Self.Text := 'via self';\n"
                "SetCell(1, 1, Edit1.Invoke('Text') + '|' + Self.Caption)"),
            "");
  EXPECT_EQ(Cell(1, 1), "via self|" + form.windowTitle().toStdString());
  EXPECT_EQ(form.findChild<QLineEdit*>("Edit1")->text(), "via self");
  EXPECT_EQ(Run("SetCell(1, 1, Edit1)"), "Invalid variant type conversion");
  EXPECT_EQ(Run("Edit1 := 1"), "Unable to invoke method or property Edit1 in this manner");
}

TEST_F(WindowMembers, WrongValuesAreRefusedAndLeaveThePropertyAlone) {
  EXPECT_EQ(Run("Edit1.Alignment := 'Sideways'"),
            "Ung\xC3\xBC"
            "ltiges Eigenschaftselement: Sideways");
  EXPECT_EQ(Run("Edit1.Font := 1"), "Error assigning property: font");
  EXPECT_EQ(Run("SetCell(1, 1, Edit1.Font)"), "Invalid property type: QLineEdit.font");
  EXPECT_EQ(Run("Edit1.MaxLength := 7; SetCell(1, 1, Edit1.MaxLength)"), "");
  EXPECT_EQ(Cell(1, 1), "7");
}

TEST_F(WindowMembers, ANilObjectHasNoMembers) {
  form.setProperty("Nobody", QVariant::fromValue<QObject*>(nullptr));  // a published field
  EXPECT_EQ(Run("Nobody.Text := 'x'"), "Error accessing a field or method Text of nil object");
  EXPECT_EQ(Run("Edit1.Self.Self.Nothing"), "Method not found. Method: Nothing");
}

TEST_F(WindowMembers, TheWindowAndItsComponentsCannotBeFreedWhileTheScriptRuns) {
  EXPECT_EQ(Run("Free"), "Cannot free TMainForm: it owns the running script engine");
  EXPECT_EQ(Run("Edit1.Free"), "Cannot free QLineEdit: it is owned by another object");
  EXPECT_EQ(Run("CtxScript1.Free"), "Cannot free TCtxScript: it owns the running script engine");
  EXPECT_NE(form.findChild<QLineEdit*>("Edit1"), nullptr);
}

TEST_F(WindowMembers, OneInstructionFollowsWhicheverComponentItMeets) {
  EXPECT_EQ(Run("SetCell(1, 1, Label1.Caption);\n"
                "SetCell(1, 2, Label2.Caption);\n"
                "Label2.Caption := 'second';"),
            "");
  form.ScriptEditor().setPlainText(
      "procedure P;\nvar i, c;\nbegin\n  for i := 1 to 3 do\n  begin\n"
      "    if i = 2 then c := Label2 else c := Label1;\n    SetCell(i, 3, c.Caption);\n  "
      "end;\nend;");
  ASSERT_TRUE(form.RunScriptClick()) << boxes.Boxes.back().Text.toStdString();
  EXPECT_EQ(Cell(3, 1), "URL:");
  EXPECT_EQ(Cell(3, 2), "second");
  EXPECT_EQ(Cell(3, 3), "URL:");
}

}  // namespace
}  // namespace zendrik

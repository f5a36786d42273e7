// The script document without a window: an editor and prompts of the test's own, the recovery
// file in a temporary directory.

#include "app/script_document.h"

#include "app/file_bytes.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/private_devices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <vector>

namespace zendrik {
namespace {

class TextEditor : public TDocumentEditor {
 public:
  QString Text() const override { return Shown; }
  void SetText(const QString& text) override { Shown = text; }
  QString Shown;
};

// Answers from queues; a question without a queued answer takes Yes, a dialog is cancelled.
class QueuedPrompts : public TDocumentPrompts {
 public:
  struct Question {
    QString Caption;
    QString Text;
    TButtons Buttons;
  };

  TAnswer Ask(const QString& caption, const QString& text, TButtons buttons) override {
    Asked.push_back({caption, text, buttons});
    return Next(Answers, TAnswer::Yes);
  }
  std::optional<std::string> ChooseFile(TFileChoice choice) override {
    Choices.push_back(choice);
    return Next(Files, std::optional<std::string>());
  }

  std::deque<TAnswer> Answers;
  std::deque<std::optional<std::string>> Files;
  std::vector<Question> Asked;
  std::vector<TFileChoice> Choices;

 private:
  template <typename T>
  static T Next(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    T next = queue.front();
    queue.pop_front();
    return next;
  }
};

using TAnswer = TDocumentPrompts::TAnswer;

class ScriptDocument : public testing::Test {
 protected:
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

  static std::string Bytes(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(path, bytes), "") << path;
    return bytes;
  }

  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  // The user typed: the editor's text changed.
  void Type(const QString& text) {
    editor.Shown += text;
    document.Memo1Change();
  }

  QTemporaryDir dir;
  TextEditor editor;
  QueuedPrompts prompts;
  TScriptDocument document{editor, prompts, TScriptRecovery(dir.filePath("state"))};
};

TEST_F(ScriptDocument, TheCaptionSuffixFollowsTheNameAndTheMark) {
  int changes = 0;
  document.OnStateChanged = [&changes] { ++changes; };
  EXPECT_EQ(document.CaptionSuffix(), " - [noname.pas]");
  Type("b");
  EXPECT_EQ(document.CaptionSuffix(), " - [noname.pas*]");
  prompts.Files = {Path("a.pas")};
  EXPECT_TRUE(document.SaveFile()) << "unnamed: the save-as dialog";
  EXPECT_EQ(document.CaptionSuffix(), " - [a.pas]");
  EXPECT_EQ(prompts.Choices, std::vector{TDocumentPrompts::TFileChoice::SaveScript});
  EXPECT_EQ(document.ScriptFileName(), Path("a.pas"));
  EXPECT_EQ(changes, 2);
}

TEST_F(ScriptDocument, NewScriptAsksFirstAndEachAnswerDoesItsPart) {
  Type("keep me");
  prompts.Answers = {TAnswer::Cancel};
  EXPECT_FALSE(document.NewAsked());
  ASSERT_EQ(prompts.Asked.size(), 1u);
  EXPECT_EQ(prompts.Asked[0].Caption, "New script");
  EXPECT_EQ(prompts.Asked[0].Text,
            "The existing script has not been saved. Do you want to save the script now?");
  EXPECT_EQ(prompts.Asked[0].Buttons, TDocumentPrompts::TButtons::YesNoCancel);
  EXPECT_EQ(editor.Shown, "keep me");
  EXPECT_TRUE(document.Changed());

  prompts.Answers = {TAnswer::Yes};  // and the save-as dialog is cancelled
  EXPECT_FALSE(document.NewAsked());
  EXPECT_EQ(editor.Shown, "keep me");

  prompts.Answers = {TAnswer::No};
  EXPECT_TRUE(document.NewAsked());
  EXPECT_EQ(editor.Shown, "");
  EXPECT_FALSE(document.Changed());

  EXPECT_TRUE(document.NewAsked()) << "unchanged: nothing asked";
  EXPECT_EQ(prompts.Asked.size(), 3u);

  Type("saved first");
  prompts.Answers = {TAnswer::Yes};
  prompts.Files = {Path("first.pas")};
  EXPECT_TRUE(document.NewAsked());
  EXPECT_EQ(Bytes(Path("first.pas")), "saved first\r\n");
  EXPECT_EQ(editor.Shown, "");
  EXPECT_EQ(document.ScriptFileName(), "");
}

TEST_F(ScriptDocument, OpeningAndSavingKeepEveryByteAndEndEveryLineWithCrLf) {
  const std::string mixed =
      "begin\r\n  SetCell(1, 1, 'Stra\xDF"
      "e');\r\n  SetCell(2, 1, '\xC3\x9F');\r\nend;\r\n";
  const std::string utf8 = "begin\r\n  SetCell(1, 1, '\xE2\x82\xAC');\r\nend;\r\n";
  for (const std::string& bytes : {mixed, utf8}) {
    Write(Path("in.pas"), bytes);
    prompts.Files = {Path("in.pas")};
    EXPECT_EQ(document.OpenFile(), 1);
    EXPECT_EQ(document.ScriptFileName(), Path("in.pas"));
    EXPECT_FALSE(document.Changed());
    EXPECT_EQ(document.ScriptText(), bytes);
    prompts.Files = {Path("out.pas")};
    EXPECT_TRUE(document.SaveAs());
    EXPECT_EQ(Bytes(Path("out.pas")), bytes);
  }
  // Lines end at CR, LF or CR LF and come back with CR LF.
  Write(Path("unix.pas"), "begin\rSetCell(1, 1, 'm')\nend;");
  document.OpenFileWithName(Path("unix.pas"));
  EXPECT_EQ(editor.Shown, "begin\nSetCell(1, 1, 'm')\nend;");
  document.SaveTheFile();
  EXPECT_EQ(Bytes(Path("unix.pas")), "begin\r\nSetCell(1, 1, 'm')\r\nend;\r\n");
  EXPECT_EQ(document.OpenFile(), 0) << "the open dialog cancelled";
  EXPECT_EQ(document.ScriptFileName(), Path("unix.pas"));
}

TEST_F(ScriptDocument, FailedReadsAndWritesThrowAndLoseNothing) {
  Write(Path("kept.pas"), "old\r\n");
  document.OpenFileWithName(Path("kept.pas"));
  Type(" new");
  EXPECT_THROW(document.OpenFileWithName(Path("nothing.pas")), std::runtime_error);
  EXPECT_EQ(editor.Shown, "old new");
  EXPECT_EQ(document.ScriptFileName(), Path("kept.pas"));

  prompts.Files = {Path("missing/dir.pas")};
  try {
    document.SaveAs();
    ADD_FAILURE() << "saved into a missing directory";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos);
  }
  EXPECT_EQ(Bytes(Path("kept.pas")), "old\r\n");
  EXPECT_TRUE(document.Changed());
  EXPECT_EQ(document.ScriptFileName(), Path("missing/dir.pas")) << "set before the failing step";
}

TEST_F(ScriptDocument, SavingOntoAFullDeviceFailsNamingTheReasonAndKeepsTheText) {
  const std::optional<std::filesystem::path> full =
      testsupport::MakeFullDevice(dir.path().toStdString());
  if (!full) GTEST_SKIP() << "this process may not make device files";
  Type("begin end;");
  prompts.Files = {full->string()};
  try {
    document.SaveAs();
    ADD_FAILURE() << "saved onto a full device";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot write \"" + full->string() + "\": No space left on device");
  }
  EXPECT_TRUE(document.Changed());
  EXPECT_EQ(editor.Shown, "begin end;");
  EXPECT_TRUE(std::filesystem::is_character_file(*full));
}

TEST_F(ScriptDocument, OpeningAnEndlessDeviceStopsAtTheSizeLimitAndKeepsTheText) {
  // The full device reads as zero bytes without end.
  const std::optional<std::filesystem::path> endless =
      testsupport::MakeFullDevice(dir.path().toStdString());
  if (!endless) GTEST_SKIP() << "this process may not make device files";
  Type("begin end;");
  try {
    document.OpenFileWithName(endless->string());
    ADD_FAILURE() << "read an endless device as a script";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot open file \"" + endless->string() + "\". File too large");
  }
  EXPECT_EQ(editor.Shown, "begin end;");
  EXPECT_TRUE(document.ScriptFileName().empty());
}

TEST_F(ScriptDocument, SavingIntoAReadOnlyFolderFailsAndKeepsTheEarlierFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not hold for the superuser";
  Write(Path("kept.pas"), "old\r\n");
  document.OpenFileWithName(Path("kept.pas"));
  Type(" new");
  const auto folder = std::filesystem::path(dir.path().toStdString());
  std::filesystem::permissions(
      folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_THROW(document.SaveTheFile(), std::runtime_error);
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
  EXPECT_EQ(Bytes(Path("kept.pas")), "old\r\n");
  EXPECT_TRUE(document.Changed());
}

TEST_F(ScriptDocument, SavingWhenNoMoreBytesFitKeepsTheEarlierFile) {
  Write(Path("kept.pas"), "old\r\n");
  document.OpenFileWithName(Path("kept.pas"));
  Type(QString(64 * 1024, QLatin1Char('x')));
  // A file size limit makes every write past 4 KiB fail, as a full file system would.
  {
    const testsupport::TFileSizeLimit limit(4096);
    EXPECT_THROW(document.SaveTheFile(), std::runtime_error);
  }
  EXPECT_EQ(Bytes(Path("kept.pas")), "old\r\n");
  EXPECT_TRUE(document.Changed());
}

TEST_F(ScriptDocument, ChangedTextIsKeptForRecoveryAndRestoredOrForgotten) {
  const TScriptRecovery recovery(dir.filePath("state"));
  EXPECT_EQ(document.KeepForRecovery(), "");
  EXPECT_FALSE(recovery.Kept().has_value()) << "unchanged: nothing kept";
  Write(Path("named.pas"), "begin end;\r\n");
  document.OpenFileWithName(Path("named.pas"));
  Type(
      "\nStra\xC3\x9F"
      "e");
  EXPECT_EQ(document.KeepForRecovery(), "");
  ASSERT_TRUE(recovery.Kept().has_value());
  EXPECT_EQ(recovery.Kept()->ScriptFileName, Path("named.pas"));

  // The next start, after a crash.
  TextEditor nextEditor;
  QueuedPrompts nextPrompts;
  TScriptDocument next(nextEditor, nextPrompts, recovery);
  EXPECT_TRUE(next.OfferRecovery());
  ASSERT_EQ(nextPrompts.Asked.size(), 1u);
  EXPECT_EQ(nextPrompts.Asked[0].Caption, "Restore script");
  EXPECT_EQ(nextPrompts.Asked[0].Buttons, TDocumentPrompts::TButtons::YesNo);
  EXPECT_EQ(nextEditor.Shown, editor.Shown);
  EXPECT_EQ(next.ScriptFileName(), Path("named.pas"));
  EXPECT_TRUE(next.Changed());

  nextPrompts.Answers = {TAnswer::No};
  EXPECT_FALSE(next.OfferRecovery());
  EXPECT_FALSE(recovery.Kept().has_value()) << "declined: forgotten";
  EXPECT_FALSE(next.OfferRecovery());
  EXPECT_EQ(nextPrompts.Asked.size(), 2u) << "nothing kept: nothing asked";

  document.KeepForRecovery();
  document.SaveTheFile();
  EXPECT_FALSE(recovery.Kept().has_value()) << "saved: forgotten";
}

}  // namespace
}  // namespace zendrik

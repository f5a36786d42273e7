#pragma once

#include "app/message_boxes.h"

#include <QDialog>
#include <QFileDialog>

#include <deque>
#include <optional>
#include <vector>

namespace zendrik::testsupport {

/// Answers the window's boxes and dialogs from a script and records what was asked.
class ScriptedMessageBoxes : public TMessageBoxes {
 public:
  struct Shown {
    QMessageBox::Icon Icon;
    QString Caption;
    QString Text;
  };

  /// Answers with the next queued answer; without one, with the box's default answer.
  QMessageBox::StandardButton Show(QWidget*, const TMessageBox& box) override {
    Boxes.push_back({box.Icon, CaptionOf(box), box.Text});
    if (Answers.empty()) return DefaultAnswer(box);
    const QMessageBox::StandardButton answer = Answers.front();
    Answers.pop_front();
    return answer;
  }

  /// Answers with the next queued file name; cancels when none is queued.
  std::optional<QString> ChooseFile(QFileDialog& dialog) override {
    FileDialogs.push_back(&dialog);
    if (FileAnswers.empty()) return std::nullopt;
    QString answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
  }

  void ShowModal(QDialog& dialog) override { ModalDialogs.push_back(&dialog); }

  std::vector<Shown> Boxes;
  std::deque<QMessageBox::StandardButton> Answers;
  std::deque<QString> FileAnswers;
  std::vector<QFileDialog*> FileDialogs;
  std::vector<QDialog*> ModalDialogs;
};

}  // namespace zendrik::testsupport

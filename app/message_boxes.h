#pragma once

#include <QMessageBox>
#include <QString>

#include <iosfwd>
#include <optional>

class QDialog;
class QFileDialog;
class QWidget;

namespace zendrik {

/// One message box: what it says and which answers it offers.
struct TMessageBox {
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  /// Empty: the application's title.
  QString Caption;
  QString Text;
  QMessageBox::StandardButtons Buttons = QMessageBox::Ok;
  QMessageBox::StandardButton DefaultButton = QMessageBox::NoButton;
};

/// Everything in the window that waits for the user: message boxes, file dialogs and modal
/// dialogs. The window asks only through this, so that tests can give the answers.
class TMessageBoxes {
 public:
  virtual ~TMessageBoxes() = default;
  /// Shows `box` over `parent` and returns the button chosen.
  virtual QMessageBox::StandardButton Show(QWidget* parent, const TMessageBox& box) = 0;
  /// Runs a file dialog; the file chosen, or nothing when it was cancelled.
  virtual std::optional<QString> ChooseFile(QFileDialog& dialog) = 0;
  /// Shows a dialog modally until it is closed.
  virtual void ShowModal(QDialog& dialog) = 0;
};

/// The boxes and dialogs on the screen, waiting for a person.
class TScreenMessageBoxes final : public TMessageBoxes {
 public:
  QMessageBox::StandardButton Show(QWidget* parent, const TMessageBox& box) override;
  std::optional<QString> ChooseFile(QFileDialog& dialog) override;
  void ShowModal(QDialog& dialog) override;
};

/// Boxes without a display (batch mode on a machine without one): each message box is one line
/// on `err` and takes its default answer; file dialogs are cancelled; modal dialogs close.
class THeadlessMessageBoxes final : public TMessageBoxes {
 public:
  explicit THeadlessMessageBoxes(std::ostream& err) : Err(err) {}
  QMessageBox::StandardButton Show(QWidget* parent, const TMessageBox& box) override;
  std::optional<QString> ChooseFile(QFileDialog& dialog) override;
  void ShowModal(QDialog& dialog) override;

 private:
  std::ostream& Err;
};

/// The answer a box takes when nobody answers: its default button, else OK, Yes or the first
/// button it has.
QMessageBox::StandardButton DefaultAnswer(const TMessageBox& box);

/// The caption a box shows: its own, or else the application's title.
QString CaptionOf(const TMessageBox& box);

}  // namespace zendrik

#include "app/message_boxes.h"

#include <QCoreApplication>
#include <QFileDialog>

#include <ostream>

namespace zendrik {

QString CaptionOf(const TMessageBox& box) {
  return box.Caption.isEmpty() ? QCoreApplication::applicationName() : box.Caption;
}

QMessageBox::StandardButton TScreenMessageBoxes::Show(QWidget* parent, const TMessageBox& box) {
  QMessageBox message(box.Icon, CaptionOf(box), box.Text, box.Buttons, parent);
  message.setDefaultButton(box.DefaultButton);
  return static_cast<QMessageBox::StandardButton>(message.exec());
}

std::optional<QString> TScreenMessageBoxes::ChooseFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

void TScreenMessageBoxes::ShowModal(QDialog& dialog) { dialog.exec(); }

QMessageBox::StandardButton DefaultAnswer(const TMessageBox& box) {
  if (box.DefaultButton != QMessageBox::NoButton) return box.DefaultButton;
  for (const QMessageBox::StandardButton button : {QMessageBox::Ok, QMessageBox::Yes})
    if (box.Buttons.testFlag(button)) return button;
  for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1)
    if (box.Buttons.testFlag(static_cast<QMessageBox::StandardButton>(bit)))
      return static_cast<QMessageBox::StandardButton>(bit);
  return QMessageBox::NoButton;
}

QMessageBox::StandardButton THeadlessMessageBoxes::Show(QWidget*, const TMessageBox& box) {
  QString line = box.Text;
  line.replace(QLatin1String("\r\n"), QLatin1String(" "))
      .replace(QLatin1Char('\n'), QLatin1Char(' '));
  Err << line.toStdString() << std::endl;
  return DefaultAnswer(box);
}

std::optional<QString> THeadlessMessageBoxes::ChooseFile(QFileDialog&) { return std::nullopt; }

void THeadlessMessageBoxes::ShowModal(QDialog&) {}

}  // namespace zendrik

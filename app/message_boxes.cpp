#include "app/message_boxes.h"

#include <QCoreApplication>
#include <QFileDialog>

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

}  // namespace zendrik

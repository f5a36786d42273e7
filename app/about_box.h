#pragma once

#include <QDialog>

namespace zendrik {

/// The information dialog: a picture, the product and maker texts with the current year, a
/// button that opens the maker's web site and an OK button.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  /// The maker line as written; "YYYY" is replaced by the current year when the dialog is made.
  static constexpr const char* kCopyrightTemplate = "Copyright \u00A9 YYYY the Zendrik developers";

  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace zendrik

#pragma once

// Labels and buttons of the main window with the `Caption` a script writer expects from the
// window's layout: another name for their text, reached through Qt's meta-object system.

#include <QLabel>
#include <QPushButton>

namespace zendrik {

/// A text as it is shown, without the marks of its Alt mnemonic: a single "&" is left out and
/// "&&" is one "&". Scripts read captions so, as they appear on the screen.
QString PlainCaption(const QString& text);

class TLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setText)

 public:
  using QLabel::QLabel;
  /// Only a label that names a field (its buddy) has a mnemonic; others show every "&".
  QString Caption() const { return buddy() ? PlainCaption(text()) : text(); }
};

class TButton : public QPushButton {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setText)

 public:
  using QPushButton::QPushButton;
  QString Caption() const { return PlainCaption(text()); }
};

}  // namespace zendrik

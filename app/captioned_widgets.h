#pragma once

// Labels and buttons of the main window with the `Caption` a script writer expects from the
// window's layout: another name for their text, reached through Qt's meta-object system.

#include <QLabel>
#include <QPushButton>

namespace zendrik {

class TLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ text WRITE setText)

 public:
  using QLabel::QLabel;
};

class TButton : public QPushButton {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ text WRITE setText)

 public:
  using QPushButton::QPushButton;
};

}  // namespace zendrik

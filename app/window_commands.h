#pragma once

#include <QObject>

#include <functional>
#include <string_view>
#include <vector>

class QAbstractButton;
class QAction;
class QWidget;

namespace zendrik {

class TRunController;

/// The one path every command of the window takes. An error a command raises is shown by the
/// general error handler instead of crossing the event loop. A command that would start other
/// work or change the document (an exclusive one) is refused while work runs, and its menu
/// items and buttons are disabled meanwhile when the window is shown (a batch run's hidden
/// window has nobody to click them, and a script reading its controls sees them as it left
/// them); other commands (help, about, exit, stop, copy) stay available.
class TWindowCommands : public QObject {
  Q_OBJECT

 public:
  enum class TKind { Any, Exclusive };
  using TErrorHandler = std::function<void(std::string_view message)>;

  /// Commands of `window`, which owns them.
  TWindowCommands(TRunController& controller, TErrorHandler showError, QWidget& window);

  /// Runs `command`, showing what it throws; false when it was refused or failed.
  bool Run(TKind kind, const std::function<void()>& command);
  /// Makes the menu item, button or shortcut run `command` through `Run`.
  void Connect(QAction* action, TKind kind, std::function<void()> command);
  void Connect(QAbstractButton* button, TKind kind, std::function<void()> command);

 private:
  void BusyChanged(bool busy);
  void Register(QObject* control, TKind kind);

  // An exclusive command's control, and whether the lock found it enabled.
  struct TLocked {
    QObject* Control;
    bool WasEnabled = true;
  };

  QWidget& Window;
  TRunController& Controller;
  TErrorHandler ShowError;
  std::vector<TLocked> Exclusive;
  bool Locked = false;
};

}  // namespace zendrik

#include "app/window_commands.h"

#include "app/run_controller.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>

#include <exception>

namespace zendrik {
namespace {

bool IsEnabled(const QObject& control) {
  if (const auto* action = qobject_cast<const QAction*>(&control)) return action->isEnabled();
  return static_cast<const QWidget&>(control).isEnabled();
}

void SetEnabled(QObject& control, bool enabled) {
  if (auto* action = qobject_cast<QAction*>(&control))
    action->setEnabled(enabled);
  else
    static_cast<QWidget&>(control).setEnabled(enabled);
}

}  // namespace

TWindowCommands::TWindowCommands(TRunController& controller, TErrorHandler showError,
                                 QWidget& window)
    : QObject(&window), Window(window), Controller(controller), ShowError(std::move(showError)) {
  connect(&Controller, &TRunController::BusyChanged, this, &TWindowCommands::BusyChanged);
}

bool TWindowCommands::Run(TKind kind, const std::function<void()>& command) {
  if (kind == TKind::Exclusive && Controller.Busy()) {
    QApplication::beep();  // a script may have enabled a control again; the command still waits
    return false;
  }
  try {
    command();
    return true;
  } catch (const std::exception& error) {
    ShowError(error.what());
  } catch (...) {
    ShowError("The command ended with an error of unknown kind");
  }
  return false;
}

void TWindowCommands::Connect(QAction* action, TKind kind, std::function<void()> command) {
  Register(action, kind);
  connect(action, &QAction::triggered, this,
          [this, kind, command = std::move(command)] { Run(kind, command); });
}

void TWindowCommands::Connect(QAbstractButton* button, TKind kind, std::function<void()> command) {
  Register(button, kind);
  connect(button, &QAbstractButton::clicked, this,
          [this, kind, command = std::move(command)] { Run(kind, command); });
}

void TWindowCommands::Register(QObject* control, TKind kind) {
  if (kind == TKind::Exclusive) Exclusive.push_back({control});
}

void TWindowCommands::BusyChanged(bool busy) {
  if (busy == Locked || (busy && !Window.isVisible())) return;
  Locked = busy;
  for (TLocked& locked : Exclusive) {
    if (busy) {
      locked.WasEnabled = IsEnabled(*locked.Control);
      SetEnabled(*locked.Control, false);
    } else if (!IsEnabled(*locked.Control)) {
      // A control that the work enabled itself (a script may) keeps its state.
      SetEnabled(*locked.Control, locked.WasEnabled);
    }
  }
}

}  // namespace zendrik

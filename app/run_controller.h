#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <csignal>
#include <functional>

namespace zendrik {

/// The work that runs in the window, a script run or a download, and the window's life while
/// it runs. Everything stays on the GUI thread: the work calls `Tick` often (the engine's poll
/// hook, the transfer's callbacks), and a tick lets pending events through once
/// `kPumpIntervalMs` have passed since the last time, so that the window repaints, answers
/// input and can stop the work. A script's own download is work inside the script's work.
class TRunController : public QObject {
  Q_OBJECT

 public:
  enum class TWork { Script, Download };
  /// The longest time between two passes over the pending events while work runs.
  static constexpr int kPumpIntervalMs = 20;

  /// One piece of work, from `Begin` to the end of the scope.
  class TScope {
   public:
    TScope(TRunController& controller, TWork work);
    ~TScope();
    TScope(const TScope&) = delete;
    TScope& operator=(const TScope&) = delete;

   private:
    TRunController& Controller;
    TWork Work;
  };

  explicit TRunController(QObject* parent = nullptr);

  /// Work is running: a script, a download or both.
  bool Busy() const { return ScriptDepth + DownloadDepth > 0; }
  bool Running(TWork work) const;
  /// A stop was asked for since the outermost work began.
  bool StopRequested() const { return Stopping; }

  /// Lets pending events through when they are due; takes a stop from the watched flag.
  void Tick();
  /// `Tick` for a transfer's callbacks: afterwards a stop ends the transfer (`EIEHTTPAborted`).
  void TickTransfer();
  /// Ends the running work: a script through `TerminateScript`, a download at its next tick.
  /// Does nothing while no work runs.
  void Stop();
  /// A flag that a signal handler sets: once set, the next tick stops the work.
  void WatchStopFlag(const volatile std::sig_atomic_t* flag) { StopFlag = flag; }

  /// Ends the running script (its engine's `Terminate`); set by the one who runs scripts.
  std::function<void()> TerminateScript;
  /// Lets the pending events through; `QCoreApplication::processEvents` unless replaced.
  std::function<void()> PumpEvents;

 signals:
  /// Work began (true) or the last work ended (false).
  void BusyChanged(bool busy);

 private:
  void Enter(TWork work);
  void Leave(TWork work);

  int ScriptDepth = 0;
  int DownloadDepth = 0;
  bool Stopping = false;
  const volatile std::sig_atomic_t* StopFlag = nullptr;
  QElapsedTimer SincePump;
};

}  // namespace zendrik

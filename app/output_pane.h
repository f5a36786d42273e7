#pragma once

#include <QPlainTextEdit>

#include <string_view>

class QTime;

namespace zendrik {

/// The pane below the script editor that shows what scripts write (`write`, `writeln`) while
/// they run; standard output gets the same text. It stays hidden until something is written.
/// The output of each run follows a line that names the script and the time the run began.
/// It keeps the last `kMaxLines` lines, so that a script writing without end costs no more.
class TOutputPane : public QPlainTextEdit {
  Q_OBJECT

 public:
  static constexpr int kMaxLines = 10000;

  explicit TOutputPane(QWidget* parent = nullptr);

  /// A run of the script `scriptName` begins at `time`. A shown pane gets the run's line at
  /// once; a hidden one gets it with the run's first output.
  void BeginRun(const QString& scriptName, const QTime& time);
  /// Shows `bytes`, written by the running script (UTF-8 when valid, otherwise Latin-1).
  void Write(std::string_view bytes);

 private:
  void Append(const QString& text);

  QString PendingRunLine;
};

}  // namespace zendrik

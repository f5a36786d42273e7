#pragma once

#include "app/recent_scripts.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace zendrik {

/// The File menu's list of recent scripts: a separator and one item per script ("&1 name.pas",
/// the full name as its tip), shown only when the list has entries.
class TRecentScriptsMenu : public QObject {
  Q_OBJECT

 public:
  /// Adds the items to `menu` at its end.
  TRecentScriptsMenu(QMenu& menu, TRecentScripts& recent);

  /// The items, `RecentScript1` to `RecentScript6`, in menu order.
  const std::vector<QAction*>& Items() const { return Actions; }
  /// The file an item opens; empty for a hidden one.
  std::string FileOf(const QAction* item) const;
  /// Shows the list as stored now.
  void Update();

 private:
  TRecentScripts& Recent;
  QAction* Separator;
  std::vector<QAction*> Actions;
  std::vector<std::string> Names;
};

}  // namespace zendrik

#include "app/recent_scripts_menu.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

namespace zendrik {

TRecentScriptsMenu::TRecentScriptsMenu(QMenu& menu, TRecentScripts& recent)
    : QObject(&menu), Recent(recent), Separator(menu.addSeparator()) {
  Separator->setObjectName("N3");
  for (int i = 1; i <= TRecentScripts::kMaxEntries; ++i) {
    QAction* item = menu.addAction(QString());
    item->setObjectName(QString("RecentScript%1").arg(i));
    Actions.push_back(item);
  }
  // Another window of the program may have changed the list meanwhile.
  connect(&menu, &QMenu::aboutToShow, this, &TRecentScriptsMenu::Update);
  Update();
}

std::string TRecentScriptsMenu::FileOf(const QAction* item) const {
  const auto at = std::find(Actions.begin(), Actions.end(), item);
  const auto index = static_cast<std::size_t>(at - Actions.begin());
  return index < Names.size() ? Names[index] : std::string();
}

void TRecentScriptsMenu::Update() {
  Names = Recent.Names();
  Separator->setVisible(!Names.empty());
  for (std::size_t i = 0; i < Actions.size(); ++i) {
    QAction& item = *Actions[i];
    item.setVisible(i < Names.size());
    if (i >= Names.size()) continue;
    const QString path = QFile::decodeName(Names[i].c_str());
    // The number is the item's mnemonic; an ampersand of the name is shown as itself.
    QString name = QFileInfo(path).fileName();
    item.setText(QString("&%1 %2").arg(i + 1).arg(name.replace('&', "&&")));
    item.setToolTip(path);
    item.setStatusTip(path);
  }
}

}  // namespace zendrik

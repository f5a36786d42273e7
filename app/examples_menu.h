#pragma once

#include <QString>

#include <string>

class QAction;
class QMenu;

namespace zendrik {

/// The folder of the example scripts that ship with the program: `share/zendrik/examples`
/// beside the folder that holds the program (in the build tree as when installed), else the
/// first `zendrik/examples` of the user's and the system's data folders (XDG_DATA_HOME,
/// XDG_DATA_DIRS); empty when there is none.
QString ExamplesDirectory(const QString& programDirectory);

/// Fills `menu` with one item per example script (`*.pas`) of `directory`, in the order of
/// their names, each with the script's full name as its tip; one disabled item says so when
/// there are none.
void FillExamplesMenu(QMenu& menu, const QString& directory);

/// The script file an item of that menu opens (bytes); empty for the disabled one.
std::string ExampleOf(const QAction& item);

}  // namespace zendrik

#pragma once

#include <QString>
#include <QUrl>

namespace zendrik {

/// The help page that "Help file" opens: the page shipped with the program
/// (`share/zendrik/help.html` beside the folder that holds the program) when it is there, else
/// the online help address.
QUrl HelpPageUrl(const QString& programDirectory);

}  // namespace zendrik

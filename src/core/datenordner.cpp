#include "datenordner.h"

#include <QDir>

namespace core {

QString datenordner()
{
    // An empty or relative XDG_DATA_HOME is to be ignored, as the XDG base directory rules say.
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    const QString basis = !xdg.isEmpty() && QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(basis + QStringLiteral("/gedenkbuch"));
}

} // namespace core

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datenordner.h"

#include <QDir>

namespace core {

QString xdgOrdner(const char* variable, const QString& vorgabe)
{
    const QString xdg = qEnvironmentVariable(variable);
    return QDir::cleanPath(!xdg.isEmpty() && QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + u'/' + vorgabe);
}

QString datenordner()
{
    return xdgOrdner("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("/gedenkbuch");
}

} // namespace core

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datenordner.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace core {

QString heimordner()
{
    const QString heim = qEnvironmentVariable("HOME");
    if (!heim.isEmpty() && QDir::isAbsolutePath(heim))
        return QDir::cleanPath(heim);
    // QDir::homePath() would give the root folder here.
    if (const passwd* konto = ::getpwuid(::getuid()); konto && konto->pw_dir && *konto->pw_dir)
        return QDir::cleanPath(QFile::decodeName(konto->pw_dir));
    return QDir::rootPath();
}

QString xdgOrdner(const char* variable, const QString& vorgabe)
{
    const QString xdg = qEnvironmentVariable(variable);
    return QDir::cleanPath(!xdg.isEmpty() && QDir::isAbsolutePath(xdg) ? xdg : heimordner() + u'/' + vorgabe);
}

QString datenordner()
{
    return xdgOrdner("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("/gedenkbuch");
}

} // namespace core

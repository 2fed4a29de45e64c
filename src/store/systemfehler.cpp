// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systemfehler.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace store {

QString systemfehler(int nummer)
{
    switch (nummer) {
    case ENOSPC:
        return QStringLiteral("Der Datenträger ist voll");
    case EDQUOT:
        return QStringLiteral("Der zugeteilte Speicherplatz ist erschöpft");
    case EFBIG:
        return QStringLiteral("Die Datei würde größer, als das System erlaubt");
    case EACCES:
    case EPERM:
        return QStringLiteral("Es fehlt die Berechtigung");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Lese- oder Schreibfehler");
    case ENOENT:
        return QStringLiteral("Den Ordner gibt es nicht");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner");
    case EISDIR:
        return QStringLiteral("Unter dem Namen liegt ein Ordner");
    case EEXIST:
        return QStringLiteral("Unter dem Namen liegt schon etwas");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist zu lang");
    case ELOOP:
        return QStringLiteral("Der Pfad führt durch zu viele Verknüpfungen");
    case EPIPE:
        return QStringLiteral("Das Programm, das die Ausgabe lesen sollte, liest nicht mehr");
    case EBADF:
        return QStringLiteral("Der Ausgabekanal ist geschlossen");
    default:
        return QStringLiteral("Das System meldet den Fehler %1").arg(nummer);
    }
}

QString schonVorhanden(const QString& pfad)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(pfad).constData(), &info) != 0)
        return {};
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("Unter dem Namen %1 liegt schon eine Verknüpfung. Sie wird nicht überschrieben.")
            .arg(pfad);
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("Unter dem Namen %1 liegt schon ein Ordner.").arg(pfad);
    return QStringLiteral("Die Datei %1 existiert schon. Sie wird nicht überschrieben.").arg(pfad);
}

} // namespace store

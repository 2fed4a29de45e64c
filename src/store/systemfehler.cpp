// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systemfehler.h"

#include <QFile>

#include <sys/stat.h>

namespace store {

std::optional<StoreError> schonVorhanden(const QString& pfad)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(pfad).constData(), &info) != 0)
        return std::nullopt;
    using G = StoreError::Gegenstand;
    const G was = S_ISLNK(info.st_mode) ? G::Verknuepfung : S_ISDIR(info.st_mode) ? G::Ordner : G::Datei;
    return StoreError(StoreError::Art::Vorhanden, pfad).mitGegenstand(was);
}

} // namespace store

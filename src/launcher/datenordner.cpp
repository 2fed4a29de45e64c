// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datenordner.h"

#include "core/fehlertexte.h"
#include "store/store.h"
#include "store/storeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace starter {

namespace {

// Held while the database is checked and created: of two starts at the same moment, the second
// waits until the first has finished the file, and neither opens a half-made one.
class Ordnersperre {
public:
    explicit Ordnersperre(const QString& ordner)
        : fd_(::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (fd_ >= 0)
            ::flock(fd_, LOCK_EX);
    }
    ~Ordnersperre()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Ordnersperre(const Ordnersperre&) = delete;
    Ordnersperre& operator=(const Ordnersperre&) = delete;

private:
    int fd_;
};

} // namespace

QString datenordnerBereiten(const QString& ordner)
{
    if (!QFileInfo::exists(ordner) && QDir().mkpath(QFileInfo(ordner).absolutePath()))
        QDir().mkdir(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A start at the same moment may have made the folder first.
    if (!QFileInfo(ordner).isDir())
        return QStringLiteral("Der Datenordner %1 kann nicht angelegt werden. Prüfen Sie, ob an seiner Stelle "
                              "eine Datei liegt und ob Sie im Ordner darüber schreiben dürfen.")
            .arg(ordner);
    if (!QFileInfo(ordner).isWritable())
        return QStringLiteral("In den Datenordner %1 kann nicht geschrieben werden. Prüfen Sie seine Zugriffsrechte.")
            .arg(ordner);

    const Ordnersperre sperre(ordner);
    const QString datenbank = QDir(ordner).filePath(store::dateiname);
    const QFileInfo vorhanden(datenbank);
    if (vorhanden.exists() || vorhanden.isSymLink())
        return {};
    try {
        store::Store::create(datenbank);
    } catch (const store::StoreError& e) {
        return QStringLiteral("Im Datenordner kann keine leere Datenbank angelegt werden.\n%1").arg(core::meldung(e));
    }
    return {};
}

} // namespace starter

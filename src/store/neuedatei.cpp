// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "neuedatei.h"

#include "storeerror.h"
#include "systemfehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace store {

namespace {

// Moves a file under a name only if nothing lies there. Where the file system cannot do that in one
// step, a hard link does the same; where it has no hard links either, the name is checked just
// before it is taken.
int umbenennenOhneErsetzen(const QByteArray& von, const QByteArray& nach)
{
    if (::renameat2(AT_FDCWD, von.constData(), AT_FDCWD, nach.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::link(von.constData(), nach.constData()) == 0)
        return ::unlink(von.constData()) == 0 ? 0 : errno;
    if (errno != EPERM && errno != EOPNOTSUPP)
        return errno;
    if (::access(nach.constData(), F_OK) == 0 || errno != ENOENT)
        return EEXIST;
    return ::rename(von.constData(), nach.constData()) == 0 ? 0 : errno;
}

// The folder's entry is on the disk too, not only the file's content.
void ordnerSichern(const QString& datei)
{
    const int ordner = ::open(QFile::encodeName(QFileInfo(datei).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (ordner >= 0) {
        ::fsync(ordner);
        ::close(ordner);
    }
}

} // namespace

NeueDatei::NeueDatei(const QString& ziel) : ziel_(ziel)
{
    if (const QString vorhanden = schonVorhanden(ziel); !vorhanden.isEmpty())
        throw StoreError(StoreError::Art::Vorhanden, vorhanden);
    QByteArray muster = QFile::encodeName(ziel + QStringLiteral(".teil-XXXXXX"));
    fd_ = ::mkostemp(muster.data(), O_CLOEXEC); // mode 0600
    if (fd_ < 0)
        scheitern(errno, QStringLiteral("kann nicht angelegt werden"));
    teil_ = QFile::decodeName(muster);
}

NeueDatei::~NeueDatei()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!fertig_ && !teil_.isEmpty())
        ::unlink(QFile::encodeName(teil_).constData());
}

void NeueDatei::schreiben(QByteArrayView daten)
{
    while (!daten.isEmpty()) {
        const ssize_t geschrieben = ::write(fd_, daten.data(), std::size_t(daten.size()));
        if (geschrieben < 0 && errno == EINTR)
            continue;
        if (geschrieben <= 0)
            scheitern(geschrieben < 0 ? errno : ENOSPC, QStringLiteral("konnte nicht geschrieben werden"));
        daten = daten.sliced(geschrieben);
    }
}

void NeueDatei::fertigstellen()
{
    if (::fsync(fd_) != 0)
        scheitern(errno, QStringLiteral("konnte nicht geschrieben werden"));
    const int rc = ::close(std::exchange(fd_, -1));
    if (rc != 0)
        scheitern(errno, QStringLiteral("konnte nicht geschrieben werden"));
    if (const int fehler = umbenennenOhneErsetzen(QFile::encodeName(teil_), QFile::encodeName(ziel_))) {
        if (fehler == EEXIST)
            throw StoreError(StoreError::Art::Vorhanden,
                             schonVorhanden(ziel_).isEmpty()
                                 ? QStringLiteral("Die Datei %1 existiert schon.").arg(ziel_)
                                 : schonVorhanden(ziel_));
        scheitern(fehler, QStringLiteral("kann nicht angelegt werden"));
    }
    fertig_ = true;
    ordnerSichern(ziel_);
}

void NeueDatei::scheitern(int nummer, const QString& was) const
{
    const auto art = nummer == ENOSPC || nummer == EDQUOT || nummer == EFBIG ? StoreError::Art::DatentraegerVoll
                                                                             : StoreError::Art::Sonstiges;
    throw StoreError(art, QStringLiteral("Die Datei %1 %2: %3.").arg(ziel_, was, systemfehler(nummer)));
}

} // namespace store

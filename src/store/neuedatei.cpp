// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "neuedatei.h"

#include "storeerror.h"
#include "systemfehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// Clears what killed runs left in `ordner`: NAME.teil-XXXXXX and the engine's journal beside it.
// A run holds a lock on its file while it writes, so a file nobody holds is a leftover. Anything
// else stays: another user's file, a link, a file others may read, one a running run holds.
void resteRaeumen(const QString& ordner)
{
    static const QRegularExpression rest(QStringLiteral("\\.teil-[A-Za-z0-9]{6}(-journal)?$"));
    const auto eigen = [](const QByteArray& pfad, struct stat& angaben) {
        return ::lstat(pfad.constData(), &angaben) == 0 && S_ISREG(angaben.st_mode) && angaben.st_uid == ::geteuid()
            && (angaben.st_mode & 077) == 0;
    };
    const QDir dir(ordner);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        const QRegularExpressionMatch treffer = rest.match(name);
        if (!treffer.hasMatch())
            continue;
        const QByteArray pfad = QFile::encodeName(dir.filePath(name));
        struct stat angaben {};
        // A journal whose file is gone belongs to no run; the list is sorted, so the journal of a
        // file removed here comes after it.
        if (!treffer.captured(1).isEmpty()) {
            const QByteArray datei = pfad.chopped(8);
            if (::access(datei.constData(), F_OK) != 0 && errno == ENOENT && eigen(pfad, angaben))
                ::unlink(pfad.constData());
            continue;
        }
        const int fd = ::open(pfad.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat offen {};
        // Unlinked while locked, and only if the name still is the file that was locked.
        if (fd >= 0 && ::fstat(fd, &offen) == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && eigen(pfad, angaben)
            && angaben.st_ino == offen.st_ino && angaben.st_dev == offen.st_dev)
            ::unlink(pfad.constData());
        if (fd >= 0)
            ::close(fd);
    }
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
    if (const std::optional<StoreError> vorhanden = schonVorhanden(ziel))
        throw *vorhanden;
    resteRaeumen(QFileInfo(ziel).absolutePath());
    for (;;) {
        QByteArray muster = QFile::encodeName(ziel + QStringLiteral(".teil-XXXXXX"));
        fd_ = ::mkostemp(muster.data(), O_CLOEXEC); // mode 0600
        if (fd_ < 0)
            scheitern(errno, StoreError::Art::NichtAngelegt);
        // Held until the file has its name. Where the file system has no locks, a later run cannot
        // take one either and leaves the file alone.
        struct stat angaben {};
        if (::flock(fd_, LOCK_EX) != 0 || (::fstat(fd_, &angaben) == 0 && angaben.st_nlink > 0)) {
            teil_ = QFile::decodeName(muster);
            return;
        }
        ::close(fd_); // another run cleared it between its making and its lock
    }
}

NeueDatei::~NeueDatei()
{
    if (!fertig_ && !teil_.isEmpty())
        ::unlink(QFile::encodeName(teil_).constData());
    if (fd_ >= 0)
        ::close(fd_);
}

void NeueDatei::schreiben(QByteArrayView daten)
{
    while (!daten.isEmpty()) {
        const ssize_t geschrieben = ::write(fd_, daten.data(), std::size_t(daten.size()));
        if (geschrieben < 0 && errno == EINTR)
            continue;
        if (geschrieben <= 0)
            scheitern(geschrieben < 0 ? errno : ENOSPC, StoreError::Art::NichtGeschrieben);
        daten = daten.sliced(geschrieben);
    }
}

void NeueDatei::fertigstellen()
{
    if (::fsync(fd_) != 0)
        scheitern(errno, StoreError::Art::NichtGeschrieben);
    // Renamed while the lock still holds, so that no other run takes the file for a leftover.
    if (const int fehler = umbenennenOhneErsetzen(QFile::encodeName(teil_), QFile::encodeName(ziel_))) {
        if (fehler == EEXIST)
            throw schonVorhanden(ziel_).value_or(
                StoreError(StoreError::Art::Vorhanden, ziel_).mitGegenstand(StoreError::Gegenstand::Unbestimmt));
        scheitern(fehler, StoreError::Art::NichtAngelegt);
    }
    fertig_ = true;
    ::close(std::exchange(fd_, -1)); // after fsync, closing reports nothing more of the content
    ordnerSichern(ziel_);
}

void NeueDatei::scheitern(int nummer, StoreError::Art art) const
{
    throw StoreError(art, ziel_).mitSystemfehler(nummer);
}

} // namespace store

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "einzelstart.h"

#include "core/datenordner.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray anfrage = "zeigen\n";
const QByteArray antwort = "ok\n";
constexpr int wartezeitMs = 5000;

// A folder for lock and socket: an absolute path to a directory itself, not a link, that belongs
// to this user and is open to nobody else.
bool nurDesBenutzers(const QString& ordner)
{
    const QByteArray pfad = QFile::encodeName(ordner);
    struct stat st {};
    return QDir::isAbsolutePath(ordner) && ::lstat(pfad.constData(), &st) == 0 && S_ISDIR(st.st_mode)
        && st.st_uid == ::getuid() && (st.st_mode & 07777) == 0700;
}

} // namespace

Einzelstart::Einzelstart(const QString& ordner, std::function<void()> zeigen) : zeigen_(std::move(zeigen))
{
    // One folder reached by different paths, through a link for instance, is still one folder.
    QString pfad = QDir(ordner).canonicalPath();
    if (pfad.isEmpty())
        pfad = QDir(ordner).absolutePath();
    const QByteArray kennung = QCryptographicHash::hash(pfad.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    kennung_ = QStringLiteral("gedenkbuch-") + QString::fromLatin1(kennung);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { anfrageBeantworten(); });
}

Einzelstart::~Einzelstart()
{
    server_.close();
    if (sperre_ >= 0)
        ::close(sperre_);
    if (ordner_ >= 0)
        ::close(ordner_);
}

QString Einzelstart::ersatzordner()
{
    return core::xdgOrdner("XDG_CACHE_HOME", QStringLiteral(".cache")) + QStringLiteral("/gedenkbuch");
}

Einzelstart::Lage Einzelstart::anmelden()
{
    // Never Qt's own runtime folder: where XDG_RUNTIME_DIR is unfit it falls back to a folder in
    // /tmp, which another user may have made first, and then to no folder at all.
    QString ordner = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!nurDesBenutzers(ordner)) {
        ordner = ersatzordner();
        QDir().mkpath(QFileInfo(ordner).path());
        ::mkdir(QFile::encodeName(ordner).constData(), 0700); // an existing one is checked as it is
        if (!nurDesBenutzers(ordner))
            return Lage::KeinOrdner;
    }
    ordnerPfad_ = ordner;
    ordner_ = ::open(QFile::encodeName(ordner).constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (ordner_ < 0)
        return Lage::KeinOrdner;
    sperre_ = ::openat(ordner_, QFile::encodeName(kennung_ + QStringLiteral(".sperre")).constData(),
                       O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    // The folder is the user's alone, so a lock file that cannot be had is a fault worth stopping
    // for, not a reason to run unguarded.
    if (sperre_ < 0)
        return Lage::KeinOrdner;
    // A socket's address holds at most 107 bytes, less than a home folder's path may take. The
    // folder kept open names it in a few: the same folder, reached through this process's own
    // table of open files.
    sockel_ = ordner + u'/' + kennung_ + QStringLiteral(".sockel");
    if (QFile::encodeName(sockel_).size() >= qsizetype(sizeof(sockaddr_un::sun_path)))
        sockel_ = QStringLiteral("/proc/self/fd/%1/%2.sockel").arg(ordner_).arg(kennung_);
    if (::flock(sperre_, LOCK_EX | LOCK_NB) == 0) {
        QLocalServer::removeServer(sockel_); // left behind by a killed program
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        // Without the socket a later start would wait in vain for an answer.
        return server_.listen(sockel_) ? Lage::Erster : Lage::KeinEmpfang;
    }

    // The holder may still be on its way from the lock to listening.
    const QDeadlineTimer frist(wartezeitMs);
    do {
        QLocalSocket sockel;
        sockel.connectToServer(sockel_);
        if (sockel.waitForConnected(int(frist.remainingTime()))) {
            sockel.write(anfrage);
            while (sockel.bytesAvailable() < antwort.size() && sockel.waitForReadyRead(int(frist.remainingTime()))) {}
            return sockel.readAll() == antwort ? Lage::SchonOffen : Lage::KeineAntwort;
        }
        QThread::msleep(50);
    } while (!frist.hasExpired());
    return Lage::KeineAntwort;
}

void Einzelstart::anfrageBeantworten()
{
    while (QLocalSocket* sockel = server_.nextPendingConnection()) {
        QObject::connect(sockel, &QLocalSocket::disconnected, sockel, &QObject::deleteLater);
        QObject::connect(sockel, &QLocalSocket::readyRead, sockel, [this, sockel] {
            if (!sockel->canReadLine())
                return;
            if (sockel->readLine() == anfrage) {
                zeigen_();
                sockel->write(antwort);
            }
            sockel->disconnectFromServer();
        });
    }
}

#include "einzelstart.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QByteArray anfrage = "zeigen\n";
const QByteArray antwort = "ok\n";
constexpr int wartezeitMs = 5000;

QString sockelname(const QString& name)
{
    return name + QStringLiteral(".sockel");
}

} // namespace

Einzelstart::Einzelstart(const QString& ordner, std::function<void()> zeigen) : zeigen_(std::move(zeigen))
{
    // One folder reached by different paths, through a link for instance, is still one folder.
    QString pfad = QDir(ordner).canonicalPath();
    if (pfad.isEmpty())
        pfad = QDir(ordner).absolutePath();
    const QByteArray kennung = QCryptographicHash::hash(pfad.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    name_ = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/gedenkbuch-")
        + QString::fromLatin1(kennung);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { anfrageBeantworten(); });
}

Einzelstart::~Einzelstart()
{
    server_.close();
    if (sperre_ >= 0)
        ::close(sperre_);
}

Einzelstart::Lage Einzelstart::anmelden()
{
    sperre_ = ::open(QFile::encodeName(name_ + QStringLiteral(".sperre")).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file the program still runs, only unguarded; it then leaves the socket alone,
    // which may be another program's.
    if (sperre_ < 0)
        return Lage::Erster;
    if (::flock(sperre_, LOCK_EX | LOCK_NB) == 0) {
        QLocalServer::removeServer(sockelname(name_)); // left behind by a killed program
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        server_.listen(sockelname(name_));
        return Lage::Erster;
    }

    // The holder may still be on its way from the lock to listening.
    const QDeadlineTimer frist(wartezeitMs);
    do {
        QLocalSocket sockel;
        sockel.connectToServer(sockelname(name_));
        if (sockel.waitForConnected(int(frist.remainingTime()))) {
            sockel.write(anfrage);
            while (sockel.bytesAvailable() < antwort.size() && sockel.waitForReadyRead(int(frist.remainingTime()))) {
            }
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

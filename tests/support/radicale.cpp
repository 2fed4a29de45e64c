#include "radicale.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// Debian's python3, not one that a user put first on the search path.
const QString python = QStringLiteral("/usr/bin/python3");

bool schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

quint16 freierPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

bool Radicale::installiert()
{
    return QProcess::execute(python, {"-c", "import radicale"}) == 0;
}

Radicale::Radicale(Art art) : schema_(art == Art::Https ? QStringLiteral("https") : QStringLiteral("http"))
{
    if (!installiert()) {
        fehler_ = QStringLiteral("Radicale fehlt.");
        return;
    }
    port_ = freierPort();
    QByteArray einstellungen = QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n").arg(port_).toUtf8();
    if (art == Art::Https) {
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1",
                                  "-keyout", ordner_.filePath("schluessel.pem"), "-out", ordner_.filePath("zertifikat.pem")});
        if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
            fehler_ = QStringLiteral("openssl konnte kein Zertifikat machen.");
            return;
        }
        einstellungen += QStringLiteral("ssl = True\ncertificate = %1\nkey = %2\n")
                             .arg(ordner_.filePath("zertifikat.pem"), ordner_.filePath("schluessel.pem"))
                             .toUtf8();
    }
    einstellungen += QStringLiteral("[auth]\ntype = htpasswd\nhtpasswd_filename = %1\nhtpasswd_encryption = plain\n"
                                    "delay = 0\n[storage]\nfilesystem_folder = %2\n"
                                    "[rights]\ntype = owner_only\n[logging]\nlevel = info\n")
                         .arg(ordner_.filePath("benutzer"), ordner_.filePath("ablage"))
                         .toUtf8();
    schreiben(ordner_.filePath("benutzer"), QByteArray(benutzer) + ':' + kennwort + '\n');
    schreiben(ordner_.filePath("einstellungen"), einstellungen);
    server_.setStandardErrorFile(ordner_.filePath("protokoll"));
    server_.start(python, {"-m", "radicale", "--config", ordner_.filePath("einstellungen")});
    server_.waitForStarted();

    for (QDeadlineTimer frist(20000); !frist.hasExpired() && !server_.waitForFinished(50);) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port_);
        if (probe.waitForConnected(500))
            return;
    }
    QFile protokoll(ordner_.filePath("protokoll"));
    protokoll.open(QIODevice::ReadOnly);
    fehler_ = QStringLiteral("Radicale startete nicht: %1").arg(QString::fromUtf8(protokoll.readAll().right(2000)));
}

Radicale::~Radicale()
{
    if (server_.state() == QProcess::NotRunning)
        return;
    server_.terminate();
    if (!server_.waitForFinished(5000))
        server_.kill();
    server_.waitForFinished(5000);
}

QUrl Radicale::adresse(const QString& pfad) const
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2/%3").arg(schema_).arg(port_).arg(pfad));
}

QString Radicale::ablage(const QString& pfad) const
{
    return ordner_.filePath(QStringLiteral("ablage/collection-root/") + pfad);
}

QStringList Radicale::anfragen()
{
    static const QRegularExpression zeile(QStringLiteral("\\] (\\w+) response status for '([^']*)'.*: (\\d+)"));
    QFile protokoll(ordner_.filePath("protokoll"));
    protokoll.open(QIODevice::ReadOnly);
    protokoll.seek(gelesen_);
    QStringList anfragen;
    for (QByteArray text; (text = protokoll.readLine()).endsWith('\n'); gelesen_ = protokoll.pos()) {
        if (const auto t = zeile.match(QString::fromUtf8(text)); t.hasMatch())
            anfragen << t.captured(1) + u' ' + t.captured(2) + u' ' + t.captured(3);
    }
    return anfragen;
}

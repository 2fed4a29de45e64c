// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "radicale.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// Debian's python3, not one that a user put first on the search path.
const QString python = QStringLiteral("/usr/bin/python3");

void schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    datei.write(inhalt);
}

} // namespace

bool Radicale::installiert()
{
    return QProcess::execute(python, {"-c", "import radicale"}) == 0;
}

Radicale::Radicale(Art art) : schema_(art == Art::Https ? "https" : "http")
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    port_ = probe.serverPort();
    probe.close();
    QString einstellungen = QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n").arg(port_);
    if (art == Art::Https) {
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.start("openssl",
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1",
                       "-keyout", ordner_.filePath("schluessel.pem"), "-out", ordner_.filePath("zertifikat.pem")});
        openssl.waitForFinished(30000);
        einstellungen += "ssl = True\ncertificate = " + ordner_.filePath("zertifikat.pem")
            + "\nkey = " + ordner_.filePath("schluessel.pem") + '\n';
    }
    einstellungen += QStringLiteral("[auth]\ntype = htpasswd\nhtpasswd_filename = %1\nhtpasswd_encryption = plain\n"
                                    "delay = 0\n[storage]\nfilesystem_folder = %2\n[rights]\ntype = owner_only\n"
                                    "[logging]\nlevel = info\n")
                         .arg(ordner_.filePath("benutzer"), ordner_.filePath("ablage"));
    schreiben(ordner_.filePath("benutzer"), QByteArray(benutzer) + ':' + kennwort + '\n');
    schreiben(ordner_.filePath("einstellungen"), einstellungen.toUtf8());
    server_.setStandardErrorFile(ordner_.filePath("protokoll"));
    server_.start(python, {"-m", "radicale", "--config", ordner_.filePath("einstellungen")});
    server_.waitForStarted();
    for (QDeadlineTimer frist(20000); !frist.hasExpired() && !server_.waitForFinished(50);) {
        QTcpSocket versuch;
        versuch.connectToHost(QHostAddress::LocalHost, port_);
        if (versuch.waitForConnected(500))
            return;
    }
    QFile protokoll(ordner_.filePath("protokoll"));
    protokoll.open(QIODevice::ReadOnly);
    fehler_ = "Radicale startete nicht: " + QString::fromUtf8(protokoll.readAll().right(2000));
}

Radicale::~Radicale()
{
    server_.terminate();
    if (!server_.waitForFinished(5000))
        server_.kill();
    server_.waitForFinished(5000);
}

QStringList Radicale::anfragen()
{
    static const QRegularExpression zeile(
        "\\] (\\w+) response status for '([^']*)'(?: with depth '(\\w+)')? in .*: (\\d+)");
    QFile protokoll(ordner_.filePath("protokoll"));
    protokoll.open(QIODevice::ReadOnly);
    protokoll.seek(gelesen_);
    QStringList anfragen;
    for (QByteArray text; (text = protokoll.readLine()).endsWith('\n'); gelesen_ = protokoll.pos()) {
        const auto t = zeile.match(QString::fromUtf8(text));
        const QString tiefe = t.hasCaptured(3) ? " Depth " + t.captured(3) : QString();
        if (t.hasMatch())
            anfragen << t.captured(1) + u' ' + t.captured(2) + tiefe + u' ' + t.captured(4);
    }
    return anfragen;
}

Radicale::Http Radicale::http(const QByteArray& verb, const QString& pfad, const QByteArray& inhalt,
                              const QByteArray& typ, const QByteArray& tiefe)
{
    QNetworkAccessManager netz;
    QNetworkRequest r(adresse(pfad));
    r.setRawHeader("Authorization", "Basic " + (QByteArray(benutzer) + ':' + kennwort).toBase64());
    if (!typ.isEmpty())
        r.setRawHeader("Content-Type", typ);
    if (!tiefe.isEmpty())
        r.setRawHeader("Depth", tiefe);
    QNetworkReply* antwort = netz.sendCustomRequest(r, verb, inhalt);
    QEventLoop warten;
    QObject::connect(antwort, &QNetworkReply::finished, &warten, &QEventLoop::quit);
    warten.exec();
    antwort->deleteLater();
    return {antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), antwort->readAll()};
}

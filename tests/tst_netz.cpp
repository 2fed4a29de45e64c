// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The network transport against a server of the test's own on the loopback address, one that
// plays what slow, endless, hostile or plain-http servers send. What arrived is read on its side.
#include "caldav/netztransport.h"
#include "core/programm.h"

#include <QFile>
#include <QMutex>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace caldav;
using namespace std::chrono_literals;
using Art = Fehler::Art;

namespace {

// How the body follows the head: as written, as written with the connection closed after it, one
// byte a second, in large pieces as fast as the client takes them, `laenge` bytes or chunked
// without end, or chunked without end at 64 KiB a millisecond, as a fast line brings it.
enum class Spiel { Fertig, Schluss, Tropfen, Strom, Leitung };

const QByteArray stueck(1 << 16, 'x');

// Answers every request, and what starts like TLS, with `kopf`, and keeps the heads it received.
// It plays in a thread of its own, so that a client that reads too slowly meets a server that
// writes as fast as it can.
class Drehbuch {
public:
    Drehbuch(const QByteArray& kopf, Spiel spiel, qint64 laenge = 0)
    {
        auto* server = new QTcpServer;
        QVERIFY(server->listen(QHostAddress::LocalHost));
        port_ = server->serverPort();
        QObject::connect(server, &QTcpServer::newConnection, server, [=, this] {
            QTcpSocket* s = server->nextPendingConnection();
            auto puffer = std::make_shared<QByteArray>();
            QObject::connect(s, &QTcpSocket::readyRead, s, [=, this] {
                *puffer += s->readAll();
                if (puffer->startsWith('\x16'))
                    return void(s->write(kopf)), s->disconnectFromHost();
                for (qsizetype ende; (ende = puffer->indexOf("\r\n\r\n")) >= 0; puffer->remove(0, ende + 4)) {
                    QMutexLocker sperre(&sperre_);
                    anfragen_ += puffer->left(ende + 2);
                    s->write(kopf);
                    if (spiel == Spiel::Schluss)
                        s->disconnectFromHost();
                    if (spiel == Spiel::Tropfen || spiel == Spiel::Leitung) {
                        auto* uhr = new QTimer(s);
                        QObject::connect(uhr, &QTimer::timeout, s, [=] {
                            if (s->isOpen() && s->bytesToWrite() < (1 << 20))
                                s->write(spiel == Spiel::Tropfen ? "x" : "10000\r\n" + stueck + "\r\n");
                        });
                        uhr->start(spiel == Spiel::Tropfen ? 1000ms : 1ms);
                    }
                }
            });
            auto rest = std::make_shared<qint64>(laenge);
            QObject::connect(s, &QTcpSocket::bytesWritten, s, [=] {
                while (spiel == Spiel::Strom && s->bytesToWrite() < (1 << 20) && (laenge == 0 || *rest > 0)) {
                    s->write(laenge == 0 ? "10000\r\n" + stueck + "\r\n" : stueck.left(*rest));
                    *rest -= std::min<qint64>(*rest, stueck.size());
                }
            });
        });
        server->moveToThread(&faden_);
        QObject::connect(&faden_, &QThread::finished, server, &QObject::deleteLater);
        faden_.start();
    }
    ~Drehbuch()
    {
        faden_.quit();
        faden_.wait();
    }
    quint16 port() const { return port_; }
    QByteArrayList anfragen() const
    {
        QMutexLocker sperre(&sperre_);
        return anfragen_;
    }

private:
    QThread faden_;
    mutable QMutex sperre_;
    QByteArrayList anfragen_;
    quint16 port_ = 0;
};

// The process's peak resident memory in KiB, after setting it back to what is resident now.
qint64 neueSpitzeKiB(bool zuruecksetzen)
{
    QFile datei(QStringLiteral("/proc/self/clear_refs"));
    if (zuruecksetzen && !(datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && datei.write("5") == 1))
        return -1;
    datei.close();
    datei.setFileName(QStringLiteral("/proc/self/status"));
    if (!datei.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& zeile : datei.readAll().split('\n'))
        if (zeile.startsWith("VmHWM:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace

class TestNetz : public QObject {
    Q_OBJECT

private slots:
    // A server that chunks its body, right or wrong, trickles, never ends, claims too much, breaks
    // off, asks for a login nobody may answer, speaks no TLS, or redirects; a header that would
    // inject another; a port nobody listens on (no address). `empfang`: 0 none, 1 takes every
    // piece, 2 refuses the first. `erwartet`: the kind of failure, or -1 and the answer as
    // "status|ETag|Location|body".
    void senden_data()
    {
        QTest::addColumn<QByteArray>("kopf");
        QTest::addColumn<Spiel>("spiel");
        QTest::addColumn<QString>("adresse");
        QTest::addColumn<Kopfzeilen>("zusatz");
        QTest::addColumn<int>("empfang");
        QTest::addColumn<int>("erwartet");
        QTest::addColumn<QByteArray>("antwort");
        QTest::addColumn<int>("anfragen");
        const QByteArray ok = "HTTP/1.1 200 OK\r\n";
        const QByteArray endlos = ok + "Transfer-Encoding: chunked\r\n\r\n";
        const QByteArray login = "HTTP/1.1 401 Unauthorized\r\nContent-Length: 0\r\nWWW-Authenticate: ";
        const QByteArray umleitung = "HTTP/1.1 308 Permanent Redirect\r\nLocation: /neu/\r\nContent-Length: 0\r\n\r\n";
        const QString http = QStringLiteral("http://127.0.0.1:%1/kal/");
        const QString anna = QStringLiteral("http://anna@127.0.0.1:%1/kal/");
        const Kopfzeilen ohne;
        const QByteArray nichts;
        using enum Spiel;
        using enum Fehler::Art;
        // clang-format off
        QTest::newRow("207 in Stücken") << QByteArray("HTTP/1.1 207 Multi\r\nETag: \"e1\"\r\nTransfer-Encoding: chunked\r\n"
            "\r\n3;x=y\r\nhal\r\n2\r\nlo\r\n0\r\nX: y\r\n\r\n") << Fertig << http << ohne << 1 << -1
            << QByteArray("207|\"e1\"||hallo") << 1;
        QTest::newRow("Stückgröße kaputt") << QByteArray(ok + "Transfer-Encoding: chunked\r\n\r\nzz\r\nhallo\r\n0\r\n\r\n")
            << Fertig << http << ohne << 0 << int(Abgebrochen) << nichts << 1;
        QTest::newRow("400 bis zum Schluss") << QByteArray("HTTP/1.1 400 Bad Request\r\n\r\nkaputt")
            << Schluss << http << ohne << 0 << -1 << QByteArray("400|||kaputt") << 1;
        QTest::newRow("308") << umleitung << Fertig << http << ohne << 0 << -1 << QByteArray("308||/neu/|") << 1;
        QTest::newRow("abgerissen") << QByteArray(ok + "Content-Length: 10\r\n\r\nhal") << Schluss << http << ohne << 0
            << int(Abgebrochen) << nichts << 1;
        QTest::newRow("ein Byte je Sekunde") << QByteArray(ok + "Content-Length: 5\r\n\r\n") << Tropfen << anna << ohne
            << 0 << int(Zeitueberschreitung) << nichts << 1;
        QTest::newRow("endlos, gesammelt") << endlos << Strom << http << ohne << 0 << int(ZuGross) << nichts << 1;
        QTest::newRow("endlos, im Empfang") << endlos << Strom << anna << ohne << 1 << int(ZuGross) << nichts << 1;
        QTest::newRow("endlos, Empfang lehnt ab") << endlos << Strom << http << ohne << 2 << -1 << QByteArray("200|||") << 1;
        QTest::newRow("Länge über der Grenze") << QByteArray(ok + "Content-Length: 100000000000\r\n\r\nxxxx")
            << Fertig << http << ohne << 1 << int(ZuGross) << nichts << 1;
        QTest::newRow("NTLM, Name in der Adresse") << QByteArray(login + "NTLM\r\n\r\n") << Fertig << anna << ohne << 0
            << -1 << QByteArray("401|||") << 1;
        QTest::newRow("Digest, Name in der Adresse") << QByteArray(login + "Digest realm=\"k\", nonce=\"4f2a\"\r\n\r\n")
            << Fertig << anna << ohne << 0 << -1 << QByteArray("401|||") << 1;
        QTest::newRow("401 ohne Ende") << QByteArray("HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"k\"\r\n"
            "Transfer-Encoding: chunked\r\n\r\n") << Leitung << http << ohne << 0 << int(ZuGross) << nichts << 1;
        QTest::newRow("CR LF im Wert") << umleitung << Fertig << http
            << Kopfzeilen{{"If-Match", "\"e1\"\r\nAuthorization: Basic eA=="}} << 0 << int(KopfUngueltig) << nichts << 0;
        QTest::newRow("NUL im Wert") << umleitung << Fertig << http
            << Kopfzeilen{{"If-Match", QByteArray("\"e1\0\"", 5)}} << 0 << int(KopfUngueltig) << nichts << 0;
        QTest::newRow("LF im Namen") << umleitung << Fertig << http
            << Kopfzeilen{{"X\nAuthorization", "Basic YTpi"}} << 0 << int(KopfUngueltig) << nichts << 0;
        QTest::newRow("https an http") << umleitung << Fertig << QStringLiteral("https://127.0.0.1:%1/") << ohne << 0
            << int(Handshake) << nichts << 0;
        QTest::newRow("niemand hört") << umleitung << Fertig << QString() << ohne << 0 << int(Abgewiesen)
            << nichts << 0;
        // clang-format on
    }
    void senden()
    {
        QFETCH(QByteArray, kopf);
        QFETCH(Spiel, spiel);
        QFETCH(QString, adresse);
        QFETCH(Kopfzeilen, zusatz);
        QFETCH(int, empfang);
        QFETCH(int, erwartet);
        const qint64 grenze = 1 << 20;
        Drehbuch server(kopf, spiel);
        quint16 port = server.port();
        if (adresse.isEmpty()) {
            QTcpServer niemand;
            QVERIFY(niemand.listen(QHostAddress::LocalHost));
            port = niemand.serverPort();
            adresse = QStringLiteral("http://127.0.0.1:%1/");
        }
        Anfrage anfrage{"PROPFIND", QUrl(adresse.arg(port)), {}, Kopfzeilen{{"Depth", "1"}} + zusatz, grenze};
        QByteArray empfangen;
        if (empfang)
            anfrage.empfang = [&](QByteArrayView stueck) {
                if (empfang == 2)
                    return false;
                empfangen += stueck;
                return true;
            };

        [[maybe_unused]] const qint64 vorher = neueSpitzeKiB(true);
        const Antwort antwort = Netztransport(2s).senden(anfrage);
#ifndef __SANITIZE_ADDRESS__
        QVERIFY2(vorher < 0 || neueSpitzeKiB(false) - vorher < 32 * 1024,
                 qPrintable(QString::number(neueSpitzeKiB(false) - vorher)));
#endif
        QTEST(int(server.anfragen().size()), "anfragen");
        for (const QByteArray& gesendet : server.anfragen()) {
            QVERIFY(gesendet.contains("\r\nUser-Agent: Gedenkbuch/" + core::versionstext.toLatin1() + "\r\n"));
            QVERIFY(gesendet.contains("\r\nAccept-Language: de\r\n"));
        }
        QVERIFY(antwort.inhalt.size() + empfangen.size() <= grenze);
        QCOMPARE(antwort.abgebrochen, empfang == 2);
        if (erwartet < 0) {
            QVERIFY(!antwort.fehler);
            QTEST(QByteArray::number(antwort.status) + '|' + antwort.etag + '|' + antwort.ziel + '|' + antwort.inhalt
                      + empfangen,
                  "antwort");
            return;
        }
        QVERIFY(antwort.fehler);
        QCOMPARE(int(antwort.fehler->art), erwartet);
        QCOMPARE(antwort.fehler->server, QStringLiteral("127.0.0.1"));
        QCOMPARE(antwort.fehler->ort, anfrage.url.toString(QUrl::RemoveUserInfo));
        const qint64 sekunden = erwartet == int(Art::Zeitueberschreitung) ? 2 : 0;
        QCOMPARE(antwort.fehler->zahl, erwartet == int(Art::ZuGross) ? grenze : sekunden);
    }

    // 200 MB handed on piece by piece to a slow reader: none of it is held, by the transport or its socket.
    void grosserStromImEmpfang()
    {
#ifdef __SANITIZE_ADDRESS__
        QSKIP("AddressSanitizer hält freigegebenen Speicher zurück; die Spitze misst der Lauf ohne ihn.");
#endif
        const qint64 laenge = 200'000'000;
        Drehbuch server("HTTP/1.1 200 OK\r\nContent-Length: 200000000\r\n\r\n", Spiel::Strom, laenge);
        qint64 empfangen = 0;
        Anfrage anfrage{"GET", QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.port())), {}, {}, 1LL << 30};
        anfrage.empfang = [&](QByteArrayView stueck) {
            empfangen += stueck.size();
            QThread::usleep(100); // as slow as a parser
            return true;
        };
        [[maybe_unused]] const qint64 vorher = neueSpitzeKiB(true);
        if (vorher < 0)
            QSKIP("Die Spitze des Speichers lässt sich hier nicht messen.");
        QVERIFY(!Netztransport(120s).senden(anfrage).fehler);
        QCOMPARE(empfangen, laenge);
        QVERIFY2(neueSpitzeKiB(false) - vorher < 32 * 1024, qPrintable(QString::number(neueSpitzeKiB(false) - vorher)));
    }
};

QTEST_GUILESS_MAIN(TestNetz)
#include "tst_netz.moc"

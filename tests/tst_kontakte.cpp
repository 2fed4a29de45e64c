// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Birthdays from a real CardDAV address book, a Radicale of the test's own; cards are put there
// and taken away by plain HTTP, as a phone would.
#include "datenbank.h"
#include "radicale.h"
#include "werkzeug.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

const QByteArray vcard = "text/vcard; charset=utf-8";

class Kontakte {
public:
    Kontakte(Radicale& server, const QString& pfad) : server_(server), pfad_(pfad)
    {
        server.http("MKCOL", pfad,
                    R"(<?xml version="1.0"?><D:mkcol xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav"><D:set>)"
                    R"(<D:prop><D:resourcetype><D:collection/><C:addressbook/></D:resourcetype></D:prop></D:set>)"
                    R"(</D:mkcol>)",
                    "application/xml");
        schreiben(home_.filePath(".netrc"), QByteArray("machine 127.0.0.1 login anna password ") + Radicale::kennwort);
        QFile::setPermissions(home_.filePath(".netrc"), QFile::ReadOwner | QFile::WriteOwner);
    }
    // A card named `karte` with the name `name` and these lines, or none when `zeilen` is null.
    int karte(const QString& karte, const QString& name, const QByteArray& zeilen = {})
    {
        if (zeilen.isNull())
            return server_.http("DELETE", pfad_ + karte).status;
        return server_
            .http("PUT", pfad_ + karte,
                  "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + karte.toUtf8() + "\r\nFN:" + name.toUtf8()
                      + "\r\nN:" + name.toUtf8() + ";;;;\r\n" + zeilen + "\r\nEND:VCARD\r\n",
                  vcard)
            .status;
    }
    Lauf lauf(const Testdatenbank& db, const QStringList& mehr = {}, const QString& url = {})
    {
        return werkzeug(QStringList{"kontakte", url.isEmpty() ? server_.adresse(pfad_).toString() : url} + mehr,
                        db.ordner(), {"HOME=" + home_.path()});
    }

private:
    Radicale& server_;
    QString pfad_;
    QTemporaryDir home_;
};

// The book's records in order of their names: the server lists cards in an order of its own.
QStringList saetze(const Testdatenbank& db)
{
    QStringList alle = db.saetze();
    alle.sort();
    return alle;
}

// "3 neu, 0 geändert, 0 entfernt, 0 unverändert, 1 übersprungen" of a run's report.
QString zahlen(const Lauf& lauf)
{
    return lauf.ausgabe.trimmed().section(u'\n', -1).section(QStringLiteral(": "), -1).section(u'.', 0, 0);
}

// Passes every request on to the server, but refuses sync-collection as a server without it does.
struct OhneSync : QTcpServer {
    explicit OhneSync(quint16 ziel)
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this, ziel] {
            QTcpSocket* ein = nextPendingConnection();
            auto* aus = new QTcpSocket(ein);
            aus->connectToHost(QHostAddress::LocalHost, ziel);
            connect(aus, &QTcpSocket::readyRead, ein, [ein, aus] { ein->write(aus->readAll()); });
            connect(ein, &QTcpSocket::readyRead, ein, [ein, aus] {
                const QByteArray anfrage = ein->readAll();
                if (anfrage.startsWith("REPORT ") && anfrage.contains("sync-collection"))
                    ein->write("HTTP/1.1 501 Not Implemented\r\nContent-Length: 0\r\n\r\n");
                else
                    aus->write(anfrage);
            });
        });
    }
};

} // namespace

class TestKontakte : public QObject {
    Q_OBJECT

    std::unique_ptr<Radicale> server;

private slots:
    void initTestCase()
    {
        if (!Radicale::installiert())
            QSKIP("Radicale fehlt (Debian: python3-radicale; make test installiert es).");
        server = std::make_unique<Radicale>();
        QVERIFY2(server->fehler().isEmpty(), qPrintable(server->fehler()));
    }

    // Every form in which address books write a date, and what the book takes from it.
    void datumsformen_data()
    {
        QTest::addColumn<QByteArray>("zeilen");
        QTest::addColumn<QStringList>("erwartet"); // records, or the reason a date is skipped for
        QTest::newRow("mit Jahr") << QByteArray("BDAY:1985-04-15") << QStringList{"Anna|15|4|1985|-"};
        QTest::newRow("--MMDD") << QByteArray("BDAY:--0415") << QStringList{"Anna|15|4|-|-"};
        QTest::newRow("vCard 4, Teil eines Datums") << QByteArray("BDAY:--04-15") << QStringList{"Anna|15|4|-|-"};
        QTest::newRow("X-APPLE-OMIT-YEAR")
            << QByteArray("BDAY;X-APPLE-OMIT-YEAR=1604:1604-04-15") << QStringList{"Anna|15|4|-|-"};
        QTest::newRow("1604 allein") << QByteArray("BDAY:1604-04-15") << QStringList{"Anna|15|4|-|-"};
        QTest::newRow("Hochzeitstag, Todestag")
            << QByteArray("X-ANNIVERSARY:2001-06-02\r\nDEATHDATE:2020-01-03")
            << QStringList{"Hochzeitstag Anna|2|6|2001|-", "Todestag Anna|3|1|2020|-"};
        QTest::newRow("als Text") << QByteArray("BDAY;VALUE=text:im Frühling")
                                  << QStringList{"ist als Text angegeben, nicht als Datum"};
    }

    void datumsformen()
    {
        QFETCH(QByteArray, zeilen);
        QFETCH(QStringList, erwartet);
        Kontakte buch(*server, QStringLiteral("anna/formen-%1/").arg(QTest::currentDataTag()).replace(u' ', u'-'));
        QCOMPARE(buch.karte("anna.vcf", "Anna", zeilen), 201);
        Testdatenbank db;
        const Lauf lauf = buch.lauf(db);
        QCOMPARE(lauf.status, 0);
        if (erwartet.constFirst().contains(u'|'))
            QCOMPARE(db.saetze(), erwartet);
        else
            QVERIFY2(db.saetze().isEmpty() && lauf.ausgabe.contains(erwartet.constFirst()), qPrintable(lauf.ausgabe));
    }

    // The book kept in step with its address book, run after run, never overwriting what the user
    // changed in the book, and never making an entry twice.
    void inSchritt()
    {
        Kontakte buch(*server, "anna/kontakte/");
        for (const QString name : {"Anna", "Bert", "Carla", "Dora"})
            QCOMPARE(buch.karte(name + ".vcf", name, "BDAY:1980-05-0" + QByteArray::number(name.size())), 201);
        Testdatenbank db;
        db.hinzufuegen({{"Dora", 9, 9}});
        Lauf lauf = buch.lauf(db);
        QCOMPARE(zahlen(lauf), "3 neu, 0 geändert, 0 entfernt, 0 unverändert, 1 übersprungen");
        QVERIFY(lauf.ausgabe.contains("„Dora“ (Karte Dora.vcf): diese Bezeichnung gibt es schon im Gedenkbuch"));
        QVERIFY2(lauf.ausgabe.contains(" in " + QFileInfo(db.pfad()).absoluteFilePath() + ": "),
                 qPrintable(lauf.ausgabe));

        // Once the user renames the entry of that name, the card comes in.
        Fremdzugriff(db.pfad()).sql("UPDATE Gedenkbuch SET Bezeichnung = 'Dora Alt' WHERE Bezeichnung = 'Dora'");
        QCOMPARE(zahlen(buch.lauf(db)), "1 neu, 0 geändert, 0 entfernt, 3 unverändert, 0 übersprungen");

        // Nothing changed: at most two requests, and the file stays as it is.
        const QByteArray datei = dateiinhalt(db.pfad());
        server->anfragen();
        QCOMPARE(zahlen(buch.lauf(db)), "0 neu, 0 geändert, 0 entfernt, 4 unverändert, 0 übersprungen");
        QVERIFY(server->anfragen().size() <= 2);
        QCOMPARE(dateiinhalt(db.pfad()), datei);

        // A changed, a deleted and a new card; --probe shows it and writes nothing.
        buch.karte("Bert.vcf", "Bert", "BDAY:1980-05-20");
        buch.karte("Carla.vcf", "Carla");
        buch.karte("Emil.vcf", "Emil", "BDAY:--1224");
        const QByteArray vorher = dateiinhalt(db.pfad());
        lauf = buch.lauf(db, {"--probe"});
        QVERIFY(lauf.ausgabe.contains("Es wurde nichts geschrieben."));
        QCOMPARE(dateiinhalt(db.pfad()), vorher);
        QCOMPARE(zahlen(buch.lauf(db)), "1 neu, 1 geändert, 1 entfernt, 2 unverändert, 0 übersprungen");
        QCOMPARE(saetze(db),
                 QStringList(
                     {"Anna|4|5|1980|-", "Bert|20|5|1980|-", "Dora Alt|9|9|-|-", "Dora|4|5|1980|-", "Emil|24|12|-|-"}));

        // The user changes Anna in the book: her card's change and deletion leave the entry, named.
        Fremdzugriff(db.pfad()).sql("UPDATE Gedenkbuch SET Bemerkungen = 'Blumen' WHERE Bezeichnung = 'Anna'");
        buch.karte("Anna.vcf", "Anna", "BDAY:1981-05-04");
        lauf = buch.lauf(db);
        QVERIFY(lauf.ausgabe.contains("„Anna“ (Karte Anna.vcf): die Karte wurde geändert, doch der Eintrag auch"));
        buch.karte("Anna.vcf", "Anna");
        lauf = buch.lauf(db);
        QVERIFY2(lauf.ausgabe.contains("„Anna“ (Karte Anna.vcf): die Karte wurde gelöscht, doch der Eintrag"),
                 qPrintable(QString::number(lauf.status) + lauf.fehler));
        const QStringList gehalten{"Anna|4|5|1980|Blumen", "Bert|20|5|1980|-", "Dora Alt|9|9|-|-", "Dora|4|5|1980|-",
                                   "Emil|24|12|-|-"};
        QCOMPARE(saetze(db), gehalten);

        // A token the server no longer knows, and none at all, read everything again: no duplicates.
        Fremdzugriff(db.pfad()).sql("UPDATE Adressbuch SET token = 'http://radicale.org/ns/sync/kaputt'");
        QCOMPARE(zahlen(buch.lauf(db)), "0 neu, 0 geändert, 0 entfernt, 3 unverändert, 0 übersprungen");
        Fremdzugriff(db.pfad()).sql("DELETE FROM Adressbuch");
        server->anfragen();
        QCOMPARE(zahlen(buch.lauf(db)), "0 neu, 0 geändert, 0 entfernt, 3 unverändert, 0 übersprungen");
        // The server logs a request after it answered it.
        QStringList gehoert;
        QTRY_VERIFY(!(gehoert += server->anfragen())
                         .filter(QRegularExpression("^PROPFIND /anna/kontakte/ Depth 1 "))
                         .isEmpty());
        QCOMPARE(saetze(db), gehalten);

        // A second address book with the same person makes no second entry.
        Kontakte zweites(*server, "anna/zweites/");
        zweites.karte("b.vcf", "Bert", "BDAY:1980-05-20");
        QCOMPARE(zahlen(zweites.lauf(db)), "0 neu, 0 geändert, 0 entfernt, 0 unverändert, 1 übersprungen");
        QCOMPARE(saetze(db), gehalten);
    }

    // A server without sync-collection is read by the versions of its cards, run after run.
    void ohneSyncCollection()
    {
        Kontakte buch(*server, "anna/ohnesync/");
        buch.karte("a.vcf", "Anna", "BDAY:1985-04-15");
        const OhneSync vermittler(quint16(server->adresse().port()));
        const QString url = QStringLiteral("http://127.0.0.1:%1/anna/ohnesync/").arg(vermittler.serverPort());
        Testdatenbank db;
        QCOMPARE(zahlen(buch.lauf(db, {}, url)), "1 neu, 0 geändert, 0 entfernt, 0 unverändert, 0 übersprungen");
        buch.karte("a.vcf", "Anna", "BDAY:1985-04-16");
        QCOMPARE(zahlen(buch.lauf(db, {}, url)), "0 neu, 1 geändert, 0 entfernt, 0 unverändert, 0 übersprungen");
        QCOMPARE(saetze(db), QStringList{"Anna|16|4|1985|-"});
    }
};

QTEST_GUILESS_MAIN(TestKontakte)
#include "tst_kontakte.moc"

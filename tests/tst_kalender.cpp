// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Publishing to a real CalDAV server, a Radicale of the test's own. What landed is read from the
// server's storage and log, never through the program's client.
#include "datenbank.h"
#include "radicale.h"
#include "werkzeug.h"

#include <libical/ical.h>

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

const QByteArray netrc = QByteArray("machine 127.0.0.1 login anna password ") + Radicale::kennwort;

// The tool with HOME in a folder holding a .netrc of this text and mode.
Lauf kalender(const Testdatenbank& db, const QStringList& argumente, const QByteArray& text = netrc, int rechte = 0600)
{
    QTemporaryDir home;
    schreiben(home.filePath(".netrc"), text);
    QFile::setPermissions(home.filePath(".netrc"),
                          QFile::ReadOwner | QFile::WriteOwner
                              | (rechte & 040 ? QFile::ReadGroup : QFile::Permissions()));
    Lauf lauf = werkzeug(QStringList{"kalender"} + argumente, db.ordner(), {"HOME=" + home.path()});
    lauf.fehler.replace(home.path(), "HOME");
    return lauf;
}

QMap<QString, QByteArray> ablage(const QString& ordner)
{
    QMap<QString, QByteArray> dateien;
    for (const QString& name : QDir(ordner).entryList({"*.ics"}, QDir::Files))
        dateien.insert(name, dateiinhalt(QDir(ordner).filePath(name)));
    return dateien;
}

QString wert(icalcomponent* k, icalproperty_kind art)
{
    icalproperty* p = icalcomponent_get_first_property(k, art);
    return p ? QString::fromUtf8(icalproperty_get_value_as_string(p)) : QString();
}

// An event of another program, put straight into the server's storage.
void fremdAblegen(const QString& datei, const char* uid)
{
    schreiben(datei,
              QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Anderes//DE\r\nBEGIN:VEVENT\r\nUID:") + uid
                  + "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20270501\r\nSUMMARY:Fremd\r\nEND:VEVENT\r\n"
                    "END:VCALENDAR\r\n");
}

// Answers every request with a 308 to the same path on another server.
struct Umleitung : QTcpServer {
    explicit Umleitung(const QUrl& ziel)
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this, ziel] {
            QTcpSocket* s = nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [s, ziel] {
                if (s->canReadLine() && s->isOpen() && !s->property("fertig").isValid()) {
                    s->setProperty("fertig", true);
                    s->write("HTTP/1.1 308 Permanent Redirect\r\nContent-Length: 0\r\nConnection: close\r\nLocation: "
                             + ziel.resolved(QUrl(s->readLine().split(' ').value(1))).toEncoded() + "\r\n\r\n");
                    s->disconnectFromHost();
                }
            });
        });
    }
};

} // namespace

class TestKalender : public QObject {
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

    // The first run makes the calendar and one event per listed entry, from 1970 on, with the
    // export's UID; the second writes nothing.
    void ersterUndZweiterLauf()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Anna Berg", 15, 4, 1985, "Blumen\nKuchen"},
                        {"Schaltkind", 29, 2},
                        {"Unmöglich", 31, 4},
                        {"Neujahr", 1, 1}});
        const QString url = server->adresse("anna/gedenkbuch/").toString();
        QCOMPARE(kalender(db, {url}).ausgabe,
                 "Kalender " + url + " aus " + db.pfad() + ": 3 neu, 0 geändert, 0 entfernt, 0 unverändert.\n");
        const auto dateien = ablage(server->ablage("anna/gedenkbuch"));
        QStringList termine, exportiert;
        for (const QByteArray& inhalt : dateien) {
            icalcomponent* k = icalparser_parse_string(inhalt.constData());
            icalcomponent* t = icalcomponent_get_first_component(k, ICAL_VEVENT_COMPONENT);
            QStringList felder;
            for (const auto art : {ICAL_UID_PROPERTY, ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY, ICAL_RRULE_PROPERTY,
                                   ICAL_SUMMARY_PROPERTY, ICAL_DESCRIPTION_PROPERTY})
                felder << wert(t, art);
            const bool alarm = icalcomponent_get_first_component(t, ICAL_VALARM_COMPONENT);
            termine << felder.join(u'|') + (alarm ? "|Alarm" : "");
            icalcomponent_free(k);
        }
        QCOMPARE(termine,
                 QStringList({"eintrag-1@gedenkbuch|19700415|19700416|FREQ=YEARLY|Anna Berg|Jahr: 1985\\n\\n"
                              "Blumen\\nKuchen",
                              "eintrag-2@gedenkbuch|19720229|19720301|FREQ=YEARLY|Schaltkind|",
                              "eintrag-4@gedenkbuch|19700101|19700102|FREQ=YEARLY|Neujahr|"}));
        const QString ics = werkzeug({"export", "--format", "ics"}, db.ordner()).ausgabe;
        for (auto uid = QRegularExpression("UID:(.*)\r\n").globalMatch(ics); uid.hasNext();)
            exportiert.prepend(uid.next().captured(1));
        QCOMPARE(exportiert, QStringList({"eintrag-1@gedenkbuch", "eintrag-2@gedenkbuch", "eintrag-4@gedenkbuch"}));

        server->anfragen();
        QCOMPARE(kalender(db, {url}).ausgabe,
                 "Kalender " + url + " aus " + db.pfad() + ": 0 neu, 0 geändert, 0 entfernt, 3 unverändert.\n");
        QCOMPARE(server->anfragen(),
                 QStringList({"PROPFIND /anna/gedenkbuch/ Depth 0 207", "REPORT /anna/gedenkbuch/ Depth 1 207"}));
        QCOMPARE(ablage(server->ablage("anna/gedenkbuch")), dateien);
    }

    // A changed, a deleted and a new entry: exactly their resources change. Events the program did
    // not write stay: one with our UID form but no fingerprint, and one where a new entry's event
    // would go (the create meets 412, reads it again, and leaves it).
    void aenderungen()
    {
        Testdatenbank db;
        const auto ids = db.hinzufuegen({{"Anna", 1, 3}, {"Bert", 2, 3}, {"Carla", 3, 3}});
        const QString pfad = "anna/aenderungen/", url = server->adresse(pfad).toString();
        const QString ablageort = server->ablage(pfad);
        QCOMPARE(kalender(db, {url}).status, 0);
        fremdAblegen(ablageort + "fremd.ics", "eintrag-99@gedenkbuch");
        Fremdzugriff(db.pfad()).sql(QString("UPDATE Gedenkbuch SET Bezeichnung = 'Anna Berg' WHERE rowid = %1; "
                                            "DELETE FROM Gedenkbuch WHERE rowid = %2")
                                        .arg(ids[0])
                                        .arg(ids[1]));
        const qint64 neu = db.hinzufuegen({{"Dora", 4, 3}}).constFirst();
        const auto vorher = ablage(ablageort);
        server->anfragen();
        QCOMPARE(kalender(db, {url}).ausgabe,
                 "Kalender " + url + " aus " + db.pfad() + ": 1 neu, 1 geändert, 1 entfernt, 1 unverändert.\n");
        QStringList anfragen = server->anfragen();
        anfragen.sort();
        const QString p = "/" + pfad + "gedenkbuch-eintrag-%1.ics";
        QCOMPARE(anfragen,
                 QStringList({"DELETE " + p.arg(ids[1]) + " 200", "PROPFIND /" + pfad + " Depth 0 207",
                              "PUT " + p.arg(ids[0]) + " 201", "PUT " + p.arg(neu) + " 201",
                              "REPORT /" + pfad + " Depth 1 207"}));
        auto nachher = ablage(ablageort);
        QVERIFY(nachher.take(QString("gedenkbuch-eintrag-%1.ics").arg(ids[0])).contains("SUMMARY:Anna Berg"));
        QVERIFY(nachher.take(QString("gedenkbuch-eintrag-%1.ics").arg(neu)).contains("SUMMARY:Dora"));
        const QString carla = QString("gedenkbuch-eintrag-%1.ics").arg(ids[2]);
        QCOMPARE(nachher, (QMap<QString, QByteArray>{{"fremd.ics", vorher["fremd.ics"]}, {carla, vorher[carla]}}));

        const QString besetzt = QString("gedenkbuch-eintrag-%1.ics").arg(db.hinzufuegen({{"Emil", 5, 3}}).constFirst());
        fremdAblegen(ablageort + besetzt, "urlaub@example.org");
        const QByteArray fremd = dateiinhalt(ablageort + besetzt);
        QCOMPARE(kalender(db, {url}).fehler,
                 "Unter " + url + besetzt
                     + " liegt ein Termin, den nicht Gedenkbuch geschrieben hat; er bleibt "
                       "unberührt.\n");
        QCOMPARE(dateiinhalt(ablageort + besetzt), fremd);
    }

    // The alarm fires at 09:00 local time TAGE days before the day; 0 is the day itself.
    void alarm_data()
    {
        QTest::addColumn<int>("vorlauf");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("am Tag") << 0 << "1970-04-15 09:00";
        QTest::newRow("3 Tage") << 3 << "1970-04-12 09:00";
        QTest::newRow("365 Tage") << 365 << "1969-04-15 09:00";
    }

    void alarm()
    {
        QFETCH(int, vorlauf);
        QFETCH(QString, erwartet);
        Testdatenbank db;
        const qint64 id = db.hinzufuegen({{"Anna Berg", 15, 4, 1985}}).constFirst();
        const QString pfad = QString("anna/alarm-%1/").arg(vorlauf);
        QCOMPARE(kalender(db, {server->adresse(pfad).toString(), "--vorlauf", QString::number(vorlauf)}).status, 0);
        const QByteArray inhalt = dateiinhalt(server->ablage(pfad) + QString("gedenkbuch-eintrag-%1.ics").arg(id));
        icalcomponent* k = icalparser_parse_string(inhalt.constData());
        icalcomponent* t = icalcomponent_get_first_component(k, ICAL_VEVENT_COMPONENT);
        icalcomponent* a = icalcomponent_get_first_component(t, ICAL_VALARM_COMPONENT);
        icaltimetype mitternacht = icalcomponent_get_dtstart(t);
        mitternacht.is_date = 0;
        icalproperty* trigger = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
        const icaltriggertype ausloeser = icalproperty_get_trigger(trigger);
        const icaltimetype z = icaltime_add(mitternacht, ausloeser.duration);
        QCOMPARE(QString::asprintf("%04d-%02d-%02d %02d:%02d", z.year, z.month, z.day, z.hour, z.minute), erwartet);
        QCOMPARE(wert(a, ICAL_ACTION_PROPERTY) + u'|' + wert(a, ICAL_DESCRIPTION_PROPERTY),
                 "DISPLAY|Erinnerung: Anna Berg");
        QVERIFY(!icalcomponent_get_next_component(t, ICAL_VALARM_COMPONENT));
        icalcomponent_free(k);
    }

    // Each failure: its German message, status 1, no request but a PROPFIND with Depth 0, and the
    // password in no output. %1 is the server, %2 the same with https and a self-signed
    // certificate, %3 one that redirects to %1.
    void fehler_data()
    {
        // clang-format off
        QTest::addColumn<QString>("aufruf");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("rechte");
        QTest::addColumn<QString>("meldung");
        const QByteArray falsch("machine 127.0.0.1 login anna password falsch");
        QTest::newRow("falsches Kennwort") << "%1anna/k/" << falsch << 0600
            << "Der Server 127.0.0.1 hat die Anmeldung als „anna“ abgelehnt. Prüfen Sie Name und Kennwort in ~/.netrc.";
        QTest::newRow("offene .netrc") << "%1anna/k/" << netrc << 0640
            << "Die Datei HOME/.netrc dürfen auch andere Benutzer lesen oder ändern (Rechte 640), darum wird sie nicht "
               "verwendet. Abhilfe: chmod 600 HOME/.netrc";
        QTest::newRow("kein Server") << "http://127.0.0.1:1/anna/k/" << netrc << 0600
                                     << "Der Server 127.0.0.1 ist nicht erreichbar (Verbindung abgewiesen).";
        QTest::newRow("kein Kalender") << "%1anna/" << netrc << 0600
                                       << "Unter %1anna/ liegt kein Kalender; dort wird nichts verändert.";
        QTest::newRow("Zertifikat") << "%2anna/k/" << netrc << 0600
            << "Das Zertifikat des Servers 127.0.0.1 wurde nicht anerkannt. Es ist selbst ausgestellt und von keiner "
               "bekannten Stelle beglaubigt; es wurde nichts übertragen.";
        QTest::newRow("Umleitung zu einem anderen Server") << "%3anna/k/" << netrc << 0600
            << "Der Server leitet auf %1anna/k/ um, einen anderen als den der Adresse; dorthin geht das Kennwort aus "
               "~/.netrc nicht.";
        QTest::newRow("beschädigte Datei") << "%1anna/k/" << netrc << 0600
            << "Nicht alle Einträge konnten gelesen werden. Die Datei daten.mdb ist beschädigt.";
        // clang-format on
    }

    void fehler()
    {
        QFETCH(QString, aufruf);
        QFETCH(QByteArray, text);
        QFETCH(int, rechte);
        QFETCH(QString, meldung);
        Testdatenbank db;
        const bool beschaedigt = qstrcmp(QTest::currentDataTag(), "beschädigte Datei") == 0;
        db.fuellen(beschaedigt ? 600 : 1);
        QVERIFY(!beschaedigt || beschaedigen(db.pfad()));
        const auto https = aufruf.contains("%2") ? std::make_unique<Radicale>(Radicale::Art::Https) : nullptr;
        QVERIFY(!https || https->fehler().isEmpty());
        const Umleitung umleitung(server->adresse());
        const QString basis = server->adresse().toString();
        aufruf.replace("%1", basis).replace("%2", https ? https->adresse().toString() : "");
        aufruf.replace("%3", QString("http://127.0.0.1:%1/").arg(umleitung.serverPort()));
        server->anfragen();

        const Lauf lauf = kalender(db, aufruf.split(u' '), text, rechte);
        QCOMPARE(lauf.status, 1);
        QVERIFY2(lauf.fehler.startsWith(meldung.replace("%1", basis).replace("daten.mdb", db.pfad())),
                 qPrintable(lauf.fehler));
        QVERIFY(!(lauf.ausgabe + lauf.fehler).contains(Radicale::kennwort));
        for (const QString& anfrage : server->anfragen())
            QVERIFY2(anfrage.startsWith("PROPFIND") && anfrage.contains(" Depth 0 "), qPrintable(anfrage));
    }
};

QTEST_GUILESS_MAIN(TestKalender)
#include "tst_kalender.moc"

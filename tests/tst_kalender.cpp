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
#include <QTest>

namespace {

const QByteArray netrc = QByteArray("machine 127.0.0.1 login anna password ") + Radicale::kennwort;

// The tool with HOME in a folder holding the .netrc of the server's user, for its owner only.
Lauf kalender(const Testdatenbank& db, const QStringList& argumente)
{
    QTemporaryDir home;
    schreiben(home.filePath(".netrc"), netrc);
    QFile::setPermissions(home.filePath(".netrc"), QFile::ReadOwner | QFile::WriteOwner);
    return werkzeug(QStringList{"kalender"} + argumente, db.ordner(), {"HOME=" + home.path()});
}

QMap<QString, QByteArray> ablage(const QString& ordner)
{
    QMap<QString, QByteArray> dateien;
    for (const QString& name : QDir(ordner).entryList({"*.ics"}, QDir::Files))
        dateien.insert(name, dateiinhalt(QDir(ordner).filePath(name)));
    return dateien;
}

// "1 neu, 0 geändert, 0 entfernt, 3 unverändert" of a run's report.
QString zahlen(const Lauf& lauf)
{
    return lauf.ausgabe.section(u'\n', 0, 0).section(QStringLiteral(": "), -1).chopped(1);
}

QString wert(icalcomponent* k, icalproperty_kind art)
{
    icalproperty* p = icalcomponent_get_first_property(k, art);
    return p ? QString::fromUtf8(icalproperty_get_value_as_string(p)) : QString();
}

// Each stored event's title by its UID, or by its resource name.
QMap<QString, QString> titel(const QMap<QString, QByteArray>& dateien, bool nachUid)
{
    QMap<QString, QString> titel;
    for (auto d = dateien.cbegin(); d != dateien.cend(); ++d) {
        icalcomponent* k = icalparser_parse_string(d.value().constData());
        icalcomponent* t = icalcomponent_get_first_component(k, ICAL_VEVENT_COMPONENT);
        titel.insert(nachUid ? wert(t, ICAL_UID_PROPERTY) : d.key(), wert(t, ICAL_SUMMARY_PROPERTY));
        icalcomponent_free(k);
    }
    return titel;
}

// An event of another program, put straight into the server's storage.
void fremdAblegen(const QString& datei, const char* uid)
{
    schreiben(datei,
              QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Anderes//DE\r\nBEGIN:VEVENT\r\nUID:") + uid
                  + "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20270501\r\nSUMMARY:Fremd\r\nEND:VEVENT\r\n"
                    "END:VCALENDAR\r\n");
}

// Every event of the calendar, read by plain HTTP: "title: RECURRENCE-ID title, …" of its
// occurrences shown otherwise, each of which must keep the alarm.
QStringList ueberschreibungen(Radicale& server, const QString& pfad)
{
    QStringList termine;
    const QString liste = QString::fromUtf8(server.http("PROPFIND", pfad, {}, {}, "1").inhalt);
    for (auto href = QRegularExpression("<[^>]*href>([^<]*\\.ics)</").globalMatch(liste); href.hasNext();) {
        const QByteArray ics = server.http("GET", href.next().captured(1).mid(1)).inhalt;
        icalcomponent* k = icalparser_parse_string(ics.constData());
        QStringList anders;
        QString titel;
        for (icalcomponent* t = icalcomponent_get_first_component(k, ICAL_VEVENT_COMPONENT); t;
             t = icalcomponent_get_next_component(k, ICAL_VEVENT_COMPONENT)) {
            const bool alarm = icalcomponent_get_first_component(t, ICAL_VALARM_COMPONENT);
            if (icalcomponent_get_first_property(t, ICAL_RECURRENCEID_PROPERTY))
                anders << wert(t, ICAL_RECURRENCEID_PROPERTY) + u' ' + wert(t, ICAL_SUMMARY_PROPERTY)
                        + (alarm ? "" : " ohne Alarm");
            else
                titel = wert(t, ICAL_SUMMARY_PROPERTY) + (alarm ? "" : " ohne Alarm");
        }
        icalcomponent_free(k);
        anders.sort();
        termine << (titel + ": " + anders.join(", ")).trimmed();
    }
    termine.sort();
    return termine;
}

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
    // export's UID; the second writes nothing, also with an alarm that the server stores its way.
    void ersterUndZweiterLauf()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Anna Berg", 15, 4, 1985, "Blumen\nKuchen"},
                        {"Schaltkind", 29, 2},
                        {"Unmöglich", 31, 4},
                        {"Neujahr", 1, 1}});
        // "%2A" in the address: a report that replaced placeholders one after the other took it for one.
        const QString url = server->adresse("anna/gedenk%2Abuch/").toString();
        const Lauf erster = kalender(db, {url, "--vorlauf", "3"});
        QVERIFY2(erster.ausgabe.startsWith("Kalender " + url + " aus " + db.pfad() + ": "), qPrintable(erster.ausgabe));
        QCOMPARE(zahlen(erster), "3 neu, 0 geändert, 0 entfernt, 0 unverändert");
        const auto dateien = ablage(server->ablage("anna/gedenk*buch"));
        QStringList termine, uids;
        for (const QByteArray& inhalt : dateien) {
            icalcomponent* k = icalparser_parse_string(inhalt.constData());
            icalcomponent* t = icalcomponent_get_first_component(k, ICAL_VEVENT_COMPONENT);
            QStringList felder;
            for (const auto art : {ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY, ICAL_RRULE_PROPERTY,
                                   ICAL_SUMMARY_PROPERTY, ICAL_DESCRIPTION_PROPERTY})
                felder << wert(t, art);
            termine << felder.join(u'|');
            uids << wert(t, ICAL_UID_PROPERTY);
            QVERIFY(icalcomponent_get_first_component(t, ICAL_VALARM_COMPONENT));
            icalcomponent_free(k);
        }
        termine.sort();
        QCOMPARE(termine,
                 QStringList({"19700101|19700102|FREQ=YEARLY|Neujahr|",
                              "19700415|19700416|FREQ=YEARLY|Anna Berg|Jahr: 1985\\n\\nBlumen\\nKuchen",
                              "19720229|19720301|FREQ=YEARLY|Schaltkind|"}));
        const QString ics = werkzeug({"export", "--format", "ics"}, db.ordner()).ausgabe;
        QStringList exportiert;
        for (auto uid = QRegularExpression("UID:(.*)\r\n").globalMatch(ics); uid.hasNext();)
            exportiert << uid.next().captured(1);
        uids.sort();
        exportiert.sort();
        QCOMPARE(exportiert, uids);

        server->anfragen();
        QCOMPARE(zahlen(kalender(db, {url, "--vorlauf", "3"})), "0 neu, 0 geändert, 0 entfernt, 3 unverändert");
        QCOMPARE(server->anfragen(),
                 QStringList({"PROPFIND /anna/gedenk*buch/ Depth 0 207", "REPORT /anna/gedenk*buch/ Depth 1 207"}));
        QCOMPARE(ablage(server->ablage("anna/gedenk*buch")), dateien);
    }

    // A renamed, a deleted, a changed and a new entry: exactly their resources change. Another
    // program's events stay, also one under the name a new entry's event would take: that entry
    // goes under another name, and the report says so.
    void aenderungen()
    {
        Testdatenbank db;
        const auto ids = db.hinzufuegen({{"Anna", 1, 3}, {"Bert", 2, 3}, {"Carla", 3, 3}, {"Dora", 5, 3}});
        const QString pfad = "anna/aenderungen/", url = server->adresse(pfad).toString();
        const QString ablageort = server->ablage(pfad);
        QCOMPARE(kalender(db, {url}).status, 0);
        // Dora's resource name, as the program chose it, is taken by another program's event.
        const QString besetzt = titel(ablage(ablageort), false).key("Dora");
        Fremdzugriff(db.pfad()).sql(QString("UPDATE Gedenkbuch SET Bezeichnung = 'Anna Berg' WHERE rowid = %1; "
                                            "DELETE FROM Gedenkbuch WHERE rowid = %2; "
                                            "UPDATE Gedenkbuch SET tag = 4 WHERE rowid = %3")
                                        .arg(ids[0])
                                        .arg(ids[1])
                                        .arg(ids[2]));
        Fremdzugriff(db.pfad()).sql(QString("DELETE FROM Gedenkbuch WHERE rowid = %1").arg(ids[3]));
        QCOMPARE(zahlen(kalender(db, {url})), "1 neu, 1 geändert, 3 entfernt, 0 unverändert");
        fremdAblegen(ablageort + "fremd.ics", "urlaub@example.org");
        fremdAblegen(ablageort + besetzt, "feier@example.org");
        const QByteArray fremd = dateiinhalt(ablageort + "fremd.ics"), feier = dateiinhalt(ablageort + besetzt);
        db.hinzufuegen({{"Dora", 5, 3}});

        server->anfragen();
        const Lauf lauf = kalender(db, {url});
        QCOMPARE(lauf.status, 0);
        QCOMPARE(zahlen(lauf), "1 neu, 0 geändert, 0 entfernt, 2 unverändert");
        QVERIFY2(lauf.ausgabe.contains("von „Dora“ liegt ein Termin eines anderen Programms"),
                 qPrintable(lauf.ausgabe));
        QCOMPARE(server->anfragen().filter(QRegularExpression("^(PUT|DELETE) ")).size(), 1);
        auto nachher = ablage(ablageort);
        QCOMPARE(nachher.take("fremd.ics"), fremd);
        QCOMPARE(nachher.take(besetzt), feier);
        QStringList titelNachher = titel(nachher, false).values();
        titelNachher.sort();
        QCOMPARE(titelNachher, QStringList({"Anna Berg", "Carla", "Dora"}));
    }

    // An event changed elsewhere never stops a run: one with an occurrence changed on a phone and
    // one a program wrote again without our fingerprint are both written back as the book has
    // them, named in the report, and a new entry is published all the same.
    void anderswoGeaendert()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Anna", 1, 3}, {"Bert", 2, 3}, {"Carla", 3, 3}});
        const QString pfad = "anna/telefon/", url = server->adresse(pfad).toString();
        QCOMPARE(kalender(db, {url, "--vorlauf", "1"}).status, 0);
        const auto vorher = ablage(server->ablage(pfad));
        const QMap<QString, QString> namen = titel(vorher, false);
        QByteArray anna = vorher[namen.key("Anna")], bert = vorher[namen.key("Bert")];
        const QByteArray uid = QRegularExpression("UID:(.*)\r\n").match(QString::fromUtf8(anna)).captured(1).toUtf8();
        anna.replace("END:VCALENDAR",
                     "BEGIN:VEVENT\r\nUID:" + uid
                         + "\r\nRECURRENCE-ID;VALUE=DATE:20270301\r\n"
                           "DTSTART;VALUE=DATE:20270302\r\nDTSTAMP:20260101T000000Z\r\nSUMMARY:Feier\r\n"
                           "END:VEVENT\r\nEND:VCALENDAR");
        bert.replace("X-GEDENKBUCH-INHALT", "X-ANDERES");
        schreiben(server->ablage(pfad) + namen.key("Anna"), anna);
        schreiben(server->ablage(pfad) + namen.key("Bert"), bert);
        db.hinzufuegen({{"Dora", 4, 3}});

        const Lauf lauf = kalender(db, {url, "--vorlauf", "1"});
        QCOMPARE(lauf.status, 0);
        QCOMPARE(zahlen(lauf), "1 neu, 2 geändert, 0 entfernt, 1 unverändert");
        QVERIFY2(lauf.ausgabe.contains("„Anna“ war anderswo geändert") && lauf.ausgabe.contains("„Bert“ war anderswo"),
                 qPrintable(lauf.ausgabe));
        auto nachher = ablage(server->ablage(pfad));
        QCOMPARE(nachher[namen.key("Anna")].count("BEGIN:VEVENT"), 1);
        QVERIFY(nachher[namen.key("Bert")].contains("X-GEDENKBUCH-INHALT"));
        QCOMPARE(zahlen(kalender(db, {url, "--vorlauf", "1"})), "0 neu, 0 geändert, 0 entfernt, 4 unverändert");
    }

    // The engine hands a deleted record's number to the next new one, and a restore from a CSV
    // export numbers every entry anew: no UID ever passes to another name.
    void keineUidWandert()
    {
        Testdatenbank db;
        const auto ids = db.hinzufuegen({{"Anna", 1, 3}, {"Bert", 2, 3}});
        const QString pfad = "anna/nummern/", url = server->adresse(pfad).toString();
        QCOMPARE(kalender(db, {url}).status, 0);
        const QMap<QString, QString> vorher = titel(ablage(server->ablage(pfad)), true);
        Fremdzugriff(db.pfad()).sql(QString("DELETE FROM Gedenkbuch WHERE rowid = %1").arg(ids[1]));
        QCOMPARE(db.hinzufuegen({{"Carla", 3, 3}}).constFirst(), ids[1]);
        QCOMPARE(zahlen(kalender(db, {url})), "1 neu, 0 geändert, 1 entfernt, 1 unverändert");
        const QMap<QString, QString> nachher = titel(ablage(server->ablage(pfad)), true);
        for (auto i = nachher.cbegin(); i != nachher.cend(); ++i)
            QCOMPARE(vorher.value(i.key(), i.value()), i.value());

        // Restored from its CSV export into a new book, where another entry came first.
        QTemporaryDir neu;
        QCOMPARE(werkzeug({"export", "--format", "csv", "--datei", neu.filePath("b.csv")}, db.ordner()).status, 0);
        QCOMPARE(werkzeug({"neu"}, neu.path()).status, 0);
        Fremdzugriff(neu.filePath("daten.mdb"))
            .sql("INSERT INTO Gedenkbuch (Bezeichnung, tag, monat) VALUES ('Zoe', 9, 9)");
        QCOMPARE(werkzeug({"import", "b.csv"}, neu.path()).status, 0);
        QTemporaryDir home;
        schreiben(home.filePath(".netrc"), netrc);
        QFile::setPermissions(home.filePath(".netrc"), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(zahlen(werkzeug({"kalender", url}, neu.path(), {"HOME=" + home.path()})),
                 "1 neu, 0 geändert, 0 entfernt, 2 unverändert");
    }

    // A calendar published with the earlier UIDs made from record numbers is taken over: those
    // events are replaced, and another program's event stays.
    void fruehereFormUebernommen()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Anna", 1, 3}});
        const QString pfad = "anna/frueher/", url = server->adresse(pfad).toString(), ort = server->ablage(pfad);
        QCOMPARE(kalender(db, {url}).status, 0);
        QVERIFY(QFile::remove(ort + ablage(ort).firstKey()));
        schreiben(ort + "gedenkbuch-eintrag-1.ics",
                  "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//KOBALT-Merkwerk!//gedenkbuch-daten 3.1//DE\r\n"
                  "BEGIN:VEVENT\r\nUID:eintrag-1@gedenkbuch\r\nDTSTART;VALUE=DATE:19700301\r\nDTEND;VALUE=DATE:"
                  "19700302\r\nDTSTAMP:20261207T132623Z\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Anna\r\nTRANSP:TRANSPARENT\r\n"
                  "X-GEDENKBUCH-INHALT:f27b4dbfee279818139d5601c30d14db\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        fremdAblegen(ort + "fremd.ics", "urlaub@example.org");
        const QByteArray fremd = dateiinhalt(ort + "fremd.ics");
        QCOMPARE(zahlen(kalender(db, {url})), "1 neu, 0 geändert, 1 entfernt, 0 unverändert");
        auto nachher = ablage(ort);
        QCOMPARE(nachher.take("fremd.ics"), fremd);
        QVERIFY(!nachher.contains("gedenkbuch-eintrag-1.ics"));
        QCOMPARE(titel(nachher, true).size(), 1);
    }

    // With --alter the occurrences of this year and the next show the age reached, read back by
    // plain HTTP as any calendar program reads them; every run moves them on, and each keeps its
    // alarm.
    void alter()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Anna", 15, 4, 1985}, {"Ohne Jahr", 1, 5}, {"Schaltkind %1", 29, 2, 2000}});
        const QString url = server->adresse("anna/alter/").toString();
        QCOMPARE(kalender(db, {url, "--alter", "--vorlauf", "1", "--datum", "2027-06-01"}).status, 0);
        QCOMPARE(ueberschreibungen(*server, "anna/alter/"),
                 QStringList({"Anna: 20270415 Anna (42), 20280415 Anna (43)",
                              "Ohne Jahr:", "Schaltkind %1: 20280229 Schaltkind %1 (28)"}));
        QCOMPARE(zahlen(kalender(db, {url, "--alter", "--vorlauf", "1", "--datum", "2027-12-31"})),
                 "0 neu, 0 geändert, 0 entfernt, 3 unverändert");
        QCOMPARE(zahlen(kalender(db, {url, "--alter", "--vorlauf", "1", "--datum", "2028-01-01"})),
                 "0 neu, 1 geändert, 0 entfernt, 2 unverändert");
        QCOMPARE(ueberschreibungen(*server, "anna/alter/").constFirst(),
                 "Anna: 20280415 Anna (43), 20290415 Anna (44)");
        QCOMPARE(zahlen(kalender(db, {url, "--vorlauf", "1"})), "0 neu, 2 geändert, 0 entfernt, 1 unverändert");
        QCOMPARE(ueberschreibungen(*server, "anna/alter/").constFirst(), "Anna:");
    }

    // Each failure on the network: its German message, status 1, no request but a PROPFIND with
    // Depth 0, and the password in no output. %1 is the server, %2 the same with https and a
    // self-signed certificate. The failures that a recorded server shows as well: tst_kalenderteile.
    void fehler_data()
    {
        QTest::addColumn<QString>("aufruf");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("kein Server") << "http://127.0.0.1:1/anna/k/"
                                     << "Der Server 127.0.0.1 ist nicht erreichbar (Verbindung abgewiesen).";
        QTest::newRow("kein Kalender") << "%1anna/"
                                       << "Unter %1anna/ liegt kein Kalender; dort wird nichts verändert.";
        QTest::newRow("Zertifikat") << "%2anna/k/"
                                    << "Das Zertifikat des Servers 127.0.0.1 wurde nicht anerkannt. Es ist selbst "
                                       "ausgestellt und von keiner bekannten Stelle beglaubigt; es wurde nichts "
                                       "übertragen.";
    }

    void fehler()
    {
        QFETCH(QString, aufruf);
        QFETCH(QString, meldung);
        Testdatenbank db;
        db.fuellen(1);
        const auto https = aufruf.contains("%2") ? std::make_unique<Radicale>(Radicale::Art::Https) : nullptr;
        QVERIFY(!https || https->fehler().isEmpty());
        const QString basis = server->adresse().toString();
        aufruf.replace("%1", basis).replace("%2", https ? https->adresse().toString() : "");
        server->anfragen();

        const Lauf lauf = kalender(db, {aufruf});
        QCOMPARE(lauf.status, 1);
        QVERIFY2(lauf.fehler.startsWith(meldung.replace("%1", basis)), qPrintable(lauf.fehler));
        QVERIFY(!(lauf.ausgabe + lauf.fehler).contains(Radicale::kennwort));
        for (const QString& anfrage : server->anfragen())
            QVERIFY2(anfrage.startsWith("PROPFIND") && anfrage.contains(" Depth 0 "), qPrintable(anfrage));
    }
};

QTEST_GUILESS_MAIN(TestKalender)
#include "tst_kalender.moc"

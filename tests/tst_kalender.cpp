// Publishing to a real CalDAV server: a Radicale of the test's own on 127.0.0.1. What landed is
// read from the server's storage and log, not through the program's client.
#include "datenbank.h"
#include "radicale.h"
#include "werkzeug.h"

#include <libical/ical.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

namespace {

const char* const sammlung = "anna/gedenkbuch/";

// A home folder with a .netrc of the given text and mode, as the tool's HOME.
struct Zuhause {
    QTemporaryDir ordner;
    Zuhause(const QByteArray& netrc, QFile::Permissions rechte = QFile::ReadOwner | QFile::WriteOwner)
    {
        QFile datei(ordner.filePath(".netrc"));
        datei.open(QIODevice::WriteOnly);
        datei.write(netrc);
        datei.setPermissions(rechte);
    }
};

QByteArray richtigeNetrc()
{
    return QByteArray("machine 127.0.0.1 login ") + Radicale::benutzer + " password " + Radicale::kennwort + '\n';
}

Lauf kalender(const Testdatenbank& db, const QString& url, const QStringList& mehr = {}, const Zuhause& home = Zuhause(richtigeNetrc()))
{
    return werkzeug(QStringList{"kalender", url} + mehr, db.ordner(), {"HOME=" + home.ordner.path()});
}

// The resources of a collection as they lie in the server's storage.
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

// An event another program put into the calendar, straight into the server's storage.
void fremdAblegen(const QString& datei, const char* uid)
{
    QFile f(datei);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Anderes//DE\r\nBEGIN:VEVENT\r\nUID:") + uid
            + "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20270501\r\nSUMMARY:Fremd\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
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
    // export's UID; the second finds nothing to do and writes nothing.
    void ersterUndZweiterLauf()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Anna Berg", 15, 4, 1985, "Blumen\nKuchen"}, {"Schaltkind", 29, 2}, {"Unmöglich", 31, 4}, {"Neujahr", 1, 1}});
        const QString url = server->adresse(sammlung).toString();
        const Lauf erster = kalender(db, url);
        QCOMPARE(erster.fehler, QString());
        QCOMPARE(erster.ausgabe, "Kalender " + url + ": 3 neu, 0 geändert, 0 entfernt, 0 unverändert.\n");
        const auto dateien = ablage(server->ablage(sammlung));

        QStringList termine, exportiert, schalttage;
        for (const QByteArray& inhalt : dateien) {
            icalcomponent* k = icalparser_parse_string(inhalt.constData());
            icalcomponent* t = icalcomponent_get_first_component(k, ICAL_VEVENT_COMPONENT);
            termine << QStringList{wert(t, ICAL_UID_PROPERTY), wert(t, ICAL_DTSTART_PROPERTY), wert(t, ICAL_DTEND_PROPERTY),
                                   wert(t, ICAL_RRULE_PROPERTY), wert(t, ICAL_SUMMARY_PROPERTY), wert(t, ICAL_DESCRIPTION_PROPERTY)}
                           .join(u'|');
            icalrecur_iterator* folge = icalrecur_iterator_new(icalproperty_get_rrule(icalcomponent_get_first_property(t, ICAL_RRULE_PROPERTY)),
                                                               icalcomponent_get_dtstart(t));
            for (icaltimetype d = icalrecur_iterator_next(folge); d.year <= 2032; d = icalrecur_iterator_next(folge)) {
                if (d.year >= 2027 && d.month == 2)
                    schalttage << QDate(d.year, d.month, d.day).toString(Qt::ISODate);
            }
            icalrecur_iterator_free(folge);
            QVERIFY(!icalcomponent_get_first_component(t, ICAL_VALARM_COMPONENT));
            icalcomponent_free(k);
        }
        QCOMPARE(dateien.keys(), QStringList({"gedenkbuch-eintrag-1.ics", "gedenkbuch-eintrag-2.ics", "gedenkbuch-eintrag-4.ics"}));
        QCOMPARE(termine, QStringList({"eintrag-1@gedenkbuch|19700415|19700416|FREQ=YEARLY|Anna Berg|Jahr: 1985\\n\\nBlumen\\nKuchen",
                                       "eintrag-2@gedenkbuch|19720229|19720301|FREQ=YEARLY|Schaltkind|",
                                       "eintrag-4@gedenkbuch|19700101|19700102|FREQ=YEARLY|Neujahr|"}));
        QCOMPARE(schalttage, QStringList({"2028-02-29", "2032-02-29"}));
        const QString ics = werkzeug({"export", "--format", "ics"}, db.ordner()).ausgabe;
        for (auto uid = QRegularExpression("UID:(.*)\r\n").globalMatch(ics); uid.hasNext();)
            exportiert << uid.next().captured(1);
        QCOMPARE(exportiert, QStringList({"eintrag-4@gedenkbuch", "eintrag-2@gedenkbuch", "eintrag-1@gedenkbuch"}));

        server->anfragen();
        const Lauf zweiter = kalender(db, url);
        QCOMPARE(zweiter.ausgabe, "Kalender " + url + ": 0 neu, 0 geändert, 0 entfernt, 3 unverändert.\n");
        QCOMPARE(server->anfragen(), QStringList({"PROPFIND /anna/gedenkbuch/ 207", "REPORT /anna/gedenkbuch/ 207"}));
        QCOMPARE(ablage(server->ablage(sammlung)), dateien);
    }

    // A changed, a deleted and a new entry: exactly their resources change. Events the program did
    // not write stay untouched: one with our UID form but without our fingerprint, and one lying
    // where a new entry's event would go (the create is refused with 412, read again, and left).
    void aenderungen()
    {
        Testdatenbank db;
        const auto ids = db.hinzufuegen({{"Anna", 1, 3}, {"Bert", 2, 3}, {"Carla", 3, 3}});
        const QString pfad = "anna/aenderungen/", url = server->adresse(pfad).toString();
        QCOMPARE(kalender(db, url).status, 0);
        fremdAblegen(server->ablage(pfad) + "fremd.ics", "eintrag-99@gedenkbuch");
        Fremdzugriff(db.pfad()).sql(QStringLiteral("UPDATE Gedenkbuch SET Bezeichnung = 'Anna Berg' WHERE rowid = %1; "
                                                   "DELETE FROM Gedenkbuch WHERE rowid = %2").arg(ids[0]).arg(ids[1]));
        const qint64 neu = db.hinzufuegen({{"Dora", 4, 3}}).constFirst();
        const auto vorher = ablage(server->ablage(pfad));
        server->anfragen();

        const Lauf lauf = kalender(db, url);
        QCOMPARE(lauf.ausgabe, "Kalender " + url + ": 1 neu, 1 geändert, 1 entfernt, 1 unverändert.\n");
        QStringList anfragen = server->anfragen();
        anfragen.sort();
        const QString p = "/" + pfad + "gedenkbuch-eintrag-";
        QCOMPARE(anfragen, QStringList({QString("DELETE %1%2.ics 200").arg(p).arg(ids[1]), "PROPFIND /" + pfad + " 207",
                                        QString("PUT %1%2.ics 201").arg(p).arg(ids[0]), QString("PUT %1%2.ics 201").arg(p).arg(neu),
                                        "REPORT /" + pfad + " 207"}));
        auto nachher = ablage(server->ablage(pfad));
        QVERIFY(nachher.take(QString("gedenkbuch-eintrag-%1.ics").arg(ids[0])).contains("SUMMARY:Anna Berg"));
        QVERIFY(nachher.take(QString("gedenkbuch-eintrag-%1.ics").arg(neu)).contains("SUMMARY:Dora"));
        QCOMPARE(nachher.keys(), QStringList({"fremd.ics", QString("gedenkbuch-eintrag-%1.ics").arg(ids[2])}));
        QCOMPARE(nachher.values(), QList({vorher["fremd.ics"], vorher[nachher.lastKey()]}));

        const QString besetzt = QString("gedenkbuch-eintrag-%1.ics").arg(db.hinzufuegen({{"Emil", 5, 3}}).constFirst());
        fremdAblegen(server->ablage(pfad) + besetzt, "urlaub@example.org");
        const QByteArray fremd = dateiinhalt(server->ablage(pfad) + besetzt);
        const Lauf abgewiesen = kalender(db, url);
        QCOMPARE(abgewiesen.status, 1);
        QCOMPARE(abgewiesen.fehler, "Unter " + url + besetzt + " liegt ein Termin, den nicht Gedenkbuch geschrieben hat; er bleibt "
                                    "unberührt.\n");
        QCOMPARE(dateiinhalt(server->ablage(pfad) + besetzt), fremd);
        QCOMPARE(dateiinhalt(server->ablage(pfad) + "fremd.ics"), vorher["fremd.ics"]);
    }

    // The alarm fires at 09:00 local time TAGE days before the day, with 0 on the day itself.
    void alarm_data()
    {
        QTest::addColumn<int>("vorlauf");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("am Tag") << 0 << "1970-04-15 09:00";
        QTest::newRow("1 Tag") << 1 << "1970-04-14 09:00";
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
        QCOMPARE(kalender(db, server->adresse(pfad).toString(), {"--vorlauf", QString::number(vorlauf)}).status, 0);
        const QByteArray inhalt = dateiinhalt(server->ablage(pfad) + QString("gedenkbuch-eintrag-%1.ics").arg(id));
        icalcomponent* k = icalparser_parse_string(inhalt.constData());
        icalcomponent* t = icalcomponent_get_first_component(k, ICAL_VEVENT_COMPONENT);
        icalcomponent* a = icalcomponent_get_first_component(t, ICAL_VALARM_COMPONENT);
        QVERIFY(a && !icalcomponent_get_next_component(t, ICAL_VALARM_COMPONENT));
        icaltimetype beginn = icalcomponent_get_dtstart(t);
        QVERIFY(beginn.is_date);
        beginn.is_date = 0; // local midnight
        const icaltriggertype ausloeser = icalproperty_get_trigger(icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY));
        const icaltimetype zeit = icaltime_add(beginn, ausloeser.duration);
        QCOMPARE(QString::asprintf("%04d-%02d-%02d %02d:%02d", zeit.year, zeit.month, zeit.day, zeit.hour, zeit.minute), erwartet);
        QCOMPARE(wert(a, ICAL_ACTION_PROPERTY) + u'|' + wert(a, ICAL_DESCRIPTION_PROPERTY), "DISPLAY|Erinnerung: Anna Berg");
        icalcomponent_free(k);
    }

    // Each failure: a German message, status 1 (2 for a wrong call), nothing written, and the
    // password in no output. %1 is the server's address, %2 the same server with https and a
    // self-signed certificate; HOME stands for the tool's home folder.
    void fehler_data()
    {
        QTest::addColumn<QString>("aufruf");
        QTest::addColumn<QByteArray>("netrc");
        QTest::addColumn<int>("rechte");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        const QByteArray richtig = richtigeNetrc();
        QTest::newRow("falsches Kennwort") << "%1anna/k/" << QByteArray("machine 127.0.0.1 login anna password falsch") << 0600 << 1
            << "Der Server 127.0.0.1 hat die Anmeldung als „anna“ abgelehnt. Prüfen Sie Name und Kennwort in ~/.netrc.";
        QTest::newRow("kein Zugang") << "%1anna/k/" << QByteArray("machine 127.0.0.2 login anna password geheim-7") << 0600 << 1
            << "Der Server 127.0.0.1 verlangt eine Anmeldung, doch ~/.netrc nennt keinen Zugang dafür (machine 127.0.0.1 login "
               "NAME password KENNWORT).";
        QTest::newRow("offene .netrc") << "%1anna/k/" << richtig << 0640 << 1
            << "Die Datei HOME/.netrc dürfen auch andere Benutzer lesen oder ändern (Rechte 640), darum wird sie nicht "
               "verwendet. Abhilfe: chmod 600 HOME/.netrc";
        QTest::newRow("kein Server") << "http://127.0.0.1:1/anna/k/" << richtig << 0600 << 1
                                     << "Der Server 127.0.0.1 ist nicht erreichbar (Verbindung abgewiesen).";
        QTest::newRow("kein Kalender") << "%1anna/" << richtig << 0600 << 1 << "Unter %1anna/ liegt kein Kalender; dort wird nichts verändert.";
        QTest::newRow("verboten") << "%1bert/k/" << richtig << 0600 << 1 << "Der Server 127.0.0.1 verweigert den Zugriff auf %1bert/k/.";
        QTest::newRow("Zertifikat") << "%2anna/k/" << richtig << 0600 << 1
            << "Das Zertifikat des Servers 127.0.0.1 wurde nicht anerkannt. Es ist selbst ausgestellt und von keiner bekannten "
               "Stelle beglaubigt; es wurde nichts übertragen.";
        QTest::newRow("beschädigte Datei") << "%1anna/k/" << richtig << 0600 << 1
            << "Nicht alle Einträge konnten gelesen werden. Die Datei daten.mdb ist beschädigt.";
        QTest::newRow("Vorlauf") << "%1anna/k/ --vorlauf 366" << richtig << 0600 << 2
                                 << "Der Vorlauf ist eine Zahl von Tagen von 0 bis 365.";
    }

    void fehler()
    {
        QFETCH(QString, aufruf);
        QFETCH(QByteArray, netrc);
        QFETCH(int, rechte);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        Testdatenbank db;
        const bool beschaedigt = qstrcmp(QTest::currentDataTag(), "beschädigte Datei") == 0;
        db.fuellen(beschaedigt ? 600 : 1);
        QVERIFY(!beschaedigt || beschaedigen(db.pfad()));
        std::unique_ptr<Radicale> https;
        if (aufruf.contains("%2")) {
            https = std::make_unique<Radicale>(Radicale::Art::Https);
            QVERIFY2(https->fehler().isEmpty(), qPrintable(https->fehler()));
            aufruf.replace("%2", https->adresse({}).toString());
        }
        aufruf.replace("%1", server->adresse({}).toString());
        meldung.replace("%1", server->adresse({}).toString());
        const Zuhause home(netrc, QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner)
                                      | (rechte & 040 ? QFile::ReadGroup : QFile::Permissions()));
        meldung.replace("HOME", home.ordner.path());
        server->anfragen();

        const QStringList teile = aufruf.split(u' ');
        const Lauf lauf = kalender(db, teile[0], teile.mid(1), home);
        QCOMPARE(lauf.status, status);
        QVERIFY2(lauf.fehler.startsWith(meldung), qPrintable(lauf.fehler));
        QVERIFY(!(lauf.ausgabe + lauf.fehler).contains(Radicale::kennwort));
        for (const QString& anfrage : server->anfragen())
            QVERIFY2(anfrage.startsWith("PROPFIND"), qPrintable(anfrage));
    }
};

QTEST_GUILESS_MAIN(TestKalender)
#include "tst_kalender.moc"

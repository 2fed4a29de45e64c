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
};

QTEST_GUILESS_MAIN(TestKalender)
#include "tst_kalender.moc"

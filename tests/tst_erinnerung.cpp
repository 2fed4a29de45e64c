// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datenbank.h"
#include "werkzeug.h"

#include <QDBusConnection>
#include <QDir>
#include <QLocalServer>
#include <QProcess>
#include <QTest>

namespace {

// A notification service that notes what it was asked to show.
class Benachrichtigungen : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public slots:
    QStringList GetCapabilities() { return {QStringLiteral("body"), QStringLiteral("body-markup")}; }
    uint Notify(const QString& programm, uint, const QString& symbol, const QString& titel, const QString& text,
                const QStringList& aktionen, const QVariantMap&, int)
    {
        gezeigt << QStringList{programm, symbol, titel, text, aktionen.join(u',')}.join(u'|');
        return 1;
    }

public:
    QStringList gezeigt;
};

const Eintraege bestand = {{"Silvester", 31, 12, 2000}, {"Tom & Jerry", 1, 1, 2000}, {"Heute", 30, 12},
                           {"Schalttag", 29, 2, 2000},  {"Null", 10, 6, 0},          {"Dieses", 10, 6, 2026},
                           {"Später", 10, 6, 2030},     {"Ein Jahr", 10, 6, 2025},   {"Einunddreißigster", 31, 4}};

} // namespace

class TestErinnerung : public QObject {
    Q_OBJECT
private slots:
    void heute_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("ausgabe");
        const auto fall = [](const char* name, const QStringList& tage, const char* datum, const QString& ausgabe) {
            QTest::newRow(name) << QStringList{"heute"} + tage + QStringList{"--datum", datum} << ausgabe;
        };
        fall(
            "drei Tage über Neujahr", {}, "2026-12-30",
            "Heute: Mittwoch, 30.12.2026\n  Heute\n  Ohne Jahr\n\nMorgen: Donnerstag, 31.12.2026\n  Silvester (26.)\n\n"
            "Übermorgen: Freitag, 01.01.2027\n  Tom & Jerry (27.)\n");
        fall("nur heute, im Schaltjahr", {"0"}, "29.02.2028", "Heute: Dienstag, 29.02.2028\n  Schalttag (28.)\n");
        fall("365 Tage, ein Tag zweimal", {"365"}, "2026-06-10",
             "Heute: Mittwoch, 10.06.2026\n  Null\n  Dieses\n  Später\n  Ein Jahr (1.)\n\n"
             "Mittwoch, 30.12.2026\n  Heute\n  Ohne Jahr\n\nDonnerstag, 31.12.2026\n  Silvester (26.)\n\n"
             "Freitag, 01.01.2027\n  Tom & Jerry (27.)\n\n" // neither 29 February nor 31 April in 2027
             "Donnerstag, 10.06.2027\n  Null\n  Dieses (1.)\n  Später\n  Ein Jahr (2.)\n");
    }

    // The blocks of the days with entries, in order, with the age in each day's year; a record
    // without a name is left out and hides nothing.
    void heute()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, ausgabe);
        Testdatenbank db;
        db.hinzufuegen(bestand);
        Fremdzugriff(db.pfad()).sql(QStringLiteral(
            "INSERT INTO Gedenkbuch VALUES (NULL, 30, 12, 2000, NULL), ('Ohne Jahr', 30, 12, NULL, NULL)"));
        const Lauf lauf = werkzeug(argumente, db.ordner());
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.ausgabe, ausgabe);
    }

    // One notification on a private session bus, its title naming the first day, one block for each
    // further day, markup escaped; none for empty days. Without the service, without a bus or with one
    // that never answers: status 1 and a clear message, never a hang (-1).
    void erinnern()
    {
        QProcess daemon;
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QVERIFY(daemon.waitForReadyRead(10000));
        const QString adresse = QString::fromUtf8(daemon.readLine()).trimmed();
        QDBusConnection bus = QDBusConnection::connectToBus(adresse, QStringLiteral("testbus"));
        Benachrichtigungen dienst;
        QVERIFY(bus.registerObject("/org/freedesktop/Notifications", &dienst, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        Testdatenbank db;
        db.hinzufuegen(bestand);
        // Another program's record: a NUL and an escape sequence in the name hide nothing behind them.
        QCOMPARE(Fremdzugriff(db.pfad()).sql(
                     "INSERT INTO Gedenkbuch VALUES ('Ab' || char(0) || char(27) || '[31mCd', 31, 12, NULL, NULL)"),
                 QString());
        const QStringList aufBus = {QStringLiteral("DBUS_SESSION_BUS_ADDRESS=") + adresse};

        // On 1 June there is nothing to show.
        for (const QStringList& tage :
             QList<QStringList>{{"2026-12-31"}, {"2026-06-01"}, {"2026-12-29", "--tage", "3"}})
            QCOMPARE(werkzeug(QStringList{"erinnern", "--datum"} + tage, db.ordner(), aufBus).status, 0);
        QCOMPARE(dienst.gezeigt,
                 QStringList({"KOBALT-Merkwerk!|gedenkbuch|Heute: Donnerstag, 31.12.2026|Silvester (26.)\nAb[31mCd\n\n"
                              "Morgen: Freitag, 01.01.2027\nTom &amp; Jerry (27.)|",
                              "KOBALT-Merkwerk!|gedenkbuch|Morgen: Mittwoch, 30.12.2026|Heute\n\n"
                              "Übermorgen: Donnerstag, 31.12.2026\nSilvester (26.)\nAb[31mCd\n\n"
                              "Freitag, 01.01.2027\nTom &amp; Jerry (27.)|"}));

        bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        QLocalServer still; // accepts the connection and never says a word
        QVERIFY(still.listen(QDir(db.ordner()).filePath(QStringLiteral("bus"))));
        QStringList gemeldet;
        for (const QString& ohne : QStringList{adresse, "unix:path=/nirgends", "unix:path=" + still.fullServerName()}) {
            const Lauf l
                = werkzeug({"erinnern", "--datum", "2026-12-31"}, db.ordner(), {"DBUS_SESSION_BUS_ADDRESS=" + ohne});
            gemeldet << QString::number(l.status) + u' ' + l.fehler;
        }
        daemon.kill();
        daemon.waitForFinished();
        const QString nicht = QStringLiteral("; die Erinnerung kann nicht gezeigt werden.\n");
        QCOMPARE(gemeldet,
                 QStringList({"1 Auf dem Sitzungsbus antwortet kein Benachrichtigungsdienst "
                              "(org.freedesktop.Notifications)"
                                  + nicht,
                              "1 Es besteht keine Verbindung zum Sitzungsbus (DBUS_SESSION_BUS_ADDRESS)" + nicht,
                              "1 Der Sitzungsbus antwortet nicht" + nicht}));
    }

    // The autostart entry for each choice, with the per-user data folder quoted in its Exec line or
    // the folder of --ordner, the lead time, and the program in TryExec; switching replaces it, "aus"
    // removes it, and no other file is touched. A symlink at the entry's place gives way to a file of
    // its own; the file it pointed at stays as it was.
    void anmeldung()
    {
        QTemporaryDir heim;
        const QStringList umgebung
            = {"XDG_CONFIG_HOME=" + heim.filePath("konfig"), "XDG_DATA_HOME=" + heim.filePath("mit Leer$zeichen")};
        const QString eintrag = heim.filePath(QStringLiteral("konfig/autostart/gedenkbuch.desktop"));
        QFile ziel(heim.filePath(QStringLiteral("konfig/ziel")));
        QVERIFY(QDir().mkpath(QFileInfo(eintrag).path()) && ziel.open(QIODevice::WriteOnly));
        QVERIFY(ziel.write("fremd") == 5 && ziel.flush() && ziel.link(eintrag));
        QStringList gelesen;
        QString aus; // of the second "aus", with nothing left to switch off
        // --ordner before the subcommand is the tool's own option, which "fenster" and "aus" take too.
        const QList<QStringList> aufrufe = {{"anmeldung", "erinnern"},
                                            {"anmeldung", "erinnern", "--tage", "3", "--ordner", "."},
                                            {"--ordner", ".", "anmeldung", "fenster"},
                                            {"anmeldung", "aus"},
                                            {"--ordner", ".", "anmeldung", "aus"}};
        for (const QStringList& aufruf : aufrufe) {
            const Lauf lauf = werkzeug(aufruf, heim.path(), umgebung);
            const QString inhalt = QString::fromUtf8(dateiinhalt(eintrag));
            gelesen << QString::number(lauf.status) + u' ' + inhalt.section(u'\n', 2, 4);
            if (aufruf.contains("--tage"))
                gelesen << lauf.ausgabe;
            if (aufruf.constFirst() == "--ordner" && aufruf.constLast() == "aus")
                aus = lauf.ausgabe;
        }
        const QString w = werkzeugpfad(), starten = QFileInfo(w).path() + "/gedenkbuch-starten";
        QCOMPARE(gelesen,
                 QStringList({"0 Name=KOBALT-Merkwerk!: Erinnerung\nExec=" + w + " --ordner \""
                                  + heim.filePath("mit Leer\\\\$zeichen/gedenkbuch") + "\" erinnern\nTryExec=" + w,
                              "0 Name=KOBALT-Merkwerk!: Erinnerung\nExec=" + w + " --ordner " + heim.path()
                                  + " erinnern --tage 3\nTryExec=" + w,
                              "Beim Anmelden erinnert nun eine Benachrichtigung an die Einträge von heute und "
                              "den nächsten 3 Tagen aus "
                                  + heim.path() + "/daten.mdb (" + eintrag + ").\n",
                              "0 Name=KOBALT-Merkwerk!\nExec=" + starten + "\nTryExec=" + starten, "0 ", "0 "}));
        QCOMPARE(aus, "Von KOBALT-Merkwerk! lief beim Anmelden schon nichts.\n");
        QCOMPARE(QDir(heim.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList({"konfig"}));
        QCOMPARE(dateiinhalt(ziel.fileName()), "fremd");
    }
};

QTEST_GUILESS_MAIN(TestErinnerung)
#include "tst_erinnerung.moc"

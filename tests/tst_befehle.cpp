// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of gedenkbuch-daten: help, version and every kind of wrong call; which daten.mdb
// it uses and that each report names it.
#include "datenbank.h"
#include "werkzeug.h"

#include "core/programm.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestBefehle : public QObject {
    Q_OBJECT
private slots:
    void aufrufe_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("zeile"); // the first of standard output, of standard error after a wrong call
        const auto fall = [](const char* name, const QStringList& argumente, int status, const QString& zeile) {
            QTest::newRow(name) << argumente << status << zeile;
        };
        fall("--help", {"--help"}, 0, "Aufruf: gedenkbuch-daten [--ordner ORDNER] BEFEHL [ARGUMENTE]");
        fall("Hilfe eines Befehls", {"heute", "--hilfe"}, 0,
             "Aufruf: gedenkbuch-daten [--ordner ORDNER] heute [TAGE] [--datum DATUM]");
        fall("--version", {"--version"}, 0, "gedenkbuch-daten (" + core::programmname + ") " + core::versionstext);
        fall("unbekannte Option", {"heute", "--x"}, 2,
             "Unbekannte Option „--x“ für heute. Erlaubt sind: --datum, --ordner, -h, --help, --hilfe.");
        fall("unbekannte Option vorn", {"-x", "heute"}, 2,
             "Unbekannte Option „-x“ vor dem Befehl. Erlaubt sind: --ordner, -h, --help, --hilfe, --version.");
        fall("Wert fehlt", {"export", "--format"}, 2, "Nach --format fehlt das Format; erlaubt ist csv oder ics.");
        fall("Schalter mit Wert", {"import", "--probe=ja", "a.vcf"}, 2, "Die Option „--probe“ nimmt keinen Wert.");
        fall("Option zweimal", {"--ordner", ".", "heute", "--ordner", "."}, 2,
             "Die Option „--ordner“ ist mehrfach angegeben; erlaubt ist sie einmal.");
        fall("Option fehlt", {"export"}, 2, "Dem Befehl export fehlt die Option --format csv|ics.");
        fall("TAGE zu groß", {"heute", "366"}, 2,
             "„366“ ist für TAGE nicht erlaubt; erlaubt ist eine Zahl von 0 bis 365.");
        fall("--tage zu groß", {"erinnern", "--tage", "31"}, 2,
             "„31“ ist für --tage nicht erlaubt; erlaubt ist eine Zahl von 0 bis 30.");
        fall("kein Tag", {"erinnern", "--datum", "2027-02-30"}, 2,
             "„2027-02-30“ ist für --datum nicht erlaubt; erlaubt ist ein Datum, das es gibt, als JJJJ-MM-TT oder "
             "TT.MM.JJJJ.");
        fall("falsche Wahl", {"anmeldung", "x"}, 2,
             "„x“ ist für anmeldung nicht erlaubt; erlaubt ist erinnern, fenster oder aus.");
        fall("Argument fehlt", {"sichern"}, 2, "Dem Befehl sichern fehlt ein Argument: ZIEL.");
        fall("Argument zu viel", {"sichern", "a", "b"}, 2,
             "Der Befehl sichern nimmt nur ein Argument (ZIEL); „b“ ist zu viel.");
        fall("gar kein Argument", {"neu", "x"}, 2, "Der Befehl neu nimmt kein Argument; „x“ ist zu viel.");
        fall("nur zum Erinnern", {"anmeldung", "fenster", "--ordner", "."}, 2,
             "„--ordner“ gilt nur für anmeldung erinnern.");
    }

    // Help and version on standard output; a wrong call says what is wrong and what is allowed, then
    // shows the call, with status 2.
    void aufrufe()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, zeile);
        QTemporaryDir leer;
        const Lauf lauf = werkzeug(argumente, leer.path());
        QCOMPARE(lauf.status, status);
        QCOMPARE((status == 0 ? lauf.ausgabe : lauf.fehler).section(u'\n', 0, 0), zeile);
        const QString aufruf = "Aufruf: gedenkbuch-daten [--ordner ORDNER] ";
        QVERIFY(status == 0 || lauf.fehler.section(u'\n', 1, 1).startsWith(aufruf));
    }

    void buch_data()
    {
        QTest::addColumn<QStringList>("orte"); // where a daten.mdb is: hier, unter (hier/unter), xdg, heim
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("bericht"); // standard output, then standard error; $H is the home folder
        const auto fall = [](const char* name, const QStringList& orte, const QStringList& argumente, int status,
                             const QString& bericht) { QTest::newRow(name) << orte << argumente << status << bericht; };
        const QString xdg = "$H/xdg/gedenkbuch/daten.mdb";
        fall("hier vor dem Datenordner", {"hier", "xdg"}, {"pruefen"}, 0,
             "Die Datei daten.mdb ist in Ordnung: 0 Einträge.\n");
        fall("--ordner vor hier", {"hier", "unter"}, {"sichern", "k.mdb", "--ordner", "unter"}, 0,
             "Die Sicherung k.mdb von unter/daten.mdb ist geschrieben und geprüft.\n");
        fall("XDG_DATA_HOME", {"xdg", "heim"}, {"heute"}, 0, "Gelesen aus " + xdg + ".\n");
        fall("ohne XDG_DATA_HOME", {"heim"}, {"erinnern"}, 0, "Gelesen aus $H/.local/share/gedenkbuch/daten.mdb.\n");
        fall("nirgends", {}, {"import", "a.csv"}, 1,
             "Die Datei daten.mdb gibt es weder im aktuellen Ordner $H/hier noch im persönlichen Datenordner "
             "$H/.local/share/gedenkbuch; einen anderen Ordner nennen Sie mit --ordner ORDNER.\n");
        fall("Export", {"xdg"}, {"export", "--format", "csv"}, 0,
             "Bezeichnung,tag,monat,jahr,Bemerkungen\r\nGelesen aus " + xdg + ".\n");
        fall("Export in eine Datei", {"xdg"}, {"export", "--format", "ics", "--datei", "k"}, 0,
             "0 Einträge aus " + xdg + " in k geschrieben.\n");
        fall("Import", {"xdg"}, {"import", "a.csv"}, 0, "1 Eintrag in " + xdg + " übernommen, 0 übersprungen.\n");
        fall("Probe", {"xdg"}, {"import", "--probe", "a.csv"}, 0,
             "Probe: 1 Eintrag würde in " + xdg + " übernommen, 0 übersprungen. Es wurde nichts geschrieben.\n");
    }

    // --ordner; else daten.mdb in the current folder; else the user's book, after XDG_DATA_HOME or
    // in ~/.local/share. Each report names the file it used.
    void buch()
    {
        QFETCH(QStringList, orte);
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, bericht);
        QTemporaryDir heim;
        const QDir h(heim.path());
        const QMap<QString, QString> ordner = {
            {"hier", "hier"}, {"unter", "hier/unter"}, {"xdg", "xdg/gedenkbuch"}, {"heim", ".local/share/gedenkbuch"}};
        QVERIFY(h.mkpath("hier"));
        for (const QString& ort : orte) {
            QVERIFY(h.mkpath(ordner[ort]));
            store::Store::create(h.filePath(ordner[ort] + "/daten.mdb"));
        }
        QVERIFY(schreiben(h.filePath("hier/a.csv"), "Name,Datum\nAnna,1.1.\n"));
        const QString daten = orte.contains("xdg") ? "XDG_DATA_HOME=" + h.filePath("xdg") : "XDG_DATA_HOME";
        const Lauf lauf = werkzeug(argumente, h.filePath("hier"), {"HOME=" + heim.path(), daten});
        QCOMPARE(QString::number(lauf.status) + u' ' + lauf.ausgabe + lauf.fehler,
                 QString::number(status) + u' ' + bericht.replace("$H", heim.path()));
    }
};

QTEST_GUILESS_MAIN(TestBefehle)
#include "tst_befehle.moc"

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of gedenkbuch-daten: help, version and every kind of wrong call, run in this
// process; which daten.mdb the program uses and that each report names it.
#include "befehlslauf.h"
#include "datenbank.h"

#include "core/programm.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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
        fall("Wert leer", {"export", "--format", "csv", "--datei", ""}, 2, "Nach --datei fehlt der Name der Datei.");
        fall("Schalter mit Wert", {"import", "--ordner=.", "--probe=ja", "a.vcf"}, 2,
             "Die Option „--probe“ nimmt keinen Wert.");
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
        fall("Argument leer", {"sichern", ""}, 2,
             "Das Argument ZIEL ist leer; der Befehl sichern braucht dort einen Wert.");
    }

    // Help and version on standard output; a wrong call says what is wrong and what is allowed, then
    // shows the call, with status 2.
    void aufrufe()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, zeile);
        const Lauf lauf = befehl(argumente);
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
        // "DATEI MODUS" (octal) or "DATEI nobody" below hier, else the environment: "NAME=Wert", "NAME" unset
        QTest::addColumn<QString>("aenderung");
        const auto fall = [](const char* name, const QStringList& orte, const QStringList& argumente, int status,
                             const QString& bericht, const char* aenderung = "") {
            QTest::newRow(name) << orte << argumente << status << bericht << QString(aenderung);
        };
        const QString xdg = "$H/xdg/gedenkbuch/daten.mdb";
        fall("hier vor dem Datenordner", {"hier", "xdg"}, {"pruefen"}, 0,
             "Die Datei $H/hier/daten.mdb ist in Ordnung: 0 Einträge.\n");
        // Another user's book in a shared folder would take the user's contacts.
        const QString fremd = "Die Datei $H/hier/daten.mdb im aktuellen Ordner gehört %1; sie wird nicht verwendet. "
                              "Ein Buch wählen Sie mit --ordner ORDNER; Ihr eigenes liegt im persönlichen Datenordner "
                              "$H/xdg/gedenkbuch.\n";
        const QString gruppe = fremd.arg("$U, aber auch andere Benutzer dürfen sie ändern");
        const QString ordner = fremd.arg("$U, aber auch andere Benutzer dürfen im Ordner $H/hier Dateien anlegen und "
                                         "ersetzen");
        fall("hier für die Gruppe", {"hier", "xdg"}, {"import", "a.csv"}, 1, gruppe, "daten.mdb 620");
        fall("hier für alle", {"hier", "xdg"}, {"import", "a.csv"}, 1, gruppe, "daten.mdb 602");
        fall("Ordner für alle", {"hier", "xdg"}, {"pruefen"}, 1, ordner, ". 1777");
        fall("fremde Datei", {"hier", "xdg"}, {"heute"}, 1, fremd.arg("nobody, nicht Ihnen"), "daten.mdb nobody");
        fall("fremder Ordner", {"hier", "xdg"}, {"heute"}, 1, ordner, ". nobody");
        fall("neuer Ordner", {}, {"--ordner", "neu/buch", "neu"}, 0,
             "Die leere Datenbank neu/buch/daten.mdb wurde angelegt.\n");
        fall("--ordner vor hier", {"hier", "unter"}, {"sichern", "k.mdb", "--ordner", "unter"}, 0,
             "Die Sicherung k.mdb von unter/daten.mdb ist geschrieben und geprüft.\n");
        fall("ohne XDG_DATA_HOME", {"heim"}, {"erinnern"}, 0, "Gelesen aus $H/.local/share/gedenkbuch/daten.mdb.\n");
        fall("ohne HOME", {}, {"anmeldung", "erinnern"}, 0,
             "Beim Anmelden erinnert nun eine Benachrichtigung an die Einträge von heute und morgen aus "
             "$P/.local/share/gedenkbuch/daten.mdb ($H/autostart/gedenkbuch.desktop).\n",
             "HOME");
        // A line break in the autostart entry would start a line of its own, a second Exec= for instance.
        const QString steuerzeichen = "Der Pfad „$H/a%1/gedenkbuch“ enthält Steuerzeichen; das Anmelden wird nicht "
                                      "eingerichtet.\n";
        fall("Zeilenumbruch im Pfad", {}, {"anmeldung", "erinnern"}, 1, steuerzeichen.arg(" Exec=x"),
             "XDG_DATA_HOME=$H/a\nExec=x");
        fall("nirgends", {}, {"import", "a.csv"}, 1,
             "Die Datei daten.mdb gibt es weder im aktuellen Ordner $H/hier noch im persönlichen Datenordner "
             "$H/.local/share/gedenkbuch; einen anderen Ordner nennen Sie mit --ordner ORDNER. Ein neues, leeres Buch "
             "legt das Programm bei seinem ersten Start aus dem Menü an, oder der Befehl gedenkbuch-daten --ordner "
             "$H/.local/share/gedenkbuch neu.\n");
        fall("Export in eine Datei", {"xdg"}, {"export", "--format", "ics", "--datei", "k"}, 0,
             "0 Einträge aus " + xdg + " in k geschrieben.\n");
        fall("Jahr und ewig, kein Buch", {}, {"drucken", "--ewig", "--jahr", "2026", "--datei", "k.pdf"}, 2,
             "--jahr gilt nur für die Jahresübersicht; der immerwährende Kalender hat kein Jahr.\n"
             "Aufruf: gedenkbuch-daten [--ordner ORDNER] drucken [--jahr JAHR] [--ewig] --datei DATEI\n");
    }

    // --ordner; else daten.mdb in the current folder, if only its user may write it and its folder;
    // else the user's book, after XDG_DATA_HOME or in ~/.local/share, also without HOME. Each report
    // names the file it used; a refused call writes no file.
    void buch()
    {
        QFETCH(QStringList, orte);
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, bericht);
        QFETCH(QString, aenderung);
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
        const QByteArray datei = QFile::encodeName(h.filePath("hier/" + aenderung.section(u' ', 0, 0)));
        const QString wie = aenderung.section(u' ', 1);
        const passwd* nobody = ::getpwnam("nobody");
        if (wie == "nobody" && (::geteuid() != 0 || !nobody))
            QSKIP("Eine Datei eines anderen Benutzers kann nur root anlegen.");
        const uint modus = wie.toUInt(nullptr, 8);
        QVERIFY(wie == "nobody" ? ::chown(datei, nobody->pw_uid, nobody->pw_gid) == 0
                                : !modus || ::chmod(datei, modus) == 0);
        QStringList umgebung = {"HOME=" + heim.path(), "XDG_CONFIG_HOME=" + heim.path(),
                                orte.contains("xdg") ? "XDG_DATA_HOME=" + h.filePath("xdg") : "XDG_DATA_HOME"};
        if (wie.isEmpty() && !aenderung.isEmpty())
            umgebung << aenderung.replace("$H", heim.path());
        const QStringList vorher = h.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const Lauf lauf = werkzeug(argumente, h.filePath("hier"), umgebung);
        QVERIFY(status == 0 || h.entryList(QDir::AllEntries | QDir::NoDotAndDotDot) == vorher);
        const QString konto = QFile::decodeName(::getpwuid(::getuid())->pw_dir);
        QCOMPARE(QString::number(lauf.status) + u' ' + lauf.ausgabe + lauf.fehler,
                 QString::number(status) + u' '
                     + bericht.replace("$H", heim.path())
                           .replace("$P", konto)
                           .replace("$U", ::getpwuid(::geteuid())->pw_name));
    }
};

QTEST_GUILESS_MAIN(TestBefehle)
#include "tst_befehle.moc"

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fensterprobe.h"

#include "app/anwendung.h"
#include "app/einzelstart.h"
#include "app/programm.h"
#include "core/datenordner.h"
#include "launcher/datenordner.h"
#include "werkzeug.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const QByteArray fremd = "keine Datenbank, aber eine Datei des Benutzers";

// What is at a path: "600 leer" for an empty database of the program, "644 fremd" for the
// user's file byte for byte, "-" for nothing; a folder as "Ordner 700: " and what its daten.mdb is.
QString zustand(const QString& pfad)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0)
        return QStringLiteral("-");
    const QString modus = QString::number(st.st_mode & 07777, 8);
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("Ordner %1: %2").arg(modus, zustand(pfad + QStringLiteral("/daten.mdb")));
    if (dateiinhalt(pfad) == fremd)
        return modus + QStringLiteral(" fremd");
    return modus + (Fremdzugriff(pfad).wert(QStringLiteral("SELECT count(*) FROM Gedenkbuch")) == "0" ? " leer" : " ?");
}

bool anlegen(const QString& pfad, bool ordner)
{
    return (ordner ? QDir().mkdir(pfad) : schreiben(pfad, fremd))
        && ::chmod(QFile::encodeName(pfad).constData(), ordner ? 0755 : 0644) == 0;
}

} // namespace

// The program's start, with real programs where it is about processes, its main window and its dialogs.
class TestHauptfenster : public QObject {
    Q_OBJECT
private slots:
    void start_data()
    {
        // clang-format off
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        const QString fehlt = QStringLiteral("Die Datei daten.mdb konnte nicht gefunden werden. Sie muss sich im Programmordner befinden.");
        QTest::newRow("beschädigt") << "beschädigt" << 1 << "Ladefehler: Die Datei daten.mdb ist beschädigt. Prüfen lässt sie "
            "sich mit „gedenkbuch-daten pruefen“; was noch lesbar ist, sichert „gedenkbuch-daten export“. Arbeiten Sie dabei "
            "mit einer Kopie der Datei (und einer Datei daten.mdb-journal daneben, wenn es sie gibt).";
        QTest::newRow("heil") << "heil" << 0 << "Fehler: Ein unerwarteter Fehler ist aufgetreten; die Aktion wurde "
            "abgebrochen und nichts gespeichert.\n\nEs gibt keinen aktuellen Datensatz.";
        QTest::newRow("gelöscht, während das Fenster steht") << "gelöscht" << 1 << "Ladefehler: An die Stelle der Datei "
            "daten.mdb ist eine andere getreten, oder sie wurde gelöscht. Was jetzt unter diesem Namen liegt, lässt sich "
            "nicht öffnen; das Programm wird beendet.\n\n" + fehlt;
        // clang-format on
    }

    // The start tells the true reason under "Ladefehler", ends with status 1 and creates nothing;
    // so does a file that goes while the main window stands. A sound start shows the main window;
    // an exception no handler caught meanwhile is told, and the program goes on until the test
    // closes the window. A file damaged after the start is read as far as it can be.
    void start()
    {
        QFETCH(QString, datei);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        Testdatenbank db;
        db.fuellen(600);
        QVERIFY(datei != QStringLiteral("beschädigt") || beschaedigen(db.pfad()));
        QStringList dateien = QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        if (datei == QStringLiteral("gelöscht"))
            dateien.removeOne(store::dateiname);
        struct Werfer : QObject {
            bool event(QEvent*) override { throw store::StoreError(store::StoreError::Art::KeinAktuellerDatensatz); }
        } werfer;
        QTimer schliessen; // once the main window stands: its file taken away, or an exception and the window closed
        connect(&schliessen, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() != QLatin1String("frmGedenkbuch") || !w->isVisible())
                    continue;
                QEvent ereignis(QEvent::User);
                datei == QStringLiteral("gelöscht")
                    ? void(QFile::remove(store::dateiname))
                    : void(QCoreApplication::sendEvent(&werfer, &ereignis) || w->close());
            }
        });
        schliessen.start(100);
        Testdienste t;
        static_cast<Anwendung*>(QCoreApplication::instance())->meldungenSetzen(t.meldungen);
        const int ist = gedenkbuchAusfuehren(t.dienste);
        QCOMPARE(ist, status);
        QCOMPARE(t.meldungen.gezeigt.join(u'\n'), meldung);
        QCOMPARE(QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries), dateien);
        if (datei != QStringLiteral("beschädigt"))
            return;
        // Damaged after the start: the window lists what it could read, each entry once, all but
        // those of the damaged page, which are one run, and says so.
        frmGedenkbuch fenster(t.dienste, store::Store::open(store::dateiname));
        QList<int> gelesen;
        for (const core::Zeile& z : fenster.findChild<ui::Listenfeld*>(QStringLiteral("lstGedenkbuch"))->zeilen())
            gelesen << z.text.section(u'E', 1).toInt();
        std::sort(gelesen.begin(), gelesen.end());
        int spruenge = 0;
        for (int i = 1; i < gelesen.size(); ++i)
            spruenge += gelesen[i] <= gelesen[i - 1] ? 99 : gelesen[i] - gelesen[i - 1] > 1;
        QVERIFY2(gelesen.size() > 500 && gelesen.constFirst() == 1 && gelesen.constLast() == 600 && spruenge == 1,
                 qPrintable(QStringLiteral("%1 gelesen, %2 Sprünge").arg(gelesen.size()).arg(spruenge)));
        QCOMPARE(t.meldungen.gezeigt.constLast(),
                 "Einträge unvollständig: Nicht alle Einträge konnten gelesen werden; "
                 "die Listen zeigen nur die gelesenen.\n\n"
                     + meldung.section(QStringLiteral(": "), 1));
    }

    void jedeZeileZeigtIhrenEintrag_data()
    {
        // clang-format off
        QTest::addColumn<QString>("liste");
        QTest::addColumn<Eintraege>("eintraege");
        QTest::addColumn<QStringList>("angaben"); // after a click on each line of the list
        QTest::newRow("gleiche Zeilen") << "lstGedenkbuch"
            << Eintraege{{"Anna", 5, 5, std::nullopt, "eins"}, {"Anna", 5, 5, std::nullopt, "zwei"}}
            << QStringList{"Anna|5|5||eins", "Anna|5|5||zwei"};
        QTest::newRow("Tagesliste") << "List2"
            << Eintraege{{"Anna", 10, 6, 1996, "Kuchen"}, {"Anna Berg", 10, 6}} << QStringList{"Anna|10|6|1996|Kuchen", "Anna Berg|10|6||"};
        // clang-format on
    }

    // A line of the full list or of a day list shows exactly its own entry (year and remarks of
    // the one before never stay) and selects its full-list line; no day list keeps a selection.
    void jedeZeileZeigtIhrenEintrag()
    {
        QFETCH(QString, liste);
        QFETCH(Eintraege, eintraege);
        QFETCH(QStringList, angaben);
        Fensterprobe p(QDate(2026, 6, 10), eintraege);
        QVERIFY(p.zeigen());
        ui::Listenfeld& gewaehlt = *p.finden<ui::Listenfeld>(liste);
        QStringList gezeigt;
        for (int row = 0; row < gewaehlt.anzahl(); ++row) {
            const qint64 id = gewaehlt.id(row);
            zeileAnklicken(gewaehlt, row);
            gezeigt << p.bild().filter(QStringLiteral("Angaben: ")).constFirst().mid(9);
            QCOMPARE(p.voll().id(p.voll().gewaehlt()), id);
            QCOMPARE(p.finden<ui::Listenfeld>(QStringLiteral("List2"))->gewaehlt(), -1);
        }
        QCOMPARE(gezeigt, angaben);
        QCOMPARE(p.bild().constLast(), QStringLiteral("Befehle: Löschen Ändern"));
    }

    void gezeigterEintrag_data()
    {
        // clang-format off
        QTest::addColumn<QString>("befehl");     // Ändern; Löschen; Nein: the question before deleting answered so; Wählen
        QTest::addColumn<QString>("umstand");    // SQL of another program while dialog or question is open, before
                                                 // Wählen; schreibgeschützt
        QTest::addColumn<QStringList>("saetze"); // the records, the full list and the panel afterwards
        QTest::addColumn<QString>("liste");
        QTest::addColumn<QString>("angaben");
        QTest::addColumn<QString>("grund");      // why the store refused, or nothing
        const QString neueNummer = "DELETE FROM Gedenkbuch WHERE rowid = 2; INSERT INTO Gedenkbuch VALUES ('Carla', 3, 3, NULL, 'fremd')";
        const QString anderswo = "Ein anderes Programm hat den Eintrag geändert, gelöscht oder durch einen anderen ersetzt, seit er hier angezeigt wurde.";
        const QString nurLesen = "Die Datei daten.mdb ist schreibgeschützt. Die Änderung wurde nicht gespeichert.";
        const QStringList beide{"Anna|10|6|1990|-", "Bert|2|2|100000|Kuchen"}, mitCarla{"Anna|10|6|1990|-", "Carla|3|3|-|fremd"};
        const QString bert = "[02-02 Bert] / 06-10 Anna (36.)", carla = "03-03 Carla / 06-10 Anna (36.)";
        QTest::newRow("Ändern, Nummer neu vergeben") << "Ändern" << neueNummer << mitCarla << carla << "aus:||||" << anderswo;
        QTest::newRow("Löschen, Nummer neu vergeben") << "Löschen" << neueNummer << mitCarla << carla << "aus:||||" << anderswo;
        QTest::newRow("Ändern, Jahr jenseits von 16 Bit geändert") << "Ändern" << "UPDATE Gedenkbuch SET jahr = 100001 WHERE rowid = 2"
            << QStringList{"Anna|10|6|1990|-", "Bert|2|2|100001|Kuchen"} << bert << "Bert|2|2||Kuchen" << anderswo;
        QTest::newRow("Löschen, schreibgeschützt") << "Löschen" << "schreibgeschützt" << beide << bert << "Bert|2|2||Kuchen" << nurLesen;
        QTest::newRow("Nein") << "Nein" << "" << beide << bert << "Bert|2|2||Kuchen" << "";
        QTest::newRow("Löschen") << "Löschen" << "" << QStringList{"Anna|10|6|1990|-"} << "06-10 Anna (36.)" << "aus:||||" << "";
        QTest::newRow("Wählen, gelöscht") << "Wählen" << "DELETE FROM Gedenkbuch WHERE rowid = 2" << QStringList{"Anna|10|6|1990|-"}
            << "06-10 Anna (36.)" << "aus:||||" << "Den Eintrag gibt es nicht mehr; er wurde inzwischen gelöscht.";
        QTest::newRow("Wählen, ohne Monat") << "Wählen" << "UPDATE Gedenkbuch SET monat = NULL WHERE rowid = 2"
            << QStringList{"Anna|10|6|1990|-", "Bert|2|-|100000|Kuchen"} << "06-10 Anna (36.)" << "aus:||||"
            << "Der Eintrag hat keine Bezeichnung, keinen Tag oder keinen Monat mehr; ein anderes Programm hat ihn geändert.";
        // clang-format on
    }

    // "Nein" leaves the shown entry, "Ja" removes it everywhere. A write the store refuses changes
    // nothing, says why and keeps what was typed; so does one to a record another program changed
    // or gave to another entry meanwhile, which stays as it is: the window shows what is stored. A
    // line whose entry another program removed, or made one the program does not show, says so when
    // chosen, and goes from the list.
    void gezeigterEintrag()
    {
        QFETCH(QString, befehl);
        QFETCH(QString, umstand);
        QFETCH(QStringList, saetze);
        QFETCH(QString, liste);
        QFETCH(QString, angaben);
        QFETCH(QString, grund);
        const bool nurLesen = umstand == QStringLiteral("schreibgeschützt"), fremd = !nurLesen && !umstand.isEmpty();
        Fensterprobe p(QDate(2026, 6, 10), {{"Anna", 10, 6, 1990}, {"Bert", 2, 2, 100000, "Kuchen"}},
                       nurLesen ? store::Store::Zugriff::NurLesen : store::Store::Zugriff::Schreiben);
        const auto anderesProgramm = [&] { QVERIFY(!fremd || Fremdzugriff(p.db.pfad()).sql(umstand).isEmpty()); };
        if (befehl == QStringLiteral("Wählen"))
            anderesProgramm();
        p.voll().waehlen(0);
        QStringList meldungen;
        if (befehl == QStringLiteral("Wählen"))
            meldungen << "Eintrag nicht angezeigt: Der Eintrag kann nicht angezeigt werden.\n\n" + grund;
        else
            p.mausInDieListe();
        if (befehl == QStringLiteral("Ändern")) {
            QString eingabe;
            p.mitEintragsdialog("cmdAenderung", [&](const Eintragsprobe& d) {
                anderesProgramm();
                d.bemerkungen()->setPlainText(QStringLiteral("von hier"));
                d.speichern();
                eingabe = d.d.isVisible() ? d.bemerkungen()->toPlainText() : QString();
                d.abbrechen();
            });
            QCOMPARE(eingabe, QStringLiteral("von hier"));
            meldungen << "Fehler beim Speichern: Der Eintrag wurde nicht gespeichert.\n\n" + grund
                    + "\n\nIhre Eingaben stehen noch im Dialog. Übernehmen Sie, was Sie brauchen, und brechen Sie "
                      "ihn dann ab: Das Fenster zeigt danach, was jetzt gespeichert ist.";
        } else if (befehl != QStringLiteral("Wählen")) {
            p.t.meldungen.antworten(befehl == QStringLiteral("Löschen"), anderesProgramm);
            p.klicken("cmdLoeschen");
            meldungen << "?Sicherheitsfrage: Soll der Eintrag wirklich gelöscht werden?";
            if (!grund.isEmpty())
                meldungen << "Fehler beim Löschen: Der Eintrag wurde nicht gelöscht.\n\n" + grund
                        + (fremd ? "\n\nDas Fenster zeigt jetzt, was gespeichert ist." : "");
        }
        QCOMPARE(p.t.meldungen.gezeigt, meldungen);
        QCOMPARE(p.db.saetze(), saetze);
        QCOMPARE(p.bild().mid(1),
                 QStringList({"Heute: Anna (36.)", "Liste: " + liste, "Angaben: " + angaben,
                              angaben.startsWith(u'a') ? "Befehle: -" : "Befehle: Löschen Ändern"}));
    }

    void nachholen_data()
    {
        QTest::addColumn<QDate>("tag");    // the clock's day afterwards
        QTest::addColumn<QString>("sql");  // what another program commits meanwhile; mv, rm: a new daten.mdb
        QTest::addColumn<int>("gezeigt");  // the full-list line shown before, -1 for none
        QTest::addColumn<QString>("wann"); // "Dialog": while one is open; "Tasten": the entry shown by keys, without
                                           // the commands
        const QDate heute(2026, 12, 30);
        const QString neu = QStringLiteral("INSERT INTO Gedenkbuch VALUES ('Neu', 31, 12, NULL, NULL)");
        QTest::newRow("Tage später aus dem Standby") << QDate(2027, 1, 5) << "" << 0 << "Tasten";
        QTest::newRow("anderswo hinzugefügt") << heute << neu << 1 << "";
        QTest::newRow("Neujahr und Neues hinter dem Dialog") << QDate(2027, 1, 1) << neu << 1 << "Dialog";
        QTest::newRow("Uhr ohne neuen Tag") << heute << "" << 1 << "";
        QTest::newRow("andere Datei darübergeschoben") << heute << "mv" << -1 << "";
        QTest::newRow("gelöscht und neu angelegt hinter dem Dialog") << heute << "rm" << -1 << "Dialog";
    }

    // The captions name the five days around today in words, across the year's end. A new day, or
    // another program's change to the file, or another file in its place, shows what a start then
    // shows: captions, counts, lists and ages. An entry shown stays shown, its line
    // selected, the commands as they were. An open dialog is not disturbed; the window catches up
    // when it closes. Nothing else refreshes the window.
    void nachholen()
    {
        QFETCH(QDate, tag);
        QFETCH(QString, sql);
        QFETCH(int, gezeigt);
        QFETCH(QString, wann);
        Fensterprobe p(
            QDate(2026, 12, 30),
            {{"Silvester", 31, 12, 2000}, {"Neujahrskind", 1, 1, 2000}, {"Heute", 30, 12}, {"Drei", 3, 1, 1990}});
        const auto titel = [](const QWidget& w) {
            QStringList t;
            for (int k = 1; k <= 9; ++k)
                t << w.findChild<QGroupBox*>(QString("Frame%1").arg(k))->title();
            return t;
        };
        QCOMPARE(titel(p.fenster()),
                 QStringList({"Vorgestern: Montag, 28.12.2026 (0)", "Gestern: Dienstag, 29.12.2026 (0)",
                              "Heute: Mittwoch, 30.12.2026 (1)", "Morgen: Donnerstag, 31.12.2026 (1)",
                              "Übermorgen: Freitag, 01.01.2027 (1)", "Samstag, 02.01.2027 (0)",
                              "Sonntag, 03.01.2027 (1)", "Montag, 04.01.2027 (0)", "Dienstag, 05.01.2027 (0)"}));
        const qint64 id = gezeigt >= 0 ? p.voll().id(gezeigt) : -1;
        if (gezeigt >= 0) {
            p.voll().waehlen(gezeigt);
            if (wann != QLatin1String("Tasten"))
                p.mausInDieListe();
            p.finden<QLineEdit>(QStringLiteral("txtJahr"))->setText(QStringLiteral("1999")); // undone by a refresh
        }
        const QStringList vorher = p.bild();
        QStringList imDialog = vorher;
        const auto aendern = [&] {
            p.t.uhr.stellen(tag);
            const QString datei = sql == QLatin1String("mv") ? QStringLiteral("neu.mdb") : p.db.pfad();
            if (sql == QLatin1String("mv") || (sql == QLatin1String("rm") && QFile::remove(datei))) {
                store::Store::create(datei);
                QCOMPARE(Fremdzugriff(datei).sql(
                             QStringLiteral("INSERT INTO Gedenkbuch VALUES ('Neu', 31, 12, NULL, NULL)")),
                         QString());
                QVERIFY(sql == QLatin1String("rm") || ::rename("neu.mdb", "daten.mdb") == 0);
            } else if (!sql.isEmpty()) {
                QCOMPARE(Fremdzugriff(datei).sql(sql), QString());
            }
        };
        if (wann == QLatin1String("Dialog")) {
            p.mitEintragsdialog("cmdEintragNeu", [&](const Eintragsprobe& d) {
                aendern();
                p.fenster().dateiAnsehen();
                imDialog = p.bild();
                d.abbrechen();
            });
        } else {
            aendern();
        }
        QCOMPARE(imDialog, vorher);
        if (tag == QDate(2026, 12, 30) && sql.isEmpty()) {
            p.fenster().dateiAnsehen();
            QCOMPARE(p.bild(), vorher);
            return;
        }
        Testdienste t(tag);
        frmGedenkbuch frisch(t.dienste, p.db.oeffnen());
        auto& frischeListe = *frisch.findChild<ui::Listenfeld*>(QStringLiteral("lstGedenkbuch"));
        for (int row = 0; row < frischeListe.anzahl(); ++row) {
            if (frischeListe.id(row) == id) {
                frischeListe.waehlen(row);
                if (wann != QLatin1String("Tasten"))
                    QTest::mousePress(frischeListe.viewport(), Qt::LeftButton, {},
                                      QPoint(20, frischeListe.height() - 10));
            }
        }
        QTRY_COMPARE(p.bild(), bild(frisch));
        QCOMPARE(titel(p.fenster()), titel(frisch));
    }

    // No counts for an empty store; a refresh never appends a second count; it leaves no line
    // selected and the panel at rest, with the next anniversary after the window at the top. It
    // leaves the commands alone, which any mouse button in the list made available: without a shown
    // entry "Löschen" does nothing.
    void auffrischen()
    {
        Fensterprobe p(QDate(2026, 6, 10));
        QCOMPARE(p.bild().constFirst(), QStringLiteral("Tage: -"));
        Eintraege viele{{"Heute", 10, 6}};
        for (int monat = 1; monat <= 12; ++monat)
            viele.append({{QStringLiteral("Erster"), 1, monat},
                          {QStringLiteral("Mitte"), 15, monat},
                          {QStringLiteral("Ende"), 28, monat}});
        p.db.hinzufuegen(viele);
        QVERIFY(p.zeigen());
        zeileAnklicken(p.voll(), 0, Qt::RightButton);
        p.fenster().auffrischen();
        const QStringList bild = p.bild(); // 28 June is the next anniversary after the window
        QCOMPARE(bild.mid(0, 3), QStringList({"Tage: 0 0 1 0 0 0 0 1 0", "Heute: Heute", "Montag: Mitte"}));
        QVERIFY2(bild[3].contains(" / 06-15 Mitte / ^06-28 Ende / 07-01 Erster / ") && !bild[3].contains(u'['),
                 qPrintable(bild[3]));
        QCOMPARE(bild.mid(4), QStringList({"Angaben: aus:||||", "Befehle: Löschen Ändern"}));
        p.klicken("cmdLoeschen");
        QCOMPARE(p.t.meldungen.gezeigt, QStringList());
    }

    void neuerEintrag_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("monat");
        QTest::addColumn<QString>("jahr");
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<QString>("ergebnis"); // the stored record, or the message of a refused save
        const QString unvollstaendig = QStringLiteral("Unvollständige Eingabe: Es müssen die Bezeichnung, der Tag und der Monat angegeben werden!");
        QTest::newRow("ohne Jahr") << "Oma" << 5 << 3 << "" << "05.03." << "Oma|5|3|-|-";
        QTest::newRow("1000") << "Oma" << 5 << 3 << "1000" << "05.03." << "Oma|5|3|-|-";
        QTest::newRow("1001") << "Oma" << 5 << 3 << "1001" << "05.03.1001" << "Oma|5|3|1001|-";
        QTest::newRow("jenseits von 16 Bit") << "Oma" << 5 << 3 << "1e10" << "05.03." << "Oma|5|3|-|-";
        QTest::newRow("gleicher Name") << "Anna Maier" << 1 << 2 << "" << "01.02."
                                       << "Fehler: Ein Datensatz mit der gleichen Bezeichnung existiert schon!";
        QTest::newRow("Anfang eines Namens") << "Anna" << 1 << 2 << "" << "01.02." << "Anna|1|2|-|-";
        QTest::newRow("andere Schreibung") << "anna maier" << 1 << 2 << "" << "01.02." << "anna maier|1|2|-|-";
        QTest::newRow("ohne Namen") << "" << 1 << 2 << "" << "01.02." << unvollstaendig;
        QTest::newRow("ohne Tag") << "Neu" << 0 << 2 << "1990" << "" << unvollstaendig;
        QTest::newRow("ohne Monat") << "Neu" << 1 << 0 << "" << "" << unvollstaendig;
        QTest::newRow("30. Februar") << "Neu" << 30 << 2 << "" << "30.02." << "Ungültiges Datum: Diesen Tag gibt es im gewählten Monat nicht!";
        QTest::newRow("29. Februar") << "Neu" << 29 << 2 << "" << "29.02." << "Neu|29|2|-|-";
        // clang-format on
    }

    // A new entry as stored: without remarks, and without a year from 1001 to 9999, both null. A
    // refused save writes nothing and keeps the dialog open with the input. A click on a day or a
    // month leads on to the year; Return and Escape do nothing.
    void neuerEintrag()
    {
        QFETCH(QString, name);
        QFETCH(int, tag);
        QFETCH(int, monat);
        QFETCH(QString, jahr);
        QFETCH(QString, anzeige);
        QFETCH(QString, ergebnis);
        Fensterprobe p(QDate(2026, 6, 10), {{"Anna Maier", 15, 3, 1986}});
        QVERIFY(p.zeigen());
        QString gezeigt, nameDanach;
        bool fokusImJahr = false;
        p.mitEintragsdialog("cmdEintragNeu", [&](const Eintragsprobe& d) {
            QApplication::setActiveWindow(&d.d);
            d.ausfuellen(name, tag, monat, jahr);
            gezeigt = d.anzeige();
            fokusImJahr = QApplication::focusWidget() == d.jahr();
            QTest::keyClick(&d.d, Qt::Key_Return);
            QTest::keyClick(&d.d, Qt::Key_Escape);
            d.speichern();
            nameDanach = d.d.isVisible() ? d.name()->text() : QString();
        });
        QCOMPARE(gezeigt, anzeige);
        QVERIFY(fokusImJahr);
        QCOMPARE(p.db.saetze().mid(1).join(u'\n') + p.t.meldungen.gezeigt.join(u'\n'), ergebnis);
        QCOMPARE(nameDanach, p.t.meldungen.gezeigt.isEmpty() ? QString() : name);
    }

    void aendern_data()
    {
        // clang-format off
        QTest::addColumn<int>("jahr"); // stored before; 0: none
        QTest::addColumn<QString>("dialog"); // what the dialog opens with
        QTest::addColumn<QString>("neuesJahr"); // "-": left as it is
        QTest::addColumn<QString>("bemerkungen");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("gespeichert");
        const QString mitJahr = QStringLiteral("7 Dezember 1985 07.12.1985 alt");
        QTest::newRow("ohne Änderung") << 1985 << mitJahr << "-" << "alt" << "Opa" << "Opa|7|12|1985|alt";
        QTest::newRow("ohne Jahr") << 0 << "7 Dezember  07.12. alt" << "-" << "alt" << "Opa" << "Opa|7|12|-|alt";
        QTest::newRow("1000 bleibt") << 1000 << "7 Dezember 1000 07.12. alt" << "-" << "alt" << "Opa" << "Opa|7|12|1000|alt";
        QTest::newRow("999 bleibt") << 999 << "7 Dezember  07.12. alt" << "-" << "alt" << "Opa" << "Opa|7|12|999|alt";
        QTest::newRow("Bemerkungen geleert") << 1985 << mitJahr << "-" << "" << "Opa" << "Opa|7|12|1985|-";
        QTest::newRow("Jahr geändert") << 1985 << mitJahr << "1986" << "alt" << "Opa" << "Opa|7|12|1986|alt";
        QTest::newRow("Jahr geleert") << 1985 << mitJahr << "" << "alt" << "Opa" << "Opa|7|12|-|alt";
        QTest::newRow("kein Jahr getippt") << 1985 << mitJahr << "98" << "alt" << "Opa" << "Opa|7|12|1985|alt";
        QTest::newRow("Name eines anderen") << 1985 << mitJahr << "-" << "alt" << "Oma" << "Oma|7|12|1985|alt";
        // clang-format on
    }

    // The dialog starts from the shown entry; a click on a day leaves the focus where the click
    // put it. The shown record is changed and stays shown and selected.
    void aendern()
    {
        QFETCH(int, jahr);
        QFETCH(QString, dialog);
        QFETCH(QString, neuesJahr);
        QFETCH(QString, bemerkungen);
        QFETCH(QString, name);
        QFETCH(QString, gespeichert);
        Fensterprobe p(QDate(2026, 6, 10),
                       {{"Oma", 1, 1}, {"Opa", 7, 12, jahr ? std::optional<int>(jahr) : std::nullopt, "alt"}});
        QVERIFY(p.zeigen());
        QString gesehen;
        bool fokusAmTag = false;
        p.voll().waehlen(1);
        p.mausInDieListe();
        p.mitEintragsdialog("cmdAenderung", [&](const Eintragsprobe& d) {
            QApplication::setActiveWindow(&d.d);
            d.klick(d.tag(7));
            fokusAmTag = QApplication::focusWidget() == d.tag(7);
            for (QRadioButton* knopf : d.d.findChildren<QRadioButton*>())
                if (knopf->isChecked())
                    gesehen += knopf->text() + u' ';
            gesehen += d.jahr()->text() + u' ' + d.anzeige() + u' ' + d.bemerkungen()->toPlainText();
            if (neuesJahr != QLatin1String("-"))
                d.jahr()->setText(neuesJahr);
            d.bemerkungen()->setPlainText(bemerkungen);
            d.name()->setText(name);
            d.speichern();
        });
        QCOMPARE(gesehen, dialog);
        QVERIFY(fokusAmTag);
        QCOMPARE(p.db.saetze(), QStringList({"Oma|1|1|-|-", gespeichert}));
        QCOMPARE(p.voll().id(p.voll().gewaehlt()), p.ids[1]);
    }

    // A typed-over day or month: no dialog, a message, no change. At rest a click on a field opens
    // nothing; an entry shown by keys leaves the commands unavailable, and a click on a field still
    // opens it. Once they are available, a key typed into the year leads on to "Ändern".
    void aendernNurMitGueltigemDatum()
    {
        Fensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}, {"Opa", 7, 12, 1985}});
        QVERIFY(p.zeigen());
        QTest::mouseClick(p.finden<QLineEdit>(QStringLiteral("txtTag")), Qt::LeftButton);
        QCOMPARE(p.t.dialoge.geoeffnet, 0);
        p.voll().setFocus();
        QTest::keyClick(&p.voll(), Qt::Key_Down);
        QTest::keyClick(&p.voll(), Qt::Key_Down);
        QCOMPARE(p.bild().mid(2), QStringList({"Angaben: Opa|7|12|1985|", "Befehle: -"}));
        QString geoeffnet;
        p.t.dialoge.dann([&](QDialog& d) { geoeffnet = d.objectName(); });
        QTest::mouseClick(p.finden<QLineEdit>(QStringLiteral("txtTag")), Qt::LeftButton);
        QCOMPARE(geoeffnet, QStringLiteral("frmEintragAendern"));

        p.finden<QLineEdit>(QStringLiteral("txtMonat"))->setText(QStringLiteral("13"));
        p.mausInDieListe();
        QApplication::setActiveWindow(&p.fenster()); // the dialog took it
        auto* jahr = p.finden<QLineEdit>(QStringLiteral("txtJahr"));
        jahr->setFocus();
        QTest::keyClick(jahr, Qt::Key_5);
        QCOMPARE(QApplication::focusWidget(), p.finden<QWidget>(QStringLiteral("cmdAenderung")));
        p.klicken("cmdAenderung");
        QCOMPARE(p.t.dialoge.geoeffnet, 1);
        QCOMPARE(p.t.meldungen.gezeigt,
                 QStringList({"Ändern nicht möglich: Tag und Monat in den Angaben sind kein "
                              "gültiges Datum. Bitte wählen Sie den Eintrag noch einmal aus."}));
        QCOMPARE(p.db.saetze(), QStringList({"Anna|1|1|-|-", "Opa|7|12|1985|-"}));
    }

    void suchbegriff_data()
    {
        QTest::addColumn<QString>("begriff");
        QTest::addColumn<QStringList>("treffer");
        QTest::newRow("ann") << "ann" << QStringList{"Keinen Eintrag gefunden"};
        QTest::newRow("Ann") << "Ann" << QStringList{"05-04 Anna (36.)"};
        QTest::newRow("nna") << "nna" << QStringList{"05-04 Anna (36.)"};
        QTest::newRow("3 im Namen und als Monat")
            << "3"
            << QStringList{"03-01 Ilse", "03-09 3. Hochzeitstag (3.)", "03-09 3. Hochzeitstag (3.)", "03-12 Lena (26.)",
                           "04-05 Ostern 1993"};
        QTest::newRow("3a") << "3a" << QStringList{"03-01 Ilse", "03-09 3. Hochzeitstag (3.)", "03-12 Lena (26.)"};
        QTest::newRow("Mai nur im Namen") << "Mai" << QStringList{"04-30 Maibaum"};
    }

    void suchbegriff()
    {
        QFETCH(QString, begriff);
        QFETCH(QStringList, treffer);
        const Eintraege bestand = {{"Anna", 4, 5, 1990}, {"Ilse", 1, 3},        {"3. Hochzeitstag", 9, 3, 2023},
                                   {"Maibaum", 30, 4},   {"Lena", 12, 3, 2000}, {"Ostern 1993", 5, 4}};
        Fensterprobe p(QDate(2026, 6, 10), bestand);
        QStringList gefunden;
        p.mitDialog("cmdSuchen", [&](QDialog& d) { gefunden = suchlauf(d, begriff); });
        QCOMPARE(gefunden, treffer);
    }

    // "Suchen" follows the term; no hit gives a disabled list, which the next search enables, and
    // a search reads what another program added meanwhile. Cancel (Escape) leaves no entry
    // selected; a chosen result is taken over: shown, selected in the full list, commands available.
    void suchfenster()
    {
        Fensterprobe p(QDate(2026, 6, 10), {{"Anna", 4, 5, 1990}, {"Anna", 4, 5, 1990, "zweite"}});
        zeileAnklicken(p.voll(), 0);
        QList<bool> zustaende;
        p.mitDialog("cmdSuchen", [&](QDialog& d) {
            auto* start = d.findChild<QPushButton*>(QStringLiteral("cmdSuchStart"));
            auto* feld = d.findChild<QLineEdit*>(QStringLiteral("txtSuche"));
            zustaende << start->isEnabled();
            QTest::keyClicks(feld, QStringLiteral("An"));
            zustaende << start->isEnabled();
            QTest::keyClick(feld, Qt::Key_Backspace);
            QTest::keyClick(feld, Qt::Key_Backspace);
            zustaende << start->isEnabled();
            zustaende << (suchlauf(d, QStringLiteral("1")) == QStringList{"Keinen Eintrag gefunden"});
            zustaende << suchergebnisse(d).isEnabled();
            p.db.hinzufuegen({{"Lena", 12, 3}});
            zustaende << (suchlauf(d, QStringLiteral("Lena")) == QStringList{"03-12 Lena"});
            zustaende << suchergebnisse(d).isEnabled();
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QCOMPARE(zustaende, QList<bool>({false, true, false, true, false, true, true}));
        QCOMPARE(p.bild().mid(2), QStringList({"Angaben: aus:||||", "Befehle: -"}));

        p.mitDialog("cmdSuchen", [&](QDialog& d) {
            suchlauf(d, QStringLiteral("Anna"));
            zeileAnklicken(suchergebnisse(d), 1);
        });
        QCOMPARE(p.bild().mid(1, 3),
                 QStringList({"Liste: 03-12 Lena / 05-04 Anna (36.) / [05-04 Anna (36.)]",
                              "Angaben: Anna|4|5|1990|zweite", "Befehle: Löschen Ändern"}));
    }

    // Another program's locks. Under a read lock the search says so instead of "nothing found",
    // and a new entry whose name could not be checked is not saved; under a write lock the save
    // says so. The dialog keeps its input. A lock that goes while the save waits is waited for;
    // the other program's entry shows after the refresh.
    void gesperrt()
    {
        Fensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}});
        Fremdzugriff anderes(p.db.pfad());
        QCOMPARE(anderes.sql(QStringLiteral("BEGIN EXCLUSIVE; DELETE FROM Gedenkbuch")), QString());
        QStringList gefunden, eingabe;
        p.mitDialog("cmdSuchen", [&](QDialog& d) { gefunden = suchlauf(d, QStringLiteral("Anna")); });
        p.mitEintragsdialog("cmdEintragNeu", [&](const Eintragsprobe& d) {
            d.ausfuellen(QStringLiteral("Bert"), 2, 2);
            const auto speichern = [&] {
                d.speichern();
                eingabe << (d.d.isVisible() ? d.name()->text() : QString());
            };
            speichern();
            anderes.sql(QStringLiteral(
                "ROLLBACK; BEGIN IMMEDIATE; INSERT INTO Gedenkbuch VALUES ('Carla', 10, 6, NULL, NULL)"));
            speichern();
            std::thread freigabe([&anderes] {
                QThread::msleep(1000);
                anderes.sql(QStringLiteral("COMMIT"));
            });
            d.speichern();
            freigabe.join();
        });
        const QString gesperrt = QStringLiteral("Die Datei daten.mdb wird gerade von einem anderen Programm benutzt. "
                                                "Bitte versuchen Sie es gleich noch einmal.");
        QCOMPARE(gefunden, QStringList());
        QCOMPARE(
            p.t.meldungen.gezeigt,
            QStringList(
                {"Suche unvollständig: Die Suche konnte nicht alle Einträge lesen.\n\n" + gesperrt,
                 "Fehler beim Speichern: Der Eintrag wurde nicht gespeichert: Ob es die Bezeichnung schon gibt, ließ sich nicht "
                 "prüfen.\n\n"
                     + gesperrt,
                 "Fehler beim Speichern: Der Eintrag wurde nicht gespeichert.\n\n" + gesperrt}));
        QCOMPARE(eingabe, QStringList({"Bert", "Bert"}));
        QCOMPARE(
            p.bild().mid(0, 3),
            QStringList({"Tage: 0 0 1 0 0 0 0 0 0", "Heute: Carla", "Liste: 01-01 Anna / [02-02 Bert] / 06-10 Carla"}));
    }

    void langeTexte_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");        // SQL for the stored name and remarks, as another program writes them
        QTest::addColumn<QString>("bemerkungen");
        QTest::addColumn<bool>("buchstabe");      // whether the dialog changes the name's last letter, else the day
        QTest::addColumn<QString>("gespeichert"); // the name's length and end, the remarks' length, the day
        const QString zehnMB = QStringLiteral("printf('%.10000000c', '%1')"); // one allocation, also under the sanitizers
        QTest::newRow("63 Zeichen, ein Buchstabe") << "'" + QStringLiteral("Hochzeitstag Gräfin Adelheid ").repeated(2) + "Weiß'"
                                                   << "NULL" << true << "62|WeiX||7";
        QTest::newRow("10 MB Name und Bemerkungen") << zehnMB.arg("N") << zehnMB.arg("T") << false << "10000000|NNNN|10000000|8";
        // clang-format on
    }

    // A name or remarks longer than the boxes were made for are shown whole and stay whole: an edit
    // of one letter changes one letter, an edit elsewhere leaves them as they are. Neither huge names
    // nor huge remarks freeze the window.
    void langeTexte()
    {
        QFETCH(QString, name);
        QFETCH(QString, bemerkungen);
        QFETCH(bool, buchstabe);
        QFETCH(QString, gespeichert);
        Fensterprobe p(QDate(2026, 6, 10), {{"Platzhalter", 7, 7, 1990}});
        QCOMPARE(
            Fremdzugriff(p.db.pfad())
                .sql(QStringLiteral("UPDATE Gedenkbuch SET Bezeichnung = %1, Bemerkungen = %2").arg(name, bemerkungen)),
            QString());
        const QString gross = Fremdzugriff(p.db.pfad()).wert(QStringLiteral("SELECT Bezeichnung FROM Gedenkbuch"));
        p.fenster().auffrischen();
        p.voll().waehlen(0);
        QString imDialog;
        p.mausInDieListe();
        p.mitEintragsdialog("cmdAenderung", [&](const Eintragsprobe& d) {
            imDialog = d.name()->text();
            if (buchstabe) {
                QTest::keyClick(d.name(), Qt::Key_End);
                QTest::keyClick(d.name(), Qt::Key_Backspace);
                QTest::keyClicks(d.name(), QStringLiteral("X"));
            } else {
                d.klick(d.tag(8));
            }
            d.speichern();
        });
        QCOMPARE(imDialog, gross);
        QCOMPARE(Fremdzugriff(p.db.pfad())
                     .wert(QStringLiteral("SELECT length(Bezeichnung) || '|' || substr(Bezeichnung, -4) || '|' || "
                                          "ifnull(length(Bemerkungen), '') || '|' || tag FROM Gedenkbuch")),
                 gespeichert);
    }

    void schwierigeEingaben_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("bemerkungen");
        QTest::addColumn<bool>("eingefuegt"); // the remarks pasted into both boxes, the name as it is kept then
        QTest::newRow("SQL und Anführungszeichen") << "Tom'); DROP TABLE \"Gedenkbuch\";--" << "'; \" 1 OR 1=1; DELETE FROM Gedenkbuch" << false;
        QTest::newRow("Prozent") << "100% _Rabatt_ \\ %s %n" << "%1 %%" << false;
        QTest::newRow("50 Zeichen") << QStringLiteral("Ä").append(QString(49, u'b')) << "" << false;
        QTest::newRow("Zeilenumbrüche") << "Zeilen" << "Zeile 1\nZeile 2\n\n\tEnde\n" << false;
        QTest::newRow("eingefügt") << QStringLiteral("A").repeated(49) + "🎂"
                                   << QStringLiteral("A").repeated(49) + "🎂🎉" + QString(1000000, u'x') << true;
        // clang-format on
    }

    // Stored through the dialog and read back unchanged; shown unchanged in every list and the panel.
    // A pasted name is cut at 50 characters without splitting one, and a full name takes no more
    // typing; a megabyte of remarks without a blank pastes whole.
    void schwierigeEingaben()
    {
        QFETCH(QString, name);
        QFETCH(QString, bemerkungen);
        QFETCH(bool, eingefuegt);
        Fensterprobe p(QDate(2026, 6, 10));
        QApplication::clipboard()->setText(bemerkungen);
        p.mitEintragsdialog("cmdEintragNeu", [&](const Eintragsprobe& d) {
            d.ausfuellen(eingefuegt ? QString() : name, 10, 6);
            d.bemerkungen()->setPlainText(eingefuegt ? QString() : bemerkungen);
            if (eingefuegt) {
                for (QWidget* feld : QList<QWidget*>{d.name(), d.bemerkungen()})
                    QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
                QTest::keyClick(d.name(), Qt::Key_Home);
                QTest::keyClicks(d.name(), QStringLiteral("B"));
            }
            d.speichern();
        });
        QCOMPARE(p.db.saetze(), QStringList({name + "|10|6|-|" + (bemerkungen.isEmpty() ? "-" : bemerkungen)}));
        QCOMPARE(p.bild(),
                 QStringList({"Tage: 0 0 1 0 0 0 0 0 0", "Heute: " + name, "Liste: [06-10 " + name + "]",
                              "Angaben: " + QStringList({name, "10", "6", "", bemerkungen}).join(u'|'),
                              "Befehle: Löschen Ändern"}));
        QStringList gefunden;
        p.mitDialog("cmdSuchen", [&](QDialog& d) { gefunden = suchlauf(d, name); });
        QCOMPARE(gefunden, QStringList({"06-10 " + name}));
        // Neither in the file nor in anything SQLite put beside it.
        for (const QFileInfo& datei : QDir(p.db.ordner()).entryInfoList(QDir::Files))
            QVERIFY2(!dateiinhalt(datei.filePath()).contains(name.toUtf8()), qPrintable(datei.fileName()));
    }

    void datenordner_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("xdg");    // "-" unset; $T the temporary folder, HOME is $T/heim
        QTest::addColumn<QString>("vorher");    // "Ordner" 755 with daten.mdb 644, "Datei" 644, or nothing
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("danach");    // "Meldung: " when the user is told
        QTest::newRow("ohne XDG_DATA_HOME") << QByteArray("-") << "" << "$T/heim/.local/share/gedenkbuch" << "Ordner 700: 600 leer";
        QTest::newRow("relativ") << QByteArray("daten") << "" << "$T/heim/.local/share/gedenkbuch" << "Ordner 700: 600 leer";
        QTest::newRow("vorhandene Datei") << QByteArray("$T") << "Ordner" << "$T/gedenkbuch" << "Ordner 755: 644 fremd";
        QTest::newRow("Datei statt Ordner") << QByteArray("$T") << "Datei" << "$T/gedenkbuch" << "Meldung: 644 fremd";
        // clang-format on
    }

    // Folder and database are made for their owner only; what exists is never changed.
    void datenordner()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, vorher);
        QFETCH(QString, ordner);
        QFETCH(QString, danach);
        QTemporaryDir t;
        ordner.replace(QLatin1String("$T"), t.path());
        qputenv("HOME", QFile::encodeName(t.filePath(QStringLiteral("heim"))));
        xdg == "-" ? qunsetenv("XDG_DATA_HOME")
                   : qputenv("XDG_DATA_HOME", xdg.replace("$T", QFile::encodeName(t.path())));
        if (vorher == QLatin1String("Ordner"))
            QVERIFY(anlegen(ordner, true) && anlegen(ordner + QStringLiteral("/daten.mdb"), false));
        if (vorher == QLatin1String("Datei"))
            QVERIFY(anlegen(ordner, false));

        QCOMPARE(core::datenordner(), ordner);
        const bool meldung = !starter::datenordnerBereiten(ordner).isEmpty();
        QCOMPARE((meldung ? QStringLiteral("Meldung: ") : QString()) + zustand(ordner), danach);
    }

    void einProgrammJeOrdner_data()
    {
        QTest::addColumn<QString>("laufzeit"); // XDG_RUNTIME_DIR: "700", "755" its mode, "fremd" another's, "-" unset
        QTest::addColumn<bool>("ersatzFremd"); // the cache folder made first by another
        QTest::addColumn<bool>("verwaist");    // a program killed with SIGKILL left its lock file and socket behind
        QTest::addColumn<QString>("ergebnis"); // files there (two programs: lock, socket each) and the second start
        QTest::newRow("eigener Laufzeitordner") << "700" << false << false << "4 0 zeigt den ersten";
        QTest::newRow("nach SIGKILL") << "700" << false << true << "4 0 zeigt den ersten";
        QTest::newRow("ungesetzt, langer Heimordner") << "-" << false << false << "0 4 zeigt den ersten";
        QTest::newRow("fremder Besitzer") << "fremd" << false << false << "0 4 zeigt den ersten";
        QTest::newRow("offen für alle") << "755" << false << false << "0 4 zeigt den ersten";
        QTest::newRow("kein eigener Ordner") << "fremd" << true << false << "0 0 1 Start nicht möglich";
    }

    // A second start in a folder asks the first to show its window and ends with 0, even without
    // daten.mdb; the other folder's is not asked. Lock and socket live only in a folder of the
    // user's alone, never in the data folder; without one the program says so and does not run.
    // What a killed program left there blocks nothing.
    void einProgrammJeOrdner()
    {
        QFETCH(QString, laufzeit);
        QFETCH(bool, ersatzFremd);
        QFETCH(bool, verwaist);
        QFETCH(QString, ergebnis);
        // Without a runtime folder, XDG_CACHE_HOME unset and a home too long for a socket's address.
        const bool langerHeim = laufzeit == QLatin1String("-");
        QTemporaryDir t, a, b;
        const QString heim = t.filePath(QString(90, u'h'));
        const QString lauf = t.filePath(QStringLiteral("lauf")),
                      ersatz = langerHeim ? heim + QStringLiteral("/.cache/gedenkbuch") : t.filePath("c/gedenkbuch");
        // Given away: to nobody where the test runs as root, else open to all.
        const auto fremd = [](const QString& ordner) {
            const QByteArray pfad = QFile::encodeName(ordner);
            return ::chown(pfad.constData(), 65534, 65534) == 0 || ::chmod(pfad.constData(), 0755) == 0;
        };
        const mode_t modus = laufzeit == "755" ? 0755 : 0700;
        QVERIFY(QDir().mkdir(lauf) && ::chmod(QFile::encodeName(lauf).constData(), modus) == 0);
        QVERIFY((laufzeit != "fremd" || fremd(lauf)) && (!ersatzFremd || (QDir().mkpath(ersatz) && fremd(ersatz))));
        laufzeit == "-" ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", QFile::encodeName(lauf));
        qputenv("HOME", QFile::encodeName(heim));
        langerHeim ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", QFile::encodeName(t.filePath("c")));

        if (verwaist) {
            QProcess getoetet;
            getoetet.setWorkingDirectory(a.path());
            getoetet.start(QStringLiteral(GEDENKBUCH_PROGRAMM));
            QTRY_COMPARE_WITH_TIMEOUT(QDir(lauf).entryList(QDir::System | QDir::Files).size(), 2, 20000);
            getoetet.kill();
            QVERIFY(getoetet.waitForFinished(10000));
        }
        int gezeigtA = 0, gezeigtB = 0;
        Einzelstart erster(a.path(), [&] { ++gezeigtA; }), nebenan(b.path(), [&] { ++gezeigtB; });
        QString zweiter;
        if (erster.anmelden() == Einzelstart::Lage::Erster && nebenan.anmelden() == Einzelstart::Lage::Erster) {
            // The program started, this test's event loop running meanwhile, ends by itself with 0.
            const bool gefragt = starten(QStringLiteral(GEDENKBUCH_PROGRAMM), {}, a.path(), {}, 20).status == 0
                && gezeigtA == 1 && gezeigtB == 0;
            zweiter = gefragt && QDir(a.path()).isEmpty() ? "zeigt den ersten" : "läuft daneben";
        } else {
            Testdienste dienste;
            zweiter = QString::number(gedenkbuchAusfuehren(dienste.dienste));
            zweiter += u' ' + dienste.meldungen.gezeigt.value(0).section(u':', 0, 0);
        }
        const auto dateien = [](const QString& o) { return QDir(o).entryList(QDir::System | QDir::Files).size(); };
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(dateien(lauf)).arg(dateien(ersatz)).arg(zweiter), ergebnis);
    }

    void ohneAnzeige_data()
    {
        QTest::addColumn<QStringList>("umgebung");
        QTest::newRow("keine") << QStringList{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
        QTest::newRow("X11 verlangt, nur Wayland da")
            << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY", "WAYLAND_DISPLAY=wayland-0"};
    }

    // Without a display the program says in German what it needs, and ends with status 1.
    void ohneAnzeige()
    {
        QFETCH(QStringList, umgebung);
        const Lauf lauf = starten(QStringLiteral(GEDENKBUCH_PROGRAMM), {}, QDir::tempPath(), umgebung, 20);
        QCOMPARE(QString::number(lauf.status) + u' ' + lauf.fehler,
                 QStringLiteral("1 Das Programm braucht eine grafische Sitzung, findet aber keine Anzeige (DISPLAY für "
                                "X11, WAYLAND_DISPLAY für Wayland). Starten Sie es in Ihrer Arbeitsumgebung, etwa aus "
                                "dem Menü; im Terminal zeigt „gedenkbuch-daten heute“ die Einträge der nächsten "
                                "Tage.\n"));
    }
};

int main(int argc, char* argv[])
{
    Anwendung app(argc, argv);
    TestHauptfenster test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hauptfenster.moc"

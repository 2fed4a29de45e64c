// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fensterprobe.h"

#include "app/anwendung.h"
#include "app/programm.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cstdio>

class TestHauptfenster : public QObject {
    Q_OBJECT
private slots:
    void start_data()
    {
        // clang-format off
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("fehlt") << "fehlt" << 1 << "Ladefehler: Die Datei daten.mdb konnte nicht gefunden werden. "
                                                  "Sie muss sich im Programmordner befinden.";
        QTest::newRow("beschädigt") << "beschädigt" << 1 << "Ladefehler: Die Datei daten.mdb ist beschädigt. Prüfen lässt sie "
            "sich mit „gedenkbuch-daten pruefen“; was noch lesbar ist, sichert „gedenkbuch-daten export“. Arbeiten Sie dabei "
            "mit einer Kopie der Datei (und einer Datei daten.mdb-journal daneben, wenn es sie gibt).";
        QTest::newRow("heil") << "heil" << 0 << "";
        // clang-format on
    }

    // The start tells the true reason under "Ladefehler", ends with status 1 and creates nothing.
    // A sound start shows the main window, which the test closes.
    void start()
    {
        QFETCH(QString, datei);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        Testdatenbank db;
        db.fuellen(600);
        QVERIFY(datei != QLatin1String("fehlt") || QFile::remove(db.pfad()));
        QVERIFY(datei != QStringLiteral("beschädigt") || beschaedigen(db.pfad()));
        const QStringList dateien = QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QTimer schliessen; // closes the main window once it stands
        connect(&schliessen, &QTimer::timeout, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("frmGedenkbuch") && w->isVisible())
                    w->close();
        });
        schliessen.start(100);
        Testdienste t;
        const int ist = gedenkbuchAusfuehren(t.dienste);
        QCOMPARE(ist, status);
        QCOMPARE(t.meldungen.gezeigt.join(u'\n'), meldung);
        QCOMPARE(QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries), dateien);
    }

    // An exception no handler caught is told to the user, and the program goes on.
    void letzteRettung()
    {
        struct Werfer : QObject {
            bool event(QEvent*) override
            {
                throw store::StoreError(store::StoreError::Art::Sonstiges, QStringLiteral("Testfehler."));
            }
        } werfer;
        Antwortbuch meldungen;
        static_cast<Anwendung*>(QCoreApplication::instance())->meldungenSetzen(meldungen);
        QCoreApplication::postEvent(&werfer, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(meldungen.gezeigt,
                 QStringList({"Fehler: Ein unerwarteter Fehler ist aufgetreten; die Aktion wurde "
                              "abgebrochen und nichts gespeichert.\n\nTestfehler."}));
    }

    void jedeZeileZeigtIhrenEintrag_data()
    {
        // clang-format off
        QTest::addColumn<QString>("liste");
        QTest::addColumn<Eintraege>("eintraege");
        QTest::addColumn<QStringList>("angaben"); // after a click on each line of the list
        QTest::newRow("Namen als Anfang anderer") << "lstGedenkbuch"
            << Eintraege{{"Anna", 10, 6, 1980, "eins"}, {"Anna Maria", 10, 6, 1985, "zwei"}, {"Ann", 10, 6, std::nullopt, "drei"}}
            << QStringList{"Ann|10|6||drei", "Anna|10|6|1980|eins", "Anna Maria|10|6|1985|zwei"};
        QTest::newRow("gleiche Namen, andere Tage") << "lstGedenkbuch"
            << Eintraege{{"Anna", 3, 4, 1990, "zwei"}, {"Anna", 1, 2}} << QStringList{"Anna|1|2||", "Anna|3|4|1990|zwei"};
        QTest::newRow("gleiche Zeilen") << "lstGedenkbuch"
            << Eintraege{{"Anna", 5, 5, std::nullopt, "eins"}, {"Anna", 5, 5, std::nullopt, "zwei"}}
            << QStringList{"Anna|5|5||eins", "Anna|5|5||zwei"};
        QTest::newRow("Tagesliste, kürzerer Name zuerst") << "List2"
            << Eintraege{{"Anna", 10, 6, 1996, "Kuchen"}, {"Anna Berg", 10, 6}} << QStringList{"Anna|10|6|1996|Kuchen", "Anna Berg|10|6||"};
        QTest::newRow("Tagesliste, längerer Name zuerst") << "List2"
            << Eintraege{{"Anna Berg", 10, 6, 1996, "Kuchen"}, {"Anna", 10, 6}} << QStringList{"Anna Berg|10|6|1996|Kuchen", "Anna|10|6||"};
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
            QCOMPARE(p.tagesliste(2).gewaehlt(), -1);
        }
        QCOMPARE(gezeigt, angaben);
        QCOMPARE(p.bild().constLast(), QStringLiteral("Befehle: Löschen Ändern"));
    }

    // "Nein" changes nothing; "Ja" removes exactly the shown entry everywhere.
    void loeschen()
    {
        Fensterprobe p(QDate(2026, 6, 10), {{"Anna", 10, 6, 1990}, {"Anna Berg", 10, 6}, {"Bert", 2, 2}});
        QVERIFY(p.zeigen());
        zeileAnklicken(p.voll(), 1);
        const QStringList vorher = p.bild();
        p.klicken("cmdLoeschen");
        QCOMPARE(p.t.meldungen.gezeigt, QStringList({"?Sicherheitsfrage: Soll der Eintrag wirklich gelöscht werden?"}));
        QCOMPARE(p.bild(), vorher);
        QCOMPARE(vorher.at(3), QStringLiteral("Angaben: Anna|10|6|1990|"));

        p.t.meldungen.antworten(true);
        p.klicken("cmdLoeschen");
        QCOMPARE(p.bild(),
                 QStringList({"Tage: 0 0 1 0 0 0 0 0 0", "Heute: Anna Berg", "Liste: 02-02 Bert / 06-10 Anna Berg",
                              "Angaben: aus:||||", "Befehle: -"}));
        QCOMPARE(p.db.saetze(), QStringList({"Anna Berg|10|6|-|-", "Bert|2|2|-|-"}));
    }

    void andererEintragUnterDerNummer_data()
    {
        // clang-format off
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QString>("sql"); // what another program commits while the dialog or the question is open
        QTest::addColumn<QStringList>("bild");
        const QString neueNummer = QStringLiteral("DELETE FROM Gedenkbuch WHERE rowid = 2; "
                                                  "INSERT INTO Gedenkbuch VALUES ('Carla', 3, 3, NULL, 'fremd')");
        const QStringList ruhe{"Tage: 0 0 1 0 0 0 0 0 0", "Heute: Anna (36.)", "Liste: 03-03 Carla / 06-10 Anna (36.)",
                               "Angaben: aus:||||", "Befehle: -"};
        QTest::newRow("Ändern, Nummer neu vergeben") << "cmdAenderung" << neueNummer << ruhe;
        QTest::newRow("Löschen, Nummer neu vergeben") << "cmdLoeschen" << neueNummer << ruhe;
        QTest::newRow("Löschen, Bemerkungen geändert") << "cmdLoeschen" << "UPDATE Gedenkbuch SET Bemerkungen = 'anders' WHERE rowid = 2"
            << QStringList{"Tage: 0 0 1 0 0 0 0 0 0", "Heute: Anna (36.)", "Liste: [02-02 Bert] / 06-10 Anna (36.)",
                           "Angaben: Bert|2|2||anders", "Befehle: Löschen Ändern"};
        QTest::newRow("Ändern, Jahr jenseits von 16 Bit geändert") << "cmdAenderung" << "UPDATE Gedenkbuch SET jahr = 100001 WHERE rowid = 2"
            << QStringList{"Tage: 0 0 1 0 0 0 0 0 0", "Heute: Anna (36.)", "Liste: [02-02 Bert] / 06-10 Anna (36.)",
                           "Angaben: Bert|2|2||Kuchen", "Befehle: Löschen Ändern"};
        // clang-format on
    }

    // The number of the shown record given to another entry, or the record changed, while the
    // change dialog or the question before a delete is open: nothing is written, the other
    // program's record stays as it is, the user is told and keeps the input, and the window shows
    // what is stored; the shown entry stays shown only under its name.
    void andererEintragUnterDerNummer()
    {
        QFETCH(QString, befehl);
        QFETCH(QString, sql);
        QFETCH(QStringList, bild);
        Fensterprobe p(QDate(2026, 6, 10), {{"Anna", 10, 6, 1990}, {"Bert", 2, 2, 100000, "Kuchen"}});
        p.voll().waehlen(0);
        p.mausInDieListe();
        QStringList danach;
        const auto anderesProgramm = [&] {
            QCOMPARE(Fremdzugriff(p.db.pfad()).sql(sql), QString());
            danach = p.db.saetze();
        };
        const QString anderswo = QStringLiteral("\n\nEin anderes Programm hat den Eintrag geändert, gelöscht oder "
                                                "durch einen anderen ersetzt, seit er hier angezeigt wurde.\n\n");
        QStringList meldungen;
        if (befehl == QLatin1String("cmdLoeschen")) {
            p.t.meldungen.antworten(true, anderesProgramm);
            p.klicken("cmdLoeschen");
            meldungen << "?Sicherheitsfrage: Soll der Eintrag wirklich gelöscht werden?"
                      << "Fehler beim Löschen: Der Eintrag wurde nicht gelöscht." + anderswo
                    + "Das Fenster zeigt jetzt, was gespeichert ist.";
        } else {
            QString eingabe;
            p.mitEintragsdialog("cmdAenderung", [&](const Eintragsprobe& d) {
                anderesProgramm();
                d.bemerkungen()->setPlainText(QStringLiteral("von hier"));
                d.speichern();
                eingabe = d.d.isVisible() ? d.bemerkungen()->toPlainText() : QString();
                d.abbrechen();
            });
            QCOMPARE(eingabe, QStringLiteral("von hier"));
            meldungen << "Fehler beim Speichern: Der Eintrag wurde nicht gespeichert." + anderswo
                    + "Ihre Eingaben stehen noch im Dialog. Übernehmen Sie, was Sie brauchen, und brechen Sie ihn "
                      "dann ab: Das Fenster zeigt danach, was jetzt gespeichert ist.";
        }
        QCOMPARE(p.db.saetze(), danach);
        QCOMPARE(p.t.meldungen.gezeigt, meldungen);
        QCOMPARE(p.bild(), bild);
    }

    void andereDatei_data()
    {
        // clang-format off
        QTest::addColumn<QString>("weg");     // how another file takes daten.mdb's place
        QTest::addColumn<QString>("meldung"); // none when the window shows the new file
        QTest::newRow("darüber verschoben") << "mv" << "";
        QTest::newRow("gelöscht und neu angelegt") << "rm neu" << "";
        QTest::newRow("gelöscht") << "rm" << "Ladefehler: An die Stelle der Datei daten.mdb ist eine andere getreten, oder sie "
            "wurde gelöscht. Was jetzt unter diesem Namen liegt, lässt sich nicht öffnen; das Programm wird beendet.\n\n"
            "Die Datei daten.mdb konnte nicht gefunden werden. Sie muss sich im Programmordner befinden.";
        // clang-format on
    }

    // Another file in the open one's place is opened as the start opens it, and shown as a start
    // shows it; one that cannot be opened is told, and the window gives up the old book.
    void andereDatei()
    {
        QFETCH(QString, weg);
        QFETCH(QString, meldung);
        Fensterprobe p(QDate(2026, 6, 10), {{"Alt", 10, 6}});
        p.voll().waehlen(0);
        p.mausInDieListe();
        QSignalSpy verloren(&p.fenster(), &frmGedenkbuch::buchVerloren);
        const QString neu = weg == QLatin1String("mv") ? QStringLiteral("neu.mdb") : p.db.pfad();
        QVERIFY(weg == QLatin1String("mv") || QFile::remove(p.db.pfad()));
        if (weg != QLatin1String("rm")) {
            store::Store::create(neu);
            QCOMPARE(Fremdzugriff(neu).sql(QStringLiteral("INSERT INTO Gedenkbuch VALUES ('Neu', 11, 6, 1990, NULL)")),
                     QString());
        }
        QVERIFY(weg != QLatin1String("mv") || ::rename("neu.mdb", "daten.mdb") == 0);
        p.fenster().dateiAnsehen();
        QCOMPARE(p.t.meldungen.gezeigt.join(u'\n'), meldung);
        QCOMPARE(verloren.size(), meldung.isEmpty() ? 0 : 1);
        if (meldung.isEmpty()) {
            Testdienste t(QDate(2026, 6, 10));
            QCOMPARE(p.bild(), bild(frmGedenkbuch(t.dienste, p.db.oeffnen())));
        }
    }

    void nachholen_data()
    {
        QTest::addColumn<QDate>("tag");    // the clock's day afterwards
        QTest::addColumn<QString>("sql");  // what another program commits meanwhile
        QTest::addColumn<int>("gezeigt");  // the full-list line shown before, -1 for none
        QTest::addColumn<QString>("wann"); // "Dialog": while one is open; "gespeichert": after a save of the window's
                                           // own; "Tasten": the entry shown by keys, without the commands
        const QDate heute(2026, 12, 30);
        const QString neu = QStringLiteral("INSERT INTO Gedenkbuch VALUES ('Neu', 31, 12, NULL, NULL)");
        QTest::newRow("Mitternacht") << QDate(2026, 12, 31) << "" << -1 << "";
        QTest::newRow("Tage später aus dem Standby") << QDate(2027, 1, 5) << "" << 0 << "Tasten";
        QTest::newRow("anderswo hinzugefügt") << heute << neu << 1 << "";
        QTest::newRow("gezeigter anderswo gelöscht") << heute << "DELETE FROM Gedenkbuch WHERE tag = 1" << 0 << "";
        QTest::newRow("Neujahr und Neues hinter dem Dialog") << QDate(2027, 1, 1) << neu << 1 << "Dialog";
        QTest::newRow("Uhr ohne neuen Tag") << heute << "" << 1 << "";
        QTest::newRow("eigene Speicherung") << heute << "" << 1 << "gespeichert";
    }

    // A new day, or another program's change to the file, shows what a start then shows:
    // captions, counts, lists and ages. An entry shown stays shown, its line selected, the
    // commands as they were; one deleted elsewhere leaves the panel at rest. An open dialog is not
    // disturbed; the window catches up when it closes. Nothing else refreshes the window.
    void nachholen()
    {
        QFETCH(QDate, tag);
        QFETCH(QString, sql);
        QFETCH(int, gezeigt);
        QFETCH(QString, wann);
        Fensterprobe p(
            QDate(2026, 12, 30),
            {{"Silvester", 31, 12, 2000}, {"Neujahrskind", 1, 1, 2000}, {"Heute", 30, 12}, {"Drei", 3, 1, 1990}});
        const qint64 id = gezeigt >= 0 ? p.voll().id(gezeigt) : -1;
        if (gezeigt >= 0) {
            p.voll().waehlen(gezeigt);
            if (wann != QLatin1String("Tasten"))
                p.mausInDieListe();
            if (wann == QLatin1String("gespeichert"))
                p.mitEintragsdialog("cmdAenderung", [](const Eintragsprobe& d) {
                    d.jahr()->setText(QStringLiteral("1985"));
                    d.speichern();
                });
            p.finden<QLineEdit>(QStringLiteral("txtJahr"))->setText(QStringLiteral("1999")); // undone by a refresh
        }
        const QStringList vorher = p.bild();
        QStringList imDialog = vorher;
        const auto aendern = [&] {
            p.t.uhr.stellen(tag);
            if (!sql.isEmpty())
                QCOMPARE(Fremdzugriff(p.db.pfad()).sql(sql), QString());
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
        QCOMPARE(p.t.dialoge.nichtGeschlossen, 0); // saved or cancelled, the dialog closed
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
        for (int k = 0; k < 9; ++k)
            QCOMPARE(p.titel(k), frisch.findChild<QGroupBox*>(QStringLiteral("Frame%1").arg(k + 1))->title());
        QCOMPARE(p.t.meldungen.gezeigt, QStringList());
    }

    // No counts for an empty store; a refresh never appends a second count; it leaves no line
    // selected and the panel at rest, with the next anniversary after the window at the top. It
    // leaves the commands alone, which any mouse button in the list made available: without a shown
    // entry they do nothing. The credit line names the version.
    void auffrischen()
    {
        Fensterprobe p(QDate(2026, 6, 10));
        QCOMPARE(p.bild().constFirst(), QStringLiteral("Tage: -"));
        QVERIFY(p.finden<QLabel>(QStringLiteral("lblCopyrights"))->text().endsWith(QStringLiteral(" - Version: 3.1")));
        Eintraege viele{{"Heute", 10, 6}};
        for (int monat = 1; monat <= 12; ++monat)
            viele.append({{QStringLiteral("Erster"), 1, monat},
                          {QStringLiteral("Mitte"), 15, monat},
                          {QStringLiteral("Ende"), 28, monat}});
        p.db.hinzufuegen(viele);
        QVERIFY(p.zeigen());
        zeileAnklicken(p.voll(), 0, Qt::RightButton);
        p.fenster().auffrischen();
        p.fenster().auffrischen();
        const QStringList bild = p.bild(); // 28 June is the next anniversary after the window
        QCOMPARE(bild.mid(0, 3), QStringList({"Tage: 0 0 1 0 0 0 0 1 0", "Heute: Heute", "Montag: Mitte"}));
        QVERIFY2(bild[3].contains(" / 06-15 Mitte / ^06-28 Ende / 07-01 Erster / ") && !bild[3].contains(u'['),
                 qPrintable(bild[3]));
        QCOMPARE(bild.mid(4), QStringList({"Angaben: aus:||||", "Befehle: Löschen Ändern"}));
        p.klicken("cmdLoeschen");
        p.klicken("cmdAenderung");
        QCOMPARE(p.t.meldungen.gezeigt.size() + p.t.dialoge.geoeffnet + p.db.saetze().size(), 37);
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

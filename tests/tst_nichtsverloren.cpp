// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fensterprobe.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <thread>

class TestNichtsVerloren : public QObject {
    Q_OBJECT
private slots:
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
        QTest::newRow("Umlaute, Emoji") << "Jörg Ößmann-Ähre, Übel ß 🎂🎉" << "Grüße an Bärbel 🎈" << false;
        QTest::newRow("50 Zeichen") << QStringLiteral("Ä").append(QString(49, u'b')) << "" << false;
        QTest::newRow("Zeilenumbrüche") << "Zeilen" << "Zeile 1\nZeile 2\n\n\tEnde\n" << false;
        QTest::newRow("100000 Zeichen") << "Lang" << QStringLiteral("Lange Bemerkung ").repeated(6250) << false;
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
};

QTEST_MAIN(TestNichtsVerloren)
#include "tst_nichtsverloren.moc"

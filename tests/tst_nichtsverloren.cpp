// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fensterprobe.h"
#include "werkzeug.h"

#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <csignal>
#include <thread>

namespace {

// No text stored through the program shows in the file or in anything SQLite put beside it.
QString imKlartext(const QString& ordner, const QList<QByteArray>& texte)
{
    for (const QFileInfo& datei : QDir(ordner).entryInfoList(QDir::Files)) {
        const QByteArray inhalt = dateiinhalt(datei.filePath());
        for (const QByteArray& text : texte)
            if (inhalt.contains(text))
                return datei.fileName() + QStringLiteral(": ") + QString::fromUtf8(text);
    }
    return {};
}

} // namespace

class TestNichtsVerloren : public QObject {
    Q_OBJECT
private slots:
    // A read-only file: neither a delete nor a save changes it; each says why, and the dialog keeps
    // its input.
    void schreibgeschuetzt()
    {
        Fensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 1}}, store::Store::Zugriff::NurLesen);
        const QByteArray vorher = dateiinhalt(p.db.pfad());
        p.voll().waehlen(0);
        p.mausInDieListe();
        p.t.meldungen.antworten(true);
        p.klicken("cmdLoeschen");
        QString nameDanach;
        p.mitEintragsdialog("cmdEintragNeu", [&](const Eintragsprobe& d) {
            d.ausfuellen(QStringLiteral("Bert"), 2, 2, QStringLiteral("1970"));
            d.speichern();
            nameDanach = d.d.isVisible() ? d.name()->text() : QString();
        });
        QStringList titel;
        for (const QString& m : p.t.meldungen.gezeigt)
            titel << m.section(u':', 0, 0) + (m.contains("schreibgeschützt") ? " (schreibgeschützt)" : "");
        QCOMPARE(titel,
                 QStringList({"?Sicherheitsfrage", "Fehler beim Löschen (schreibgeschützt)",
                              "Fehler beim Speichern (schreibgeschützt)"}));
        QCOMPARE(nameDanach, QStringLiteral("Bert"));
        QCOMPARE(dateiinhalt(p.db.pfad()), vorher);
    }

    // An import killed while it writes: the file is sound and holds all of the import or none of
    // it, and nothing of it shows in plain text beside it. Long remarks make the write span many
    // pages; a journal left behind shows a kill in the middle of writing.
    void abgebrochenMittenImSchreiben()
    {
        Testdatenbank db;
        QTemporaryDir quelle;
        const QString journal = db.pfad() + QStringLiteral("-journal");
        QRandomGenerator zufall(20261206);
        int mitten = 0;
        for (int lauf = 0; lauf < 20 && mitten < 2; ++lauf) {
            const QString tabelle = quelle.filePath(QStringLiteral("neu%1.csv").arg(lauf));
            QByteArray inhalt = "Bezeichnung,tag,monat,Bemerkungen\n";
            for (int i = 0; i < 1500; ++i)
                inhalt += QString::asprintf("L%d E%d,1,1,", lauf, i).toUtf8() + QByteArray("Bemerkung ").repeated(50)
                    + '\n';
            QVERIFY(schreiben(tabelle, inhalt));
            const qsizetype vorher = db.saetze().size();
            QProcess import;
            import.setWorkingDirectory(db.ordner());
            import.start(werkzeugpfad(), {QStringLiteral("import"), tabelle});
            QVERIFY(import.waitForStarted());
            bool fertig = false;
            while (!fertig && QFileInfo(journal).size() == 0) // written to: mid-write
                fertig = import.waitForFinished(1);
            QThread::usleep(zufall.bounded(1 + 2000 * (lauf % 4)));
            if (!fertig)
                ::kill(pid_t(import.processId()), SIGKILL);
            QVERIFY(fertig || import.waitForFinished(10000));
            mitten += QFileInfo(journal).size() > 0;
            QCOMPARE(imKlartext(db.ordner(), {"Bemerkung "}), QString());
            const qsizetype danach = db.saetze().size();
            QVERIFY2(danach == vorher || danach == vorher + 1500,
                     qPrintable(QStringLiteral("%1 nach %2").arg(danach).arg(vorher)));
        }
        QCOMPARE(Fremdzugriff(db.pfad()).wert(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
        QVERIFY2(mitten > 0, "kein Abbruch mitten im Schreiben");
    }

    // A damaged file lists what it could read and says so.
    void beschaedigt()
    {
        Testdatenbank db;
        db.fuellen(600);
        QVERIFY(beschaedigen(db.pfad()));
        Testdienste t(QDate(2026, 6, 10));
        frmGedenkbuch fenster(t.dienste, store::Store::open(store::dateiname));
        const auto* voll = fenster.findChild<ui::Listenfeld*>(QStringLiteral("lstGedenkbuch"));
        QVERIFY2(voll->anzahl() > 500 && voll->anzahl() < 600, qPrintable(QString::number(voll->anzahl())));
        QCOMPARE(
            t.meldungen.gezeigt,
            QStringList(
                {"Einträge unvollständig: Nicht alle Einträge konnten gelesen werden; die Listen "
                 "zeigen nur die gelesenen.\n\nDie Datei daten.mdb ist beschädigt. Prüfen lässt sie sich mit „gedenkbuch-daten pruefen“; "
                 "was noch lesbar ist, sichert „gedenkbuch-daten export“. Arbeiten Sie dabei mit einer Kopie der Datei (und einer Datei daten.mdb-journal daneben, wenn es sie gibt)."}));
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
        QTest::newRow("1 MB Bemerkungen ohne Blank") << "'Anna'" << "printf('%.1048576c', 'x')" << false << "4|Anna|1048576|8";
        // clang-format on
    }

    // A name or remarks longer than the boxes were made for are shown whole and stay whole: an edit
    // of one letter changes one letter, an edit elsewhere leaves them as they are. The lists cut
    // such a name, and neither huge names nor huge remarks freeze the window.
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
        QVERIFY(p.voll().text(0).size() < 320); // "07-07 ", 300 characters and "…", the age
        QCOMPARE(p.finden<QLineEdit>(QStringLiteral("txtBezeichnung"))->text(), gross);
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

    // A pasted name is cut at 50 characters without splitting one, and a full name takes no more
    // typing; a megabyte of remarks without a blank pastes whole.
    void eingefuegt()
    {
        Fensterprobe p(QDate(2026, 6, 10));
        const QString eingefuegt = QStringLiteral("A").repeated(49) + QStringLiteral("🎂🎉") + QString(1 << 20, u'x');
        QApplication::clipboard()->setText(eingefuegt);
        p.mitEintragsdialog("cmdEintragNeu", [&](const Eintragsprobe& d) {
            QTest::keyClick(d.name(), Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(d.bemerkungen(), Qt::Key_V, Qt::ControlModifier);
            d.ausfuellen(d.name()->text(), 1, 1);
            QTest::keyClick(d.name(), Qt::Key_Home);
            QTest::keyClicks(d.name(), QStringLiteral("B"));
            d.speichern();
        });
        QCOMPARE(p.db.saetze(),
                 QStringList({QStringLiteral("A").repeated(49) + QStringLiteral("🎂|1|1|-|") + eingefuegt}));
    }

    void schwierigeEingaben_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("bemerkungen");
        QTest::newRow("Anführungszeichen") << "O'Brien \"der Bär\"" << "'; \"";
        QTest::newRow("SQL") << "Tom'); DROP TABLE Gedenkbuch;--" << "1 OR 1=1; DELETE FROM Gedenkbuch";
        QTest::newRow("Prozent") << "100% _Rabatt_ \\ %s %n" << "%1 %%";
        QTest::newRow("Umlaute, Emoji") << "Jörg Ößmann-Ähre, Übel ß 🎂🎉" << "Grüße an Bärbel 🎈";
        QTest::newRow("50 Zeichen") << QStringLiteral("Ä").append(QString(49, u'b')) << "";
        QTest::newRow("Zeilenumbrüche") << "Zeilen" << "Zeile 1\nZeile 2\n\n\tEnde\n";
        QTest::newRow("100000 Zeichen") << "Lang" << QStringLiteral("Lange Bemerkung ").repeated(6250);
        // clang-format on
    }

    // Stored through the dialog and read back unchanged; shown unchanged in every list and the panel.
    void schwierigeEingaben()
    {
        QFETCH(QString, name);
        QFETCH(QString, bemerkungen);
        Fensterprobe p(QDate(2026, 6, 10));
        p.mitEintragsdialog("cmdEintragNeu", [&](const Eintragsprobe& d) {
            d.ausfuellen(name, 10, 6);
            d.bemerkungen()->setPlainText(bemerkungen);
            d.speichern();
        });
        QCOMPARE(p.t.meldungen.gezeigt, QStringList());
        Fremdzugriff roh(p.db.pfad());
        QCOMPARE(
            roh.wert(QStringLiteral("SELECT hex(Bezeichnung) || '|' || hex(ifnull(Bemerkungen, '')) FROM Gedenkbuch")),
            QString::fromLatin1(name.toUtf8().toHex().toUpper() + '|' + bemerkungen.toUtf8().toHex().toUpper()));
        QCOMPARE(p.bild(),
                 QStringList({"Tage: 0 0 1 0 0 0 0 0 0", "Heute: " + name, "Liste: [06-10 " + name + "]",
                              "Angaben: " + QStringList({name, "10", "6", "", bemerkungen}).join(u'|'),
                              "Befehle: Löschen Ändern"}));
        QStringList gefunden;
        p.mitDialog("cmdSuchen", [&](QDialog& d) { gefunden = suchlauf(d, name); });
        QCOMPARE(gefunden, QStringList({"06-10 " + name}));
        QCOMPARE(imKlartext(p.db.ordner(), {name.toUtf8()}), QString());
    }
};

QTEST_MAIN(TestNichtsVerloren)
#include "tst_nichtsverloren.moc"

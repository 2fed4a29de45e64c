// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fensterprobe.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <thread>

class TestDialoge : public QObject {
    Q_OBJECT
private slots:
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

QTEST_MAIN(TestDialoge)
#include "tst_dialoge.moc"

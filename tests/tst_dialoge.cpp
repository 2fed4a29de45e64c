// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fensterprobe.h"

#include <QApplication>

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
};

QTEST_MAIN(TestDialoge)
#include "tst_dialoge.moc"

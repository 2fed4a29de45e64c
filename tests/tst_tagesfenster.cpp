#include "testhilfen.h"

#include "daywindow/naechsterjahrestag.h"

#include <QSignalSpy>
#include <QTest>

using Eintraege = QList<Testeintrag>;

class TestTagesfenster : public QObject {
    Q_OBJECT
private slots:
    // Word for word, with the count every caption gets once the store has entries, none in the window.
    void beschriftungJahresende()
    {
        Hauptfensterprobe p(QDate(2026, 12, 30), {{"Ostern", 5, 4}});
        const QStringList erwartet = {
            "Vorgestern: Montag, 28.12.2026 (0)", "Gestern: Dienstag, 29.12.2026 (0)", "Heute: Mittwoch, 30.12.2026 (0)",
            "Morgen: Donnerstag, 31.12.2026 (0)", "Übermorgen: Freitag, 01.01.2027 (0)", "Samstag, 02.01.2027 (0)",
            "Sonntag, 03.01.2027 (0)", "Montag, 04.01.2027 (0)", "Dienstag, 05.01.2027 (0)"};
        for (int k = 0; k < 9; ++k)
            QCOMPARE(p.titel(k), erwartet[k]);
    }

    void beschriftung_data()
    {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Schaltjahr vorgestern") << QDate(2028, 3, 1) << 0 << "Vorgestern: Montag, 28.02.2028";
        QTest::newRow("Schaltjahr gestern") << QDate(2028, 3, 1) << 1 << "Gestern: Dienstag, 29.02.2028";
        QTest::newRow("Gemeinjahr vorgestern") << QDate(2027, 3, 1) << 0 << "Vorgestern: Samstag, 27.02.2027";
        QTest::newRow("Gemeinjahr gestern") << QDate(2027, 3, 1) << 1 << "Gestern: Sonntag, 28.02.2027";
        QTest::newRow("führende Nullen") << QDate(2027, 3, 1) << 5 << "Donnerstag, 04.03.2027";
    }

    void beschriftung()
    {
        QFETCH(QDate, heute);
        QFETCH(int, slot);
        QFETCH(QString, titel);
        Hauptfensterprobe p(heute);
        QCOMPARE(p.titel(slot), titel);
    }

    void eintraegeImFenster_data()
    {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<Eintraege>("eintraege");
        QTest::addColumn<QList<QStringList>>("listen");
        const QStringList leer;
        QTest::newRow("29. Februar im Schaltjahr")
            << QDate(2028, 3, 1) << Eintraege{{"Schalttag", 29, 2, 2000}, {"Erster", 1, 3}}
            << QList<QStringList>{leer, {"Schalttag (28.)"}, {"Erster"}, leer, leer, leer, leer, leer, leer};
        QTest::newRow("29. Februar im Gemeinjahr")
            << QDate(2027, 3, 1) << Eintraege{{"Schalttag", 29, 2, 2000}, {"Achtundzwanzigster", 28, 2}}
            << QList<QStringList>{leer, {"Achtundzwanzigster"}, leer, leer, leer, leer, leer, leer, leer};
        QTest::newRow("31. April nie")
            << QDate(2027, 4, 30) << Eintraege{{"Einunddreißigster", 31, 4}, {"Mai", 1, 5}}
            << QList<QStringList>{leer, leer, leer, {"Mai"}, leer, leer, leer, leer, leer};
        QTest::newRow("Alter am Tag im neuen Jahr")
            << QDate(2026, 12, 30) << Eintraege{{"Neujahrskind", 1, 1, 2000}, {"Silvester", 31, 12, 2000}}
            << QList<QStringList>{leer, leer, leer, {"Silvester (26.)"}, {"Neujahrskind (27.)"}, leer, leer, leer, leer};
        QTest::newRow("Alter am Tag im alten Jahr")
            << QDate(2027, 1, 1) << Eintraege{{"Vorjahr", 30, 12, 2000}, {"Heute", 1, 1, 2000}}
            << QList<QStringList>{{"Vorjahr (26.)"}, leer, {"Heute (27.)"}, leer, leer, leer, leer, leer, leer};
        QTest::newRow("ohne brauchbares Jahr, in Speicherfolge")
            << QDate(2026, 6, 10)
            << Eintraege{{"Ohne", 10, 6}, {"Null", 10, 6, 0}, {"Dieses", 10, 6, 2026}, {"Später", 10, 6, 2030},
                         {"Riesig", 10, 6, 99999}, {"Ein Jahr", 10, 6, 2025}}
            << QList<QStringList>{leer, leer, {"Ohne", "Null", "Dieses", "Später", "Riesig", "Ein Jahr (1.)"},
                                  leer, leer, leer, leer, leer, leer};
    }

    void eintraegeImFenster()
    {
        QFETCH(QDate, heute);
        QFETCH(Eintraege, eintraege);
        QFETCH(QList<QStringList>, listen);
        Hauptfensterprobe p(heute, eintraege);
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(p.zeilen(k), listen[k]);
            QVERIFY(p.titel(k).endsWith(QStringLiteral(" (%1)").arg(listen[k].size())));
        }
    }

    // An empty store leaves the captions without counts; a record without a name does not end the
    // scan; refreshing again never appends a second count.
    void zaehlerNurNachEintraegenUndNurEinmal()
    {
        Hauptfensterprobe p(QDate(2026, 12, 30));
        QCOMPARE(p.titel(2), QStringLiteral("Heute: Mittwoch, 30.12.2026"));
        p.db.hinzufuegen({{"Zora", 30, 12, 1990}});
        p.db.sqlAusfuehren("INSERT INTO Gedenkbuch VALUES (NULL, 30, 12, 1990, NULL)");
        p.db.hinzufuegen({{"Anna", 30, 12}, {"Morgen", 31, 12}});
        p.fenster().auffrischen();
        p.fenster().auffrischen();
        QCOMPARE(p.zeilen(2), QStringList({"Zora (36.)", "Anna"}));
        QCOMPARE(p.titel(2), QStringLiteral("Heute: Mittwoch, 30.12.2026 (2)"));
        QCOMPARE(p.zeilen(3), QStringList({"Morgen"}));
    }

    void naechsterJahrestag_data()
    {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<int>("treffer");
        const QDate juni(2026, 6, 10), weihnachten(2026, 12, 25);
        QTest::newRow("Februar nach dem Fenster") << juni << QStringList{"02-01 Anna", "06-12 Bert"} << 0;
        QTest::newRow("nur im Fenster, im Jahr darauf") << juni << QStringList{"06-12 Bert"} << 0;
        QTest::newRow("Rest des Monats zuerst") << juni << QStringList{"02-01 Anna", "06-30 Juni", "07-01 Juli"} << 1;
        QTest::newRow("Anfang des Monats zuletzt") << juni << QStringList{"06-01 Anfang", "06-12 Im Fenster"} << 0;
        QTest::newRow("erste Zeile eines Tages") << juni << QStringList{"01-05 Zuvor", "08-01 Anna", "08-01 Bernd"} << 1;
        QTest::newRow("Januar nach Weihnachten") << weihnachten << QStringList{"01-31 Januar", "12-28 Im Fenster"} << 0;
        QTest::newRow("leere Liste") << juni << QStringList{} << -1;
    }

    void naechsterJahrestag()
    {
        QFETCH(QDate, heute);
        QFETCH(QStringList, zeilen);
        QFETCH(int, treffer);
        ui::Listenfeld liste(false);
        for (const QString& z : zeilen)
            liste.hinzufuegen(z);
        QCOMPARE(::naechsterJahrestag(liste, heute), treffer);
    }

    // The hit is selected, so the full list's selection handling runs; afterwards no line stays
    // selected and the detail panel is at rest, also when an entry was shown before.
    void trefferGewaehltUndWiederAbgewaehlt()
    {
        Hauptfensterprobe p(QDate(2026, 6, 10), {{"Anna", 1, 2}, {"Bert", 12, 6}, {"Clara", 20, 8}});
        p.voll().waehlen(0);
        QCOMPARE(p.angaben(), QStringLiteral("Anna|1|2||"));
        QSignalSpy gewaehlt(&p.voll(), &ui::Listenfeld::zeileGewaehlt);
        p.fenster().auffrischen();
        QCOMPARE(gewaehlt.size(), 1);
        QCOMPARE(p.voll().text(gewaehlt.at(0).at(0).toInt()), QStringLiteral("08-20 Clara"));
        QCOMPARE(p.voll().gewaehlt(), -1);
        QCOMPARE(p.angaben(), QStringLiteral("aus:||||"));
    }

    void trefferStehtObenInDerListe()
    {
        Eintraege viele;
        for (int monat = 1; monat <= 12; ++monat)
            for (int tag = 1; tag <= 28; tag += 3)
                viele.append({QStringLiteral("Eintrag %1.%2.").arg(tag).arg(monat), tag, monat});
        Hauptfensterprobe p(QDate(2026, 6, 10), viele);
        p.zeigen();
        QCOMPARE(p.voll().text(p.voll().indexAt(QPoint(4, 4)).row()), QStringLiteral("06-19 Eintrag 19.6."));
    }
};

QTEST_MAIN(TestTagesfenster)
#include "tst_tagesfenster.moc"

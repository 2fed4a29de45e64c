#include "testhilfen.h"

#include "mainwindow/anzeigezeile.h"
#include "mainwindow/listenaufbau.h"
#include "mainwindow/variablen.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The full list of the test database as the main window builds it, in the year 2026.
QStringList volleListe(const Testdatenbank& db, int durchlaeufe = 1)
{
    auto s = db.oeffnen();
    store::Cursor cursor(*s);
    ui::Listenfeld liste(true);
    Variablen variablen;
    for (int i = 0; i < durchlaeufe; ++i)
        listenaufbau(cursor, liste, variablen, 2026);
    return zeilenVon(liste);
}

} // namespace

class TestListenaufbau : public QObject {
    Q_OBJECT
private slots:
    void anzeigezeile_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("monat");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("jahr"); // -1: no year
        QTest::addColumn<QString>("zeile");
        QTest::newRow("mit Alter") << 7 << 3 << "Oma" << 1941 << "03-07 Oma (85.)";
        QTest::newRow("ohne Jahr") << 24 << 12 << "Weihnachten" << -1 << "12-24 Weihnachten";
        QTest::newRow("einstellig") << 5 << 11 << "Opa" << -1 << "11-05 Opa";
        QTest::newRow("Jahr 0") << 1 << 1 << "Neujahr" << 0 << "01-01 Neujahr";
        QTest::newRow("dieses Jahr") << 2 << 2 << "Baby" << 2026 << "02-02 Baby";
        QTest::newRow("nächstes Jahr") << 2 << 2 << "Zukunft" << 2027 << "02-02 Zukunft";
        QTest::newRow("ein Jahr") << 31 << 10 << "Kind" << 2025 << "10-31 Kind (1.)";
    }

    void anzeigezeile()
    {
        QFETCH(int, tag);
        QFETCH(int, monat);
        QFETCH(QString, name);
        QFETCH(int, jahr);
        QFETCH(QString, zeile);
        Eintrag e{0, name, qint16(tag), qint16(monat), jahr == -1 ? std::nullopt : std::optional<qint16>(jahr), {}};
        QCOMPARE(::anzeigezeile(e, 2026), zeile);
    }

    // Calendar order whatever the store order; one date case-blind by name, umlauts among their
    // letters, equal texts in the order of adding; a second build without emptying lists all twice.
    void kalenderfolge()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Silvester", 31, 12}, {"berta", 4, 5}, {"Zoe", 4, 5}, {"Ärger", 4, 5}, {"Neujahr", 1, 1},
                        {"anna", 4, 5}, {"Anna Maria", 4, 5}, {"Anna", 4, 5, 2000}, {"anna", 4, 5}});
        QCOMPARE(volleListe(db), QStringList({"01-01 Neujahr", "05-04 anna", "05-04 anna", "05-04 Anna (26.)",
                                              "05-04 Anna Maria", "05-04 Ärger", "05-04 berta", "05-04 Zoe",
                                              "12-31 Silvester"}));
        QCOMPARE(volleListe(db, 2).mid(0, 3), QStringList({"01-01 Neujahr", "01-01 Neujahr", "05-04 anna"}));
    }

    // A record that only another program could have written is skipped or listed without an age;
    // the entries behind it are all listed.
    void fremdeDatensaetzeBeendenDenDurchlaufNicht()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Erste", 1, 1, 1990}});
        db.sqlAusfuehren("INSERT INTO Gedenkbuch VALUES (NULL, 2, 2, 1990, NULL);"
                         "INSERT INTO Gedenkbuch VALUES ('Riesenjahr', 3, 3, 99999, NULL);"
                         "INSERT INTO Gedenkbuch VALUES ('Texttag', 'abc', 4, NULL, NULL);"
                         "INSERT INTO Gedenkbuch VALUES ('Ohne Monat', 5, NULL, NULL, NULL);");
        db.hinzufuegen({{"Letzte", 7, 7, 2000}});
        QCOMPARE(volleListe(db), QStringList({"01-01 Erste (36.)", "03-03 Riesenjahr", "07-07 Letzte (26.)"}));
    }

    // Adding many lines at once gives the order that adding them one by one gives, also onto lines
    // already there and with texts that differ only in case.
    void vieleZeilenWieEinzelnEinsortiert()
    {
        QRandomGenerator zufall(20261206);
        const QStringList namen = {"anna", "Anna", "ANNA", "Ärger", "ärger", "Bernd", "bernd", "Zoe", "Öl", "Ol"};
        QList<ui::Zeile> zeilen;
        for (int i = 0; i < 450; ++i)
            zeilen.append({QStringLiteral("0%1-0%2 %3").arg(zufall.bounded(1, 3)).arg(zufall.bounded(1, 3))
                               .arg(namen.at(zufall.bounded(int(namen.size())))), i});
        ui::Listenfeld einzeln(true), zusammen(true);
        for (const ui::Zeile& z : zeilen) {
            einzeln.hinzufuegen(z.text, z.id);
            if (z.id < 150)
                zusammen.hinzufuegen(z.text, z.id);
        }
        zusammen.hinzufuegen(zeilen.mid(150));
        QCOMPARE(zusammen.anzahl(), 450);
        for (int i = 0; i < einzeln.anzahl(); ++i) {
            QCOMPARE(zusammen.id(i), einzeln.id(i));
            QVERIFY(i == 0 || einzeln.text(i - 1).left(5) <= einzeln.text(i).left(5));
        }
    }
};

QTEST_MAIN(TestListenaufbau)
#include "tst_listenaufbau.moc"

#include "testhilfen.h"

#include "mainwindow/anzeigezeile.h"
#include "mainwindow/listenaufbau.h"
#include "mainwindow/variablen.h"
#include "ui/listenfeld.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QStringList zeilen(const ui::Listenfeld& liste)
{
    QStringList texte;
    for (int i = 0; i < liste.anzahl(); ++i)
        texte << liste.text(i);
    return texte;
}

// Builds the full list of the test database as the main window does, in the year 2026.
QStringList volleListe(const Testdatenbank& db, int durchlaeufe = 1)
{
    auto s = db.oeffnen();
    store::Cursor cursor(*s);
    ui::Listenfeld liste(true);
    Variablen variablen;
    for (int i = 0; i < durchlaeufe; ++i)
        listenaufbau(cursor, liste, variablen, 2026);
    return zeilen(liste);
}

} // namespace

class TestListenaufbau : public QObject {
    Q_OBJECT
private slots:
    void anzeigezeile_data();
    void anzeigezeile();
    void kalenderfolgeUnabhaengigVomSpeicher();
    void gleichesDatumNachNamenOhneGrossschreibung();
    void zweimalAufgebautZeigtJedenEintragZweimal();
    void fremdeDatensaetzeBeendenDenDurchlaufNicht();
    void jedeZeileKenntIhrenEintrag();
    void vieleZeilenWieEinzelnEinsortiert();
};

void TestListenaufbau::anzeigezeile_data()
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
    QTest::newRow("negatives Jahr") << 3 << 3 << "Rom" << -753 << "03-03 Rom";
    QTest::newRow("Name mit Klammern") << 9 << 9 << "Paul (Nachbar)" << 2000 << "09-09 Paul (Nachbar) (26.)";
}

void TestListenaufbau::anzeigezeile()
{
    QFETCH(int, tag);
    QFETCH(int, monat);
    QFETCH(QString, name);
    QFETCH(int, jahr);
    QFETCH(QString, zeile);
    Eintrag e;
    e.tag = qint16(tag);
    e.monat = qint16(monat);
    e.Bezeichnung = name;
    if (jahr != -1)
        e.jahr = qint16(jahr);
    QCOMPARE(::anzeigezeile(e, 2026), zeile);
    QCOMPARE(::anzeigezeile(e, 2026).mid(6, name.size()), name);
}

void TestListenaufbau::kalenderfolgeUnabhaengigVomSpeicher()
{
    Testdatenbank db;
    db.hinzufuegen({{"Nikolaus", 6, 12}, {"Silvester", 31, 12}, {"Anna", 2, 1, 1990}, {"Max", 10, 3},
                    {"Oma", 1, 12, 1941}, {"Neujahr", 1, 1}});
    QCOMPARE(volleListe(db), QStringList({"01-01 Neujahr", "01-02 Anna (36.)", "03-10 Max", "12-01 Oma (85.)",
                                          "12-06 Nikolaus", "12-31 Silvester"}));
}

void TestListenaufbau::gleichesDatumNachNamenOhneGrossschreibung()
{
    Testdatenbank db;
    db.hinzufuegen({{"berta", 4, 5}, {"Zoe", 4, 5}, {"Ärger", 4, 5}, {"anna", 4, 5}, {"Anna Maria", 4, 5},
                    {"Bernd", 4, 5}, {"Anna", 4, 5, 2000}});
    // Case-blind, umlauts among their letters, equal texts in the order of adding.
    QCOMPARE(volleListe(db), QStringList({"05-04 anna", "05-04 Anna (26.)", "05-04 Anna Maria", "05-04 Ärger",
                                          "05-04 Bernd", "05-04 berta", "05-04 Zoe"}));
}

void TestListenaufbau::zweimalAufgebautZeigtJedenEintragZweimal()
{
    Testdatenbank db;
    db.hinzufuegen({{"Max", 10, 3}, {"anna", 2, 1}, {"Anna", 2, 1}});
    QCOMPARE(volleListe(db, 2),
             QStringList({"01-02 anna", "01-02 Anna", "01-02 anna", "01-02 Anna", "03-10 Max", "03-10 Max"}));
}

// A record that only another program could have written is skipped or listed without an age;
// the entries behind it are all listed.
void TestListenaufbau::fremdeDatensaetzeBeendenDenDurchlaufNicht()
{
    Testdatenbank db;
    db.hinzufuegen({{"Erste", 1, 1, 1990}});
    db.sqlAusfuehren("INSERT INTO Gedenkbuch VALUES (NULL, 2, 2, 1990, NULL);"
                     "INSERT INTO Gedenkbuch VALUES ('Riesenjahr', 3, 3, 99999, NULL);"
                     "INSERT INTO Gedenkbuch VALUES ('Texttag', 'abc', 4, NULL, NULL);"
                     "INSERT INTO Gedenkbuch VALUES ('Ohne Monat', 5, NULL, NULL, NULL);"
                     "INSERT INTO Gedenkbuch VALUES ('Zahltext', '6', '6', '1980', NULL);");
    db.hinzufuegen({{"Letzte", 7, 7, 2000}});
    QCOMPARE(volleListe(db),
             QStringList({"01-01 Erste (36.)", "03-03 Riesenjahr", "06-06 Zahltext (46.)", "07-07 Letzte (26.)"}));
}

void TestListenaufbau::jedeZeileKenntIhrenEintrag()
{
    Testdatenbank db;
    const QList<qint64> ids = db.hinzufuegen({{"Anna", 4, 5}, {"Anna", 4, 5}, {"Anna", 3, 1}});
    auto s = db.oeffnen();
    store::Cursor cursor(*s);
    ui::Listenfeld liste(true);
    Variablen variablen;
    listenaufbau(cursor, liste, variablen, 2026);
    QCOMPARE(QList<qint64>({liste.id(0), liste.id(1), liste.id(2)}), QList<qint64>({ids[2], ids[0], ids[1]}));
}

// Adding many lines at once must give the order that adding them one by one gives, also when
// lines are already there and texts differ only in case.
void TestListenaufbau::vieleZeilenWieEinzelnEinsortiert()
{
    QRandomGenerator zufall(20261206);
    const QStringList namen = {"anna", "Anna", "ANNA", "Ärger", "ärger", "Bernd", "bernd", "Zoe", "Öl", "Ol"};
    auto zufallszeilen = [&](int anzahl, int ab) {
        QList<ui::Zeile> liste;
        for (int i = 0; i < anzahl; ++i) {
            const QString text = QStringLiteral("%1-%2 %3")
                                     .arg(zufall.bounded(1, 3), 2, 10, QChar(u'0'))
                                     .arg(zufall.bounded(1, 3), 2, 10, QChar(u'0'))
                                     .arg(namen.at(zufall.bounded(int(namen.size()))));
            liste.append({text, ab + i});
        }
        return liste;
    };
    const QList<ui::Zeile> vorhanden = zufallszeilen(150, 0);
    const QList<ui::Zeile> neu = zufallszeilen(300, 1000);

    ui::Listenfeld einzeln(true);
    ui::Listenfeld zusammen(true);
    for (const ui::Zeile& z : vorhanden) {
        einzeln.hinzufuegen(z.text, z.id);
        zusammen.hinzufuegen(z.text, z.id);
    }
    for (const ui::Zeile& z : neu)
        einzeln.hinzufuegen(z.text, z.id);
    zusammen.hinzufuegen(neu);

    QCOMPARE(zusammen.anzahl(), 450);
    for (int i = 0; i < einzeln.anzahl(); ++i) {
        QCOMPARE(zusammen.id(i), einzeln.id(i));
        if (i > 0)
            QVERIFY2(einzeln.text(i - 1).left(5) <= einzeln.text(i).left(5), "Kalenderfolge verletzt");
    }
}

QTEST_MAIN(TestListenaufbau)
#include "tst_listenaufbau.moc"

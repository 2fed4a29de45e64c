#include "testhilfen.h"

#include "store/cursor.h"
#include "store/store.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using store::Cursor;
using store::StoreError;
using Art = store::StoreError::Art;

namespace {

QStringList namenImSpeicher(Cursor& cursor)
{
    QStringList namen;
    try {
        cursor.MoveFirst();
        for (; !cursor.Eof(); cursor.MoveNext())
            namen << cursor.Field(QStringLiteral("Bezeichnung")).toString();
    } catch (const StoreError&) {
    }
    return namen;
}

// A database file written with SQLCipher's C API directly; without a key it is plain SQLite.
void rohdatei(const QString& pfad, const char* schluessel, const char* sql)
{
    sqlite3* db = nullptr;
    QVERIFY(sqlite3_open_v2(QFile::encodeName(pfad).constData(), &db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK);
    if (schluessel)
        sqlite3_key(db, schluessel, int(strlen(schluessel)));
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

Art fehlerart(const std::function<void()>& aktion)
{
    try {
        aktion();
    } catch (const StoreError& e) {
        return e.art();
    }
    return Art(-1);
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void reihenfolgeIstDieDesHinzufuegens();
    void gehtUeberVielePufferHinweg();
    void leereTabelle();
    void ungeschriebeneFelderSindLeer();
    void zahlenfeldAusText_data();
    void zahlenfeldAusText();
    void aendernSchreibtNurGeschriebeneFelder();
    void aendernEinesGeloeschtenEintrags();
    void loeschenUndWeitergehen();
    void lesezeichen();
    void unoeffnbareDatei_data();
    void unoeffnbareDatei();
    void anlegenUeberschreibtNichts();
    void neueDateiNurFuerEigentuemer();
    void nichtsImKlartext();
};

void TestStore::reihenfolgeIstDieDesHinzufuegens()
{
    Testdatenbank db;
    db.hinzufuegen({{"Zora", 1, 1}, {"Anna", 2, 2}, {"Max", 3, 3}});
    auto s = db.oeffnen();
    Cursor cursor(*s);
    QCOMPARE(namenImSpeicher(cursor), QStringList({"Zora", "Anna", "Max"}));

    cursor.MoveFirst();
    cursor.MoveNext();
    cursor.Delete();
    db.hinzufuegen({{"Berta", 4, 4}});
    QCOMPARE(namenImSpeicher(cursor), QStringList({"Zora", "Max", "Berta"}));
}

void TestStore::gehtUeberVielePufferHinweg()
{
    Testdatenbank db;
    db.sqlAusfuehren("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                     "INSERT INTO Gedenkbuch (Bezeichnung, tag, monat) SELECT 'E' || i, 1, 1 FROM n");
    auto s = db.oeffnen();
    Cursor cursor(*s);
    const QStringList namen = namenImSpeicher(cursor);
    QCOMPARE(namen.size(), 1000);
    for (int i = 0; i < namen.size(); ++i)
        QCOMPARE(namen.at(i), QStringLiteral("E%1").arg(i + 1));
    QVERIFY(cursor.Eof());
}

void TestStore::leereTabelle()
{
    Testdatenbank db;
    auto s = db.oeffnen();
    Cursor cursor(*s);
    QCOMPARE(fehlerart([&] { cursor.MoveFirst(); }), Art::KeinAktuellerDatensatz);
    QVERIFY(cursor.Eof());
    QCOMPARE(fehlerart([&] { cursor.Field(QStringLiteral("tag")); }), Art::KeinAktuellerDatensatz);
    QCOMPARE(fehlerart([&] { cursor.Delete(); }), Art::KeinAktuellerDatensatz);
}

void TestStore::ungeschriebeneFelderSindLeer()
{
    Testdatenbank db;
    db.hinzufuegen({{"Opa", 5, 11}, {"Oma", 7, 3, 1941, "Blumen\nund Kuchen"}});
    auto s = db.oeffnen();
    Cursor cursor(*s);
    cursor.MoveFirst();
    QVERIFY(cursor.Field(QStringLiteral("jahr")).isNull());
    QVERIFY(cursor.Field(QStringLiteral("Bemerkungen")).isNull());
    QCOMPARE(cursor.Field(QStringLiteral("tag")).toLongLong(), 5);
    cursor.MoveNext();
    QCOMPARE(cursor.Field(QStringLiteral("JAHR")).toLongLong(), 1941);
    QCOMPARE(cursor.Field(QStringLiteral("Bemerkungen")).toString(), QStringLiteral("Blumen\nund Kuchen"));
    QCOMPARE(fehlerart([&] { cursor.Field(QStringLiteral("Geburtsort")); }), Art::UnbekanntesFeld);
}

void TestStore::zahlenfeldAusText_data()
{
    QTest::addColumn<QVariant>("wert");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<qint64>("gespeichert");
    QTest::newRow("Ziffern") << QVariant("17") << true << qint64(17);
    QTest::newRow("mit Blanks") << QVariant(" 7 ") << true << qint64(7);
    QTest::newRow("negativ") << QVariant("-3") << true << qint64(-3);
    QTest::newRow("ganze Dezimalzahl") << QVariant(5.0) << true << qint64(5);
    QTest::newRow("Zahl") << QVariant(1985) << true << qint64(1985);
    QTest::newRow("Buchstaben dahinter") << QVariant("12abc") << false << qint64(0);
    QTest::newRow("leerer Text") << QVariant("") << false << qint64(0);
    QTest::newRow("Buchstaben") << QVariant("abc") << false << qint64(0);
    QTest::newRow("Dezimaltext") << QVariant("2.5") << false << qint64(0);
    QTest::newRow("Bruch") << QVariant(5.5) << false << qint64(0);
    QTest::newRow("zu groß für 64 Bit") << QVariant("99999999999999999999") << false << qint64(0);
}

// A text that does not convert is refused, and the field keeps what it held.
void TestStore::zahlenfeldAusText()
{
    QFETCH(QVariant, wert);
    QFETCH(bool, gueltig);
    QFETCH(qint64, gespeichert);

    Testdatenbank db;
    db.hinzufuegen({{"Anna", 9, 4}});
    auto s = db.oeffnen();
    Cursor cursor(*s);
    cursor.MoveFirst();
    cursor.Edit();
    const Art art = fehlerart([&] { cursor.SetField(QStringLiteral("tag"), wert); });
    QCOMPARE(art == Art::KeineZahl, !gueltig);
    cursor.Update();

    cursor.MoveFirst();
    QCOMPARE(cursor.Field(QStringLiteral("tag")).toLongLong(), gueltig ? gespeichert : 9);
}

void TestStore::aendernSchreibtNurGeschriebeneFelder()
{
    Testdatenbank db;
    db.hinzufuegen({{"Anna", 9, 4, 1980, "alt"}});
    auto s1 = db.oeffnen();
    auto s2 = db.oeffnen();
    Cursor erster(*s1);
    Cursor zweiter(*s2);

    erster.MoveFirst();
    erster.Edit();
    erster.SetField(QStringLiteral("Bezeichnung"), QStringLiteral("Anna Berg"));
    zweiter.MoveFirst();
    zweiter.Edit();
    zweiter.SetField(QStringLiteral("Bemerkungen"), QStringLiteral("neu"));
    zweiter.Update();
    erster.Update();
    QCOMPARE(erster.Field(QStringLiteral("Bezeichnung")).toString(), QStringLiteral("Anna Berg"));

    zweiter.MoveFirst();
    QCOMPARE(zweiter.Field(QStringLiteral("Bezeichnung")).toString(), QStringLiteral("Anna Berg"));
    QCOMPARE(zweiter.Field(QStringLiteral("Bemerkungen")).toString(), QStringLiteral("neu"));
    QCOMPARE(zweiter.Field(QStringLiteral("jahr")).toLongLong(), 1980);
}

void TestStore::aendernEinesGeloeschtenEintrags()
{
    Testdatenbank db;
    db.hinzufuegen({{"Anna", 9, 4}, {"Max", 1, 2}});
    auto s1 = db.oeffnen();
    auto s2 = db.oeffnen();
    Cursor erster(*s1);
    Cursor zweiter(*s2);
    erster.MoveFirst();
    zweiter.MoveFirst();
    zweiter.Delete();

    erster.Edit();
    erster.SetField(QStringLiteral("Bezeichnung"), QStringLiteral("Anna Berg"));
    QCOMPARE(fehlerart([&] { erster.Update(); }), Art::KeinAktuellerDatensatz);
    erster.CancelUpdate();
    QCOMPARE(fehlerart([&] { erster.Delete(); }), Art::KeinAktuellerDatensatz);
    QCOMPARE(namenImSpeicher(erster), QStringList({"Max"}));
}

void TestStore::loeschenUndWeitergehen()
{
    Testdatenbank db;
    db.hinzufuegen({{"A", 1, 1}, {"B", 2, 2}, {"C", 3, 3}});
    auto s = db.oeffnen();
    Cursor cursor(*s);
    cursor.MoveFirst();
    cursor.MoveNext();
    cursor.Delete();
    QCOMPARE(fehlerart([&] { cursor.Field(QStringLiteral("Bezeichnung")); }), Art::KeinAktuellerDatensatz);
    QCOMPARE(fehlerart([&] { cursor.Edit(); }), Art::KeinAktuellerDatensatz);
    cursor.MoveNext();
    QCOMPARE(cursor.Field(QStringLiteral("Bezeichnung")).toString(), QStringLiteral("C"));
    cursor.MoveNext();
    QVERIFY(cursor.Eof());
    QCOMPARE(fehlerart([&] { cursor.MoveNext(); }), Art::KeinAktuellerDatensatz);
}

void TestStore::lesezeichen()
{
    Testdatenbank db;
    const QList<qint64> ids = db.hinzufuegen({{"A", 1, 1}, {"B", 2, 2}, {"C", 3, 3}});
    auto s = db.oeffnen();
    Cursor cursor(*s);
    cursor.SetBookmark(ids.at(1));
    QCOMPARE(cursor.Field(QStringLiteral("Bezeichnung")).toString(), QStringLiteral("B"));
    cursor.MoveNext();
    QCOMPARE(cursor.Bookmark(), ids.at(2));

    cursor.SetBookmark(ids.at(1));
    cursor.Delete();
    QCOMPARE(fehlerart([&] { cursor.SetBookmark(ids.at(1)); }), Art::KeinAktuellerDatensatz);
    QCOMPARE(fehlerart([&] { cursor.Bookmark(); }), Art::KeinAktuellerDatensatz);
}

void TestStore::unoeffnbareDatei_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("fehlt") << "fehlt" << int(Art::DateiFehlt);
    QTest::newRow("leer") << "leer" << int(Art::DateiFehlt);
    QTest::newRow("Ordner") << "Ordner" << int(Art::DateiFehlt);
    QTest::newRow("Textdatei") << "Text" << int(Art::KeineDatenbank);
    QTest::newRow("unverschlüsseltes SQLite") << "unverschluesselt" << int(Art::KeineDatenbank);
    QTest::newRow("anderes Kennwort") << "Kennwort" << int(Art::KeineDatenbank);
    QTest::newRow("ohne Tabelle") << "ohneTabelle" << int(Art::TabelleFehlt);
    QTest::newRow("Tabelle ohne Feld jahr") << "ohneFeld" << int(Art::TabelleFehlt);
}

// Opening never creates or changes a file: whatever lies there stays byte for byte.
void TestStore::unoeffnbareDatei()
{
    QFETCH(QString, art);
    QFETCH(int, erwartet);

    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
    const char* tabelle = "CREATE TABLE Gedenkbuch (Bezeichnung TEXT, tag INTEGER, monat INTEGER, jahr INTEGER, "
                          "Bemerkungen TEXT); INSERT INTO Gedenkbuch VALUES ('Anna', 1, 2, 1990, NULL);";
    if (art == QLatin1String("leer")) {
        QFile(pfad).open(QIODevice::WriteOnly);
    } else if (art == QLatin1String("Ordner")) {
        QDir(ordner.path()).mkdir(QStringLiteral("daten.mdb"));
    } else if (art == QLatin1String("Text")) {
        QFile datei(pfad);
        datei.open(QIODevice::WriteOnly);
        datei.write(QByteArray("Dies ist keine Datenbank.\n").repeated(200));
    } else if (art == QLatin1String("unverschluesselt")) {
        rohdatei(pfad, nullptr, tabelle);
    } else if (art == QLatin1String("Kennwort")) {
        rohdatei(pfad, "eiche", tabelle);
    } else if (art == QLatin1String("ohneTabelle")) {
        rohdatei(pfad, "birke", "CREATE TABLE Andere (x INTEGER); INSERT INTO Andere VALUES (1);");
    } else if (art == QLatin1String("ohneFeld")) {
        rohdatei(pfad, "birke", "CREATE TABLE Gedenkbuch (Bezeichnung TEXT, tag INTEGER, monat INTEGER, "
                                "Bemerkungen TEXT);");
    }
    const QByteArray vorher = dateiinhalt(pfad);
    const QStringList dateienVorher = QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    QCOMPARE(int(fehlerart([&] { store::Store::open(pfad); })), erwartet);

    QCOMPARE(dateiinhalt(pfad), vorher);
    QCOMPARE(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), dateienVorher);
}

void TestStore::anlegenUeberschreibtNichts()
{
    Testdatenbank db;
    db.hinzufuegen({{"Anna", 1, 2}});
    const QByteArray vorher = dateiinhalt(db.pfad());
    try {
        store::Store::create(db.pfad());
        QFAIL("Eine vorhandene Datei wurde überschrieben");
    } catch (const StoreError& e) {
        QVERIFY(e.meldung().contains(QStringLiteral("existiert schon")));
    }
    QCOMPARE(dateiinhalt(db.pfad()), vorher);
}

void TestStore::neueDateiNurFuerEigentuemer()
{
    Testdatenbank db;
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(db.pfad()).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));
}

void TestStore::nichtsImKlartext()
{
    Testdatenbank db;
    db.hinzufuegen({{"Quokka Zauberwort", 1, 2, 1990, "Geheimnis Xylophon"}});
    const QByteArray inhalt = dateiinhalt(db.pfad());
    QVERIFY(!inhalt.isEmpty());
    QVERIFY(!inhalt.contains("Quokka"));
    QVERIFY(!inhalt.contains("Xylophon"));
    QVERIFY(!inhalt.contains("SQLite format"));
    auto s = db.oeffnen();
    Cursor cursor(*s);
    cursor.MoveFirst();
    QCOMPARE(cursor.Field(QStringLiteral("Bezeichnung")).toString(), QStringLiteral("Quokka Zauberwort"));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"

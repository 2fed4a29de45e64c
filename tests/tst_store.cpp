#include "testhilfen.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>

using store::Cursor;
using Art = store::StoreError::Art;

namespace {

QStringList namen(const Testdatenbank& db)
{
    QStringList gefunden;
    for (const QStringList& satz : db.saetze())
        gefunden << satz.at(0);
    return gefunden;
}

// The kind of StoreError an action raises, -1 for none.
int fehler(const std::function<void()>& aktion)
{
    try {
        aktion();
    } catch (const store::StoreError& e) {
        return int(e.art());
    }
    return -1;
}

// A database file written with SQLCipher's C API directly; without a key it is plain SQLite.
void rohdatei(const QString& pfad, const char* schluessel, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(pfad).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (schluessel)
        sqlite3_key(db, schluessel, int(strlen(schluessel)));
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

// Runs a program in a folder; gives its exit status and what it wrote to stdout and stderr.
std::tuple<int, QString, QString> ausfuehren(const QString& programm, const QStringList& argumente, const QString& ordner)
{
    QProcess prozess;
    prozess.setWorkingDirectory(ordner);
    prozess.start(programm, argumente);
    prozess.waitForFinished(30000);
    const int status = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
    return {status, QString::fromUtf8(prozess.readAllStandardOutput()), QString::fromUtf8(prozess.readAllStandardError())};
}

const QString werkzeug = QStringLiteral(GEDENKBUCH_DATEN);

} // namespace

class TestStore : public QObject {
    Q_OBJECT
private slots:
    // Store order is the order of adding, across deletes and across the cursor's read batches.
    void speicherfolge()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Zora", 1, 1}, {"Anna", 2, 2, 1941, "Blumen\nund Kuchen"}, {"Max", 3, 3}});
        auto s = db.oeffnen();
        Cursor cursor(*s);
        QCOMPARE(namen(db), QStringList({"Zora", "Anna", "Max"}));
        QCOMPARE(db.saetze().at(0), QStringList({"Zora", "1", "1", "-", "-"}));
        QCOMPARE(db.saetze().at(1), QStringList({"Anna", "2", "2", "1941", "Blumen\nund Kuchen"}));

        cursor.MoveFirst();
        cursor.MoveNext();
        cursor.Delete();
        db.hinzufuegen({{"Berta", 4, 4}});
        QCOMPARE(namen(db), QStringList({"Zora", "Max", "Berta"}));

        db.sqlAusfuehren("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1500) "
                         "INSERT INTO Gedenkbuch (Bezeichnung, tag, monat) SELECT 'E' || i, 1, 1 FROM n");
        const QStringList alle = namen(db);
        QCOMPARE(alle.size(), 1503);
        QCOMPARE(alle.at(3), QStringLiteral("E1"));
        QCOMPARE(alle.at(1502), QStringLiteral("E1500"));
    }

    void lageDesCursors()
    {
        Testdatenbank db;
        auto s = db.oeffnen();
        Cursor cursor(*s);
        QCOMPARE(fehler([&] { cursor.MoveFirst(); }), int(Art::KeinAktuellerDatensatz)); // an empty table
        QVERIFY(cursor.Eof());
        QCOMPARE(fehler([&] { cursor.Delete(); }), int(Art::KeinAktuellerDatensatz));

        const QList<qint64> ids = db.hinzufuegen({{"A", 1, 1}, {"B", 2, 2}, {"C", 3, 3}});
        cursor.SetBookmark(ids[1]);
        QCOMPARE(cursor.Field(QStringLiteral("BEZEICHNUNG")).toString(), QStringLiteral("B"));
        cursor.Delete();
        QCOMPARE(fehler([&] { cursor.Field(QStringLiteral("tag")); }), int(Art::KeinAktuellerDatensatz));
        QCOMPARE(fehler([&] { cursor.Edit(); }), int(Art::KeinAktuellerDatensatz));
        cursor.MoveNext();
        QCOMPARE(cursor.Bookmark(), ids[2]);
        cursor.MoveNext();
        QVERIFY(cursor.Eof());
        QCOMPARE(fehler([&] { cursor.SetBookmark(ids[1]); }), int(Art::KeinAktuellerDatensatz));
        QCOMPARE(fehler([&] { cursor.Field(QStringLiteral("Geburtsort")); }), int(Art::UnbekanntesFeld));
    }

    void zahlenfeldAusText_data()
    {
        QTest::addColumn<QVariant>("wert");
        QTest::addColumn<QString>("gespeichert"); // the stored day; "9" is the value before
        QTest::newRow("Ziffern") << QVariant("17") << "17";
        QTest::newRow("mit Blanks") << QVariant(" 7 ") << "7";
        QTest::newRow("ganze Dezimalzahl") << QVariant(5.0) << "5";
        QTest::newRow("Buchstaben dahinter") << QVariant("12abc") << "9";
        QTest::newRow("Dezimaltext") << QVariant("2.5") << "9";
        QTest::newRow("Bruch") << QVariant(5.5) << "9";
        QTest::newRow("zu groß für 64 Bit") << QVariant("99999999999999999999") << "9";
    }

    // A text that does not convert is refused and never becomes 0; the field keeps what it held.
    void zahlenfeldAusText()
    {
        QFETCH(QVariant, wert);
        QFETCH(QString, gespeichert);
        Testdatenbank db;
        db.hinzufuegen({{"Anna", 9, 4}});
        auto s = db.oeffnen();
        Cursor cursor(*s);
        cursor.MoveFirst();
        cursor.Edit();
        const int art = fehler([&] { cursor.SetField(QStringLiteral("tag"), wert); });
        QCOMPARE(art == int(Art::KeineZahl), gespeichert == QLatin1String("9"));
        cursor.Update();
        QCOMPARE(db.saetze().at(0).at(1), gespeichert);
    }

    // Two programs changing different fields of one entry: neither overwrites the other's change.
    void aendernSchreibtNurGeschriebeneFelder()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Anna", 9, 4, 1980, "alt"}, {"Max", 1, 2}});
        auto s1 = db.oeffnen();
        auto s2 = db.oeffnen();
        Cursor erster(*s1), zweiter(*s2);
        erster.MoveFirst();
        erster.Edit();
        erster.SetField(QStringLiteral("Bezeichnung"), QStringLiteral("Anna Berg"));
        zweiter.MoveFirst();
        zweiter.Edit();
        zweiter.SetField(QStringLiteral("Bemerkungen"), QStringLiteral("neu"));
        zweiter.Update();
        erster.Update();
        QCOMPARE(db.saetze().at(0), QStringList({"Anna Berg", "9", "4", "1980", "neu"}));
    }

    void unoeffnbareDatei_data()
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
    void unoeffnbareDatei()
    {
        QFETCH(QString, art);
        QFETCH(int, erwartet);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
        const char* tabelle = "CREATE TABLE Gedenkbuch (Bezeichnung TEXT, tag INTEGER, monat INTEGER, jahr INTEGER, "
                              "Bemerkungen TEXT); INSERT INTO Gedenkbuch VALUES ('Anna', 1, 2, 1990, NULL);";
        QFile datei(pfad);
        if (art == QLatin1String("leer"))
            datei.open(QIODevice::WriteOnly);
        else if (art == QLatin1String("Ordner"))
            QDir(ordner.path()).mkdir(QStringLiteral("daten.mdb"));
        else if (art == QLatin1String("Text") && datei.open(QIODevice::WriteOnly))
            datei.write(QByteArray("Dies ist keine Datenbank.\n").repeated(200));
        else if (art == QLatin1String("unverschluesselt"))
            rohdatei(pfad, nullptr, tabelle);
        else if (art == QLatin1String("Kennwort"))
            rohdatei(pfad, "eiche", tabelle);
        else if (art == QLatin1String("ohneTabelle"))
            rohdatei(pfad, "birke", "CREATE TABLE Andere (x INTEGER); INSERT INTO Andere VALUES (1);");
        else if (art == QLatin1String("ohneFeld"))
            rohdatei(pfad, "birke", "CREATE TABLE Gedenkbuch (Bezeichnung TEXT, tag INTEGER, monat INTEGER, Bemerkungen TEXT);");
        datei.close();
        const QByteArray vorher = dateiinhalt(pfad);
        const QStringList dateienVorher = QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

        QCOMPARE(fehler([&] { store::Store::open(pfad); }), erwartet);
        QCOMPARE(dateiinhalt(pfad), vorher);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), dateienVorher);
    }

    void neueDateiNurFuerEigentuemer()
    {
        Testdatenbank db;
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(db.pfad()).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
    }

    // The tool makes a real SQLCipher database, which the standard shell reads with the key and
    // only then; asked again, it refuses and leaves the file as it is.
    void datenwerkzeug()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
        QCOMPARE(std::get<0>(ausfuehren(werkzeug, {QStringLiteral("neu")}, ordner.path())), 0);
        const QByteArray neu = dateiinhalt(pfad);
        const auto [fehlerstatus, _, meldung] = ausfuehren(werkzeug, {QStringLiteral("neu")}, ordner.path());
        QCOMPARE(fehlerstatus, 1);
        QCOMPARE(meldung.trimmed(), QStringLiteral("Die Datei daten.mdb existiert schon. Sie wird nicht überschrieben."));
        QCOMPARE(dateiinhalt(pfad), neu);

        const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
        if (shell.isEmpty())
            QSKIP("Die sqlcipher-Shell ist nicht installiert (make test installiert sie).");
        const QStringList mitKennwort = {QStringLiteral("-cmd"), QStringLiteral("PRAGMA key='birke';"), QStringLiteral("daten.mdb")};
        QCOMPARE(std::get<0>(ausfuehren(shell, mitKennwort + QStringList{"INSERT INTO Gedenkbuch VALUES ('Tante Quirina', 3, 4, 1950, NULL);"},
                                        ordner.path())), 0);

        const auto [status, ausgabe, fehler] = ausfuehren(
            shell, mitKennwort + QStringList{"PRAGMA table_info(Gedenkbuch); SELECT Bezeichnung FROM Gedenkbuch;"}, ordner.path());
        QCOMPARE(status, 0);
        QStringList gelesen; // table_info lines read "0|Bezeichnung|TEXT|0||0"
        for (const QString& zeile : ausgabe.split(u'\n', Qt::SkipEmptyParts))
            gelesen << (zeile.contains(u'|') ? zeile.section(u'|', 1, 2) : zeile);
        QCOMPARE(gelesen, QStringList({"Bezeichnung|TEXT", "tag|INTEGER", "monat|INTEGER", "jahr|INTEGER",
                                       "Bemerkungen|TEXT", "Tante Quirina"}));

        const auto ohne = ausfuehren(shell, {QStringLiteral("daten.mdb"), QStringLiteral("SELECT * FROM Gedenkbuch;")}, ordner.path());
        QVERIFY(std::get<0>(ohne) != 0);
        QVERIFY(!std::get<1>(ohne).contains(QStringLiteral("Quirina")));
        QVERIFY(!dateiinhalt(pfad).contains("Quirina"));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"

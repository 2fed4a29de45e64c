#include "testhilfen.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

struct Ergebnis {
    int status;
    QString ausgabe;
    QString fehler;
};

Ergebnis ausfuehren(const QString& programm, const QStringList& argumente, const QString& ordner)
{
    QProcess prozess;
    prozess.setWorkingDirectory(ordner);
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(30000))
        return {-1, {}, QStringLiteral("Zeitüberschreitung")};
    return {prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1,
            QString::fromUtf8(prozess.readAllStandardOutput()), QString::fromUtf8(prozess.readAllStandardError())};
}

const QString werkzeug = QStringLiteral(GEDENKBUCH_DATEN);

} // namespace

class TestDatenwerkzeug : public QObject {
    Q_OBJECT
private slots:
    void neuLegtLeereDatenbankAn();
    void neuVerweigertVorhandeneDatei_data();
    void neuVerweigertVorhandeneDatei();
    void unbekannterAufruf();
    void sqlcipherShellBrauchtDasKennwort();
};

void TestDatenwerkzeug::neuLegtLeereDatenbankAn()
{
    QTemporaryDir ordner;
    const Ergebnis e = ausfuehren(werkzeug, {QStringLiteral("neu")}, ordner.path());
    QCOMPARE(e.status, 0);
    QVERIFY(e.ausgabe.contains(QStringLiteral("angelegt")));

    auto s = store::Store::open(ordner.filePath(QStringLiteral("daten.mdb")));
    store::Cursor cursor(*s);
    QVERIFY_THROWS_EXCEPTION(store::StoreError, cursor.MoveFirst());
}

void TestDatenwerkzeug::neuVerweigertVorhandeneDatei_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::newRow("leere Datei") << QByteArray();
    QTest::newRow("fremde Datei") << QByteArray("Briefe an Oma\n");
}

void TestDatenwerkzeug::neuVerweigertVorhandeneDatei()
{
    QFETCH(QByteArray, inhalt);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
    {
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }
    const Ergebnis e = ausfuehren(werkzeug, {QStringLiteral("neu")}, ordner.path());
    QVERIFY(e.status > 0);
    QVERIFY2(e.fehler.contains(QStringLiteral("existiert schon")), qPrintable(e.fehler));
    QCOMPARE(dateiinhalt(pfad), inhalt);
}

void TestDatenwerkzeug::unbekannterAufruf()
{
    QTemporaryDir ordner;
    const Ergebnis e = ausfuehren(werkzeug, {QStringLiteral("alt")}, ordner.path());
    QVERIFY(e.status > 0);
    QVERIFY(e.fehler.contains(QStringLiteral("Aufruf: gedenkbuch-daten neu")));
    QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("daten.mdb"))));
}

// The file is a real SQLCipher database: the standard shell reads it with the key, and only then.
void TestDatenwerkzeug::sqlcipherShellBrauchtDasKennwort()
{
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
    if (shell.isEmpty())
        QSKIP("Die sqlcipher-Shell ist nicht installiert (make test installiert sie).");

    QTemporaryDir ordner;
    QCOMPARE(ausfuehren(werkzeug, {QStringLiteral("neu")}, ordner.path()).status, 0);
    const Ergebnis schreiben = ausfuehren(
        shell, {QStringLiteral("-cmd"), QStringLiteral("PRAGMA key='birke';"), QStringLiteral("daten.mdb"),
                QStringLiteral("INSERT INTO Gedenkbuch VALUES ('Tante Quirina', 3, 4, 1950, NULL);")},
        ordner.path());
    QCOMPARE(schreiben.status, 0);

    const Ergebnis felder = ausfuehren(
        shell, {QStringLiteral("-cmd"), QStringLiteral("PRAGMA key='birke';"), QStringLiteral("daten.mdb"),
                QStringLiteral("PRAGMA table_info(Gedenkbuch); SELECT Bezeichnung FROM Gedenkbuch;")},
        ordner.path());
    QCOMPARE(felder.status, 0);
    // Lines of table_info read "0|Bezeichnung|TEXT|0||0"; the last line is the stored name.
    QStringList namen;
    for (const QString& zeile : felder.ausgabe.split(u'\n', Qt::SkipEmptyParts))
        namen << (zeile.contains(u'|') ? zeile.section(u'|', 1, 2) : zeile);
    QCOMPARE(namen, QStringList({"Bezeichnung|TEXT", "tag|INTEGER", "monat|INTEGER", "jahr|INTEGER",
                                 "Bemerkungen|TEXT", "Tante Quirina"}));

    const Ergebnis ohneKennwort =
        ausfuehren(shell, {QStringLiteral("daten.mdb"), QStringLiteral("SELECT * FROM Gedenkbuch;")}, ordner.path());
    QVERIFY(ohneKennwort.status != 0);
    QVERIFY(!ohneKennwort.ausgabe.contains(QStringLiteral("Quirina")));
    QVERIFY(!dateiinhalt(ordner.filePath(QStringLiteral("daten.mdb"))).contains("Quirina"));
}

QTEST_GUILESS_MAIN(TestDatenwerkzeug)
#include "tst_datenwerkzeug.moc"

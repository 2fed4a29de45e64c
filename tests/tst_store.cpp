// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datenbank.h"
#include "werkzeug.h"

#include "store/storeerror.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Art = store::StoreError::Art;

namespace {

// The kind of StoreError an action raises, -1 for none.
int fehler(const std::function<void()>& aktion, QString* meldung = nullptr)
{
    try {
        aktion();
    } catch (const store::StoreError& e) {
        if (meldung)
            *meldung = e.meldung();
        return int(e.art());
    }
    return -1;
}

// The kind of StoreError opening a file without read permission gives. Root may read anything, so
// as root the attempt runs in a child process that has become an ordinary user.
int alsAndererNutzer(const QString& ordner, const QString& pfad)
{
    ::chmod(QFile::encodeName(pfad).constData(), 0);
    ::chmod(QFile::encodeName(ordner).constData(), 0711);
    if (::geteuid() != 0)
        return fehler([&] { store::Store::open(pfad); });
    const pid_t kind = ::fork();
    if (kind == 0)
        ::_exit(::setuid(65534) == 0 ? fehler([&] { store::Store::open(pfad); }) : 255);
    int status = 0;
    ::waitpid(kind, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void unoeffnbareDatei_data()
    {
        // clang-format off
        QTest::addColumn<QString>("inhalt"); // what lies at daten.mdb: SQL is run on a new file
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("meldung"); // %1: the path
        // The check's status: 5 for every file that is no database of the program. Not asked under the
        // lock: reading the file in this process drops its locks for every other process.
        QTest::addColumn<int>("pruefen");
        const QString tabelle = QStringLiteral("CREATE TABLE Gedenkbuch (Bezeichnung TEXT, tag INTEGER, monat INTEGER, "
                                               "jahr INTEGER, Bemerkungen TEXT); INSERT INTO Gedenkbuch VALUES ('Anna', 1, 2, 1990, NULL);");
        const QString fremd = QStringLiteral("Die Datei %1 ist keine Datenbank dieses Programms, oder sie ist mit einem anderen Kennwort geschützt.");
        const QString form = QStringLiteral("Die Tabelle Gedenkbuch in der Datei %1 %2. Mit einer solchen Tabelle kann das Programm nicht arbeiten.");
        QTest::newRow("fehlt") << "fehlt" << int(Art::DateiFehlt) << "Die Datei %1 gibt es nicht." << 1;
        QTest::newRow("leer") << "leer" << int(Art::KeineDatenbank) << "Die Datei %1 ist leer und damit keine Datenbank dieses Programms." << 5;
        QTest::newRow("Ordner") << "Ordner" << int(Art::KeineDatenbank) << "Unter dem Namen %1 liegt ein Ordner und keine Datei." << 5;
        QTest::newRow("nicht lesbar") << "unlesbar" << int(Art::NichtLesbar) << "Die Datei %1 darf nicht gelesen werden; es fehlt die Berechtigung." << 1;
        QTest::newRow("Textdatei") << "Text" << int(Art::KeineDatenbank) << fremd << 5;
        QTest::newRow("unverschlüsseltes SQLite") << "ohne Kennwort:" + tabelle << int(Art::KeineDatenbank) << fremd << 5;
        QTest::newRow("anderes Kennwort") << "eiche:" + tabelle << int(Art::KeineDatenbank) << fremd << 5;
        QTest::newRow("ohne Tabelle") << "CREATE TABLE Andere (x INTEGER)" << int(Art::TabelleFehlt)
                                      << "Die Datei %1 enthält keine Tabelle Gedenkbuch mit dem Feld Bezeichnung." << 5;
        QTest::newRow("ohne Feld jahr") << "CREATE TABLE Gedenkbuch (Bezeichnung, tag, monat, Bemerkungen)" << int(Art::TabelleFehlt)
                                        << "Die Datei %1 enthält keine Tabelle Gedenkbuch mit dem Feld jahr." << 5;
        QTest::newRow("Sicht") << "CREATE TABLE T (Bezeichnung, tag, monat, jahr, Bemerkungen); CREATE VIEW Gedenkbuch AS SELECT * FROM T"
                               << int(Art::FalscheForm) << form.arg("%1", "ist eine Sicht und keine Tabelle") << 5;
        QTest::newRow("WITHOUT ROWID") << "CREATE TABLE Gedenkbuch (Bezeichnung PRIMARY KEY, tag, monat, jahr, Bemerkungen) WITHOUT ROWID"
                                       << int(Art::FalscheForm) << form.arg("%1", "ist ohne Nummern für ihre Einträge angelegt (WITHOUT ROWID)") << 5;
        QTest::newRow("Feld rowid") << "CREATE TABLE Gedenkbuch (rowid, Bezeichnung, tag, monat, jahr, Bemerkungen)" << int(Art::FalscheForm)
                                    << form.arg("%1", "hat ein eigenes Feld rowid, das die Nummern der Einträge verdeckt") << 5;
        QTest::newRow("gesperrt") << "Sperre:" + tabelle << int(Art::Gesperrt)
                                  << "Die Datei %1 wird gerade von einem anderen Programm benutzt. Bitte versuchen Sie es gleich noch einmal." << -1;
        // clang-format on
    }

    // Opening says why it fails, and never creates or changes a file: whatever lies there stays
    // byte for byte. Under another program's lock it waits first.
    void unoeffnbareDatei()
    {
        QFETCH(QString, inhalt);
        QFETCH(int, art);
        QFETCH(QString, meldung);
        QFETCH(int, pruefen);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
        std::optional<Fremdzugriff> sperre;
        if (inhalt == QLatin1String("leer") || inhalt == QLatin1String("unlesbar"))
            schreiben(pfad, inhalt == QLatin1String("leer") ? "" : "x");
        else if (inhalt == QLatin1String("Ordner"))
            QDir(ordner.path()).mkdir(QStringLiteral("daten.mdb"));
        else if (inhalt == QLatin1String("Text"))
            schreiben(pfad, QByteArray("Dies ist keine Datenbank.\n").repeated(200));
        else if (inhalt != QLatin1String("fehlt")) {
            const QString schluessel = inhalt.contains(u':') ? inhalt.section(u':', 0, 0) : QString();
            sperre.emplace(pfad,
                           schluessel == QLatin1String("ohne Kennwort") ? nullptr
                               : schluessel == QLatin1String("eiche")   ? "eiche"
                                                                        : GEDENKBUCH_KENNWORT);
            QCOMPARE(sperre->sql(inhalt.section(u':', schluessel.isEmpty() ? 0 : 1)), QString());
            if (schluessel == QLatin1String("Sperre"))
                QCOMPARE(sperre->sql(QStringLiteral("BEGIN EXCLUSIVE; DELETE FROM Gedenkbuch")), QString());
            else
                sperre.reset();
        }
        const QByteArray vorher = dateiinhalt(pfad);
        const QStringList dateienVorher = QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

        QString gemeldet;
        const int ist = inhalt == QLatin1String("unlesbar") ? alsAndererNutzer(ordner.path(), pfad)
                                                            : fehler([&] { store::Store::open(pfad); }, &gemeldet);
        QCOMPARE(ist, art);
        if (inhalt != QLatin1String("unlesbar")) {
            QCOMPARE(gemeldet, meldung.arg(pfad));
            if (pruefen >= 0)
                QCOMPARE(werkzeug({QStringLiteral("pruefen")}, ordner.path()).status, pruefen);
        }
        QCOMPARE(dateiinhalt(pfad), vorher);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), dateienVorher);
    }

    // The tool makes a real SQLCipher database, which the standard shell reads with the key and
    // only then; asked again, it refuses and leaves the file as it is.
    void datenwerkzeug()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
        QCOMPARE(werkzeug({QStringLiteral("neu")}, ordner.path()).status, 0);
        const QByteArray neu = dateiinhalt(pfad);
        const Lauf nochmal = werkzeug({QStringLiteral("neu")}, ordner.path());
        QCOMPARE(QString::number(nochmal.status) + u' ' + nochmal.fehler,
                 QStringLiteral("1 Die Datei daten.mdb existiert schon. Sie wird nicht überschrieben.\n"));
        QCOMPARE(dateiinhalt(pfad), neu);
        const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
        if (shell.isEmpty())
            QSKIP("Die sqlcipher-Shell ist nicht installiert (make test installiert sie).");
        const auto sql = [&](const QString& befehle, bool mitKennwort = true) {
            const QStringList schluessel = {"-cmd", "PRAGMA key='" GEDENKBUCH_KENNWORT "';"};
            return starten(shell, (mitKennwort ? schluessel : QStringList()) + QStringList{"daten.mdb", befehle},
                           ordner.path());
        };
        QCOMPARE(sql("INSERT INTO Gedenkbuch VALUES ('Tante Quirina', 3, 4, 1950, NULL);").status, 0);
        QCOMPARE(sql("SELECT * FROM Gedenkbuch;").ausgabe, QStringLiteral("Tante Quirina|3|4|1950|\n"));
        const Lauf ohne = sql("SELECT * FROM Gedenkbuch;", false);
        QVERIFY(ohne.status != 0 && !ohne.ausgabe.contains(QStringLiteral("Quirina")));
        QVERIFY(!dateiinhalt(pfad).contains("Quirina"));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"

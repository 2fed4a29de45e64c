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

// The kind of StoreError an action raises, -1 for none; `angaben` gets its details.
int fehler(const std::function<void()>& aktion, store::StoreError::Angaben* angaben = nullptr)
{
    try {
        aktion();
    } catch (const store::StoreError& e) {
        if (angaben)
            *angaben = e.angaben();
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
        QTest::addColumn<QString>("detail"); // the missing field, or the form of the table
        // The check's status: 5 for every file that is no database of the program. Not asked under the
        // lock: reading the file in this process drops its locks for every other process.
        QTest::addColumn<int>("pruefen");
        const QString tabelle = QStringLiteral("CREATE TABLE Gedenkbuch (Bezeichnung TEXT, tag INTEGER, monat INTEGER, "
                                               "jahr INTEGER, Bemerkungen TEXT); INSERT INTO Gedenkbuch VALUES ('Anna', 1, 2, 1990, NULL);");
        const QString form = QStringLiteral("Form %1");
        QTest::newRow("fehlt") << "fehlt" << int(Art::DateiFehlt) << "" << 1;
        QTest::newRow("leer") << "leer" << int(Art::LeereDatei) << "" << 5;
        QTest::newRow("Ordner") << "Ordner" << int(Art::KeineDatei) << "" << 5;
        QTest::newRow("nicht lesbar") << "unlesbar" << int(Art::NichtLesbar) << "" << 1;
        QTest::newRow("unverschlüsseltes SQLite") << "ohne Kennwort:" + tabelle << int(Art::KeineDatenbank) << "" << 5;
        QTest::newRow("anderes Kennwort") << "eiche:" + tabelle << int(Art::KeineDatenbank) << "" << 5;
        QTest::newRow("ohne Tabelle") << "CREATE TABLE Andere (x INTEGER)" << int(Art::TabelleFehlt) << "Bezeichnung" << 5;
        QTest::newRow("ohne Feld jahr") << "CREATE TABLE Gedenkbuch (Bezeichnung, tag, monat, Bemerkungen)" << int(Art::TabelleFehlt) << "jahr" << 5;
        QTest::newRow("Sicht") << "CREATE TABLE T (Bezeichnung, tag, monat, jahr, Bemerkungen); CREATE VIEW Gedenkbuch AS SELECT * FROM T"
                               << int(Art::FalscheForm) << form.arg(int(store::StoreError::Form::Sicht)) << 5;
        QTest::newRow("WITHOUT ROWID") << "CREATE TABLE Gedenkbuch (Bezeichnung PRIMARY KEY, tag, monat, jahr, Bemerkungen) WITHOUT ROWID"
                                       << int(Art::FalscheForm) << form.arg(int(store::StoreError::Form::OhneNummern)) << 5;
        QTest::newRow("Feld rowid") << "CREATE TABLE Gedenkbuch (rowid, Bezeichnung, tag, monat, jahr, Bemerkungen)" << int(Art::FalscheForm)
                                    << form.arg(int(store::StoreError::Form::NummernVerdeckt)) << 5;
        QTest::newRow("gesperrt") << "Sperre:" + tabelle << int(Art::Gesperrt) << "" << -1;
        // clang-format on
    }

    // Opening says why it fails, and never creates or changes a file: whatever lies there stays
    // byte for byte. Under another program's lock it waits first.
    void unoeffnbareDatei()
    {
        QFETCH(QString, inhalt);
        QFETCH(int, art);
        QFETCH(QString, detail);
        QFETCH(int, pruefen);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
        std::optional<Fremdzugriff> sperre;
        if (inhalt == QLatin1String("leer") || inhalt == QLatin1String("unlesbar"))
            schreiben(pfad, inhalt == QLatin1String("leer") ? "" : "x");
        else if (inhalt == QLatin1String("Ordner"))
            QDir(ordner.path()).mkdir(QStringLiteral("daten.mdb"));
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

        store::StoreError::Angaben a;
        const int ist = inhalt == QLatin1String("unlesbar") ? alsAndererNutzer(ordner.path(), pfad)
                                                            : fehler([&] { store::Store::open(pfad); }, &a);
        QCOMPARE(ist, art);
        if (inhalt != QLatin1String("unlesbar")) {
            QCOMPARE(a.pfad, pfad);
            QCOMPARE(art == int(Art::FalscheForm) ? QStringLiteral("Form %1").arg(int(a.form)) : a.feld, detail);
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

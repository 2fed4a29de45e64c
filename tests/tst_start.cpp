#include "app/einzelstart.h"
#include "core/datenordner.h"
#include "datenbank.h"
#include "launcher/datenordner.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

namespace {

const QByteArray fremd = "keine Datenbank, aber eine Datei des Benutzers";

// What is at a path: "600 leer" for an empty database of the program, "644 fremd" for the
// user's file byte for byte, "-" for nothing; a folder as "Ordner 700: " and what its daten.mdb is.
QString zustand(const QString& pfad)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0)
        return QStringLiteral("-");
    const QString modus = QString::number(st.st_mode & 07777, 8);
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("Ordner %1: %2").arg(modus, zustand(pfad + QStringLiteral("/daten.mdb")));
    if (dateiinhalt(pfad) == fremd)
        return modus + QStringLiteral(" fremd");
    return modus + (Fremdzugriff(pfad).wert(QStringLiteral("SELECT count(*) FROM Gedenkbuch")) == "0" ? " leer" : " ?");
}

bool anlegen(const QString& pfad, bool ordner)
{
    QFile datei(pfad);
    return (ordner ? QDir().mkdir(pfad) : datei.open(QIODevice::WriteOnly) && datei.write(fremd) == fremd.size())
        && ::chmod(QFile::encodeName(pfad).constData(), ordner ? 0755 : 0644) == 0;
}

// Starts the program in a folder and lets this test's event loop run meanwhile; true when it
// ended by itself with status 0.
bool startEndetMitNull(const QString& ordner)
{
    QProcess p;
    p.setWorkingDirectory(ordner);
    p.start(QStringLiteral(GEDENKBUCH_PROGRAMM));
    return QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 20000)
        && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

// The menu starter's data folder, on a real temporary XDG_DATA_HOME, and one program per data
// folder, with real programs where it is about processes.
class TestStart : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> laufzeit_;

private slots:
    // Lock files and sockets go to a fresh runtime folder, which started programs inherit.
    void init()
    {
        laufzeit_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(laufzeit_->path()));
    }

    void datenordner_data()
    {
        QTest::addColumn<QByteArray>("xdg");    // "-" unset; $T the temporary folder, HOME is $T/heim
        QTest::addColumn<QString>("vorher");    // "Ordner" 755 with daten.mdb 644, "Datei" 644, or nothing
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("danach");    // "Meldung: " when the user is told
        QTest::newRow("tief, nichts da") << QByteArray("$T/a/b") << "" << "$T/a/b/gedenkbuch" << "Ordner 700: 600 leer";
        QTest::newRow("ohne XDG_DATA_HOME") << QByteArray("-") << "" << "$T/heim/.local/share/gedenkbuch" << "Ordner 700: 600 leer";
        QTest::newRow("relativ") << QByteArray("daten") << "" << "$T/heim/.local/share/gedenkbuch" << "Ordner 700: 600 leer";
        QTest::newRow("vorhandene Datei") << QByteArray("$T") << "Ordner" << "$T/gedenkbuch" << "Ordner 755: 644 fremd";
        QTest::newRow("Datei statt Ordner") << QByteArray("$T") << "Datei" << "$T/gedenkbuch" << "Meldung: 644 fremd";
    }

    // Folder and database are made for their owner only; what exists is never changed.
    void datenordner()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, vorher);
        QFETCH(QString, ordner);
        QFETCH(QString, danach);
        QTemporaryDir t;
        ordner.replace(QLatin1String("$T"), t.path());
        qputenv("HOME", QFile::encodeName(t.filePath(QStringLiteral("heim"))));
        xdg == "-" ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", xdg.replace("$T", QFile::encodeName(t.path())));
        if (vorher == QLatin1String("Ordner"))
            QVERIFY(anlegen(ordner, true) && anlegen(ordner + QStringLiteral("/daten.mdb"), false));
        if (vorher == QLatin1String("Datei"))
            QVERIFY(anlegen(ordner, false));

        QCOMPARE(core::datenordner(), ordner);
        const bool meldung = !starter::datenordnerBereiten(ordner).isEmpty();
        QCOMPARE((meldung ? QStringLiteral("Meldung: ") : QString()) + zustand(ordner), danach);
    }

    // A second start in a folder asks the first to show its window and ends with 0, even without
    // daten.mdb, where it would otherwise stop at "Ladefehler". The other folder's is not asked.
    void zweiterStart()
    {
        QTemporaryDir a, b;
        int gezeigtA = 0, gezeigtB = 0;
        Einzelstart erster(a.path(), [&] { ++gezeigtA; }), nebenan(b.path(), [&] { ++gezeigtB; });
        QCOMPARE(erster.anmelden(), Einzelstart::Lage::Erster);
        QCOMPARE(nebenan.anmelden(), Einzelstart::Lage::Erster);
        QVERIFY(startEndetMitNull(a.path()));
        QCOMPARE(QStringLiteral("%1 %2").arg(gezeigtA).arg(gezeigtB), QStringLiteral("1 0"));
        QVERIFY(QDir(a.path()).isEmpty());
    }

    // A program killed with SIGKILL leaves its lock file and socket behind, and blocks nothing.
    void verwaistNachSigkill()
    {
        Testdatenbank db;
        QProcess erster;
        erster.setWorkingDirectory(db.ordner());
        erster.start(QStringLiteral(GEDENKBUCH_PROGRAMM));
        QTRY_COMPARE_WITH_TIMEOUT(QDir(laufzeit_->path()).entryList(QDir::System | QDir::Files).size(), 2, 20000);
        erster.kill();
        QVERIFY(erster.waitForFinished(10000));
        int gezeigt = 0;
        Einzelstart danach(db.ordner(), [&] { ++gezeigt; });
        QCOMPARE(danach.anmelden(), Einzelstart::Lage::Erster);
        QVERIFY(startEndetMitNull(db.ordner()));
        QCOMPARE(gezeigt, 1);
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"

#include "app/einzelstart.h"
#include "datenbank.h"

#include <QDir>
#include <QProcess>
#include <QTest>

namespace {

const QString programm = QStringLiteral(GEDENKBUCH_PROGRAMM);

// Starts the program in a folder; its windows stay offscreen.
void starten(QProcess& prozess, const QString& ordner)
{
    prozess.setWorkingDirectory(ordner);
    prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    prozess.start(programm);
}

// True once the program, ended by itself, gave status 0.
bool mitNullBeendet(const QProcess& prozess)
{
    return prozess.state() == QProcess::NotRunning && prozess.exitStatus() == QProcess::NormalExit
        && prozess.exitCode() == 0;
}

} // namespace

// One program per data folder, with real programs where it is about processes. Lock files and
// sockets go to a fresh runtime folder for each test, which the programs it starts inherit.
class TestEinzelstart : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> laufzeit_;

private slots:
    void init()
    {
        laufzeit_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(laufzeit_->path()));
    }

    // A second start in a folder only asks the first to show its window and ends with 0, even
    // without daten.mdb: otherwise it would stop at "Ladefehler". A program in another folder
    // runs beside it and is not asked.
    void zweiterStartImSelbenOrdner()
    {
        QTemporaryDir a, b;
        int gezeigtA = 0, gezeigtB = 0;
        Einzelstart erster(a.path(), [&] { ++gezeigtA; });
        Einzelstart nebenan(b.path(), [&] { ++gezeigtB; });
        QCOMPARE(erster.anmelden(), Einzelstart::Lage::Erster);
        QCOMPARE(nebenan.anmelden(), Einzelstart::Lage::Erster);

        QProcess zweiter;
        starten(zweiter, a.path());
        QTRY_VERIFY_WITH_TIMEOUT(zweiter.state() == QProcess::NotRunning, 20000);
        QVERIFY(mitNullBeendet(zweiter));
        QCOMPARE(gezeigtA, 1);
        QCOMPARE(gezeigtB, 0);
        QVERIFY(QDir(a.path()).isEmpty());
    }

    // A program killed with SIGKILL leaves its lock file and socket behind; the next start in the
    // folder runs all the same, and a start after it finds it.
    void verwaisteSperreNachSigkill()
    {
        Testdatenbank db;
        QProcess erster;
        starten(erster, db.ordner());
        // Lock file and socket both there: the program listens.
        QTRY_COMPARE_WITH_TIMEOUT(QDir(laufzeit_->path()).entryList(QDir::System | QDir::Files).size(), 2, 20000);
        erster.kill();
        QVERIFY(erster.waitForFinished(10000));
        QCOMPARE(erster.exitStatus(), QProcess::CrashExit);

        int gezeigt = 0;
        Einzelstart danach(db.ordner(), [&] { ++gezeigt; });
        QCOMPARE(danach.anmelden(), Einzelstart::Lage::Erster);
        QProcess dritter;
        starten(dritter, db.ordner());
        QTRY_VERIFY_WITH_TIMEOUT(dritter.state() == QProcess::NotRunning, 20000);
        QVERIFY(mitNullBeendet(dritter));
        QCOMPARE(gezeigt, 1);
    }
};

QTEST_MAIN(TestEinzelstart)
#include "tst_einzelstart.moc"

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datenbank.h"
#include "werkzeug.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A table of `anzahl` entries with remarks of `laenge` characters, imported by the tool.
void fuellen(const Testdatenbank& db, int anzahl, int laenge)
{
    QByteArray tabelle = "Bezeichnung,tag,monat,jahr,Bemerkungen\n";
    for (int i = 0; i < anzahl; ++i)
        tabelle += QString::asprintf("E%d,%d,%d,1990,", i, i % 28 + 1, i % 12 + 1).toUtf8() + QByteArray(laenge, 'x')
            + '\n';
    QVERIFY(schreiben(db.ordner() + QStringLiteral("/eintraege.csv"), tabelle));
    QCOMPARE(werkzeug({"import", "eintraege.csv"}, db.ordner()).status, 0);
}

} // namespace

class TestSchaeden : public QObject {
    Q_OBJECT
private slots:
    void beschaedigteLetzteSeite_data()
    {
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("laenge");
        QTest::newRow("zwei Seiten") << 2 << 0;
        QTest::newRow("viele Seiten") << 300 << 10;
        QTest::newRow("Bemerkungen über mehrere Seiten") << 20 << 3000;
    }

    // Whatever damage the last page takes, every command that reads the file ends, tells of the
    // damage in German or reads a sound file, and writes nothing into it.
    void beschaedigteLetzteSeite()
    {
        QFETCH(int, anzahl);
        QFETCH(int, laenge);
        Testdatenbank db;
        fuellen(db, anzahl, laenge);
        const QString heil = db.ordner() + QStringLiteral("/heil.mdb");
        QVERIFY(QFile::copy(db.pfad(), heil));
        const auto groesse = double(QFileInfo(heil).size());
        QRandomGenerator zufall(20261207 + anzahl);
        const QList<QStringList> befehle
            = {{"export", "--format", "csv"},      {"heute", "365"}, {"import", "--probe", "eintraege.csv"},
               {"import", "eintraege.csv"},        {"pruefen"},      {"sichern", "kopie.mdb"},
               {"drucken", "--datei", "kopie.pdf"}};
        for (int schaden = 0; schaden < 4; ++schaden) {
            QVERIFY(QFile::remove(db.pfad()) && QFile::copy(heil, db.pfad()));
            // Up to 64 bytes of the last page (1024 bytes) overwritten, as a failing disk would.
            QVERIFY(beschaedigen(db.pfad(), 1 + zufall.bounded(64), (groesse - 1024 + zufall.bounded(960)) / groesse));
            const QByteArray beschaedigt = dateiinhalt(db.pfad());
            for (const QStringList& befehl : befehle) {
                QFile::remove(db.ordner() + QStringLiteral("/kopie.mdb"));
                QFile::remove(db.ordner() + QStringLiteral("/kopie.pdf"));
                const Lauf l = werkzeug(befehl, db.ordner(), {}, 20);
                const QString was
                    = befehl.join(u' ') + QStringLiteral(": ") + QString::number(l.status) + u' ' + l.fehler;
                QVERIFY2(l.status >= 0, qPrintable(was));
                QVERIFY2(l.status == 0 || l.status == 4 || l.fehler.contains(QStringLiteral("beschädigt")),
                         qPrintable(was));
                QVERIFY2(!l.fehler.contains(QStringLiteral("error")), qPrintable(was));
                if (befehl.size() != 2 || befehl.constFirst() != QLatin1String("import"))
                    QCOMPARE(dateiinhalt(db.pfad()), beschaedigt);
            }
        }
    }

    // A writer killed in the middle of a transaction leaves a hot journal. The tool takes it back, as
    // any program opening the file does, and finds the entries as they were. Every command that
    // reads the book opens it in the same place.
    void heissesJournal()
    {
        Testdatenbank db;
        db.hinzufuegen({{"Anna", 1, 1, 1990}, {"Bert", 2, 2}});
        const pid_t kind = ::fork();
        if (kind == 0) { // a tiny cache spills the changed pages into the file before the commit
            Fremdzugriff halb(db.pfad());
            halb.sql(
                "PRAGMA cache_size = 2; BEGIN; DELETE FROM Gedenkbuch; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT "
                "i + 1 FROM n WHERE i < 3000) INSERT INTO Gedenkbuch SELECT 'Halb ' || i || printf('%.200c', 'x'), 1, 1, "
                "NULL, NULL FROM n");
            ::raise(SIGKILL); // before the connection could take anything back
        }
        int status = 0;
        QCOMPARE(::waitpid(kind, &status, 0), kind);
        QVERIFY(WIFSIGNALED(status) && QFileInfo(db.pfad() + QStringLiteral("-journal")).size() > 0);

        const Lauf l = werkzeug({"pruefen"}, db.ordner());
        QCOMPARE(QString::number(l.status) + u' ' + l.ausgabe + l.fehler,
                 "0 Die Datei " + db.pfad() + " ist in Ordnung: 2 Einträge.\n");
        QCOMPARE(QFileInfo(db.pfad() + QStringLiteral("-journal")).size(), 0);
    }

    // A backup killed at any moment leaves nothing under its name, or the whole checked copy; what
    // it leaves behind never blocks the next one.
    void sicherungAbgebrochen()
    {
        Testdatenbank db;
        fuellen(db, 2000, 500);
        QElapsedTimer uhr;
        uhr.start();
        QCOMPARE(werkzeug({"sichern", "probe.mdb"}, db.ordner()).status, 0);
        const qint64 dauerUs = uhr.nsecsElapsed() / 1000;
        QRandomGenerator zufall(20261207);
        int nichts = 0;
        for (int runde = 0; runde < 12; ++runde) {
            const QString ziel = QStringLiteral("kopie%1.mdb").arg(runde);
            QProcess sichern;
            sichern.setWorkingDirectory(db.ordner());
            sichern.start(werkzeugpfad(), {QStringLiteral("sichern"), ziel});
            QVERIFY(sichern.waitForStarted());
            QThread::usleep(zufall.bounded(0, int(dauerUs)));
            ::kill(pid_t(sichern.processId()), SIGKILL);
            QVERIFY(sichern.waitForFinished(10000));
            const QString pfad = db.ordner() + u'/' + ziel;
            nichts += !QFileInfo::exists(pfad);
            if (QFileInfo::exists(pfad))
                QCOMPARE(Fremdzugriff(pfad).wert(QStringLiteral("SELECT count(*) FROM Gedenkbuch")),
                         QStringLiteral("2000"));
            else
                QCOMPARE(werkzeug({"sichern", ziel}, db.ordner()).status, 0);
        }
        QVERIFY(nichts > 0);

        // Leftovers as a kill leaves them go with the next run; a file a run still writes, and
        // holds locked, stays.
        const QDir ordner(db.ordner());
        for (const char* rest : {"alt.mdb.teil-Xy34Zw", "alt.mdb.teil-Xy34Zw-journal", "offen.mdb.teil-Ab12Cd"}) {
            QFile datei(ordner.filePath(rest));
            QVERIFY(datei.open(QIODevice::WriteOnly) && datei.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        }
        QVERIFY(schreiben(ordner.filePath("lesbar.teil-Cd56Ef"), "Notiz für alle")); // not of a run: 0644
        QFile offen(ordner.filePath("offen.mdb.teil-Ab12Cd"));
        QVERIFY(offen.open(QIODevice::ReadOnly) && ::flock(offen.handle(), LOCK_EX) == 0);
        QProcess laeuft; // and so does the file of a backup that runs meanwhile
        laeuft.setWorkingDirectory(db.ordner());
        laeuft.start(werkzeugpfad(), {QStringLiteral("sichern"), QStringLiteral("laeuft.mdb")});
        while (ordner.entryList({"laeuft.mdb.teil-*"}).isEmpty() && !laeuft.waitForFinished(1)) {}
        QCOMPARE(werkzeug({"sichern", "ende.mdb"}, db.ordner()).status, 0);
        QVERIFY(laeuft.state() == QProcess::NotRunning || laeuft.waitForFinished(20000));
        QCOMPARE(laeuft.exitCode(), 0);
        QCOMPARE(ordner.entryList({"*.teil-*"}, QDir::Files),
                 QStringList({"lesbar.teil-Cd56Ef", "offen.mdb.teil-Ab12Cd"}));
    }

    void ausgabeScheitert_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("befehl");
        QTest::addColumn<QString>("ausgabe"); // where standard output goes; "|" a pipe nobody reads
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        const QString voll = QStringLiteral("Die Ausgabe konnte nicht vollständig geschrieben werden: Der Datenträger ist voll.\n");
        const QString gelesen = QStringLiteral("Gelesen aus $D.\n");
        QTest::newRow("CSV") << QStringList{"export", "--format", "csv"} << "/dev/full" << 1 << gelesen + voll;
        QTest::newRow("heute") << QStringList{"heute", "365"} << "/dev/full" << 1 << gelesen + voll;
        QTest::newRow("Leser fort") << QStringList{"export", "--format", "csv"} << "|" << 1 << gelesen
            + "Die Ausgabe konnte nicht vollständig geschrieben werden: Das Programm, das die Ausgabe lesen sollte, liest nicht mehr.\n";
        QTest::newRow("Datei zu groß") << QStringList{"export", "--format", "csv", "--datei", "aus.csv"} << "" << 1
            << "Die Datei aus.csv konnte nicht geschrieben werden: Die Datei würde größer, als das System erlaubt.\n"
               "Es wurde keine Datei angelegt.\n";
        QTest::newRow("Ordner fehlt") << QStringList{"export", "--format", "csv", "--datei", "fehlt/aus.csv"} << "" << 1
            << "Die Datei fehlt/aus.csv kann nicht angelegt werden: Den Ordner gibt es nicht.\nEs wurde keine Datei angelegt.\n";
        QTest::newRow("Verknüpfung ins Leere") << QStringList{"export", "--format", "csv", "--datei", "weg.csv"} << "" << 1
            << "Unter dem Namen weg.csv liegt schon eine Verknüpfung. Sie wird nicht überschrieben.\n";
        QTest::newRow("Name kein UTF-8") << QStringList{"export", "--format", "csv", "--datei", "printf:\\377.csv"} << "" << 2
            << "Das Argument „\uFFFD.csv“ enthält Bytes, die kein UTF-8 sind (hier als „\uFFFD“ gezeigt); gedenkbuch-daten "
               "nimmt es nicht, weil es sonst eine andere Datei als die gemeinte verwenden würde. Benennen Sie die Datei "
               "oder den Ordner so um, dass der Name gültiges UTF-8 ist.\nAufruf: gedenkbuch-daten [--ordner ORDNER] BEFEHL "
               "[ARGUMENTE]\n";
        // clang-format on
    }

    // Output cut short is never reported as success, and no part of a file stays under its name.
    void ausgabeScheitert()
    {
        QFETCH(QStringList, befehl);
        QFETCH(QString, ausgabe);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        Testdatenbank db;
        fuellen(db, 3000, 20);
        QVERIFY(QFile::link(QStringLiteral("/nirgends"), db.ordner() + QStringLiteral("/weg.csv")));
        const QStringList vorher = QDir(db.ordner()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

        const Lauf l = werkzeugMitGrenze(64 * 1024, befehl, db.ordner(), ausgabe);

        QCOMPARE(l.status, status);
        QCOMPARE(l.fehler, meldung.replace("$D", db.pfad()));
        QCOMPARE(QDir(db.ordner()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), vorher);
    }
};

QTEST_GUILESS_MAIN(TestSchaeden)
#include "tst_schaeden.moc"

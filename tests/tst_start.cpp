// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/einzelstart.h"
#include "app/programm.h"
#include "core/datenordner.h"
#include "datenbank.h"
#include "dienste.h"
#include "launcher/datenordner.h"
#include "werkzeug.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

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
    return (ordner ? QDir().mkdir(pfad) : schreiben(pfad, fremd))
        && ::chmod(QFile::encodeName(pfad).constData(), ordner ? 0755 : 0644) == 0;
}

} // namespace

// The menu starter's data folder, on a real temporary XDG_DATA_HOME, and one program per data
// folder, with real programs where it is about processes.
class TestStart : public QObject {
    Q_OBJECT
private slots:
    void datenordner_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("xdg");    // "-" unset; $T the temporary folder, HOME is $T/heim
        QTest::addColumn<QString>("vorher");    // "Ordner" 755 with daten.mdb 644, "Datei" 644, or nothing
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("danach");    // "Meldung: " when the user is told
        QTest::newRow("ohne XDG_DATA_HOME") << QByteArray("-") << "" << "$T/heim/.local/share/gedenkbuch" << "Ordner 700: 600 leer";
        QTest::newRow("relativ") << QByteArray("daten") << "" << "$T/heim/.local/share/gedenkbuch" << "Ordner 700: 600 leer";
        QTest::newRow("vorhandene Datei") << QByteArray("$T") << "Ordner" << "$T/gedenkbuch" << "Ordner 755: 644 fremd";
        QTest::newRow("Datei statt Ordner") << QByteArray("$T") << "Datei" << "$T/gedenkbuch" << "Meldung: 644 fremd";
        // clang-format on
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
        xdg == "-" ? qunsetenv("XDG_DATA_HOME")
                   : qputenv("XDG_DATA_HOME", xdg.replace("$T", QFile::encodeName(t.path())));
        if (vorher == QLatin1String("Ordner"))
            QVERIFY(anlegen(ordner, true) && anlegen(ordner + QStringLiteral("/daten.mdb"), false));
        if (vorher == QLatin1String("Datei"))
            QVERIFY(anlegen(ordner, false));

        QCOMPARE(core::datenordner(), ordner);
        const bool meldung = !starter::datenordnerBereiten(ordner).isEmpty();
        QCOMPARE((meldung ? QStringLiteral("Meldung: ") : QString()) + zustand(ordner), danach);
    }

    void einProgrammJeOrdner_data()
    {
        QTest::addColumn<QString>("laufzeit"); // XDG_RUNTIME_DIR: "700", "755" its mode, "fremd" another's, "-" unset
        QTest::addColumn<bool>("ersatzFremd"); // the cache folder made first by another
        QTest::addColumn<bool>("verwaist");    // a program killed with SIGKILL left its lock file and socket behind
        QTest::addColumn<QString>("ergebnis"); // files there (two programs: lock, socket each) and the second start
        QTest::newRow("eigener Laufzeitordner") << "700" << false << false << "4 0 zeigt den ersten";
        QTest::newRow("nach SIGKILL") << "700" << false << true << "4 0 zeigt den ersten";
        QTest::newRow("ungesetzt, langer Heimordner") << "-" << false << false << "0 4 zeigt den ersten";
        QTest::newRow("fremder Besitzer") << "fremd" << false << false << "0 4 zeigt den ersten";
        QTest::newRow("offen für alle") << "755" << false << false << "0 4 zeigt den ersten";
        QTest::newRow("kein eigener Ordner") << "fremd" << true << false << "0 0 1 Start nicht möglich";
    }

    // A second start in a folder asks the first to show its window and ends with 0, even without
    // daten.mdb; the other folder's is not asked. Lock and socket live only in a folder of the
    // user's alone, never in the data folder; without one the program says so and does not run.
    // What a killed program left there blocks nothing.
    void einProgrammJeOrdner()
    {
        QFETCH(QString, laufzeit);
        QFETCH(bool, ersatzFremd);
        QFETCH(bool, verwaist);
        QFETCH(QString, ergebnis);
        // Without a runtime folder, XDG_CACHE_HOME unset and a home too long for a socket's address.
        const bool langerHeim = laufzeit == QLatin1String("-");
        QTemporaryDir t, a, b;
        const QString heim = t.filePath(QString(90, u'h'));
        const QString lauf = t.filePath(QStringLiteral("lauf")),
                      ersatz = langerHeim ? heim + QStringLiteral("/.cache/gedenkbuch") : t.filePath("c/gedenkbuch");
        // Given away: to nobody where the test runs as root, else open to all.
        const auto fremd = [](const QString& ordner) {
            const QByteArray pfad = QFile::encodeName(ordner);
            return ::chown(pfad.constData(), 65534, 65534) == 0 || ::chmod(pfad.constData(), 0755) == 0;
        };
        const mode_t modus = laufzeit == "755" ? 0755 : 0700;
        QVERIFY(QDir().mkdir(lauf) && ::chmod(QFile::encodeName(lauf).constData(), modus) == 0);
        QVERIFY((laufzeit != "fremd" || fremd(lauf)) && (!ersatzFremd || (QDir().mkpath(ersatz) && fremd(ersatz))));
        laufzeit == "-" ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", QFile::encodeName(lauf));
        qputenv("HOME", QFile::encodeName(heim));
        langerHeim ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", QFile::encodeName(t.filePath("c")));

        if (verwaist) {
            QProcess getoetet;
            getoetet.setWorkingDirectory(a.path());
            getoetet.start(QStringLiteral(GEDENKBUCH_PROGRAMM));
            QTRY_COMPARE_WITH_TIMEOUT(QDir(lauf).entryList(QDir::System | QDir::Files).size(), 2, 20000);
            getoetet.kill();
            QVERIFY(getoetet.waitForFinished(10000));
        }
        int gezeigtA = 0, gezeigtB = 0;
        Einzelstart erster(a.path(), [&] { ++gezeigtA; }), nebenan(b.path(), [&] { ++gezeigtB; });
        QString zweiter;
        if (erster.anmelden() == Einzelstart::Lage::Erster && nebenan.anmelden() == Einzelstart::Lage::Erster) {
            // The program started, this test's event loop running meanwhile, ends by itself with 0.
            const bool gefragt = starten(QStringLiteral(GEDENKBUCH_PROGRAMM), {}, a.path(), {}, 20).status == 0
                && gezeigtA == 1 && gezeigtB == 0;
            zweiter = gefragt && QDir(a.path()).isEmpty() ? "zeigt den ersten" : "läuft daneben";
        } else {
            Testdienste dienste;
            zweiter = QString::number(gedenkbuchAusfuehren(dienste.dienste));
            zweiter += u' ' + dienste.meldungen.gezeigt.value(0).section(u':', 0, 0);
        }
        const auto dateien = [](const QString& o) { return QDir(o).entryList(QDir::System | QDir::Files).size(); };
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(dateien(lauf)).arg(dateien(ersatz)).arg(zweiter), ergebnis);
    }

    void ohneAnzeige_data()
    {
        QTest::addColumn<QStringList>("umgebung");
        QTest::newRow("keine") << QStringList{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
        QTest::newRow("X11 verlangt, nur Wayland da")
            << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY", "WAYLAND_DISPLAY=wayland-0"};
    }

    // Without a display the program says in German what it needs, and ends with status 1.
    void ohneAnzeige()
    {
        QFETCH(QStringList, umgebung);
        const Lauf lauf = starten(QStringLiteral(GEDENKBUCH_PROGRAMM), {}, QDir::tempPath(), umgebung, 20);
        QCOMPARE(QString::number(lauf.status) + u' ' + lauf.fehler,
                 QStringLiteral("1 Das Programm braucht eine grafische Sitzung, findet aber keine Anzeige (DISPLAY für "
                                "X11, WAYLAND_DISPLAY für Wayland). Starten Sie es in Ihrer Arbeitsumgebung, etwa aus "
                                "dem Menü; im Terminal zeigt „gedenkbuch-daten heute“ die Einträge der nächsten "
                                "Tage.\n"));
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"

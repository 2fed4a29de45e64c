// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the time of the program's main operations for stores of 1,000, 10,000 and 100,000
// entries, one figure a line: "<figure> <entries> <median ms>", and after the figures of a size the
// peak memory of each, measured in a process that runs that figure alone: "<figure>_spitze
// <entries> <MB>". For comparison, the last figure of the largest size is the sqlcipher shell
// reading every row of the same file, as a whole process. The database tool follows (import,
// reminders, export: werkzeugfiguren.h) and the publication to a calendar (kalender.h); the year
// overview and the perpetual calendar as PDF run with the figures of 10,000 entries.
#include "beispieldaten.h"
#include "fensterfiguren.h"
#include "kalender.h"
#include "kontakte.h"
#include "messung.h"
#include "spitze.h"
#include "werkzeugfiguren.h"

#include "store/store.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString shell = QStringLiteral("sqlcipher");

QStringList shellArgumente(const QString& pfad)
{
    return {QStringLiteral("-cmd"), QStringLiteral("PRAGMA key='" GEDENKBUCH_KENNWORT "';"), pfad,
            QStringLiteral("SELECT * FROM Gedenkbuch;")};
}

void shellLesen(const QString& pfad)
{
    QProcess prozess;
    prozess.setStandardOutputFile(QProcess::nullDevice());
    prozess.start(shell, shellArgumente(pfad));
    if (!prozess.waitForFinished(60000) || prozess.exitCode() != 0)
        qFatal("Die sqlcipher-Shell konnte die Datei nicht lesen.");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--spitze") == 0)
        return spitzeMelden(argv + 2);
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--figur") == 0)
        return figurAllein(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    const QString shellPfad = QStandardPaths::findExecutable(shell);
    for (int anzahl : {1000, 10000, 100000}) {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("daten.mdb"));
        beispieldatenbank(pfad, anzahl);
        Messreihe reihe(anzahl);
        for (const QString& name : fensterfiguren()) {
            const Figur figur = fensterfigur(name, pfad);
            reihe.figur(name, figur.vorher, figur.aktion);
        }

        // A vCard file of 10,000 cards into an empty file; the calendar of 10,000 entries.
        QTemporaryDir leer;
        const QString neu = leer.filePath(QStringLiteral("daten.mdb"));
        const QString karten = ordner.filePath(QStringLiteral("karten.vcf"));
        const QString ics = ordner.filePath(QStringLiteral("kalender.ics"));
        const QStringList einlesen = {"--ordner", leer.path(), "import", karten};
        const QStringList ausgeben = {"--ordner", ordner.path(), "export", "--format", "ics", "--datei", ics};
        // The year on paper: the overview of a year and the perpetual calendar of the same book.
        const QString pdf = ordner.filePath(QStringLiteral("druck.pdf"));
        const QList<std::pair<QString, QStringList>> drucke
            = {{QStringLiteral("drucken"), {"--ordner", ordner.path(), "drucken", "--jahr", "2026", "--datei", pdf}},
               {QStringLiteral("drucken_ewig"), {"--ordner", ordner.path(), "drucken", "--ewig", "--datei", pdf}}};
        if (anzahl == 10000) {
            beispielkarten(karten, anzahl);
            reihe.figur(
                QStringLiteral("import"),
                [&] {
                    QFile::remove(neu);
                    store::Store::create(neu);
                },
                [&] { werkzeug(einlesen); });
            reihe.figur(
                QStringLiteral("export_ics"), [&] { QFile::remove(ics); }, [&] { werkzeug(ausgeben); });
            for (const auto& [name, argumente] : drucke)
                reihe.figur(
                    name, [&] { QFile::remove(pdf); }, [&] { werkzeug(argumente); });
        }
        if (anzahl == 100000 && !shellPfad.isEmpty())
            reihe.figur(
                QStringLiteral("sqlcipher_shell"), [] {}, [&] { shellLesen(pfad); });
        reihe.messen(9);

        for (const QString& name : fensterfiguren())
            spitzeAusgeben(name, anzahl, figurSpitze(name, pfad));
        if (anzahl == 10000) {
            QFile::remove(neu);
            store::Store::create(neu);
            spitzeAusgeben(QStringLiteral("import"), anzahl,
                           programmSpitze(QStringLiteral(GEDENKBUCH_DATEN), einlesen));
            QFile::remove(ics);
            spitzeAusgeben(QStringLiteral("export_ics"), anzahl,
                           programmSpitze(QStringLiteral(GEDENKBUCH_DATEN), ausgeben));
            for (const auto& [name, argumente] : drucke) {
                QFile::remove(pdf);
                spitzeAusgeben(name, anzahl, programmSpitze(QStringLiteral(GEDENKBUCH_DATEN), argumente));
            }
        }
        if (anzahl == 100000 && !shellPfad.isEmpty())
            spitzeAusgeben(QStringLiteral("sqlcipher_shell"), anzahl, programmSpitze(shellPfad, shellArgumente(pfad)));
    }
    werkzeugMessen();
    kalenderMessen(3);
    kontakteMessen(3);
    return 0;
}

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "werkzeugfiguren.h"

#include "beispieldaten.h"
#include "messung.h"
#include "spitze.h"

#include "store/store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

void werkzeug(const QStringList& argumente)
{
    QProcess prozess;
    prozess.setStandardOutputFile(QProcess::nullDevice());
    prozess.start(QStringLiteral(GEDENKBUCH_DATEN), argumente);
    if (!prozess.waitForFinished(600000) || prozess.exitStatus() != QProcess::NormalExit || prozess.exitCode() != 0)
        qFatal("gedenkbuch-daten %s: %s", qPrintable(argumente.join(u' ')), prozess.readAllStandardError().constData());
}

void werkzeugMessen()
{
    QTemporaryDir ordner;
    const QString gefaltet = ordner.filePath(QStringLiteral("gefaltet.vcf"));
    const QString karten = ordner.filePath(QStringLiteral("karten.vcf"));
    const QString leer = ordner.filePath(QStringLiteral("leer"));
    const QString neu = leer + QStringLiteral("/daten.mdb");
    const QString gross = ordner.filePath(QStringLiteral("gross"));
    const QString ics = ordner.filePath(QStringLiteral("kalender.ics"));
    gefalteteKarte(gefaltet, 2000000);
    beispielkarten(karten, 100000);
    QDir().mkpath(leer);
    QDir().mkpath(gross);
    beispieldatenbank(gross + QStringLiteral("/daten.mdb"), 300000);
    const auto leeresBuch = [&] {
        QFile::remove(neu);
        store::Store::create(neu);
    };
    struct Aufruf {
        const char* figur;
        int eintraege;
        int runden;
        std::function<void()> vorher;
        QStringList argumente;
    };
    const QList<Aufruf> aufrufe = {
        {"import_gefaltet", 2000000, 9, leeresBuch, {"--ordner", leer, "import", gefaltet}},
        {"import", 100000, 5, leeresBuch, {"--ordner", leer, "import", karten}},
        {"heute", 300000, 5, [] {}, {"--ordner", gross, "heute", "7", "--datum", "2026-06-10"}},
        {"export_ics",
         300000,
         3,
         [&] { QFile::remove(ics); },
         {"--ordner", gross, "export", "--format", "ics", "--datei", ics}},
    };
    for (const Aufruf& a : aufrufe) {
        Messreihe reihe(a.eintraege);
        reihe.figur(QLatin1String(a.figur), a.vorher, [&] { werkzeug(a.argumente); });
        reihe.messen(a.runden);
        a.vorher();
        spitzeAusgeben(QLatin1String(a.figur), a.eintraege,
                       programmSpitze(QStringLiteral(GEDENKBUCH_DATEN), a.argumente));
    }
}

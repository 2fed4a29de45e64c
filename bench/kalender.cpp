// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kalender.h"

#include "beispieldaten.h"
#include "radicale.h"
#include "spitze.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

constexpr int anzahl = 1000;

struct Reihe {
    const char* name;
    std::vector<double> zeiten;
    qsizetype anfragen = 0; // of the last run; every run of a figure makes the same requests

    void ausgeben()
    {
        std::sort(zeiten.begin(), zeiten.end());
        const QString median = QString::number(zeiten[zeiten.size() / 2], 'f', 1);
        QTextStream(stdout) << name << ' ' << anzahl << ' ' << median << " (" << anfragen << " Anfragen)" << Qt::endl;
    }
};

} // namespace

void kalenderMessen(int runden)
{
    if (!Radicale::installiert()) {
        QTextStream(stderr) << "kalender: Radicale fehlt (Debian: python3-radicale), nicht gemessen." << Qt::endl;
        return;
    }
    Radicale server;
    if (!server.fehler().isEmpty())
        qFatal("%s", qPrintable(server.fehler()));
    QTemporaryDir ordner, home;
    beispieldatenbank(ordner.filePath(QStringLiteral("daten.mdb")), anzahl);
    QFile netrc(home.filePath(QStringLiteral(".netrc")));
    netrc.open(QIODevice::WriteOnly);
    netrc.write(QByteArray("machine 127.0.0.1 login ") + Radicale::benutzer + " password " + Radicale::kennwort + '\n');
    netrc.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    netrc.close();

    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("HOME"), home.path());
    const auto messen = [&](Reihe& reihe, const QString& url) {
        QProcess werkzeug;
        werkzeug.setProcessEnvironment(umgebung);
        werkzeug.setStandardOutputFile(QProcess::nullDevice());
        server.anfragen();
        QElapsedTimer uhr;
        uhr.start();
        werkzeug.start(QStringLiteral(GEDENKBUCH_DATEN), {"--ordner", ordner.path(), "kalender", url});
        if (!werkzeug.waitForFinished(600000) || werkzeug.exitStatus() != QProcess::NormalExit
            || werkzeug.exitCode() != 0)
            qFatal("gedenkbuch-daten kalender: %s", werkzeug.readAllStandardError().constData());
        reihe.zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
        reihe.anfragen = server.anfragen().size();
    };
    Reihe erster{"kalender", {}}, zweiter{"kalender_unveraendert", {}};
    for (int runde = 0; runde < runden; ++runde) {
        const QString url = server.adresse(QStringLiteral("anna/bench-%1/").arg(runde)).toString();
        messen(erster, url);
        messen(zweiter, url);
    }
    erster.ausgeben();
    zweiter.ausgeben();

    // The tool's peak memory for a first publication and for a run that finds nothing to do.
    const QByteArray heimVorher = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QStringList argumente
        = {"--ordner", ordner.path(), "kalender", server.adresse(QStringLiteral("anna/bench-spitze/")).toString()};
    spitzeAusgeben(QLatin1String(erster.name), anzahl, programmSpitze(QStringLiteral(GEDENKBUCH_DATEN), argumente));
    spitzeAusgeben(QLatin1String(zweiter.name), anzahl, programmSpitze(QStringLiteral(GEDENKBUCH_DATEN), argumente));
    qputenv("HOME", heimVorher);
}

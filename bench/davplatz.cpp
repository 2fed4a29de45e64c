// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "davplatz.h"

#include "spitze.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <algorithm>

std::unique_ptr<Davplatz> Davplatz::oeffnen(const char* figur)
{
    if (Radicale::installiert())
        return std::unique_ptr<Davplatz>(new Davplatz);
    QTextStream(stderr) << figur << ": Radicale fehlt (Debian: python3-radicale), nicht gemessen." << Qt::endl;
    return nullptr;
}

Davplatz::Davplatz()
{
    if (!server.fehler().isEmpty())
        qFatal("%s", qPrintable(server.fehler()));
    QFile netrc(heim_.filePath(QStringLiteral(".netrc")));
    netrc.open(QIODevice::WriteOnly);
    netrc.write(QByteArray("machine 127.0.0.1 login ") + Radicale::benutzer + " password " + Radicale::kennwort + '\n');
    netrc.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

double Davplatz::werkzeug(const QStringList& argumente) const
{
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("HOME"), heim_.path());
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer uhr;
    uhr.start();
    p.start(QStringLiteral(GEDENKBUCH_DATEN), argumente);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qFatal("gedenkbuch-daten %s: %s", qPrintable(argumente.value(2)), p.readAllStandardError().constData());
    return double(uhr.nsecsElapsed()) / 1e6;
}

void Davplatz::spitzen(const QStringList& namen, int anzahl, const QStringList& argumente) const
{
    // The peak is measured from a small process of the bench's own, which takes the environment as it is.
    const QByteArray heimVorher = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(heim_.path()));
    for (const QString& name : namen)
        spitzeAusgeben(name, anzahl, programmSpitze(QStringLiteral(GEDENKBUCH_DATEN), argumente));
    qputenv("HOME", heimVorher);
}

void medianAusgeben(const char* figur, int anzahl, std::vector<double> zeiten, const QString& zusatz)
{
    std::sort(zeiten.begin(), zeiten.end());
    QTextStream(stdout) << figur << ' ' << anzahl << ' ' << QString::number(zeiten[zeiten.size() / 2], 'f', 1) << zusatz
                        << Qt::endl;
}

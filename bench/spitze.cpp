// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spitze.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTextStream>

#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray ausgabeVon(const QStringList& argumente)
{
    QProcess prozess;
    prozess.start(QCoreApplication::applicationFilePath(), argumente);
    if (!prozess.waitForFinished(600000) || prozess.exitStatus() != QProcess::NormalExit || prozess.exitCode() != 0)
        qFatal("bench_gedenkbuch %s: %s", qPrintable(argumente.join(u' ')), prozess.readAllStandardError().constData());
    return prozess.readAllStandardOutput().trimmed();
}

} // namespace

int spitzeMelden(char* programm[])
{
    const pid_t kind = fork();
    if (kind == 0) {
        dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
        execv(programm[0], programm);
        _exit(127);
    }
    int status = 0;
    rusage verbrauch{};
    if (kind < 0 || wait4(kind, &status, 0, &verbrauch) != kind || !WIFEXITED(status))
        return 1;
    std::printf("%ld\n", verbrauch.ru_maxrss);
    return WEXITSTATUS(status);
}

double programmSpitze(const QString& programm, const QStringList& argumente)
{
    return ausgabeVon(QStringList{QStringLiteral("--spitze"), programm} + argumente).toLong() / 1024.0;
}

double figurSpitze(const QString& figur, const QString& pfad)
{
    return ausgabeVon({QStringLiteral("--figur"), figur, pfad}).toLong() / 1024.0;
}

void spitzeAusgeben(const QString& figur, int eintraege, double mb)
{
    QTextStream(stdout) << figur << "_spitze " << eintraege << ' ' << QString::number(mb, 'f', 1) << Qt::endl;
}

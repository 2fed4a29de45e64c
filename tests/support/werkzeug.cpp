// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "werkzeug.h"

#include <QProcess>
#include <QSignalSpy>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

Lauf starten(const QString& programm, const QStringList& argumente, const QString& ordner, const QStringList& umgebung,
             int sekunden, const QString& ausgabe)
{
    QProcess p;
    p.setWorkingDirectory(ordner);
    if (ausgabe == u"|") {
        // A pipe whose reader is gone, with the signal it raises as a shell would leave it.
        p.setChildProcessModifier([] {
            int enden[2];
            if (::pipe(enden) == 0 && ::close(enden[0]) == 0 && ::dup2(enden[1], STDOUT_FILENO) >= 0)
                std::signal(SIGPIPE, SIG_DFL);
        });
    } else if (!ausgabe.isEmpty())
        p.setStandardOutputFile(ausgabe);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& eintrag : umgebung) {
        if (eintrag.contains(u'='))
            env.insert(eintrag.section(u'=', 0, 0), eintrag.section(u'=', 1));
        else
            env.remove(eintrag);
    }
    p.setProcessEnvironment(env);
    QSignalSpy fertig(&p, &QProcess::finished);
    // Through the shell, whose printf makes bytes that are no UTF-8, which QProcess cannot pass.
    QString skript = QStringLiteral("exec \"$0\"");
    for (qsizetype i = 0; i < argumente.size(); ++i)
        skript += argumente[i].startsWith(u"printf:") ? QStringLiteral(" \"$(printf '%1')\"").arg(argumente[i].mid(7))
                                                      : QStringLiteral(" \"${%1}\"").arg(i + 1);
    p.start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), skript, programm} + argumente);
    if (!fertig.wait(sekunden * 1000) || p.exitStatus() != QProcess::NormalExit) {
        p.kill();
        p.waitForFinished();
        return {-1, {}, QStringLiteral("abgestürzt oder hängt")};
    }
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

Lauf werkzeug(const QStringList& argumente, const QString& ordner, const QStringList& umgebung, int sekunden,
              const QString& ausgabe)
{
    const QStringList ohneDatenordner = {"XDG_DATA_HOME=" + ordner + "/.kein-datenordner"};
    return starten(werkzeugpfad(), argumente, ordner, ohneDatenordner + umgebung, sekunden, ausgabe);
}

Lauf werkzeugMitGrenze(qint64 bytes, const QStringList& argumente, const QString& ordner, const QString& ausgabe)
{
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    const rlimit grenze{rlim_t(bytes), alt.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN); // the child inherits both: a write beyond the limit fails
    setrlimit(RLIMIT_FSIZE, &grenze);
    const Lauf lauf = werkzeug(argumente, ordner, {}, 60, ausgabe);
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, SIG_DFL);
    return lauf;
}

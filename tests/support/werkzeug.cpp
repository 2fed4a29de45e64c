#include "werkzeug.h"

#include <QProcess>
#include <QSignalSpy>

Lauf starten(const QString& programm, const QStringList& argumente, const QString& ordner, const QStringList& umgebung)
{
    QProcess p;
    p.setWorkingDirectory(ordner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& eintrag : umgebung)
        env.insert(eintrag.section(u'=', 0, 0), eintrag.section(u'=', 1));
    p.setProcessEnvironment(env);
    QSignalSpy fertig(&p, &QProcess::finished);
    p.start(programm, argumente);
    if (!fertig.wait(60000) || p.exitStatus() != QProcess::NormalExit)
        return {-1, {}, QStringLiteral("abgestürzt oder hängt")};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString werkzeugpfad()
{
    return QStringLiteral(GEDENKBUCH_DATEN);
}

Lauf werkzeug(const QStringList& argumente, const QString& ordner, const QStringList& umgebung)
{
    return starten(werkzeugpfad(), argumente, ordner, umgebung);
}

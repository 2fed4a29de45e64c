#include "einlesen.h"

#include "beispieldaten.h"
#include "messung.h"

#include "store/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The database tool to its end; with `spitze` through "--spitze", giving its peak memory in kB.
long werkzeug(const QStringList& argumente, bool spitze = false)
{
    QProcess prozess;
    if (spitze)
        prozess.start(QCoreApplication::applicationFilePath(), QStringList{"--spitze", GEDENKBUCH_DATEN} + argumente);
    else
        prozess.start(QStringLiteral(GEDENKBUCH_DATEN), argumente);
    if (!prozess.waitForFinished(300000) || prozess.exitStatus() != QProcess::NormalExit || prozess.exitCode() != 0)
        qFatal("gedenkbuch-daten %s: %s", qPrintable(argumente.join(u' ')), prozess.readAllStandardError().constData());
    return prozess.readAllStandardOutput().trimmed().toLong();
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

void einlesenMessen()
{
    QTemporaryDir ordner;
    const QString gefaltet = ordner.filePath(QStringLiteral("gefaltet.vcf"));
    const QString karten = ordner.filePath(QStringLiteral("karten.vcf"));
    const QString leer = ordner.filePath(QStringLiteral("leer"));
    const QString neu = leer + QStringLiteral("/daten.mdb");
    gefalteteKarte(gefaltet, 2000000);
    beispielkarten(karten, 100000);
    QDir().mkpath(leer);
    const auto leeresBuch = [&] {
        QFile::remove(neu);
        store::Store::create(neu);
    };

    Messreihe gross(2000000);
    gross.figur("import_gefaltet", leeresBuch, [&] { werkzeug({"--ordner", leer, "import", gefaltet}); });
    gross.messen(9);
    Messreihe viele(100000);
    viele.figur("import", leeresBuch, [&] { werkzeug({"--ordner", leer, "import", karten}); });
    viele.messen(5);

    leeresBuch();
    const long spitze = werkzeug({"--ordner", leer, "import", karten}, true);
    QTextStream(stdout) << "import_spitze 100000 " << QString::number(double(spitze) / 1024, 'f', 1) << Qt::endl;
}

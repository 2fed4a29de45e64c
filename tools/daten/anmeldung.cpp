// `gedenkbuch-daten anmeldung erinnern|fenster|aus`: what runs at login, as an autostart entry.
#include "befehl.h"

#include "core/datenordner.h"
#include "core/programm.h"
#include "core/steuerzeichen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace {

QString autostartDatei()
{
    return core::xdgOrdner("XDG_CONFIG_HOME", QStringLiteral(".config")) + QStringLiteral("/autostart/gedenkbuch.desktop");
}

// One argument of an Exec line: quoted where the desktop entry rules ask for it, then escaped
// as every string value of the file is.
QString execArgument(QString argument)
{
    argument.replace(u'%', QStringLiteral("%%"));
    static const QString reserviert = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (std::any_of(argument.cbegin(), argument.cend(), [](QChar c) { return reserviert.contains(c); })) {
        QString zitiert;
        for (QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                zitiert += u'\\';
            zitiert += c;
        }
        argument = u'"' + zitiert + u'"';
    }
    return argument.replace(u'\\', QStringLiteral("\\\\"));
}

// The entry is written beside its place and renamed over it in one step, so that a reader never
// sees half of it. rename() replaces a symlink at the entry's place instead of writing through it
// to whatever it points at, which QSaveFile would do.
bool schreiben(const QString& pfad, const QString& name, const QStringList& befehl)
{
    QStringList exec;
    for (const QString& argument : befehl)
        exec << execArgument(argument);
    const QByteArray inhalt = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nIcon=gedenkbuch\n"
                                             "Terminal=false\nX-GNOME-Autostart-enabled=true\n")
                                  .arg(name, exec.join(u' '))
                                  .toUtf8();
    QDir().mkpath(QFileInfo(pfad).path());
    QTemporaryFile neu(pfad + QStringLiteral(".XXXXXX"));
    if (!neu.open() || !neu.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther)
        || neu.write(inhalt) != inhalt.size() || !neu.flush() || ::fsync(neu.handle()) != 0
        || ::rename(QFile::encodeName(neu.fileName()).constData(), QFile::encodeName(pfad).constData()) != 0)
        return false;
    neu.setAutoRemove(false); // it is the entry now
    return true;
}

} // namespace

int anmeldung(const Aufruf& aufruf)
{
    const QString art = aufruf.wert("ART");
    const QString datei = autostartDatei();
    const QString pfad = core::einzeilig(datei); // as shown: the variable's control characters stay off the terminal
    if (art == QLatin1String("aus")) {
        // A symlinked entry is removed as a link, even where its target is gone.
        if (!QFile::exists(datei) && !QFileInfo(datei).isSymLink()) {
            aufruf.aus << QStringLiteral("Beim Anmelden lief schon nichts von %1.").arg(core::programmname) << Qt::endl;
            return Erfolg;
        }
        if (!QFile::remove(datei)) {
            aufruf.fehler << QStringLiteral("%1 konnte nicht gelöscht werden.").arg(pfad) << Qt::endl;
            return Fehlschlag;
        }
        aufruf.aus << QStringLiteral("Beim Anmelden läuft nun nichts mehr von %1 (%2 ist gelöscht).").arg(core::programmname, pfad)
                   << Qt::endl;
        return Erfolg;
    }

    // The programs are named by their full path, so the entry works wherever they were installed.
    const QString ordner = QCoreApplication::applicationDirPath();
    const bool erinnern = art == QLatin1String("erinnern");
    const QStringList befehl = erinnern ? QStringList{QCoreApplication::applicationFilePath(), QStringLiteral("--ordner"),
                                                      core::datenordner(), QStringLiteral("erinnern")}
                                        : QStringList{ordner + QStringLiteral("/gedenkbuch-starten")};
    // A line break would start a key of its own in the entry, a second Exec= for instance.
    for (const QString& argument : befehl) {
        const QString sauber = core::einzeilig(argument);
        if (sauber != argument) {
            aufruf.fehler << QStringLiteral("Der Pfad „%1“ enthält Steuerzeichen; das Anmelden wird nicht "
                                            "eingerichtet.").arg(sauber)
                          << Qt::endl;
            return Fehlschlag;
        }
    }
    const QString name = erinnern ? core::programmname + QStringLiteral(": Erinnerung") : core::programmname;
    if (!schreiben(datei, name, befehl)) {
        aufruf.fehler << QStringLiteral("%1 konnte nicht geschrieben werden.").arg(pfad) << Qt::endl;
        return Fehlschlag;
    }
    aufruf.aus << (erinnern ? QStringLiteral("Beim Anmelden erinnert nun eine Benachrichtigung an die Einträge von heute und "
                                             "morgen (%1).").arg(pfad)
                            : QStringLiteral("Beim Anmelden öffnet sich nun das Fenster von %1 (%2).").arg(core::programmname, pfad))
               << Qt::endl;
    return Erfolg;
}

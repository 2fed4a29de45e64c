// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten anmeldung erinnern|fenster|aus [--tage N]`: what runs at login, as an autostart
// entry.
#include "befehl.h"

#include "core/datenordner.h"
#include "core/programm.h"
#include "core/steuerzeichen.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace {

QString autostartDatei()
{
    return core::xdgOrdner("XDG_CONFIG_HOME", QStringLiteral(".config"))
        + QStringLiteral("/autostart/gedenkbuch.desktop");
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

// "von heute und morgen", as erinnern --tage N shows them.
QString zeitraum(int tage)
{
    if (tage == 0)
        return QStringLiteral("von heute");
    if (tage == 1)
        return QStringLiteral("von heute und morgen");
    return QStringLiteral("von heute und den nächsten %1 Tagen").arg(tage);
}

// The entry is written beside its place and renamed over it in one step, so that a reader never
// sees half of it. rename() replaces a symlink at the entry's place instead of writing through it
// to whatever it points at, which QSaveFile would do. TryExec lets the session skip the entry once
// the program is removed.
bool schreiben(const QString& pfad, const QString& name, const QStringList& befehl)
{
    QStringList exec;
    for (const QString& argument : befehl)
        exec << execArgument(argument);
    const QString programm = QString(befehl.constFirst()).replace(u'\\', QStringLiteral("\\\\"));
    const QByteArray inhalt = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nTryExec=%3\n"
                                             "Icon=gedenkbuch\nTerminal=false\nX-GNOME-Autostart-enabled=true\n")
                                  .arg(name, exec.join(u' '), programm)
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
    const bool erinnern = art == QLatin1String("erinnern");
    // Before the subcommand --ordner is the tool's own option, which every subcommand takes; after
    // it, it belongs to the subcommand, and only erinnern has a book to remind of.
    for (const char* nurZumErinnern : {"ordner", "tage"}) {
        const bool vorn = aufruf.ordnerVorn && qstrcmp(nurZumErinnern, "ordner") == 0;
        if (!erinnern && aufruf.gesetzt(nurZumErinnern) && !vorn) {
            aufruf.fehler
                << QStringLiteral("„--%1“ gilt nur für anmeldung erinnern.").arg(QLatin1String(nurZumErinnern))
                << Qt::endl;
            return FalscherAufruf;
        }
    }
    const QString datei = autostartDatei();
    const QString pfad = core::einzeilig(datei); // as shown: the variable's control characters stay off the terminal
    if (art == QLatin1String("aus")) {
        // A symlinked entry is removed as a link, even where its target is gone.
        if (!QFile::exists(datei) && !QFileInfo(datei).isSymLink()) {
            aufruf.aus << QStringLiteral("Von %1 lief beim Anmelden schon nichts.").arg(core::programmname) << Qt::endl;
            return Erfolg;
        }
        if (!QFile::remove(datei)) {
            aufruf.fehler << QStringLiteral("%1 konnte nicht gelöscht werden.").arg(pfad) << Qt::endl;
            return Fehlschlag;
        }
        aufruf.aus << QStringLiteral("Beim Anmelden läuft nun nichts mehr von %1 (%2 ist gelöscht).")
                          .arg(core::programmname, pfad)
                   << Qt::endl;
        return Erfolg;
    }

    if (erinnern && aufruf.gesetzt("ordner") && !QFileInfo(aufruf.wert("ordner")).isDir()) {
        aufruf.fehler << QStringLiteral("Den Ordner %1 gibt es nicht.").arg(QDir(aufruf.wert("ordner")).path())
                      << Qt::endl;
        return Fehlschlag;
    }
    // The programs and the book are named by their full path, so the entry works wherever they are.
    const QString buchordner
        = aufruf.gesetzt("ordner") ? QDir(aufruf.wert("ordner")).absolutePath() : core::datenordner();
    const QString starten = QCoreApplication::applicationDirPath() + QStringLiteral("/gedenkbuch-starten");
    QStringList befehl = erinnern ? QStringList{QCoreApplication::applicationFilePath(), QStringLiteral("--ordner"),
                                                buchordner, QStringLiteral("erinnern")}
                                  : QStringList{starten};
    if (aufruf.gesetzt("tage"))
        befehl << QStringLiteral("--tage") << aufruf.wert("tage");
    // A line break would start a key of its own in the entry, a second Exec= for instance.
    for (const QString& argument : befehl) {
        const QString sauber = core::einzeilig(argument);
        if (sauber != argument) {
            aufruf.fehler << QStringLiteral("Der Pfad „%1“ enthält Steuerzeichen; das Anmelden wird nicht "
                                            "eingerichtet.")
                                 .arg(sauber)
                          << Qt::endl;
            return Fehlschlag;
        }
    }
    const QString name = erinnern ? core::programmname + QStringLiteral(": Erinnerung") : core::programmname;
    if (!schreiben(datei, name, befehl)) {
        aufruf.fehler << QStringLiteral("%1 konnte nicht geschrieben werden.").arg(pfad) << Qt::endl;
        return Fehlschlag;
    }
    if (erinnern)
        aufruf.aus << QStringLiteral("Beim Anmelden erinnert nun eine Benachrichtigung an die Einträge %1 aus %2 (%3).")
                          .arg(zeitraum(aufruf.zahl("tage", 1)), buchordner + u'/' + store::dateiname, pfad);
    else
        aufruf.aus
            << QStringLiteral("Beim Anmelden öffnet sich nun das Fenster von %1 (%2).").arg(core::programmname, pfad);
    aufruf.aus << Qt::endl;
    return Erfolg;
}

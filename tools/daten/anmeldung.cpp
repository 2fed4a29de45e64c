// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten anmeldung erinnern|fenster|aus [--tage N]`: what runs at login, as an autostart
// entry.
#include "gedenktage.h"

#include "core/programm.h"
#include "core/steuerzeichen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace daten {

namespace {

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

class Anmeldung final : public Befehl {
public:
    Anmeldung() : Befehl("anmeldung", Buch::Keins)
    {
        beschreibung_ = QStringLiteral(
            "legt fest, was beim Anmelden geschieht: die Benachrichtigung (erinnern, mit --tage N wie\n"
            "„erinnern --tage N“) für die daten.mdb in ORDNER, ohne --ordner für die im persönlichen\n"
            "Datenordner; das Fenster (fenster); oder nichts (aus).");
    }

    int ausfuehren(Kontext& k) override
    {
        const bool erinnern = art.wert() == QLatin1String("erinnern");
        // Before the command --ordner is the tool's own option, which every command takes; after it,
        // it belongs to the command, and only erinnern has a book to remind of.
        for (const Eingabe* nurZumErinnern : std::initializer_list<const Eingabe*>{&ordner, &tage}) {
            const bool vorn = ordnerVorn && nurZumErinnern == &ordner;
            if (!erinnern && nurZumErinnern->gesetzt() && !vorn) {
                k.fehler << QStringLiteral("„--%1“ gilt nur für anmeldung erinnern.").arg(nurZumErinnern->name())
                         << Qt::endl;
                return FalscherAufruf;
            }
        }
        const QString datei = k.orte.autostart + QStringLiteral("/gedenkbuch.desktop");
        const QString pfad
            = core::einzeilig(datei); // as shown: the variable's control characters stay off the terminal
        if (art.wert() == QLatin1String("aus")) {
            // A symlinked entry is removed as a link, even where its target is gone.
            if (!QFile::exists(datei) && !QFileInfo(datei).isSymLink()) {
                k.aus << QStringLiteral("Von %1 lief beim Anmelden schon nichts.").arg(core::programmname) << Qt::endl;
                return Erfolg;
            }
            if (!QFile::remove(datei)) {
                k.fehler << QStringLiteral("%1 konnte nicht gelöscht werden.").arg(pfad) << Qt::endl;
                return Fehlschlag;
            }
            k.aus << QStringLiteral("Beim Anmelden läuft nun nichts mehr von %1 (%2 ist gelöscht).")
                         .arg(core::programmname, pfad)
                  << Qt::endl;
            return Erfolg;
        }

        if (erinnern && ordner.gesetzt() && !QFileInfo(ordner.wert()).isDir()) {
            k.fehler << keinOrdner(ordner.wert()) << Qt::endl;
            return Fehlschlag;
        }
        // The programs and the book are named by their full path, so the entry works wherever they are.
        const QString buchordner = ordner.gesetzt() ? QDir(ordner.wert()).absolutePath() : k.orte.daten;
        const QString starten = QFileInfo(k.orte.programm).path() + QStringLiteral("/gedenkbuch-starten");
        QStringList befehl = erinnern
            ? QStringList{k.orte.programm, QStringLiteral("--ordner"), buchordner, QStringLiteral("erinnern")}
            : QStringList{starten};
        if (tage.gesetzt())
            befehl << QStringLiteral("--tage") << QString::number(tage.wert());
        // A line break would start a key of its own in the entry, a second Exec= for instance.
        for (const QString& argument : befehl) {
            const QString sauber = core::einzeilig(argument);
            if (sauber != argument) {
                k.fehler << QStringLiteral("Der Pfad „%1“ enthält Steuerzeichen; das Anmelden wird nicht "
                                           "eingerichtet.")
                                .arg(sauber)
                         << Qt::endl;
                return Fehlschlag;
            }
        }
        const QString name = erinnern ? core::programmname + QStringLiteral(": Erinnerung") : core::programmname;
        if (!schreiben(datei, name, befehl)) {
            k.fehler << QStringLiteral("%1 konnte nicht geschrieben werden.").arg(pfad) << Qt::endl;
            return Fehlschlag;
        }
        if (erinnern)
            k.aus << QStringLiteral("Beim Anmelden erinnert nun eine Benachrichtigung an die Einträge %1 aus %2 (%3).")
                         .arg(zeitraum(tage.wert()), buchordner + u'/' + store::dateiname, pfad);
        else
            k.aus << QStringLiteral("Beim Anmelden öffnet sich nun das Fenster von %1 (%2).")
                         .arg(core::programmname, pfad);
        k.aus << Qt::endl;
        return Erfolg;
    }

private:
    Vorlauftage tage{this};
    Auswahl art{this, Argument{"ART"}, {"erinnern", "fenster", "aus"}};
};

} // namespace

std::unique_ptr<Befehl> anmeldung()
{
    return std::make_unique<Anmeldung>();
}

} // namespace daten

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "kanal.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextStream>
#include <QVariant>

// One call of a subcommand of gedenkbuch-daten, its options and arguments checked against the
// subcommand's declaration: the values by name, the daten.mdb it works on, and the two output
// streams. Every text is German. Whether standard output took everything is checked once the
// subcommand is done.
struct Aufruf {
    // Typed as declared: "datum" → QDate(2026, 12, 24), "TAGE" → 3, "format" → "csv"; a switch given → "".
    QHash<QString, QVariant> werte;
    QString buch; // as the user would name it: "daten.mdb", "DIR/daten.mdb", an absolute path
    QTextStream& aus;
    QTextStream& fehler;
    Kanal& ausgabe;          // standard output itself, for data written as it is
    bool ordnerVorn = false; // --ordner stood before the subcommand, as the tool's own option

    QString datenbank() const { return buch; }
    // The report of a subcommand whose output is data: which file it read.
    QString gelesenAus() const { return QStringLiteral("Gelesen aus %1.").arg(buch); }
    bool gesetzt(const char* name) const { return werte.contains(QLatin1String(name)); }
    QString wert(const char* name) const { return werte.value(QLatin1String(name)).toString(); }
    int zahl(const char* name, int vorgabe) const
    {
        return gesetzt(name) ? werte.value(QLatin1String(name)).toInt() : vorgabe;
    }
    QDate datum() const; // --datum, else today
};

// Exit status of a subcommand: 0 done, 1 failed (a German message on standard error), 2 called
// wrongly. Subcommands may define further ones and say so in their help.
enum Status { Erfolg = 0, Fehlschlag = 1, FalscherAufruf = 2 };
// import: 3 some records skipped, 4 none taken; pruefen: 5 the file is damaged.
constexpr int EinigeUebersprungen = 3;
constexpr int NichtsUebernommen = 4;
constexpr int DateiBeschaedigt = 5;

// "1 Eintrag", "3 Einträge".
inline QString mitAnzahl(qsizetype anzahl, const char* einzahl, const char* mehrzahl)
{
    return QStringLiteral("%1 %2").arg(anzahl).arg(QString::fromUtf8(anzahl == 1 ? einzahl : mehrzahl));
}

// What a value may be; the command line refuses any other before the subcommand runs.
struct Wertart {
    enum Art { Text, Zahl, Datum, Auswahl } art = Text;
    int von = 0, bis = 0;     // Zahl
    QStringList auswahl = {}; // Auswahl
};

// "--datum DATUM"; a switch has no `wert`.
struct Option {
    const char* name;
    const char* wert;  // the value's name in the help, nullptr for a switch
    const char* hilfe; // one line
    const char* fehlt; // what a missing value is called: "das Format"
    Wertart art = {};
    bool noetig = false;
};

// A positional argument: "TAGE"; an Auswahl shows its choices in the call instead.
struct Argument {
    const char* name;
    Wertart art = {};
    bool noetig = true;
};

using Befehl = int (*)(const Aufruf& aufruf);

struct Unterbefehl {
    // Which daten.mdb a subcommand uses: none, the one it creates, or the book (see buch.h).
    enum class Buch { Keins, Neu, Vorhanden };
    const char* name;
    const char* beschreibung; // one or more lines, each indented by the help
    QList<Option> optionen;   // without --ordner and the help, which every subcommand has
    QList<Argument> argumente;
    Buch buch;
    Befehl ausfuehren;
};

// Every subcommand, in the order of the help.
const QList<Unterbefehl>& unterbefehle();

// "2026-12-24" or "24.12.2026"; invalid when it is neither or no day of the calendar.
QDate datumLesen(const QString& text);

int neu(const Aufruf& aufruf);
int heute(const Aufruf& aufruf);
int erinnern(const Aufruf& aufruf);
int anmeldung(const Aufruf& aufruf);
int importieren(const Aufruf& aufruf);
int exportieren(const Aufruf& aufruf);
int sichern(const Aufruf& aufruf);
int pruefen(const Aufruf& aufruf);
int kalender(const Aufruf& aufruf);
int drucken(const Aufruf& aufruf);
int kontakteAbgleichen(const Aufruf& aufruf);

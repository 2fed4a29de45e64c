#pragma once

#include "kanal.h"

#include <QDir>
#include <QStringList>
#include <QTextStream>

// One call of a subcommand of gedenkbuch-daten: its arguments (without the subcommand's name and
// without --ordner), the folder of daten.mdb, and the two output streams. Every text is German.
// Whether standard output took everything is checked once the subcommand is done.
struct Aufruf {
    QStringList argumente;
    QDir ordner;
    QTextStream& aus;
    QTextStream& fehler;
    Kanal& ausgabe; // standard output itself, for data written as it is
    QString datenbank() const;
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

using Befehl = int (*)(const Aufruf& aufruf);

struct Unterbefehl {
    const char* name;
    const char* aufruf;       // "neu", "heute [TAGE]"
    const char* beschreibung; // one or more lines, each indented by the help
    Befehl ausfuehren;
};

int neu(const Aufruf& aufruf);
int heute(const Aufruf& aufruf);
int erinnern(const Aufruf& aufruf);
int anmeldung(const Aufruf& aufruf);
int importieren(const Aufruf& aufruf);
int exportieren(const Aufruf& aufruf);
int sichern(const Aufruf& aufruf);
int pruefen(const Aufruf& aufruf);
int kalender(const Aufruf& aufruf);

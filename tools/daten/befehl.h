#pragma once

#include <QDir>
#include <QStringList>
#include <QTextStream>

// One call of a subcommand of gedenkbuch-daten: its arguments (without the subcommand's name and
// without --ordner), the folder of daten.mdb, and the two output streams. Every text is German.
struct Aufruf {
    QStringList argumente;
    QDir ordner;
    QTextStream& aus;
    QTextStream& fehler;
    QString datenbank() const;
};

// Exit status of a subcommand: 0 done, 1 failed (a German message on standard error), 2 called
// wrongly. Subcommands may define further ones and say so in their help.
enum Status { Erfolg = 0, Fehlschlag = 1, FalscherAufruf = 2 };

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

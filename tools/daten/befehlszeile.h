// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "befehl.h"

#include <optional>

// The command line of gedenkbuch-daten, on QCommandLineParser: one parser for what comes before the
// subcommand (--ordner, the help, --version) and one per subcommand, built from its declaration.
// Qt's own texts are English, so every refusal is worded here, naming what is wrong and what is
// allowed.

// The arguments after the program's name, as the user typed them. QCoreApplication::arguments()
// would turn bytes that are no UTF-8 into U+FFFD and so name another file; such an argument is
// refused (none after a German message).
std::optional<QStringList> argumenteLesen(int argc, const char* const* argv, QTextStream& fehler);

// What comes before the subcommand. `rest` is the subcommand's name and its own arguments.
struct Vorspann {
    enum class Ergebnis { Befehl, Hilfe, Version, Falsch } ergebnis;
    QString ordner; // null without --ordner
    QStringList rest;
};
Vorspann vorspannLesen(const QStringList& argumente, QTextStream& fehler);

// The subcommand's own arguments, checked against its declaration; the values go into `werte`, read
// once into the type their declaration gives
// ("ordner" from the Vorspann may be there already). Falsch after a German message.
enum class Gelesen { Werte, Hilfe, Falsch };
Gelesen befehlLesen(const Unterbefehl& befehl, const QStringList& argumente, QHash<QString, QVariant>& werte,
                    QTextStream& fehler);

// The help of the whole tool, of one subcommand, and a subcommand's call:
// "heute [TAGE] [--datum DATUM]".
QString hilfe();
QString befehlshilfe(const Unterbefehl& befehl);
QString aufrufzeile(const Unterbefehl& befehl);
// A value's name in a call: "TAGE", or the choices of an Auswahl, "csv|ics".
QString platzhalter(const char* name, const Wertart& art);

// The options every subcommand has, --version the tool as a whole.
const Option& ordneroption(Unterbefehl::Buch buch);
const Option& hilfeoption();
const Option& versionsoption();

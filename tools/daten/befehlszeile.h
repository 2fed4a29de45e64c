// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "befehl.h"

#include <optional>

// The command line of gedenkbuch-daten: "[--ordner ORDNER] BEFEHL [ARGUMENTE]", split here as typed
// and each value read by the option or argument that declares it. Every refusal is worded here,
// naming what is wrong and what is allowed.

namespace daten {

// The arguments after the program's name, as the user typed them. QCoreApplication::arguments()
// would turn bytes that are no UTF-8 into U+FFFD and so name another file; such an argument is
// refused (none after a German message).
std::optional<QStringList> argumenteLesen(int argc, const char* const* argv, QTextStream& fehler);

// One call of the tool, the help and the version included. Returns the exit status; whether the
// output was written whole is the caller's to check.
int ausfuehren(const QStringList& argumente, Kontext& k);

// -h, --help or --hilfe: every command has it, and the tool as a whole.
struct Hilfeschalter final : Schalter {
    Hilfeschalter() : Schalter(nullptr, "help", "zeigt diese Hilfe") {}
};

// What may stand before the command.
struct Vorspann {
    Text ordner{nullptr, ordneroption(Befehl::Buch::Vorhanden)};
    Hilfeschalter hilfe;
    Schalter version{nullptr, "version", "nennt Programm und Version"};
    QList<Eingabe*> optionen() { return {&ordner, &hilfe, &version}; }
};

// The help of the whole tool, with the book rule for the data folder `datenordner`; the help of
// one command; and the command's call, "heute [TAGE] [--datum DATUM]".
QString hilfe(const QString& datenordner);
QString befehlshilfe(Befehl& befehl, const QString& datenordner);
QString aufrufzeile(Befehl& befehl);

} // namespace daten

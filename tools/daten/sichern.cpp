// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten sichern ZIEL`: a checked copy of daten.mdb in a new file, also while the
// program runs.
#include "befehl.h"

namespace daten {

namespace {

class Sichern final : public Buchbefehl {
public:
    Sichern() : Buchbefehl("sichern")
    {
        beschreibung_ = QStringLiteral(
            "schreibt eine Kopie von daten.mdb mit demselben Kennwort in die neue Datei ZIEL und prüft sie;\n"
            "das geht auch, während das Programm läuft.");
    }

    int mitBuch(Kontext& k) override
    {
        try {
            oeffnen(store::Store::Zugriff::NurLesen)->sichern(ziel.wert());
        } catch (const store::StoreError& fehler) {
            k.fehler << core::fehlertext(fehler) << Qt::endl
                     << QStringLiteral("Es wurde keine Sicherung angelegt.") << Qt::endl;
            return Fehlschlag;
        }
        k.aus << QStringLiteral("Die Sicherung %1 von %2 ist geschrieben und geprüft.").arg(ziel.wert(), buch())
              << Qt::endl;
        return Erfolg;
    }

private:
    Text ziel{this, Argument{"ZIEL"}};
};

} // namespace

std::unique_ptr<Befehl> sichern()
{
    return std::make_unique<Sichern>();
}

} // namespace daten

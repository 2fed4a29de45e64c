// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "befehl.h"

namespace daten {

std::vector<std::unique_ptr<Befehl>> alleBefehle()
{
    std::vector<std::unique_ptr<Befehl>> alle;
    for (const auto machen :
         {neu, heute, erinnern, anmeldung, importieren, exportieren, sichern, pruefen, kalender, drucken, kontakte})
        alle.push_back(machen());
    return alle;
}

} // namespace daten

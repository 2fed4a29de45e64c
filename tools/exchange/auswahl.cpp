// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "auswahl.h"

#include "core/eintrag.h"
#include "core/jahr.h"

#include <QHash>
#include <algorithm>

namespace exchange {

Auswahl auswaehlen(const Gelesen& gelesen, const QSet<QString>& vergeben)
{
    Auswahl auswahl;
    auswahl.auslassungen = gelesen.auslassungen;
    auswahl.hinweise = gelesen.hinweise;
    QHash<QString, int> gesehen; // name -> where it was taken
    for (Satz satz : gelesen.saetze) {
        const auto grund = [&]() -> std::optional<Grund> {
            if (satz.name.isEmpty())
                return Grund::OhneBezeichnung;
            if (core::zeichenzahl(satz.name) > core::laengsteBezeichnung)
                return Grund::ZuLang;
            if (satz.tag == 0 || satz.monat == 0)
                return Grund::OhneTagOderMonat;
            if (!core::gibtEsDenTag(satz.tag, satz.monat))
                return Grund::TagGibtEsNicht;
            if (vergeben.contains(satz.name))
                return Grund::SchonImBuch;
            if (gesehen.contains(satz.name))
                return Grund::SchonInDatei;
            return std::nullopt;
        }();
        if (grund) {
            auswahl.auslassungen.append(
                {satz.stelle, satz.name, *grund, {}, {}, {}, satz.tag, satz.monat, gesehen.value(satz.name)});
            continue;
        }
        gesehen.insert(satz.name, satz.stelle);
        if (satz.jahr && !core::jahrImImport(*satz.jahr))
            satz.jahr.reset();
        auswahl.uebernehmen.append(satz);
    }
    return auswahl;
}

} // namespace exchange

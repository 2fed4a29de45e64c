// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gedenktage.h"

#include "core/tage.h"

namespace daten {

std::optional<QList<Gedenktag>> Tagesbefehl::gedenktage(Kontext& k, QDate ab, int anzahl) const
{
    QList<QDate> tage;
    for (int i = 0; i < anzahl; ++i)
        tage.append(ab.addDays(i));
    core::Tagesfilter filter(tage);
    if (!eintraegeLesen(k, store::Cursor::Umfang::OhneBemerkungen,
                        [&filter](const core::Eintrag& e) { filter.aufnehmen(e); }))
        return std::nullopt;
    QList<Gedenktag> gedenktage;
    for (int i = 0; i < anzahl; ++i) {
        if (filter.listen()[i].isEmpty())
            continue;
        Gedenktag tag{core::tagestitel(i, ab), {}};
        for (const core::Zeile& z : filter.listen()[i])
            tag.zeilen << z.text;
        gedenktage.append(tag);
    }
    return gedenktage;
}

} // namespace daten

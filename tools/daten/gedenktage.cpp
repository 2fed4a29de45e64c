// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gedenktage.h"

#include "core/durchlauf.h"
#include "core/tage.h"
#include "store/cursor.h"
#include "store/store.h"

std::optional<QList<Gedenktag>> gedenktageLesen(const Aufruf& aufruf, QDate heute, int anzahl)
{
    QList<QDate> tage;
    for (int k = 0; k < anzahl; ++k)
        tage.append(heute.addDays(k));
    // One walk that keeps only the lines of these days, never the entries.
    core::Tagesfilter filter(tage);
    core::Durchlauf durchlauf;
    try {
        auto s = store::Store::open(aufruf.datenbank(), store::Store::Zugriff::NurLesen);
        store::Cursor cursor(*s, store::Cursor::Umfang::OhneBemerkungen);
        durchlauf = core::eintraegeDurchlaufen(cursor, [&filter](const core::Eintrag& e) { filter.aufnehmen(e); });
    } catch (const store::StoreError& fehler) {
        aufruf.fehler << core::fehlertext(fehler) << Qt::endl;
        return std::nullopt;
    }
    if (durchlauf.fehler) {
        aufruf.fehler
            << QStringLiteral("Nicht alle Einträge konnten gelesen werden. %1").arg(core::fehlertext(*durchlauf.fehler))
            << Qt::endl;
        return std::nullopt;
    }
    QList<Gedenktag> gedenktage;
    for (int k = 0; k < anzahl; ++k) {
        if (filter.listen()[k].isEmpty())
            continue;
        Gedenktag tag{core::tagestitel(k, heute), {}};
        for (const core::Zeile& z : filter.listen()[k])
            tag.zeilen << z.text;
        gedenktage.append(tag);
    }
    return gedenktage;
}

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bestand.h"

#include "core/anzeigezeile.h"
#include "core/durchlauf.h"
#include "core/kalenderfolge.h"
#include "store/cursor.h"
#include "store/store.h"

namespace druck {

QString zusatz(const core::Zeile& zeile, std::optional<int> bezugsjahr)
{
    if (bezugsjahr)
        return core::altersZusatz(zeile.jahr, *bezugsjahr);
    return zeile.jahr && *zeile.jahr > 0 ? QStringLiteral(" (%1)").arg(*zeile.jahr) : QString();
}

Bestand lesen(const QString& buch, std::optional<int> bezugsjahr)
{
    const auto s = store::Store::open(buch, store::Store::Zugriff::NurLesen);
    store::Cursor cursor(*s, store::Cursor::Umfang::OhneBemerkungen);
    Bestand b;
    const core::Durchlauf durchlauf = core::durchlaufen(cursor, [&](const store::Datensatz& satz) {
        const auto eintrag = core::eintragLesen(satz);
        if (!eintrag) {
            ++b.ohneRegel;
            return;
        }
        if (!core::gibtEsDenTag(eintrag->tag, eintrag->monat)) {
            ++b.unmoeglich;
            return;
        }
        core::Zeile z = core::tageszeile(*eintrag, bezugsjahr.value_or(0)); // without a year: the name alone
        if (!bezugsjahr)
            z.text += zusatz(z, bezugsjahr);
        b.tage[std::size_t((eintrag->monat - 1) * 31 + eintrag->tag - 1)].append(std::move(z));
    });
    if (durchlauf.fehler)
        throw *durchlauf.fehler;
    for (QList<core::Zeile>& tag : b.tage)
        core::kalenderfolge(tag);
    return b;
}

} // namespace druck

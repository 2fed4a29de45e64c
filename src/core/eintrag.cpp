// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eintrag.h"

#include "zahlen.h"

namespace core {

using store::Feld;

qsizetype zeichenzahl(QStringView text)
{
    qsizetype zeichen = text.size();
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && text[i - 1].isHighSurrogate())
            --zeichen;
    }
    return zeichen;
}

std::optional<Eintrag> eintragLesen(const store::Datensatz& satz)
{
    const QVariant& name = satz.feld(Feld::Bezeichnung);
    const auto tag = feldAlsInt16(satz.feld(Feld::tag));
    const auto monat = feldAlsInt16(satz.feld(Feld::monat));
    if (name.isNull() || !tag || !monat)
        return std::nullopt;
    return Eintrag{satz.id,
                   name.toString(),
                   *tag,
                   *monat,
                   feldAlsInt16(satz.feld(Feld::jahr)),
                   satz.feld(Feld::Bemerkungen).toString()};
}

} // namespace core

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bereinigen.h"

#include "core/steuerzeichen.h"

namespace exchange {

// Both cleanings replace a character by one or drop it, so a shorter result means a removal;
// mehrzeilig also drops the CR of each CR LF.
QString einzeilig(QStringView roh, bool& entfernt)
{
    QString text = core::einzeilig(roh);
    entfernt = entfernt || text.size() != roh.size();
    return text;
}

QString mehrzeilig(QStringView roh, bool& entfernt)
{
    QString text = core::mehrzeilig(roh);
    entfernt = entfernt || text.size() != roh.size() - roh.count(u"\r\n");
    return text;
}

QString zitat(QStringView text)
{
    constexpr qsizetype hoechstens = 60;
    // Only the beginning is cleaned, so a value of megabytes is not copied for its first words.
    const QString sauber = core::einzeilig(text.first(std::min(text.size(), 4 * hoechstens)));
    qsizetype ende = 0;
    for (qsizetype zeichen = 0; zeichen < hoechstens && ende < sauber.size(); ++zeichen)
        ende += sauber[ende].isHighSurrogate() && ende + 1 < sauber.size() ? 2 : 1;
    if (ende == sauber.size() && text.size() <= 4 * hoechstens)
        return sauber;
    return sauber.first(ende) + u'…';
}

} // namespace exchange

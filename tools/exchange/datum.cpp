// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datum.h"

#include <QRegularExpression>

namespace exchange {

Datumsangabe datumLesen(QStringView text)
{
    static const QRegularExpression mitJahr(QStringLiteral("^(\\d{4})-?(\\d\\d)-?(\\d\\d)$"));
    static const QRegularExpression ohneJahr(QStringLiteral("^--(\\d\\d)-?(\\d\\d)$"));
    static const QRegularExpression deutsch(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})?$"));
    static const QRegularExpression unvollstaendig(QStringLiteral("^(\\d{4}(-\\d\\d)?|--\\d\\d|---\\d\\d)$"));

    QStringView datum = text.trimmed();
    // A date-time: the date is what comes before the time.
    if (const qsizetype zeit = datum.indexOf(u'T'); zeit > 0)
        datum = datum.first(zeit);

    if (const auto m = mitJahr.match(datum); m.hasMatch())
        return {Datum{m.capturedView(3).toInt(), m.capturedView(2).toInt(), m.capturedView(1).toInt()}};
    if (const auto m = ohneJahr.match(datum); m.hasMatch())
        return {Datum{m.capturedView(2).toInt(), m.capturedView(1).toInt(), std::nullopt}};
    if (const auto m = deutsch.match(datum); m.hasMatch()) {
        const std::optional<int> jahr = m.hasCaptured(3) ? std::optional(m.capturedView(3).toInt()) : std::nullopt;
        return {Datum{m.capturedView(1).toInt(), m.capturedView(2).toInt(), jahr}};
    }
    if (unvollstaendig.match(datum).hasMatch())
        return {std::nullopt, Grund::DatumUnvollstaendig};
    return {std::nullopt, Grund::DatumUnlesbar};
}

} // namespace exchange

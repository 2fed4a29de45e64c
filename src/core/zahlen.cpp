// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zahlen.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace core {

namespace {

bool istLeerzeichen(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool istZiffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

double zahlwert(QStringView text)
{
    // Collect the characters that form the number, then let strtod read them: it rounds exactly
    // and gives infinity for a number beyond the range of double.
    enum class Teil { Vorzeichen, Ganz, Bruch, ExponentVorzeichen, Exponent };
    Teil teil = Teil::Vorzeichen;
    std::string zahl;
    bool ziffern = false;
    std::size_t gueltigeLaenge = 0; // the collected prefix that forms a complete number

    for (QChar c : text) {
        if (istLeerzeichen(c))
            continue;
        const char z = char(c.unicode());
        if (teil == Teil::Vorzeichen && (c == u'+' || c == u'-')) {
            teil = Teil::Ganz;
        } else if ((teil == Teil::Vorzeichen || teil == Teil::Ganz) && istZiffer(c)) {
            teil = Teil::Ganz;
            ziffern = true;
        } else if ((teil == Teil::Vorzeichen || teil == Teil::Ganz) && c == u'.') {
            teil = Teil::Bruch;
        } else if (teil == Teil::Bruch && istZiffer(c)) {
            ziffern = true;
        } else if ((teil == Teil::Ganz || teil == Teil::Bruch) && ziffern && (c == u'e' || c == u'E')) {
            teil = Teil::ExponentVorzeichen;
        } else if (teil == Teil::ExponentVorzeichen && (c == u'+' || c == u'-')) {
            teil = Teil::Exponent;
        } else if ((teil == Teil::ExponentVorzeichen || teil == Teil::Exponent) && istZiffer(c)) {
            teil = Teil::Exponent;
            zahl += z;
            gueltigeLaenge = zahl.size();
            continue;
        } else {
            break;
        }
        zahl += z;
        if (ziffern && (teil == Teil::Ganz || teil == Teil::Bruch))
            gueltigeLaenge = zahl.size();
    }
    if (!ziffern)
        return 0.0;
    zahl.resize(gueltigeLaenge);
    return std::strtod(zahl.c_str(), nullptr);
}

std::optional<qint16> alsInt16(double wert)
{
    if (!std::isfinite(wert))
        return std::nullopt;
    // The default rounding mode rounds a half to the even neighbour.
    const double gerundet = std::nearbyint(wert);
    if (gerundet < -32768.0 || gerundet > 32767.0)
        return std::nullopt;
    return qint16(gerundet);
}

std::optional<int> jahrImFeld(const QString& text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return alsInt16(zahlwert(text)).value_or(0);
}

std::optional<qint16> feldAlsInt16(const QVariant& feld)
{
    switch (feld.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int: {
        const qint64 zahl = feld.toLongLong();
        if (zahl < -32768 || zahl > 32767)
            return std::nullopt;
        return qint16(zahl);
    }
    case QMetaType::Double:
        return alsInt16(feld.toDouble());
    case QMetaType::QString: {
        bool ok = false;
        const double zahl = feld.toString().trimmed().toDouble(&ok);
        return ok ? alsInt16(zahl) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace core

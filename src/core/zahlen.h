// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace core {

// The numeric value of a text: the number it begins with, read up to the first character that
// cannot continue it. Blanks anywhere are skipped; a sign, digits, a decimal point with digits
// and an exponent are understood. A text that begins with no number has the value 0.
// "12abc" is 12, " 1 2" is 12, "1e3" is 1000.
double zahlwert(QStringView text);

// The nearest 16-bit integer, a half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
// Values outside -32768..32767, infinities and NaN have none.
std::optional<qint16> alsInt16(double wert);

// A stored field read as a 16-bit integer: whole numbers and decimals as above, a text only when
// it is a number as a whole. A null field, a foreign text or an out-of-range value have none.
std::optional<qint16> feldAlsInt16(const QVariant& feld);

// The number a year box holds, as the panel and the entry dialog read it: none when the box is
// empty, 0 when its value is no 16-bit number ("1e10").
std::optional<int> jahrImFeld(const QString& text);

} // namespace core

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datum.h"

#include <QLocale>

namespace core {

QString deutschesDatum(QDate datum)
{
    // Qt carries its own locale data, so this is German whatever the system's locale is.
    static const QLocale deutsch(QLocale::German, QLocale::Germany);
    return deutsch.toString(datum, QStringLiteral("dddd, dd.MM.yyyy"));
}

} // namespace core

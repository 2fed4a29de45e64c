// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>

namespace core {

// "dddd, dd.mm.yyyy" with the German weekday: "Mittwoch, 30.12.2026".
QString deutschesDatum(QDate datum);

} // namespace core

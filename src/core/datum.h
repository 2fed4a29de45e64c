#pragma once

#include <QDate>
#include <QString>

namespace core {

// "dddd, dd.mm.yyyy" with the German weekday: "Mittwoch, 30.12.2026".
QString deutschesDatum(QDate datum);

} // namespace core

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uhr.h"

#include <QTimer>

namespace core {

SystemUhr::SystemUhr() : zuletzt_(QDate::currentDate())
{
    auto* takt = new QTimer(this);
    // A timer set for midnight would miss a change of the clock and oversleep a standby; a look
    // every 30 seconds notices either within a minute.
    connect(takt, &QTimer::timeout, this, [this] {
        const QDate jetzt = QDate::currentDate();
        if (jetzt != zuletzt_) {
            zuletzt_ = jetzt;
            emit datumGeaendert();
        }
    });
    takt->start(30000);
}

} // namespace core

#include "uhr.h"

#include <QTimer>

namespace core {

SystemUhr::SystemUhr() : takt_(new QTimer(this)), zuletzt_(QDate::currentDate())
{
    // A timer set for midnight would miss a change of the clock and oversleep a standby; a look
    // every 30 seconds notices either within a minute.
    connect(takt_, &QTimer::timeout, this, [this] {
        const QDate jetzt = QDate::currentDate();
        if (jetzt != zuletzt_) {
            zuletzt_ = jetzt;
            emit datumGeaendert();
        }
    });
    takt_->start(30000);
}

} // namespace core

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kalender.h"

#include "core/jahr.h"
#include "core/programm.h"
#include "core/steuerzeichen.h"

#include <QDateTime>

#include <libical/ical.h>

#include <memory>

namespace exchange {

namespace {

icaltimetype tag(QDate datum)
{
    icaltimetype t = icaltime_null_date();
    t.year = datum.year();
    t.month = datum.month();
    t.day = datum.day();
    return t;
}

struct Freigeben {
    void operator()(icalcomponent* k) const { icalcomponent_free(k); }
    void operator()(char* text) const { icalmemory_free_buffer(text); }
};

QByteArray text(icalcomponent* komponente)
{
    return QByteArray(std::unique_ptr<char, Freigeben>(icalcomponent_as_ical_string_r(komponente)).get());
}

const QByteArray kalenderende = QByteArrayLiteral("END:VCALENDAR\r\n");

} // namespace

QDate beginn(const core::Eintrag& e, int diesesJahr)
{
    if (e.jahr && core::jahrFuerKalender(*e.jahr, e.monat, e.tag, diesesJahr))
        return QDate(*e.jahr, e.monat, e.tag);
    return QDate(schaltjahr, e.monat, e.tag);
}

// Each event is written and freed on its own, between the lines that open and close the calendar:
// for thousands of entries that is clearly faster than writing the calendar in one piece, which
// keeps every event and all its allocations alive.
Kalenderschreiber::Kalenderschreiber() : jetzt_(QDateTime::currentSecsSinceEpoch())
{
    const QByteArray hersteller
        = QStringLiteral("-//%1//gedenkbuch-daten %2//DE").arg(core::programmname, core::versionstext).toUtf8();
    const std::unique_ptr<icalcomponent, Freigeben> kalender(icalcomponent_vanew(
        ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"), icalproperty_new_prodid(hersteller.constData()),
        icalproperty_new_calscale("GREGORIAN"), static_cast<void*>(nullptr)));
    anfang_ = text(kalender.get()).chopped(kalenderende.size());
}

QByteArray Kalenderschreiber::termin(const core::Eintrag& e, int diesesJahr) const
{
    icalrecurrencetype jaehrlich;
    icalrecurrencetype_clear(&jaehrlich);
    jaehrlich.freq = ICAL_YEARLY_RECURRENCE;
    const QDate erster = beginn(e, diesesJahr);
    const std::unique_ptr<icalcomponent, Freigeben> termin(icalcomponent_new_vevent());
    icalcomponent* t = termin.get();
    const QByteArray uid = core::kalenderUid(e.id).toUtf8();
    icalcomponent_add_property(t, icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(
        t, icalproperty_new_dtstamp(icaltime_from_timet_with_zone(time_t(jetzt_), 0, icaltimezone_get_utc_timezone())));
    icalcomponent_add_property(t, icalproperty_new_dtstart(tag(erster)));
    icalcomponent_add_property(t, icalproperty_new_dtend(tag(erster.addDays(1))));
    icalcomponent_add_property(t, icalproperty_new_rrule(jaehrlich));
    // A record another program stored may hold anything; a NUL would also cut the C string.
    icalcomponent_add_property(t, icalproperty_new_summary(core::einzeilig(e.Bezeichnung).toUtf8().constData()));
    if (const QString bemerkungen = core::mehrzeilig(e.Bemerkungen); !bemerkungen.isEmpty())
        icalcomponent_add_property(t, icalproperty_new_description(bemerkungen.toUtf8().constData()));
    icalcomponent_add_property(t, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return text(t);
}

QByteArray Kalenderschreiber::ende() const
{
    return kalenderende;
}

} // namespace exchange

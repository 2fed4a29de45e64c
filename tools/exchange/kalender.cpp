#include "kalender.h"

#include "core/programm.h"

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

} // namespace

QDate beginn(const core::Eintrag& e, int diesesJahr)
{
    if (e.jahr && *e.jahr >= 1 && *e.jahr <= diesesJahr && QDate::isValid(*e.jahr, e.monat, e.tag))
        return QDate(*e.jahr, e.monat, e.tag);
    return QDate(schaltjahr, e.monat, e.tag);
}

QByteArray kalenderSchreiben(const QList<core::Eintrag>& eintraege, int diesesJahr)
{
    const QByteArray hersteller =
        QStringLiteral("-//%1//gedenkbuch-daten %2//DE").arg(core::programmname, core::versionstext).toUtf8();
    const std::unique_ptr<icalcomponent, Freigeben> kalender(icalcomponent_vanew(
        ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"), icalproperty_new_prodid(hersteller.constData()),
        icalproperty_new_calscale("GREGORIAN"), static_cast<void*>(nullptr)));
    const icaltimetype jetzt = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    icalrecurrencetype jaehrlich;
    icalrecurrencetype_clear(&jaehrlich);
    jaehrlich.freq = ICAL_YEARLY_RECURRENCE;

    // Each event is written and freed on its own, between the lines that open and close the
    // calendar: for thousands of entries that is clearly faster than writing the calendar in one
    // piece, which keeps every event and all its allocations alive.
    const auto text = [](icalcomponent* k) {
        return QByteArray(std::unique_ptr<char, Freigeben>(icalcomponent_as_ical_string_r(k)).get());
    };
    const QByteArray rahmen = text(kalender.get());
    const QByteArray ende = QByteArrayLiteral("END:VCALENDAR\r\n");
    QByteArray datei = rahmen.chopped(ende.size());
    for (const core::Eintrag& e : eintraege) {
        const QDate erster = beginn(e, diesesJahr);
        const std::unique_ptr<icalcomponent, Freigeben> termin(icalcomponent_new_vevent());
        icalcomponent* t = termin.get();
        const QByteArray uid = QStringLiteral("eintrag-%1@gedenkbuch").arg(e.id).toUtf8();
        icalcomponent_add_property(t, icalproperty_new_uid(uid.constData()));
        icalcomponent_add_property(t, icalproperty_new_dtstamp(jetzt));
        icalcomponent_add_property(t, icalproperty_new_dtstart(tag(erster)));
        icalcomponent_add_property(t, icalproperty_new_dtend(tag(erster.addDays(1))));
        icalcomponent_add_property(t, icalproperty_new_rrule(jaehrlich));
        icalcomponent_add_property(t, icalproperty_new_summary(e.Bezeichnung.toUtf8().constData()));
        if (!e.Bemerkungen.isEmpty())
            icalcomponent_add_property(t, icalproperty_new_description(e.Bemerkungen.toUtf8().constData()));
        icalcomponent_add_property(t, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        datei += text(t);
    }
    return datei + rahmen.right(ende.size());
}

} // namespace exchange

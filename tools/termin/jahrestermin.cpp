// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jahrestermin.h"

#include "core/anzeigezeile.h"
#include "core/jahr.h"
#include "core/programm.h"
#include "core/steuerzeichen.h"

#include <QCryptographicHash>
#include <QDateTime>

#include <libical/ical.h>

#include <memory>

namespace termin {

namespace {

const char* const inhaltsfeld = "X-GEDENKBUCH-INHALT";

struct Freigeben {
    void operator()(icalcomponent* k) const { icalcomponent_free(k); }
    void operator()(char* text) const { icalmemory_free_buffer(text); }
};
using Komponente = std::unique_ptr<icalcomponent, Freigeben>;
using Text = std::unique_ptr<char, Freigeben>;

QByteArray text(icalcomponent* k)
{
    return QByteArray(Text(icalcomponent_as_ical_string_r(k)).get());
}

icaltimetype tag(QDate datum)
{
    icaltimetype t = icaltime_null_date();
    t.year = datum.year();
    t.month = datum.month();
    t.day = datum.day();
    return t;
}

// 09:00 local time `vorlauf` days before the day, counted back from the event's end, the midnight
// that ends the day: 15 hours before it is 09:00 on the day, and whole days before that keep the
// hour. Counted from the start instead, the hours after midnight would be exact hours and run
// past a change of the clock in the night of the day itself.
icalproperty* ausloeser(int vorlauf)
{
    icaltriggertype t{icaltime_null_time(), icaldurationtype_null_duration()};
    t.duration.is_neg = 1;
    t.duration.days = vorlauf;
    t.duration.hours = 15;
    icalproperty* p = icalproperty_new_trigger(t);
    icalproperty_add_parameter(p, icalparameter_new_related(ICAL_RELATED_END));
    return p;
}

// The event without its stamp: what a VEVENT of a file and of a calendar share.
Komponente termin(const Jahrestermin& t, bool jaehrlich)
{
    icalrecurrencetype regel;
    icalrecurrencetype_clear(&regel);
    regel.freq = ICAL_YEARLY_RECURRENCE;
    Komponente k(icalcomponent_new_vevent());
    icalcomponent_add_property(k.get(), icalproperty_new_uid(t.uid.toUtf8().constData()));
    icalcomponent_add_property(k.get(), icalproperty_new_dtstart(tag(t.beginn)));
    icalcomponent_add_property(k.get(), icalproperty_new_dtend(tag(t.beginn.addDays(1))));
    if (jaehrlich)
        icalcomponent_add_property(k.get(), icalproperty_new_rrule(regel));
    icalcomponent_add_property(k.get(), icalproperty_new_summary(t.titel.toUtf8().constData()));
    if (!t.beschreibung.isEmpty())
        icalcomponent_add_property(k.get(), icalproperty_new_description(t.beschreibung.toUtf8().constData()));
    icalcomponent_add_property(k.get(), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (t.vorlauf) {
        const QByteArray erinnerung = QStringLiteral("Erinnerung: %1").arg(t.titel).toUtf8();
        icalcomponent_add_component(
            k.get(),
            icalcomponent_vanew(ICAL_VALARM_COMPONENT, icalproperty_new_action(ICAL_ACTION_DISPLAY),
                                ausloeser(*t.vorlauf), icalproperty_new_description(erinnerung.constData()),
                                static_cast<void*>(nullptr)));
    }
    return k;
}

QByteArray hersteller()
{
    return QStringLiteral("-//%1//gedenkbuch-daten %2//DE").arg(core::programmname, core::versionstext).toUtf8();
}

icalproperty* stempel(qint64 sekunden)
{
    return icalproperty_new_dtstamp(
        icaltime_from_timet_with_zone(time_t(sekunden), 0, icaltimezone_get_utc_timezone()));
}

// An occurrence shown otherwise: the whole event on that one day, with its own title.
icalcomponent* vorkommen(const Jahrestermin& t, const Vorkommen& v, qint64 jetzt)
{
    Jahrestermin einmal = t;
    einmal.beginn = v.tag;
    einmal.titel = v.titel;
    einmal.vorkommen.clear();
    icalcomponent* k = termin(einmal, false).release();
    icalcomponent_add_property(k, icalproperty_new_recurrenceid(tag(v.tag)));
    icalcomponent_add_property(k, stempel(jetzt));
    return k;
}

// What a user sees of an event's property: its value, and the parameters that change its meaning.
void eigenschaftenAnfuegen(QByteArray& kern, icalcomponent* k, std::initializer_list<icalproperty_kind> arten)
{
    for (const icalproperty_kind art : arten) {
        for (icalproperty* p = icalcomponent_get_first_property(k, art); p;
             p = icalcomponent_get_next_property(k, art)) {
            kern += icalproperty_kind_to_string(art);
            for (const icalparameter_kind parameter : {ICAL_TZID_PARAMETER, ICAL_RELATED_PARAMETER}) {
                if (icalparameter* wert = icalproperty_get_first_parameter(p, parameter))
                    kern += ';' + QByteArray(Text(icalparameter_as_ical_string_r(wert)).get());
            }
            kern += ':' + QByteArray(Text(icalproperty_get_value_as_string_r(p)).get()) + '\n';
        }
    }
}

// The sum of what the events of a calendar object show, in a fixed order of properties, so that a
// server that lays the text out anew or orders it otherwise changes nothing. Stamps, sequence
// numbers, a server's own X- properties and time zone definitions show nothing.
QByteArray kernVon(icalcomponent* kalender)
{
    QByteArray kern;
    for (icalcomponent* k = icalcomponent_get_first_component(kalender, ICAL_ANY_COMPONENT); k;
         k = icalcomponent_get_next_component(kalender, ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind art = icalcomponent_isa(k);
        if (art == ICAL_VTIMEZONE_COMPONENT)
            continue;
        kern += QByteArray("BEGIN:") + icalcomponent_kind_to_string(art) + '\n';
        eigenschaftenAnfuegen(kern, k,
                              {ICAL_UID_PROPERTY, ICAL_RECURRENCEID_PROPERTY, ICAL_DTSTART_PROPERTY,
                               ICAL_DTEND_PROPERTY, ICAL_DURATION_PROPERTY, ICAL_RRULE_PROPERTY, ICAL_RDATE_PROPERTY,
                               ICAL_EXDATE_PROPERTY, ICAL_SUMMARY_PROPERTY, ICAL_DESCRIPTION_PROPERTY,
                               ICAL_LOCATION_PROPERTY, ICAL_STATUS_PROPERTY, ICAL_TRANSP_PROPERTY});
        for (icalcomponent* a = icalcomponent_get_first_component(k, ICAL_VALARM_COMPONENT); a;
             a = icalcomponent_get_next_component(k, ICAL_VALARM_COMPONENT)) {
            kern += "BEGIN:VALARM\n";
            eigenschaftenAnfuegen(kern, a, {ICAL_ACTION_PROPERTY, ICAL_TRIGGER_PROPERTY, ICAL_DESCRIPTION_PROPERTY});
        }
    }
    return QCryptographicHash::hash(kern, QCryptographicHash::Sha256).toHex().left(32);
}

} // namespace

QDate beginnImExport(const core::Eintrag& e, int diesesJahr)
{
    if (e.jahr && core::jahrFuerKalender(*e.jahr, e.monat, e.tag, diesesJahr))
        return QDate(*e.jahr, e.monat, e.tag);
    return QDate(2000, e.monat, e.tag);
}

QDate beginnImKalender(const core::Eintrag& e)
{
    for (int jahr = 1970;; ++jahr) {
        if (QDate::isValid(jahr, e.monat, e.tag))
            return QDate(jahr, e.monat, e.tag);
    }
}

QString beschreibungImExport(const core::Eintrag& e)
{
    return core::mehrzeilig(e.Bemerkungen);
}

QString beschreibungImKalender(const core::Eintrag& e)
{
    const QString bemerkungen = core::mehrzeilig(e.Bemerkungen);
    if (!e.jahr || !core::jahrImImport(*e.jahr))
        return bemerkungen;
    const QString jahr = QStringLiteral("Jahr: %1").arg(*e.jahr);
    return bemerkungen.isEmpty() ? jahr : jahr + QStringLiteral("\n\n") + bemerkungen;
}

QList<Vorkommen> mitAlter(const core::Eintrag& e, const QString& titel, int diesesJahr)
{
    QList<Vorkommen> vorkommen;
    for (const int jahr : {diesesJahr, diesesJahr + 1}) {
        const std::optional<int> alter = core::alter(e.jahr, jahr);
        if (alter && QDate::isValid(jahr, e.monat, e.tag))
            vorkommen.append(
                {QDate(jahr, e.monat, e.tag), QStringLiteral("%1 (%2)").arg(titel, QString::number(*alter))});
    }
    return vorkommen;
}

Jahrestermin jahrestermin(const core::Eintrag& e, const QString& uid, QDate beginn, const QString& beschreibung,
                          std::optional<int> vorlauf)
{
    return {uid, beginn, core::einzeilig(e.Bezeichnung), beschreibung, vorlauf};
}

QByteArray dateianfang()
{
    const Komponente kalender(icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                                                  icalproperty_new_prodid(hersteller().constData()),
                                                  icalproperty_new_calscale("GREGORIAN"), static_cast<void*>(nullptr)));
    return text(kalender.get()).chopped(dateiende().size());
}

QByteArray dateiende()
{
    return QByteArrayLiteral("END:VCALENDAR\r\n");
}

QByteArray veventText(const Jahrestermin& t, qint64 zeitstempel)
{
    const Komponente k = termin(t, true);
    icalcomponent_add_property(k.get(), stempel(zeitstempel));
    return text(k.get());
}

Kalenderobjekt kalenderobjekt(const Jahrestermin& t)
{
    Komponente kalender(icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                                            icalproperty_new_prodid(hersteller().constData()),
                                            termin(t, true).release(), static_cast<void*>(nullptr)));
    const qint64 jetzt = QDateTime::currentSecsSinceEpoch();
    for (const Vorkommen& v : t.vorkommen)
        icalcomponent_add_component(kalender.get(), vorkommen(t, v, jetzt));
    Kalenderobjekt objekt;
    objekt.kern = kernVon(kalender.get());
    icalcomponent* k = icalcomponent_get_first_component(kalender.get(), ICAL_VEVENT_COMPONENT);
    icalproperty* abdruck = icalproperty_new_x(objekt.kern.constData());
    icalproperty_set_x_name(abdruck, inhaltsfeld);
    icalcomponent_add_property(k, abdruck);
    icalcomponent_add_property(k, stempel(jetzt));
    objekt.inhalt = text(kalender.get());
    return objekt;
}

std::optional<Gelesen> lesen(const QByteArray& kalenderdaten)
{
    const Komponente kalender(icalparser_parse_string(kalenderdaten.constData()));
    if (!kalender)
        return std::nullopt;
    // A bare VEVENT is read as one of a calendar.
    Komponente huelle;
    icalcomponent* wurzel = kalender.get();
    if (icalcomponent_isa(wurzel) == ICAL_VEVENT_COMPONENT) {
        huelle.reset(icalcomponent_new_vcalendar());
        icalcomponent_add_component(huelle.get(), icalcomponent_new_clone(wurzel));
        wurzel = huelle.get();
    } else if (icalcomponent_isa(wurzel) != ICAL_VCALENDAR_COMPONENT) {
        return std::nullopt;
    }
    Gelesen gelesen;
    gelesen.kern = kernVon(wurzel);
    icalcomponent* termin = icalcomponent_get_first_component(wurzel, ICAL_VEVENT_COMPONENT);
    if (!termin)
        return gelesen;
    if (const char* uid = icalcomponent_get_uid(termin))
        gelesen.uid = QString::fromUtf8(uid);
    for (icalproperty* p = icalcomponent_get_first_property(termin, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(termin, ICAL_X_PROPERTY)) {
        if (qstricmp(icalproperty_get_x_name(p), inhaltsfeld) == 0)
            gelesen.unberuehrt = QByteArray(icalproperty_get_x(p)).trimmed() == gelesen.kern;
    }
    return gelesen;
}

} // namespace termin

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termin.h"

#include "core/jahr.h"
#include "core/programm.h"
#include "core/steuerzeichen.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include <libical/ical.h>

#include <memory>

namespace caldav {

namespace {

const char* const inhaltsfeld = "X-GEDENKBUCH-INHALT";

struct Freigeben {
    void operator()(icalcomponent* k) const { icalcomponent_free(k); }
    void operator()(char* text) const { icalmemory_free_buffer(text); }
};
using Komponente = std::unique_ptr<icalcomponent, Freigeben>;

QByteArray text(icalcomponent* k)
{
    return QByteArray(std::unique_ptr<char, Freigeben>(icalcomponent_as_ical_string_r(k)).get());
}

icaltimetype tag(QDate datum)
{
    icaltimetype t = icaltime_null_date();
    t.year = datum.year();
    t.month = datum.month();
    t.day = datum.day();
    return t;
}

// An all-day event starts at local midnight: 09:00 `vorlauf` days before is 15 hours before the
// midnight that ends the day before it, 09:00 on the day itself is 9 hours after the start.
icaltriggertype ausloeser(int vorlauf)
{
    icaltriggertype t{icaltime_null_time(), icaldurationtype_null_duration()};
    t.duration.is_neg = vorlauf > 0;
    t.duration.days = vorlauf > 0 ? vorlauf - 1 : 0;
    t.duration.hours = vorlauf > 0 ? 15 : 9;
    return t;
}

} // namespace

QDate terminbeginn(const core::Eintrag& e)
{
    for (int jahr = 1970;; ++jahr) {
        if (QDate::isValid(jahr, e.monat, e.tag))
            return QDate(jahr, e.monat, e.tag);
    }
}

QString ressourcenname(qint64 id)
{
    return QStringLiteral("gedenkbuch-eintrag-%1.ics").arg(id);
}

Termin terminSchreiben(const core::Eintrag& e, std::optional<int> vorlauf)
{
    const QDate erster = terminbeginn(e);
    const QString name = core::einzeilig(e.Bezeichnung);
    QString beschreibung = core::mehrzeilig(e.Bemerkungen);
    if (e.jahr && core::jahrImImport(*e.jahr)) {
        const QString jahr = QStringLiteral("Jahr: %1").arg(*e.jahr);
        beschreibung = beschreibung.isEmpty() ? jahr : jahr + "\n\n" + beschreibung;
    }
    icalrecurrencetype jaehrlich;
    icalrecurrencetype_clear(&jaehrlich);
    jaehrlich.freq = ICAL_YEARLY_RECURRENCE;

    Komponente termin(icalcomponent_new_vevent());
    icalcomponent* t = termin.get();
    icalcomponent_add_property(t, icalproperty_new_uid(core::kalenderUid(e.id).toUtf8().constData()));
    icalcomponent_add_property(t, icalproperty_new_dtstart(tag(erster)));
    icalcomponent_add_property(t, icalproperty_new_dtend(tag(erster.addDays(1))));
    icalcomponent_add_property(t, icalproperty_new_rrule(jaehrlich));
    icalcomponent_add_property(t, icalproperty_new_summary(name.toUtf8().constData()));
    if (!beschreibung.isEmpty())
        icalcomponent_add_property(t, icalproperty_new_description(beschreibung.toUtf8().constData()));
    icalcomponent_add_property(t, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (vorlauf) {
        const QString erinnerung = QStringLiteral("Erinnerung: %1").arg(name);
        icalcomponent_add_component(t,
                                    icalcomponent_vanew(ICAL_VALARM_COMPONENT,
                                                        icalproperty_new_action(ICAL_ACTION_DISPLAY),
                                                        icalproperty_new_trigger(ausloeser(*vorlauf)),
                                                        icalproperty_new_description(erinnerung.toUtf8().constData()),
                                                        static_cast<void*>(nullptr)));
    }

    Termin ergebnis;
    ergebnis.fingerabdruck = QCryptographicHash::hash(text(t), QCryptographicHash::Sha256).toHex().left(32);
    icalproperty* abdruck = icalproperty_new_x(ergebnis.fingerabdruck.constData());
    icalproperty_set_x_name(abdruck, inhaltsfeld);
    icalcomponent_add_property(t, abdruck);
    const icaltimetype jetzt = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    icalcomponent_add_property(t, icalproperty_new_dtstamp(jetzt));

    const QByteArray hersteller
        = QStringLiteral("-//%1//gedenkbuch-daten %2//DE").arg(core::programmname, core::versionstext).toUtf8();
    Komponente kalender(icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                                            icalproperty_new_prodid(hersteller.constData()), termin.release(),
                                            static_cast<void*>(nullptr)));
    ergebnis.inhalt = text(kalender.get());
    return ergebnis;
}

std::optional<EigenerTermin> eigenerTermin(const QByteArray& kalenderdaten)
{
    static const QRegularExpression unsere(QStringLiteral("^eintrag-(\\d{1,18})@gedenkbuch$"));
    const Komponente kalender(icalparser_parse_string(kalenderdaten.constData()));
    if (!kalender)
        return std::nullopt;
    icalcomponent* termin = icalcomponent_isa(kalender.get()) == ICAL_VEVENT_COMPONENT
        ? kalender.get()
        : icalcomponent_get_first_component(kalender.get(), ICAL_VEVENT_COMPONENT);
    if (!termin || icalcomponent_get_next_component(kalender.get(), ICAL_VEVENT_COMPONENT))
        return std::nullopt;
    const auto treffer = unsere.match(QString::fromUtf8(icalcomponent_get_uid(termin)));
    if (!treffer.hasMatch())
        return std::nullopt;
    for (icalproperty* p = icalcomponent_get_first_property(termin, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(termin, ICAL_X_PROPERTY)) {
        if (qstricmp(icalproperty_get_x_name(p), inhaltsfeld) == 0)
            return EigenerTermin{treffer.captured(1).toLongLong(), QByteArray(icalproperty_get_x(p)).trimmed()};
    }
    return std::nullopt;
}

} // namespace caldav

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eingabe.h"

#include "befehl.h"

namespace daten {

Eingabe::Eingabe(Befehl* befehl, Option option)
    : name_(option.name), wert_(option.wert), hilfe_(std::move(option.hilfe)), fehlt_(option.fehlt), option_(true),
      noetig_(option.noetig)
{
    if (befehl)
        befehl->aufnehmen(this);
}

Eingabe::Eingabe(Befehl* befehl, Argument argument) : name_(argument.name), option_(false), noetig_(argument.noetig)
{
    if (befehl)
        befehl->aufnehmen(this);
}

bool Eingabe::lesen(const QString& text)
{
    gesetzt_ = annehmen(text);
    return gesetzt_;
}

bool Text::annehmen(const QString& text)
{
    text_ = text;
    return !text.isEmpty();
}

QString Zahl::hilfe() const
{
    return Eingabe::hilfe()
        .replace(QLatin1String("{von}"), QString::number(von_))
        .replace(QLatin1String("{bis}"), QString::number(bis_))
        .replace(QLatin1String("{vorgabe}"), QString::number(vorgabe()));
}

QString Zahl::erlaubt() const
{
    return QStringLiteral("eine Zahl von %1 bis %2").arg(von_).arg(bis_);
}

bool Zahl::annehmen(const QString& text)
{
    bool zahl = false;
    zahl_ = text.toInt(&zahl);
    return zahl && zahl_ >= von_ && zahl_ <= bis_;
}

QString Datum::formen()
{
    return QStringLiteral("JJJJ-MM-TT oder TT.MM.JJJJ");
}

QString Datum::erlaubt() const
{
    return QStringLiteral("ein Datum, das es gibt, als ") + formen();
}

bool Datum::annehmen(const QString& text)
{
    datum_ = text.contains(u'.') ? QDate::fromString(text, QStringLiteral("d.M.yyyy"))
                                 : QDate::fromString(text, Qt::ISODate);
    return datum_.isValid();
}

QString Auswahl::erlaubt() const
{
    // "csv oder ics", "erinnern, fenster oder aus".
    if (moeglich_.size() < 2)
        return moeglich_.join(QString());
    return moeglich_.first(moeglich_.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" oder ")
        + moeglich_.last();
}

bool Auswahl::annehmen(const QString& text)
{
    wahl_ = text;
    return moeglich_.contains(text);
}

} // namespace daten

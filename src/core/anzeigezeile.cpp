// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anzeigezeile.h"

#include "steuerzeichen.h"

#include <cstdlib>

namespace core {

namespace {

constexpr qsizetype namenImListenfeld = 300;
constexpr quint8 datumslaenge = 6; // "MM-TT "

void zweistelligAnfuegen(QString& text, int zahl)
{
    const int wert = zweistelligerWert(zahl);
    text += QLatin1Char(char('0' + wert / 10));
    text += QLatin1Char(char('0' + wert % 10));
}

void alterAnfuegen(QString& text, std::optional<qint16> jahr, int bezugsjahr)
{
    const std::optional<int> jahre = alter(jahr, bezugsjahr);
    if (!jahre)
        return;
    // Digits written one by one: a list of a hundred thousand lines spares as many small strings.
    char ziffern[12];
    int stellen = 0;
    for (int rest = *jahre; rest > 0; rest /= 10)
        ziffern[stellen++] = char('0' + rest % 10);
    text += QLatin1String(" (");
    while (stellen > 0)
        text += QLatin1Char(ziffern[--stellen]);
    text += QLatin1String(".)");
}

Zeile zeile(const Eintrag& e, int bezugsjahr, bool mitDatum)
{
    Zeile z{{}, e.id, e.monat, e.tag, e.jahr, mitDatum ? datumslaenge : quint8(0)};
    const QString name = anzeigename(e.Bezeichnung);
    z.text.reserve(datumslaenge + name.size() + 8);
    if (mitDatum) {
        zweistelligAnfuegen(z.text, e.monat);
        z.text += u'-';
        zweistelligAnfuegen(z.text, e.tag);
        z.text += u' ';
    }
    z.text += name;
    alterAnfuegen(z.text, e.jahr, bezugsjahr);
    return z;
}

} // namespace

QString zweistellig(int zahl)
{
    QString text;
    zweistelligAnfuegen(text, zahl);
    return text;
}

int zweistelligerWert(int zahl)
{
    return zahl < 10 ? std::abs(zahl) % 10 : zahl % 100;
}

QString anzeigename(const QString& name)
{
    if (name.size() <= namenImListenfeld)
        return einzeilig(name);
    qsizetype ende = namenImListenfeld; // a character of two UTF-16 units stays whole or goes whole
    if (name[ende - 1].isHighSurrogate())
        --ende;
    return einzeilig(QStringView(name).first(ende)) + u'…';
}

std::optional<int> alter(std::optional<qint16> jahr, int bezugsjahr)
{
    if (!jahr || *jahr <= 0 || bezugsjahr - *jahr <= 0)
        return std::nullopt;
    return bezugsjahr - *jahr;
}

QString altersZusatz(std::optional<qint16> jahr, int bezugsjahr)
{
    QString text;
    alterAnfuegen(text, jahr, bezugsjahr);
    return text;
}

Zeile listenzeile(const Eintrag& eintrag, int bezugsjahr)
{
    return zeile(eintrag, bezugsjahr, true);
}

Zeile tageszeile(const Eintrag& eintrag, int bezugsjahr)
{
    return zeile(eintrag, bezugsjahr, false);
}

} // namespace core

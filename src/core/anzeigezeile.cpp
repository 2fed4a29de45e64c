#include "anzeigezeile.h"

#include "steuerzeichen.h"

namespace core {

namespace {

constexpr qsizetype namenImListenfeld = 300;
constexpr quint8 datumslaenge = 6; // "MM-TT "

void zweistelligAnfuegen(QString& text, int zahl)
{
    const QString ziffern = QString::number(zahl);
    if (zahl < 10)
        text += u'0';
    text += QStringView(ziffern).last(zahl < 10 ? 1 : qMin<qsizetype>(2, ziffern.size()));
}

void alterAnfuegen(QString& text, std::optional<qint16> jahr, int bezugsjahr)
{
    if (!jahr || *jahr <= 0 || bezugsjahr - *jahr <= 0)
        return;
    text += QLatin1String(" (");
    text += QString::number(bezugsjahr - *jahr);
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

QString anzeigename(QStringView name)
{
    if (name.size() <= namenImListenfeld)
        return einzeilig(name);
    qsizetype ende = namenImListenfeld; // a character of two UTF-16 units stays whole or goes whole
    if (name[ende - 1].isHighSurrogate())
        --ende;
    return einzeilig(name.first(ende)) + u'…';
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

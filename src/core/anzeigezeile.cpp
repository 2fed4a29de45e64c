#include "anzeigezeile.h"

#include "steuerzeichen.h"

#include <QStringBuilder>

namespace core {

namespace {

constexpr qsizetype namenImListenfeld = 300;

} // namespace

QString anzeigename(QStringView name)
{
    if (name.size() <= namenImListenfeld)
        return einzeilig(name);
    qsizetype ende = namenImListenfeld; // a character of two UTF-16 units stays whole or goes whole
    if (name[ende - 1].isHighSurrogate())
        --ende;
    return einzeilig(name.first(ende)) + u'…';
}

QString zweistellig(int zahl)
{
    const QString text = QString::number(zahl);
    return zahl < 10 ? QStringLiteral("0") + text.right(1) : text.right(2);
}

QString altersZusatz(std::optional<qint16> jahr, int bezugsjahr)
{
    if (!jahr || *jahr <= 0)
        return {};
    const int alter = bezugsjahr - *jahr;
    return alter > 0 ? QStringLiteral(" (") % QString::number(alter) % QStringLiteral(".)") : QString();
}

QString anzeigezeile(const Eintrag& eintrag, int aktuellesJahr)
{
    return zweistellig(eintrag.monat) % u'-' % zweistellig(eintrag.tag) % u' ' % anzeigename(eintrag.Bezeichnung)
        % altersZusatz(eintrag.jahr, aktuellesJahr);
}

QList<Zeile> listenaufbau(const QList<Eintrag>& eintraege, int aktuellesJahr)
{
    QList<Zeile> zeilen;
    zeilen.reserve(eintraege.size());
    for (const Eintrag& e : eintraege)
        zeilen.append({anzeigezeile(e, aktuellesJahr), e.id});
    return zeilen;
}

} // namespace core

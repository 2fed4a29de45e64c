#include "anzeigezeile.h"

#include <QStringBuilder>

namespace {

// Below 10 a "0" and the last digit, otherwise the last two characters of the decimal text.
QString zweistellig(qint16 zahl)
{
    const QString text = QString::number(zahl);
    return zahl < 10 ? QStringLiteral("0") + text.right(1) : text.right(2);
}

} // namespace

QString altersZusatz(std::optional<qint16> jahr, int bezugsjahr)
{
    if (!jahr || *jahr <= 0)
        return {};
    const int alter = bezugsjahr - *jahr;
    return alter > 0 ? QStringLiteral(" (") % QString::number(alter) % QStringLiteral(".)") : QString();
}

QString anzeigezeile(const Eintrag& eintrag, int aktuellesJahr)
{
    return zweistellig(eintrag.monat) % u'-' % zweistellig(eintrag.tag) % u' ' % eintrag.Bezeichnung
        % altersZusatz(eintrag.jahr, aktuellesJahr);
}

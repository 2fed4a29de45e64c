// `gedenkbuch-daten heute [TAGE]`: the entries of today and the following days, a block a day.
#include "befehl.h"
#include "gedenktage.h"

int heute(const Aufruf& aufruf)
{
    QStringList argumente = aufruf.argumente;
    const std::optional<QDate> tag = stichtag(argumente);
    bool zahl = true;
    const int folgetage = argumente.isEmpty() ? 2 : argumente.constFirst().toInt(&zahl);
    if (!tag || !zahl || folgetage < 0 || folgetage > 365 || argumente.size() > 1)
        return FalscherAufruf;
    const auto gedenktage = gedenktageLesen(aufruf, *tag, folgetage + 1);
    if (!gedenktage)
        return Fehlschlag;
    for (qsizetype i = 0; i < gedenktage->size(); ++i) {
        if (i > 0)
            aufruf.aus << '\n';
        aufruf.aus << gedenktage->at(i).titel << '\n';
        for (const QString& zeile : gedenktage->at(i).zeilen)
            aufruf.aus << QStringLiteral("  ") << zeile << '\n';
    }
    aufruf.aus.flush();
    return Erfolg;
}

// `gedenkbuch-daten erinnern`: one desktop notification with the entries of today and tomorrow.
#include "befehl.h"
#include "benachrichtigung.h"
#include "gedenktage.h"

int erinnern(const Aufruf& aufruf)
{
    QStringList argumente = aufruf.argumente;
    const std::optional<QDate> tag = stichtag(argumente);
    if (!tag || !argumente.isEmpty())
        return FalscherAufruf;
    const auto gedenktage = gedenktageLesen(aufruf, *tag, 2);
    if (!gedenktage)
        return Fehlschlag;
    if (gedenktage->isEmpty())
        return Erfolg; // nothing to remind of

    // The title names the first day; a second day follows in the text under its own caption.
    QStringList text = gedenktage->constFirst().zeilen;
    if (gedenktage->size() > 1)
        text << QString() << gedenktage->at(1).titel << gedenktage->at(1).zeilen;
    const QString fehler = benachrichtigen(gedenktage->constFirst().titel, text.join(u'\n'));
    if (!fehler.isEmpty()) {
        aufruf.fehler << fehler << Qt::endl;
        return Fehlschlag;
    }
    return Erfolg;
}

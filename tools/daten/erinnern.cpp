// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten erinnern [--tage N]`: one desktop notification with the entries of today and the
// next N days (tomorrow unless given).
#include "befehl.h"
#include "benachrichtigung.h"
#include "gedenktage.h"
#include "wachhund.h"

namespace {

// From the start of the subcommand to its end, reading daten.mdb (which may wait up to 3 s for
// another program's lock) included. The bus calls end a little earlier, so that the watchdog
// fires only where Qt gives no timeout of its own.
constexpr int fristMs = 10000;
constexpr int reserveMs = 1000;

} // namespace

int erinnern(const Aufruf& aufruf)
{
    const QDeadlineTimer frist(fristMs);
    const auto gedenktage = gedenktageLesen(aufruf, aufruf.datum(), aufruf.zahl("tage", 1) + 1);
    if (!gedenktage)
        return Fehlschlag;
    aufruf.aus << aufruf.gelesenAus() << Qt::endl;
    if (gedenktage->isEmpty())
        return Erfolg; // nothing to remind of

    // The title names the first day; each further day follows in the text under its own caption.
    QStringList text = gedenktage->constFirst().zeilen;
    for (const Gedenktag& tag : gedenktage->sliced(1))
        text << QString() << tag.titel << tag.zeilen;
    const Wachhund wachhund(frist,
                            QStringLiteral("Der Sitzungsbus antwortet nicht; die Erinnerung kann nicht "
                                           "gezeigt werden."));
    const QString fehler = benachrichtigen(gedenktage->constFirst().titel, text.join(u'\n'), frist - reserveMs);
    if (!fehler.isEmpty()) {
        aufruf.fehler << fehler << Qt::endl;
        return Fehlschlag;
    }
    return Erfolg;
}

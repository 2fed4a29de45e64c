// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten drucken [--jahr JAHR] [--ewig] --datei DATEI`: the year overview or the
// perpetual calendar as a PDF. The work is the druck library's.
#include "befehl.h"

#include "druck/drucken.h"

int drucken(const Aufruf& aufruf)
{
    const bool ewig = aufruf.gesetzt("ewig");
    if (ewig && aufruf.gesetzt("jahr")) {
        aufruf.fehler << QStringLiteral(
            "--jahr gilt nur für die Jahresübersicht; der immerwährende Kalender hat kein Jahr.")
                      << Qt::endl;
        return FalscherAufruf;
    }
    const druck::Ergebnis ergebnis = druck::drucken({aufruf.datenbank(), aufruf.wert("datei"),
                                                     ewig ? druck::Art::Immerwaehrend : druck::Art::Jahresuebersicht,
                                                     aufruf.zahl("jahr", QDate::currentDate().year())});
    if (ergebnis.geschrieben)
        aufruf.aus << ergebnis.bericht << Qt::endl;
    for (const QString& meldung : ergebnis.meldungen)
        aufruf.fehler << meldung << Qt::endl;
    return ergebnis.geschrieben ? Erfolg : Fehlschlag;
}

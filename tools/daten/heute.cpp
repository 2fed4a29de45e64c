// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten heute [TAGE]`: the entries of today and the following days, a block a day.
#include "befehl.h"
#include "gedenktage.h"

int heute(const Aufruf& aufruf)
{
    const auto gedenktage = gedenktageLesen(aufruf, aufruf.datum(), aufruf.zahl("TAGE", 2) + 1);
    if (!gedenktage)
        return Fehlschlag;
    // Standard output is data: the file read is named on standard error.
    aufruf.fehler << aufruf.gelesenAus() << Qt::endl;
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

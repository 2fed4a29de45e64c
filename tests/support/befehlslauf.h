// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "werkzeug.h"

#include "caldav/netztransport.h"
#include "daten/befehlszeile.h"

// A call of the database tool run in this process, as its program runs it, but on a context of the
// test's own: output into memory, the user's places as given, today's date, and `netz` for the
// network (without one, the program's own).
inline Lauf befehl(const QStringList& argumente, const daten::Orte& orte = {}, caldav::Transport* netz = nullptr)
{
    caldav::Netztransport eigenes;
    QByteArray aus, fehler;
    daten::Kanal ausgabe(aus), fehlerausgabe(fehler);
    QTextStream a(&ausgabe), f(&fehlerausgabe);
    daten::Kontext k{a, f, ausgabe, QDate::currentDate(), orte, netz ? *netz : eigenes};
    const int status = daten::ausfuehren(argumente, k);
    a.flush();
    f.flush();
    return {status, QString::fromUtf8(aus), QString::fromUtf8(fehler)};
}

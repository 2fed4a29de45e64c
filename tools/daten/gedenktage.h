// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "befehl.h"

#include <QDate>
#include <QList>
#include <optional>

namespace daten {

// One day with entries, as the day lists show them.
struct Gedenktag {
    QString titel;      // "Heute: Sonntag, 06.12.2026"
    QStringList zeilen; // "Anna (36.)", in store order
};

// --datum, from which heute, erinnern and kalender count instead of today.
struct Stichtag final : Datum {
    explicit Stichtag(Befehl* befehl)
        : Datum(befehl, Option{"datum", "DATUM", "rechnet ab diesem Tag statt ab heute (" + formen() + u')', "der Tag"})
    {
    }
};

// --tage N of erinnern, and of anmeldung for it.
struct Vorlauftage final : Zahl {
    explicit Vorlauftage(Befehl* befehl)
        : Zahl(befehl,
               Option{"tage", "N", "zeigt auch die N folgenden Tage ({von} bis {bis}, ohne Angabe {vorgabe})",
                      "die Zahl der Tage"},
               0, 30, 1)
    {
    }
};

// A command that shows the entries of some days.
class Tagesbefehl : public Buchbefehl {
protected:
    using Buchbefehl::Buchbefehl;
    // The days from `ab` on, `anzahl` of them, that have entries, from one walk that keeps only
    // their lines. None after a German message when the book cannot be read whole.
    std::optional<QList<Gedenktag>> gedenktage(Kontext& k, QDate ab, int anzahl) const;
};

} // namespace daten

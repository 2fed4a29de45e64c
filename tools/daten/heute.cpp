// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten heute [TAGE]`: the entries of today and the following days, a block a day.
#include "gedenktage.h"

namespace daten {

namespace {

class Heute final : public Tagesbefehl {
public:
    Heute() : Tagesbefehl("heute")
    {
        beschreibung_ = QStringLiteral("zeigt die Einträge von heute und den TAGE folgenden Tagen (ohne Angabe %1, "
                                       "höchstens %2),\neinen Block je Tag mit Einträgen; mit --datum (%3) ab diesem "
                                       "Tag.")
                            .arg(tage.vorgabe())
                            .arg(tage.bis())
                            .arg(Datum::formen());
    }

    int mitBuch(Kontext& k) override
    {
        const auto gedenktage = this->gedenktage(k, datum.wert(k.heute), tage.wert() + 1);
        if (!gedenktage)
            return Fehlschlag;
        // Standard output is data: the file read is named on standard error.
        k.fehler << gelesenAus() << Qt::endl;
        for (qsizetype i = 0; i < gedenktage->size(); ++i) {
            if (i > 0)
                k.aus << '\n';
            k.aus << gedenktage->at(i).titel << '\n';
            for (const QString& zeile : gedenktage->at(i).zeilen)
                k.aus << QStringLiteral("  ") << zeile << '\n';
        }
        k.aus.flush();
        return Erfolg;
    }

private:
    Stichtag datum{this};
    Zahl tage{this, Argument{"TAGE", false}, 0, 365, 2};
};

} // namespace

std::unique_ptr<Befehl> heute()
{
    return std::make_unique<Heute>();
}

} // namespace daten

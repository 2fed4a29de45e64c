// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten erinnern [--tage N]`: one desktop notification with the entries of today and the
// next N days (tomorrow unless given).
#include "benachrichtigung.h"
#include "gedenktage.h"
#include "wachhund.h"

namespace daten {

namespace {

// From the start of the command to its end, reading daten.mdb (which may wait up to 3 s for
// another program's lock) included. The bus calls end a little earlier, so that the watchdog
// fires only where Qt gives no timeout of its own.
constexpr int fristMs = 10000;
constexpr int reserveMs = 1000;

class Erinnern final : public Tagesbefehl {
public:
    Erinnern() : Tagesbefehl("erinnern")
    {
        beschreibung_ = QStringLiteral("zeigt die Einträge von heute und den N folgenden Tagen (ohne Angabe %1: heute "
                                       "und morgen,\nhöchstens %2) als eine Benachrichtigung auf dem Bildschirm, einen "
                                       "Block je Tag mit seiner\nÜberschrift; ohne Einträge geschieht nichts.")
                            .arg(tage.vorgabe())
                            .arg(tage.bis());
    }

    int mitBuch(Kontext& k) override
    {
        const QDeadlineTimer frist(fristMs);
        const auto gedenktage = this->gedenktage(k, datum.wert(k.heute), tage.wert() + 1);
        if (!gedenktage)
            return Fehlschlag;
        k.aus << gelesenAus() << Qt::endl;
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
            k.fehler << fehler << Qt::endl;
            return Fehlschlag;
        }
        return Erfolg;
    }

private:
    Vorlauftage tage{this};
    Stichtag datum{this};
};

} // namespace

std::unique_ptr<Befehl> erinnern()
{
    return std::make_unique<Erinnern>();
}

} // namespace daten

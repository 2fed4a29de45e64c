// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten kalender URL [--vorlauf TAGE]`: publishes the book to a CalDAV calendar, one
// yearly all-day event per entry, and changes on the server only what differs.
#include "davzugang.h"
#include "gedenktage.h"
#include "kalendertexte.h"

#include "caldav/abgleich.h"
#include "core/steuerzeichen.h"

namespace daten {

namespace {

class Kalender final : public Buchbefehl {
public:
    Kalender() : Buchbefehl("kalender")
    {
        beschreibung_
            = QStringLiteral(
                  "veröffentlicht die Einträge im CalDAV-Kalender unter URL, einen jährlichen ganztägigen\n"
                  "Termin je Eintrag, und legt den Kalender an, wenn es ihn nicht gibt. Geändert wird nur, was\n"
                  "sich unterscheidet; fremde Termine bleiben unberührt. --vorlauf TAGE (%1 bis %2) erinnert\n"
                  "um 9 Uhr TAGE Tage vorher. Name und Kennwort stehen in ~/.netrc (machine SERVER login NAME\n"
                  "password KENNWORT), die nur Sie lesen dürfen (chmod 600 ~/.netrc). Nur https, unverschlüsselt\n"
                  "(http) nur zum eigenen Rechner. --alter zeigt an den Tagen dieses und des nächsten Jahres das\n"
                  "Alter, das der Eintrag erreicht: „Anna Berg (41)“; ein täglicher Lauf hält es aktuell.\n"
                  "Der Kalender zeigt das Gedenkbuch: Änderungen an diesen Terminen anderswo nimmt der nächste\n"
                  "Lauf zurück; ändern Sie den Eintrag im Gedenkbuch.")
                  .arg(vorlauf.von())
                  .arg(vorlauf.bis());
    }

    int mitBuch(Kontext& k) override;

private:
    Zahl vorlauf{this,
                 Option{"vorlauf", "TAGE", "erinnert um 9 Uhr TAGE Tage vorher ({von} bis {bis})", "die Zahl der Tage"},
                 0, 365};
    Schalter alter{this, "alter", "zeigt in diesem und im nächsten Jahr das erreichte Alter"};
    Stichtag datum{this};
    Text url{this, Argument{"URL"}};
};

int Kalender::mitBuch(Kontext& k)
{
    const QString getippt = url.wert();
    const std::optional<QUrl> geprueft = davAdresse(k, getippt);
    if (!geprueft)
        return FalscherAufruf;
    const QUrl adresse = *geprueft;
    caldav::Terminform form;
    if (vorlauf.gesetzt())
        form.vorlauf = vorlauf.wert();
    if (alter.gesetzt())
        form.alterIm = datum.wert(k.heute).year();

    // The entries the day lists show. An incomplete walk would look like deleted entries: their
    // events would be removed.
    QList<core::Eintrag> eintraege;
    if (!eintraegeLesen(
            k, store::Cursor::Umfang::Alles,
            [&eintraege](const core::Eintrag& e) {
                if (core::gibtEsDenTag(e.tag, e.monat))
                    eintraege.append(e);
            },
            QStringLiteral(" Am Kalender wurde nichts geändert.")))
        return Fehlschlag;

    std::optional<caldav::Verbindung> verbindung = davVerbindung(k, adresse);
    if (!verbindung)
        return Fehlschlag;
    const caldav::Bericht bericht = caldav::veroeffentlichen(*verbindung, adresse, eintraege, form);
    const bool begonnen = bericht.neu + bericht.geaendert + bericht.entfernt + bericht.unveraendert > 0
        || !bericht.fehlgeschlagen.isEmpty() || !bericht.nichtEntfernt.isEmpty();
    if (!bericht.abbruch || begonnen) {
        for (const QString& zeile : kalenderbericht(bericht, getippt, buch()))
            k.aus << zeile << Qt::endl;
    }
    for (const auto& [was, fehler] : bericht.fehlgeschlagen)
        k.fehler << QStringLiteral("Nicht veröffentlicht: „%1“. %2").arg(was, kalendertext(fehler)) << Qt::endl;
    for (const auto& [was, fehler] : bericht.nichtEntfernt)
        k.fehler << QStringLiteral("Nicht entfernt: %1. %2").arg(core::einzeilig(was), kalendertext(fehler))
                 << Qt::endl;
    if (bericht.abbruch)
        k.fehler << kalendertext(*bericht.abbruch) << Qt::endl;
    return bericht.vollstaendig() ? Erfolg : Fehlschlag;
}

} // namespace

std::unique_ptr<Befehl> kalender()
{
    return std::make_unique<Kalender>();
}

} // namespace daten

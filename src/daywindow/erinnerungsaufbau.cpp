#include "erinnerungsaufbau.h"

#include "mainwindow/anzeigezeile.h"
#include "mainwindow/detailfelder.h"
#include "mainwindow/eintrag.h"
#include "mainwindow/variablen.h"
#include "naechsterjahrestag.h"
#include "store/cursor.h"
#include "tagesanzeige.h"
#include "tagesfenster.h"
#include "ui/listenfeld.h"

#include <QGroupBox>
#include <array>

namespace {

using Tageslisten = std::array<QList<ui::Zeile>, Tagesfenster::anzahl>;

// Puts every entry whose day and month fall on one of the nine days into that day's list, in
// store order. The age is the one reached on that day, so an entry of 1 January seen on
// 30 December already shows the coming year's age. Gives false when the table is empty or a read
// fails; the lines found until then are kept.
bool eintraegeVerteilen(store::Cursor& cursor, Variablen& variablen, QDate heute, Tageslisten& listen)
{
    std::array<QDate, Tagesfenster::anzahl> tage;
    for (int k = 0; k < Tagesfenster::anzahl; ++k)
        tage[k] = heute.addDays(k - Tagesfenster::heute);

    try {
        cursor.MoveFirst();
        while (!cursor.Eof()) {
            variablen.aktjahr = 0;
            if (const auto eintrag = eintragLesen(cursor)) {
                for (int k = 0; k < Tagesfenster::anzahl; ++k) {
                    if (eintrag->tag != tage[k].day() || eintrag->monat != tage[k].month())
                        continue;
                    if (eintrag->jahr && *eintrag->jahr > 0)
                        variablen.aktjahr = *eintrag->jahr;
                    listen[k].append({eintrag->Bezeichnung + altersZusatz(eintrag->jahr, tage[k].year()), eintrag->id});
                    variablen.aktjahr = 0;
                }
            }
            cursor.MoveNext();
        }
    } catch (const store::StoreError&) {
        return false;
    }
    return true;
}

void erinnerungsaufbau(Tagesfenster& tage, store::Cursor& cursor, ui::Listenfeld& lstGedenkbuch,
                       Detailfelder& detail, Variablen& variablen, QDate heute)
{
    Tageslisten listen;
    const bool vollstaendig = eintraegeVerteilen(cursor, variablen, heute, listen);
    for (int k = 0; k < Tagesfenster::anzahl; ++k)
        tage.liste(k)->hinzufuegen(std::move(listen[k]));
    if (!vollstaendig)
        return; // an empty store (or a failed read): no counts, and the full list stays as it is

    for (int k = 0; k < Tagesfenster::anzahl; ++k) {
        QGroupBox* rahmen = tage.rahmen(k);
        rahmen->setTitle(rahmen->title() + QStringLiteral(" (%1)").arg(tage.liste(k)->anzahl()));
    }

    const int treffer = naechsterJahrestag(lstGedenkbuch, heute);
    if (treffer >= 0) {
        // Selecting runs the full list's selection handling, as a user's selection would.
        lstGedenkbuch.waehlen(treffer);
        lstGedenkbuch.nachObenRollen(treffer);
        detail.ruhezustand();
    }
    lstGedenkbuch.waehlen(-1);
}

} // namespace

void tagesfensterAufbauen(Tagesfenster& tage, store::Cursor& cursor, ui::Listenfeld& lstGedenkbuch,
                          Detailfelder& detail, Variablen& variablen, QDate heute)
{
    tagesanzeige(tage, heute);
    for (int k = 0; k < Tagesfenster::anzahl; ++k)
        tage.liste(k)->leeren();
    erinnerungsaufbau(tage, cursor, lstGedenkbuch, detail, variablen, heute);
}

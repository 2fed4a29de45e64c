#include "listenaufbau.h"

#include "anzeigezeile.h"
#include "store/cursor.h"
#include "ui/listenfeld.h"
#include "variablen.h"

void listenaufbau(store::Cursor& cursor, ui::Listenfeld& liste, Variablen& variablen, int aktuellesJahr)
{
    // All lines go into the sorted list together: one sort instead of one insertion per line.
    QList<ui::Zeile> zeilen;
    try {
        cursor.MoveFirst();
        while (!cursor.Eof()) {
            variablen.aktjahr = 0;
            if (const auto eintrag = eintragLesen(cursor)) {
                variablen.aktmonat = eintrag->monat;
                if (eintrag->jahr && *eintrag->jahr > 0)
                    variablen.aktjahr = *eintrag->jahr;
                zeilen.append({anzeigezeile(*eintrag, aktuellesJahr), eintrag->id});
            }
            cursor.MoveNext();
        }
    } catch (const store::StoreError&) {
        // An empty table or an unreadable record: the list keeps what was read.
    }
    liste.hinzufuegen(std::move(zeilen));
}

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "durchlauf.h"

#include "store/cursor.h"

namespace core {

Durchlauf durchlaufen(store::Cursor& cursor, const std::function<void(const store::Datensatz&)>& je)
{
    using Art = store::StoreError::Art;
    Durchlauf ergebnis;
    try {
        ergebnis.leer = !cursor.MoveFirst();
        if (ergebnis.leer)
            return ergebnis;
    } catch (const store::StoreError& fehler) {
        ergebnis.fehler = fehler;
    }
    // A damaged page costs the records on it: the walk goes on behind it and stays incomplete.
    // Any other failure, such as another program's lock, ends the walk. The first failure is the
    // one given back: after damage inside a write transaction the engine fails every later read
    // with a plain error, which only follows from the damage.
    bool weiter = !ergebnis.fehler || ergebnis.fehler->art() == Art::Beschaedigt;
    while (weiter) {
        try {
            if (ergebnis.fehler && !cursor.MoveNextBehindDamage())
                break;
            for (; !cursor.Eof(); cursor.MoveNext())
                je(cursor.Satz());
            break;
        } catch (const store::StoreError& fehler) {
            weiter = fehler.art() == Art::Beschaedigt;
            if (!ergebnis.fehler)
                ergebnis.fehler = fehler;
        }
    }
    return ergebnis;
}

Durchlauf eintraegeDurchlaufen(store::Cursor& cursor, const std::function<void(const Eintrag&)>& je)
{
    return durchlaufen(cursor, [&je](const store::Datensatz& satz) {
        if (const auto eintrag = eintragLesen(satz))
            je(*eintrag);
    });
}

} // namespace core

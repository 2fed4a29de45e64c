#include "durchlauf.h"

#include "store/cursor.h"

namespace core {

Durchlauf durchlaufen(store::Cursor& cursor, const std::function<void(const store::Cursor&)>& je)
{
    Durchlauf ergebnis;
    bool weiter = false;
    try {
        cursor.MoveFirst();
        weiter = true;
    } catch (const store::StoreError& fehler) {
        // An empty table has no first record: a complete walk over nothing.
        if (fehler.art() == store::StoreError::Art::KeinAktuellerDatensatz && cursor.Eof()) {
            ergebnis.leer = true;
            return ergebnis;
        }
        ergebnis.fehler = fehler;
    }
    // A damaged page costs the records on it; the walk goes on behind it and stays incomplete.
    // Any other failure, such as another program's lock, ends the walk.
    while (true) {
        try {
            if (!weiter) {
                if (ergebnis.fehler->art() != store::StoreError::Art::Beschaedigt || !cursor.MoveNextBehindDamage())
                    return ergebnis;
                weiter = true;
            }
            for (; !cursor.Eof(); cursor.MoveNext())
                je(cursor);
            return ergebnis;
        } catch (const store::StoreError& fehler) {
            if (!ergebnis.fehler || fehler.art() != store::StoreError::Art::Beschaedigt)
                ergebnis.fehler = fehler;
            weiter = false;
        }
    }
}

QString fehlertext(const store::StoreError& fehler)
{
    if (fehler.art() != store::StoreError::Art::Beschaedigt)
        return fehler.meldung();
    return fehler.meldung()
        + QStringLiteral(" Prüfen lässt sie sich mit „gedenkbuch-daten pruefen“; was noch lesbar ist, sichert "
                         "„gedenkbuch-daten export“. Arbeiten Sie dabei mit einer Kopie der Datei.");
}

Durchlauf eintraegeDurchlaufen(store::Cursor& cursor, const std::function<void(const Eintrag&)>& je)
{
    return durchlaufen(cursor, [&je](const store::Cursor& c) {
        if (const auto eintrag = eintragLesen(c))
            je(*eintrag);
    });
}

} // namespace core

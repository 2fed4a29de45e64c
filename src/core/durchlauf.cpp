#include "durchlauf.h"

#include "store/cursor.h"

namespace core {

Durchlauf durchlaufen(store::Cursor& cursor, const std::function<void(const store::Cursor&)>& je)
{
    Durchlauf ergebnis;
    try {
        cursor.MoveFirst();
    } catch (const store::StoreError& fehler) {
        // An empty table has no first record: a complete walk over nothing.
        if (fehler.art() == store::StoreError::Art::KeinAktuellerDatensatz && cursor.Eof())
            ergebnis.leer = true;
        else
            ergebnis.fehler = fehler;
        return ergebnis;
    }
    try {
        for (; !cursor.Eof(); cursor.MoveNext())
            je(cursor);
    } catch (const store::StoreError& fehler) {
        ergebnis.fehler = fehler;
    }
    return ergebnis;
}

Durchlauf eintraegeDurchlaufen(store::Cursor& cursor, const std::function<void(const Eintrag&)>& je)
{
    return durchlaufen(cursor, [&je](const store::Cursor& c) {
        if (const auto eintrag = eintragLesen(c))
            je(*eintrag);
    });
}

} // namespace core

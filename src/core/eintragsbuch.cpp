#include "eintragsbuch.h"

#include "anzeigezeile.h"
#include "store/cursor.h"
#include "zahlen.h"

namespace core {

Eintragsbuch::Bestand Eintragsbuch::alle()
{
    Bestand bestand;
    bestand.durchlauf = eintraegeDurchlaufen(cursor_, [&bestand](const Eintrag& e) { bestand.eintraege.append(e); });
    return bestand;
}

Feldtexte Eintragsbuch::lesen(qint64 id)
{
    cursor_.SetBookmark(id);
    return feldtexteLesen(cursor_);
}

Eintragsbuch::Namen Eintragsbuch::namen()
{
    Namen n;
    n.durchlauf = durchlaufen(cursor_, [&n](const store::Cursor& c) {
        if (const QVariant name = c.Field(store::Feld::Bezeichnung); !name.isNull())
            n.namen.insert(name.toString());
    });
    return n;
}

Eintragsbuch::Namenspruefung Eintragsbuch::nameVergeben(const QString& name)
{
    Namen n = namen();
    return {n.namen.contains(name), std::move(n.durchlauf)};
}

qint64 Eintragsbuch::speichern(std::optional<qint64> id, const Aenderung& aenderung)
{
    try {
        if (id) {
            cursor_.SetBookmark(*id);
            cursor_.Edit();
        } else {
            cursor_.AddNew();
        }
        for (std::size_t i = 0; i < aenderung.felder.size(); ++i) {
            if (aenderung.felder[i])
                cursor_.SetField(store::Feld(i), *aenderung.felder[i]);
        }
        cursor_.Update();
    } catch (const store::StoreError&) {
        cursor_.CancelUpdate();
        throw;
    }
    return *cursor_.LastModified();
}

void Eintragsbuch::loeschen(qint64 id)
{
    cursor_.SetBookmark(id);
    cursor_.Delete();
}

Eintragsbuch::Suchergebnis Eintragsbuch::suchen(const QString& begriff, int aktuellesJahr)
{
    const double monatswert = zahlwert(begriff);
    Suchergebnis ergebnis;
    ergebnis.durchlauf = eintraegeDurchlaufen(cursor_, [&](const Eintrag& e) {
        if (e.Bezeichnung.contains(begriff, Qt::CaseSensitive))
            ergebnis.treffer.append({anzeigezeile(e, aktuellesJahr), e.id});
        if (e.monat == monatswert)
            ergebnis.treffer.append({anzeigezeile(e, aktuellesJahr), e.id});
    });
    return ergebnis;
}

} // namespace core

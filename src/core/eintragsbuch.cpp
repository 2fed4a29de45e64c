// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eintragsbuch.h"

#include "anzeigezeile.h"
#include "store/cursor.h"
#include "store/store.h"
#include "zahlen.h"

namespace core {

using store::Feld;

Eintragsbuch::Fenster Eintragsbuch::fenster(QDate heute)
{
    Fenster f;
    f.heute = heute;
    // A list that grows by doubling leaves its earlier, freed arrays in the heap and lifts the
    // peak of every later refresh by half the list; one allocation of the expected size does not.
    f.voll.reserve(letzteAnzahl_ + letzteAnzahl_ / 16);
    Tagesfilter tage(fenstertage(heute));
    f.durchlauf = eintraegeDurchlaufen(cursor_, [&](const Eintrag& e) {
        f.voll.append(listenzeile(e, heute.year()));
        tage.aufnehmen(e);
    });
    std::copy(tage.listen().cbegin(), tage.listen().cend(), f.tage.begin());
    letzteAnzahl_ = f.voll.size();
    return f;
}

Eintragsbuch::Bestand Eintragsbuch::alle()
{
    Bestand bestand;
    bestand.durchlauf = eintraegeDurchlaufen(cursor_, [&bestand](const Eintrag& e) { bestand.eintraege.append(e); });
    return bestand;
}

namespace {

void unveraendertPruefen(store::Store& store, const store::Datensatz& gelesen)
{
    if (!store.unveraendert(gelesen))
        throw store::StoreError(store::StoreError::Art::Veraendert);
}

} // namespace

Eintragsbuch::Gelesen Eintragsbuch::lesen(qint64 id)
{
    const std::optional<store::Datensatz> satz = store_.lesen(id);
    if (!satz)
        throw store::StoreError(store::StoreError::Art::EintragWeg);
    const std::optional<Eintrag> eintrag = eintragLesen(*satz);
    if (!eintrag)
        throw store::StoreError(store::StoreError::Art::KeinEintrag);
    return {*eintrag, *satz};
}

bool Eintragsbuch::nameVergeben(const QString& name)
{
    return store_.nameVergeben(name);
}

qint64 Eintragsbuch::speichern(const std::optional<store::Datensatz>& gelesen, const Aenderung& aenderung)
{
    const auto zahl = [](const std::optional<int>& wert) { return wert ? QVariant(qint64(*wert)) : QVariant(); };
    std::optional<store::Transaktion> zug;
    try {
        if (gelesen) {
            zug.emplace(store_);
            unveraendertPruefen(store_, *gelesen);
            cursor_.SetBookmark(gelesen->id);
            cursor_.Edit();
        } else {
            cursor_.AddNew();
        }
        if (aenderung.Bezeichnung)
            cursor_.SetField(Feld::Bezeichnung, *aenderung.Bezeichnung);
        if (aenderung.tag)
            cursor_.SetField(Feld::tag, zahl(aenderung.tag));
        if (aenderung.monat)
            cursor_.SetField(Feld::monat, zahl(aenderung.monat));
        if (aenderung.jahr)
            cursor_.SetField(Feld::jahr, zahl(*aenderung.jahr));
        if (aenderung.Bemerkungen)
            cursor_.SetField(Feld::Bemerkungen,
                             *aenderung.Bemerkungen ? QVariant(**aenderung.Bemerkungen) : QVariant());
        cursor_.Update();
        if (zug)
            zug->abschliessen();
    } catch (const store::StoreError&) {
        cursor_.CancelUpdate();
        throw;
    }
    return *cursor_.LastModified();
}

void Eintragsbuch::loeschen(const store::Datensatz& gelesen)
{
    store::Transaktion zug(store_);
    unveraendertPruefen(store_, gelesen);
    cursor_.SetBookmark(gelesen.id);
    cursor_.Delete();
    zug.abschliessen();
}

Eintragsbuch::Suchergebnis Eintragsbuch::suchen(const QString& begriff, int bezugsjahr)
{
    const double monatswert = zahlwert(begriff);
    Suchergebnis ergebnis;
    ergebnis.durchlauf = eintraegeDurchlaufen(cursor_, [&](const Eintrag& e) {
        if (e.Bezeichnung.contains(begriff, Qt::CaseSensitive))
            ergebnis.treffer.append(listenzeile(e, bezugsjahr));
        if (e.monat == monatswert)
            ergebnis.treffer.append(listenzeile(e, bezugsjahr));
    });
    return ergebnis;
}

} // namespace core

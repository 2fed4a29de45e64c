// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The writing half of the cursor: new records, changes and deletes.
#include "cursor_innen.h"

#include "verbindung.h"

namespace store {

namespace {

bool istZahlenfeld(Feld feld)
{
    return feld == Feld::tag || feld == Feld::monat || feld == Feld::jahr;
}

bool istGanzeZahl(const QVariant& wert)
{
    switch (wert.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
        return true;
    default:
        return false;
    }
}

} // namespace

void Cursor::AddNew()
{
    d_->bearbeitung = Innen::Bearbeitung::Neu;
    d_->neu = {};
    d_->geschrieben = {};
}

void Cursor::Edit()
{
    d_->neu = d_->aktueller();
    d_->bearbeitung = Innen::Bearbeitung::Aendern;
    d_->geschrieben = {};
}

void Cursor::SetField(Feld feld, const QVariant& value)
{
    if (d_->bearbeitung == Innen::Bearbeitung::Keine)
        throw StoreError(StoreError::Art::KeineBearbeitung).beim(StoreError::Vorgang::FeldSchreiben);
    const bool passt
        = value.isNull() || (istZahlenfeld(feld) ? istGanzeZahl(value) : value.typeId() == QMetaType::QString);
    if (!passt)
        throw StoreError(StoreError::Art::FalscheWertart)
            .mitFeld(QLatin1String(feldnamen[std::size_t(feld)]), QLatin1String(value.typeName()));
    d_->neu.werte[std::size_t(feld)] = istZahlenfeld(feld) && !value.isNull() ? QVariant(value.toLongLong()) : value;
    d_->geschrieben[std::size_t(feld)] = true;
}

void Cursor::Update()
{
    Innen& d = *d_;
    if (d.bearbeitung == Innen::Bearbeitung::Keine)
        throw StoreError(StoreError::Art::KeineBearbeitung).beim(StoreError::Vorgang::Speichern);

    if (d.bearbeitung == Innen::Bearbeitung::Neu) {
        for (std::size_t i = 0; i < d.neu.werte.size(); ++i)
            d.einfuegen.bind(int(i) + 1, d.neu.werte[i]);
        d.einfuegen.step();
        d.einfuegen.reset();
        d.zuletztGespeichert = sqlite3_last_insert_rowid(d.verbindung.db);
    } else {
        for (std::size_t i = 0; i < d.neu.werte.size(); ++i) {
            d.aendern.bindInt64(int(2 * i) + 1, d.geschrieben[i] ? 1 : 0);
            d.aendern.bind(int(2 * i) + 2, d.neu.werte[i]);
        }
        d.aendern.bindInt64(11, d.neu.id);
        d.aendern.step();
        d.aendern.reset();
        if (sqlite3_changes(d.verbindung.db) != 1)
            throw StoreError(StoreError::Art::EintragWeg);
        d.zuletztGespeichert = d.neu.id;
        if (d.lage == Innen::Lage::AufDatensatz && d.puffer[d.pos].id == d.neu.id)
            d.puffer[d.pos] = d.neu;
    }
    d.bearbeitung = Innen::Bearbeitung::Keine;
}

void Cursor::CancelUpdate()
{
    d_->bearbeitung = Innen::Bearbeitung::Keine;
}

void Cursor::Delete()
{
    Innen& d = *d_;
    const qint64 id = d.aktueller().id;
    d.bearbeitung = Innen::Bearbeitung::Keine;
    d.loeschen.bindInt64(1, id);
    d.loeschen.step();
    d.loeschen.reset();
    if (sqlite3_changes(d.verbindung.db) != 1)
        throw StoreError(StoreError::Art::EintragWeg);
    d.lage = Innen::Lage::Geloescht;
}

std::optional<qint64> Cursor::LastModified() const
{
    return d_->zuletztGespeichert;
}

} // namespace store

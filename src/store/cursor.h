// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "schema.h"
#include "store.h"
#include "storeerror.h"

#include <QVariant>
#include <memory>
#include <optional>

namespace store {

// The one record cursor over the table Gedenkbuch. It walks the records in store order, the
// order in which they were added, and reads and writes their fields, named by store::Feld.
//
// Nothing is held open between two calls: the cursor reads the table in short read transactions
// of some hundred records, so another program is never locked out for longer than one of them.
// Every Update and every Delete is one transaction of its own, unless a Transaktion groups them.
class Cursor {
public:
    // What a walk reads of each record. Lists need no remarks, which may be long: without them the
    // cursor gives a null for Bemerkungen.
    enum class Umfang { Alles, OhneBemerkungen };

    explicit Cursor(Store& store, Umfang umfang = Umfang::Alles);
    ~Cursor();
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    // False when the table is empty; Eof() is then true.
    bool MoveFirst();
    void MoveNext();
    bool Eof() const;
    // After a move failed on a damaged page: on to the first readable record behind the damage.
    // False when none can be reached, and Eof() is then true. Throws for any other failure.
    bool MoveNextBehindDamage();

    // The current record (or the pending one during AddNew or Edit).
    const Datensatz& Satz() const;
    QVariant Field(Feld feld) const { return Satz().feld(feld); }

    // The identity of the current record; SetBookmark puts the cursor back on it.
    qint64 Bookmark() const;
    void SetBookmark(qint64 bookmark);

    void AddNew();
    void Edit();
    // Writes a typed value: a QString into a text field, an integer into a numeric one, or null.
    // Nothing is converted: any other value is refused with Art::FalscheWertart.
    void SetField(Feld feld, const QVariant& value);
    // Stores the pending record. On failure it stays pending, so nothing typed is lost.
    void Update();
    void CancelUpdate();
    // Removes the current record. Until the next move the cursor stands on no valid record.
    void Delete();
    // The identity of the record stored by the last successful Update.
    std::optional<qint64> LastModified() const;

private:
    struct Innen;
    std::unique_ptr<Innen> d_;
};

} // namespace store

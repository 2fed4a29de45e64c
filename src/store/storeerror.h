// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// A failure of the store, carrying a German text that can be shown to the user as it is.
class StoreError : public std::runtime_error {
public:
    enum class Art {
        DateiFehlt,     // there is no file of that name
        NichtLesbar,    // the file may not be read
        KeineDatenbank, // a directory, an empty file, not an SQLCipher file, another password
        Beschaedigt,    // the engine found the file's structure damaged
        TabelleFehlt,   // no table Gedenkbuch with the five fields
        FalscheForm,    // Gedenkbuch is a view, has no record numbers, or hides them
        KeinAktuellerDatensatz,
        Veraendert,       // the record no longer holds what was read of it: changed, deleted or replaced since
        KeineZahl,        // a text written into a numeric field does not convert
        KeineBearbeitung, // a field written or Update called without AddNew or Edit
        Gesperrt,         // another program holds the file
        Schreibgeschuetzt,
        Ersetzt, // the file was deleted, moved or replaced while it was open
        DatentraegerVoll,
        Vorhanden, // a new file would overwrite something that lies under its name
        Sonstiges,
    };

    StoreError(Art art, const QString& meldung)
        : std::runtime_error(meldung.toStdString()), art_(art), meldung_(meldung)
    {
    }

    Art art() const { return art_; }
    const QString& meldung() const { return meldung_; }

    // The file at `pfad` is damaged.
    static StoreError dateiBeschaedigt(const QString& pfad);
    // The record asked for is gone: another program deleted it.
    static StoreError eintragWeg();
    // The record shown no longer holds what was read of it: another program changed or deleted it,
    // or its number now names another entry.
    static StoreError eintragVeraendert();

private:
    Art art_;
    QString meldung_;
};

} // namespace store

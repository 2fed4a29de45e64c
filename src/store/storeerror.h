// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// A failure of the store: what happened and its details. The words the user reads are made from
// them at the edge (core::meldung), never here.
class StoreError : public std::runtime_error {
public:
    enum class Art {
        DateiFehlt,             // there is no file of that name
        KeineDatei,             // a folder lies under the name
        NichtLesbar,            // the file may not be read
        LeereDatei,             // an empty file is no database
        KeineDatenbank,         // not an SQLCipher file, or one with another password
        OhneVerschluesselung,   // the library linked is no SQLCipher
        Beschaedigt,            // the engine found the file's structure damaged; `vorgang` says while doing what
        TabelleFehlt,           // no table Gedenkbuch with the field `feld`
        FalscheForm,            // Gedenkbuch has the `form` the program cannot work with
        KeinAktuellerDatensatz, // the cursor stands on no record
        EintragWeg,             // the record asked for is gone: deleted since
        KeinEintrag,            // the record has no name, day or month any more: no entry the program shows
        Veraendert,             // the record no longer holds what was read of it: changed, deleted or replaced since
        FalscheWertart,         // a value of the kind `wertart` written into the field `feld`
        KeineBearbeitung,       // a field written (vorgang FeldSchreiben) or a record stored without AddNew or Edit
        Gesperrt,               // another program holds the file
        HalbeAenderung,         // write-protected, with a change a killed program left half done
        Schreibgeschuetzt,
        Ersetzt,          // the file was deleted, moved or replaced while it was open
        DatentraegerVoll, // the engine found the disk full
        Schreibfehler,    // the engine could not write: perhaps the disk is full; `vorgang` Sichern for a backup
        Lesefehler,
        NichtGeoeffnet,
        Vorhanden,        // a new file would overwrite the thing `vorhanden` that lies under its name
        NichtAngelegt,    // a new file cannot be made; `systemfehler` says why
        NichtGeschrieben, // a new file cannot be written; `systemfehler` says why
        Datenbankfehler,  // any other code of the engine, while doing `vorgang`
    };

    // What was being done.
    enum class Vorgang {
        Zugriff,
        Oeffnen,
        Kennwort,
        Vorbereiten,
        Uebergeben,
        Ausfuehren, // `anweisung` holds the SQL
        Sichern,
        KopiePruefen,
        FeldSchreiben,
        Speichern,
    };
    enum class Form { Sicht, OhneNummern, NummernVerdeckt };
    enum class Gegenstand { Datei, Ordner, Verknuepfung, Unbestimmt };

    struct Angaben {
        QString pfad; // as the caller named the file
        Vorgang vorgang = Vorgang::Zugriff;
        QString anweisung;
        int code = 0;         // the engine's extended result code
        int systemfehler = 0; // errno
        QString feld;
        QString wertart;
        Form form = Form::Sicht;
        Gegenstand vorhanden = Gegenstand::Datei;
    };

    explicit StoreError(Art art, const QString& pfad = {}) : std::runtime_error("store::StoreError"), art_(art)
    {
        angaben_.pfad = pfad;
    }
    // The further details, added where the failure is raised.
    StoreError& beim(Vorgang vorgang, const QString& anweisung = {})
    {
        angaben_.vorgang = vorgang;
        angaben_.anweisung = anweisung;
        return *this;
    }
    StoreError& mitCode(int code)
    {
        angaben_.code = code;
        return *this;
    }
    StoreError& mitSystemfehler(int nummer)
    {
        angaben_.systemfehler = nummer;
        return *this;
    }
    StoreError& mitFeld(const QString& feld, const QString& wertart = {})
    {
        angaben_.feld = feld;
        angaben_.wertart = wertart;
        return *this;
    }
    StoreError& mitForm(Form form)
    {
        angaben_.form = form;
        return *this;
    }
    StoreError& mitGegenstand(Gegenstand vorhanden)
    {
        angaben_.vorhanden = vorhanden;
        return *this;
    }

    Art art() const { return art_; }
    const Angaben& angaben() const { return angaben_; }

private:
    Art art_;
    Angaben angaben_;
};

} // namespace store

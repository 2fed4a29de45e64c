#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// A failure of the store, carrying a German text that can be shown to the user as it is.
class StoreError : public std::runtime_error {
public:
    enum class Art {
        DateiFehlt,          // no file, a directory, an empty file
        KeineDatenbank,      // not an SQLCipher file, or keyed with another password
        Beschaedigt,         // the engine found the file's structure damaged
        TabelleFehlt,        // no table Gedenkbuch with the five fields
        KeinAktuellerDatensatz,
        KeineZahl,           // a text written into a numeric field does not convert
        UnbekanntesFeld,
        KeineBearbeitung,    // a field written or Update called without AddNew or Edit
        Gesperrt,            // another program holds the file
        Schreibgeschuetzt,
        DatentraegerVoll,
        Sonstiges,
    };

    StoreError(Art art, const QString& meldung)
        : std::runtime_error(meldung.toStdString()), art_(art), meldung_(meldung) {}

    Art art() const { return art_; }
    const QString& meldung() const { return meldung_; }

private:
    Art art_;
    QString meldung_;
};

} // namespace store

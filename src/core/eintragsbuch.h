#pragma once

#include "durchlauf.h"
#include "eintrag.h"
#include "zeile.h"
#include "store/schema.h"

#include <QList>
#include <QSet>
#include <QVariant>
#include <array>
#include <optional>

namespace store {
class Cursor;
}

namespace core {

// The fields a save writes; a field not set keeps what is stored (in a new record: null).
struct Aenderung {
    std::array<std::optional<QVariant>, store::feldnamen.size()> felder;
    void setzen(store::Feld feld, const QVariant& wert) { felder[std::size_t(feld)] = wert; }
};

// The entries of the table through the one cursor: what the windows read and write, each
// operation leaving the cursor on the entry it concerns.
class Eintragsbuch {
public:
    explicit Eintragsbuch(store::Cursor& cursor) : cursor_(cursor) {}

    struct Bestand {
        QList<Eintrag> eintraege; // store order, as the walk rule admits them
        Durchlauf durchlauf;
    };
    // One walk over all entries.
    Bestand alle();

    // The stored fields of an entry. Throws StoreError when it cannot be read or is gone.
    Feldtexte lesen(qint64 id);

    struct Namen {
        QSet<QString> namen; // of every record, also of those the walk rule skips
        Durchlauf durchlauf;
    };
    Namen namen();

    struct Namenspruefung {
        bool vergeben = false; // an entry has exactly this name, upper and lower case distinguished
        Durchlauf durchlauf;
    };
    Namenspruefung nameVergeben(const QString& name);

    // Adds a record (no id) or changes the one with the id; gives the stored record's identity.
    // Throws StoreError; nothing is stored then.
    qint64 speichern(std::optional<qint64> id, const Aenderung& aenderung);
    // Throws StoreError; nothing is removed then.
    void loeschen(qint64 id);

    struct Suchergebnis {
        QList<Zeile> treffer;
        Durchlauf durchlauf;
    };
    // Entries whose name contains the term (upper and lower case distinct), and entries whose month
    // is the term's numeric value, as display lines in store order; an entry that matches both ways
    // stands twice, its name line first.
    Suchergebnis suchen(const QString& begriff, int aktuellesJahr);

private:
    store::Cursor& cursor_;
};

} // namespace core

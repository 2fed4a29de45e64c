// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <stdexcept>

namespace exchange {

// Which date of a card a record is: its birthday, wedding day or day of death.
enum class Anlass { Geburtstag, Hochzeitstag, Todestag };

// One record as a file gives it, before the program's rules are applied. `stelle` is the card
// (vCard) or the line (CSV) it comes from, counted from 1; a missing day or month is 0.
struct Satz {
    int stelle = 0;
    QString name;
    int tag = 0;
    int monat = 0;
    std::optional<int> jahr;
    QString bemerkungen;
    Anlass anlass = Anlass::Geburtstag;
};

// A record that is not taken, with the German reason; also a record that is taken with a remark.
struct Auslassung {
    int stelle = 0;
    QString name;
    QString grund;
    bool ohneDatum = false; // a card without any date: nothing to take, rather than something refused
};

struct Gelesen {
    enum class Quelle { Karte, Zeile } quelle = Quelle::Karte;
    QList<Satz> saetze;
    QList<Auslassung> auslassungen;
    QList<Auslassung> hinweise; // records whose text lost control characters, still taken
};

// Of records whose text lost control characters.
inline const QString steuerzeichenEntfernt = QStringLiteral("Steuerzeichen entfernt");

// "Karte 3 („Anna Berg“): <grund>" or "Zeile 7: <grund>"; a long name shortened.
QString beschreibung(Gelesen::Quelle quelle, const Auslassung& auslassung);

// A file that is refused as a whole; nothing of it is taken. The text is German and says why.
class Abweisung : public std::runtime_error {
public:
    explicit Abweisung(const QString& meldung) : std::runtime_error(meldung.toStdString()), meldung_(meldung) {}
    const QString& meldung() const { return meldung_; }

private:
    QString meldung_;
};

} // namespace exchange

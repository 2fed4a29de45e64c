// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <utility>
#include <vector>

namespace termin {

// What an entry's yearly event is known by outside the program: its UID and its resource name in
// a calendar. Both come from the name as the user sees it, never from the record's number, which
// the engine hands to another record once this one is deleted: phones keep notes and alarms by
// UID, so a UID must never pass to another person. The second entry of the same name (only
// another program can write one) counts on from the first, so each keeps a UID of its own.
class Kennung {
public:
    Kennung(const QString& bezeichnung, int nummer = 1);

    // "<32 hex digits>@gedenkbuch", "<…>-2@gedenkbuch" for the second entry of that name.
    QString uid() const;
    // "gedenkbuch-<…>.ics"; with `ausweichen` > 0 "gedenkbuch-<…>.<ausweichen>.ics", a name for
    // when another program's event already lies under the first one.
    QString ressource(int ausweichen = 0) const;

private:
    QByteArray stamm_;
};

// Whether a UID has the form of ours: that of Kennung, or the one of earlier versions made from
// the record's number ("eintrag-17@gedenkbuch"), whose events a new run replaces.
enum class UidForm { Fremd, Unsere, Frueher };
UidForm uidForm(const QString& uid);

// The number each entry's Kennung takes: 1 for the first entry of a name in store order (by record
// number), 2 for the next one of the same name, and so on. Only a short sum of each
// name is kept, in one array, so a large book's names never are.
class Namenszaehler {
public:
    void aufnehmen(qint64 id, const QString& bezeichnung);
    // The entries whose number is above 1, with their number; every other entry's is 1.
    QHash<qint64, int> nummern();

private:
    std::vector<std::pair<quint64, qint64>> namen_; // sum of the name, entry
};

} // namespace termin

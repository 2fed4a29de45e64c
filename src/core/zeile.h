// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

namespace core {

// One line of a list with the entry it stands for: its text as the list shows it, and beside it
// the entry's month, day and year and where its name begins in the text. Orders and lookups use
// these fields; the text is only ever shown.
struct Zeile {
    QString text = {};
    qint64 id = -1; // -1 for a line that stands for no entry
    qint16 monat = 0;
    qint16 tag = 0;
    std::optional<qint16> jahr = {};
    quint8 nameAb = 0; // the name and its age behind the date: what sorts lines of one date

    QStringView name() const { return QStringView(text).sliced(nameAb); }
    bool operator==(const Zeile&) const = default;
};

} // namespace core

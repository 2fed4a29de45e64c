// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QVariant>
#include <array>

namespace store {

// The five fields of the table Gedenkbuch, in the order the store keeps them.
enum class Feld { Bezeichnung, tag, monat, jahr, Bemerkungen };
inline constexpr std::array<const char*, 5> feldnamen = {"Bezeichnung", "tag", "monat", "jahr", "Bemerkungen"};

// One record as the engine holds it: its number and its fields as they are stored. A field may
// hold anything another program wrote into it: null, an integer (qint64), a real (double), text
// (QString) or a blob (QByteArray).
struct Datensatz {
    qint64 id = 0;
    std::array<QVariant, feldnamen.size()> werte;
    const QVariant& feld(Feld f) const { return werte[std::size_t(f)]; }
};

} // namespace store

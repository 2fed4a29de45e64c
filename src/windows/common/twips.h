// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace ui {

// Positions of the main and the start-up window are given in twips: 15 twips make one pixel.
constexpr int twips(int wert)
{
    return (wert + 7) / 15;
}

constexpr QRect twips(int links, int oben, int breite, int hoehe)
{
    return {twips(links), twips(oben), twips(breite), twips(hoehe)};
}

} // namespace ui

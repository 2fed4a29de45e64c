// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// Every colour of the windows, by what it colours.
namespace farben {

// Main window and day window
inline const QColor rahmen(237, 237, 125);      // the ten frames
inline const QColor heuteSchrift(0, 128, 0);    // the caption of today's frame
inline const QColor detailfeld(224, 224, 224);  // the five detail fields
inline const QColor befehlstaste(250, 220, 40); // the four picture buttons of the main window

// Entry dialogs
inline const QColor dialogfeld(172, 244, 172);  // frames, date label and option buttons
inline const QColor dialogbild(172, 244, 171);  // the field of the background picture
inline const QColor dialogband(27, 151, 27);    // the heading band
inline const QColor dialogtaste(120, 205, 110); // "Speichern" and "Abbrechen"

// Search dialog
inline const QColor suchhintergrund(255, 224, 192);
inline const QColor suchband(214, 120, 40);
inline const QColor suchrahmen(172, 244, 172);
inline const QColor suchtaste(192, 255, 192);

// Pictures, button faces and headings
inline const QColor aufBand(Qt::white); // heading text and symbol on a band
inline const QColor tastenschrift(Qt::black);
inline const QColor tastenschriftAus(120, 120, 120); // a disabled button's text
inline const QColor hauptbildOben(214, 228, 242);
inline const QColor hauptbildUnten(176, 200, 228);
inline const QColor hauptbildGitter(255, 255, 255, 70);
inline const QColor startbildOben(22, 64, 120);
inline const QColor startbildUnten(58, 116, 180);
inline const QColor startbildSchrift(225, 236, 250);
inline const QColor kalenderRand(60, 60, 60);
inline const QColor kalenderBlatt(Qt::white);
inline const QColor kalenderKopf(196, 40, 40);
inline const QColor kalenderZahl(40, 40, 40);

} // namespace farben

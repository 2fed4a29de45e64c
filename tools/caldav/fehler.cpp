// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fehler.h"

namespace caldav {

bool Fehler::beendetLauf() const
{
    switch (art) {
    case Art::ZuGross:
    case Art::Status:
    case Art::Verboten:
    case Art::Unverstaendlich:
    case Art::StatusIn207:
    case Art::GleichzeitigGeaendert:
    case Art::FremderTermin:
    case Art::KopfUngueltig:
        return false;
    default:
        return true;
    }
}

} // namespace caldav

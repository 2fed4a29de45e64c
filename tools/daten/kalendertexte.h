// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "caldav/abgleich.h"
#include "caldav/fehler.h"

#include <QString>
#include <QStringList>

namespace daten {

// The German texts of the calendar, made here from the kinds the client reports.
QString kalendertext(const caldav::Fehler& fehler);

// The report of a publication: the counts with the calendar, named as the user typed it unless the
// server led elsewhere, and the book; then one line for each event that was restored, moved to
// another name, or passed over.
QStringList kalenderbericht(const caldav::Bericht& bericht, const QString& getippt, const QString& buch);

} // namespace daten

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>

namespace druck {

// The book on paper, as a PDF: the year at a glance on one A4 landscape page, or a perpetual
// birthday calendar of twelve A4 portrait pages, one a month, that stays true year after year.
enum class Art { Jahresuebersicht, Immerwaehrend };

struct Auftrag {
    QString buch;  // daten.mdb as the user names it
    QString datei; // the new PDF; an existing file is never overwritten
    Art art = Art::Jahresuebersicht;
    int jahr = 0; // the year of the overview
};

// How printing went, in German lines: the report for standard output (empty unless the file was
// written), and what standard error is told, failures and notes alike.
struct Ergebnis {
    bool geschrieben = false;
    QString bericht;
    QStringList meldungen;
};

// Reads the whole book and writes the PDF under a temporary name beside `datei`, renamed into
// place only when complete. A book that cannot be read whole is not printed. Needs the
// application of `druckanwendung`.
Ergebnis drucken(const Auftrag& auftrag);

// Laying out text takes fonts, and fonts take a QGuiApplication. This one runs on the offscreen
// platform, so printing needs no display; Qt's own options are not read from the command line, so
// none of the program's arguments is taken for one.
std::unique_ptr<QCoreApplication> druckanwendung(const char* programm);

} // namespace druck

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the main window with their design values: places in twips, fonts, colours.
#include "frmgedenkbuch.h"

#include "core/programm.h"
#include "detailfelder.h"
#include "windows/common/aussehen.h"
#include "windows/common/bilder.h"
#include "windows/common/bildschaltflaeche.h"
#include "windows/common/farben.h"
#include "windows/common/listenfeld.h"
#include "windows/common/twips.h"
#include "windows/daywindow/tagesfenster.h"

#include <QGroupBox>
#include <QLabel>
#include <QScreen>

namespace {

ui::Bildschaltflaeche* schaltflaeche(QWidget* fenster, const char* name, const QString& text, QRect ort, bool aktiv)
{
    auto* taste = new ui::Bildschaltflaeche(text, farben::befehlstaste, fenster);
    taste->setObjectName(QLatin1String(name));
    taste->setGeometry(ort);
    taste->setEnabled(aktiv);
    return taste;
}

} // namespace

void frmGedenkbuch::steuerelementeAnlegen()
{
    using ui::twips;
    setObjectName(QStringLiteral("frmGedenkbuch"));
    setWindowTitle(core::programmname);
    setWindowIcon(fenstersymbol());
    setFixedSize(twips(11535), twips(9150));

    tagesfenster_ = new Tagesfenster(this);

    Label3 = new QLabel(QStringLiteral("Monat-Tag Bezeichnung (Alter)"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twips(6120, 120, 3975, 255));

    lstGedenkbuch = new ui::Listenfeld(true, this);
    lstGedenkbuch->setObjectName(QStringLiteral("lstGedenkbuch"));
    lstGedenkbuch->setAccessibleName(QStringLiteral("Alle Einträge"));
    lstGedenkbuch->setGeometry(twips(6120, 360, 5295, 4620));
    lstGedenkbuch->setFont(ui::msSansSerif());
    Label3->setBuddy(lstGedenkbuch);

    detail_ = new Detailfelder(this);

    cmdEintragNeu
        = schaltflaeche(this, "cmdEintragNeu", QStringLiteral("neuer Eintrag"), twips(6120, 8280, 1380, 495), true);
    cmdLoeschen = schaltflaeche(this, "cmdLoeschen", QStringLiteral("Löschen"), twips(7560, 8280, 1250, 495), false);
    cmdAenderung = schaltflaeche(this, "cmdAenderung", QStringLiteral("Ändern"), twips(8875, 8280, 1250, 495), false);
    cmdSuchen = schaltflaeche(this, "cmdSuchen", QStringLiteral("Suchen"), twips(10200, 8280, 1250, 495), true);

    lblCopyrights
        = new QLabel(QStringLiteral("Copyright © 2026 Das Gedenkbuch-Team - Version: ") + core::versionstext, this);
    lblCopyrights->setObjectName(QStringLiteral("lblCopyrights"));
    lblCopyrights->setGeometry(twips(480, 8880, 9975, 255));

    // Keys move from the day lists to the full list, the details and the commands.
    QList<QWidget*> listen;
    for (int k = 0; k < core::tagesanzahl; ++k)
        listen << tagesfenster_->liste(k);
    ui::tabfolge(listen << lstGedenkbuch);
    detail_->tabfolge(lstGedenkbuch, cmdEintragNeu);
    ui::tabfolge({cmdEintragNeu, cmdLoeschen, cmdAenderung, cmdSuchen});

    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

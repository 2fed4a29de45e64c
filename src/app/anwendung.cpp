// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anwendung.h"

#include "core/durchlauf.h"
#include "windows/common/meldungen.h"

Anwendung::Anwendung(int& argc, char** argv) : QApplication(argc, argv) {}

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis)
{
    QString grund;
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const store::StoreError& fehler) {
        grund = core::fehlertext(fehler);
    } catch (const std::exception& fehler) {
        grund = QString::fromLocal8Bit(fehler.what());
    }
    if (meldungen_)
        meldungen_->hinweis(QStringLiteral("Ein unerwarteter Fehler ist aufgetreten; die Aktion wurde abgebrochen "
                                           "und nichts gespeichert.\n\n%1")
                                .arg(grund),
                            QStringLiteral("Fehler"));
    return false;
}

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dateioeffnen.h"

#include "core/durchlauf.h"
#include "store/store.h"
#include "store/storeerror.h"
#include "windows/common/meldungen.h"

namespace {
const QString ladefehler = QStringLiteral("Ladefehler");
}

std::unique_ptr<store::Store> dateiOeffnen(ui::Meldungen& meldungen)
{
    try {
        return store::Store::open(store::dateiname);
    } catch (const store::StoreError& fehler) {
        meldungen.hinweis(fehler.art() == store::StoreError::Art::DateiFehlt
                              ? QStringLiteral("Die Datei %1 konnte nicht gefunden werden. "
                                               "Sie muss sich im Programmordner befinden.")
                                    .arg(store::dateiname)
                              : core::fehlertext(fehler),
                          ladefehler);
        return nullptr;
    }
}

bool dateiPruefen(store::Store& store, ui::Meldungen& meldungen)
{
    try {
        if (store.pruefen().isEmpty())
            return true;
        meldungen.hinweis(core::fehlertext(store::StoreError::dateiBeschaedigt(store.pfad())), ladefehler);
    } catch (const store::StoreError& fehler) {
        meldungen.hinweis(core::fehlertext(fehler), ladefehler);
    }
    return false;
}

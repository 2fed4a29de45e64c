// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buchdatei.h"

#include "durchlauf.h"
#include "store/store.h"

namespace core {

Buchdatei buchOeffnen()
{
    try {
        return {store::Store::open(store::dateiname), {}};
    } catch (const store::StoreError& fehler) {
        if (fehler.art() == store::StoreError::Art::DateiFehlt)
            return {
                nullptr,
                QStringLiteral("Die Datei %1 konnte nicht gefunden werden. Sie muss sich im Programmordner befinden.")
                    .arg(store::dateiname)};
        return {nullptr, fehlertext(fehler)};
    }
}

QString buchPruefen(store::Store& store)
{
    try {
        if (store.pruefen().isEmpty())
            return {};
        return fehlertext(store::StoreError(store::StoreError::Art::Beschaedigt, store.pfad()));
    } catch (const store::StoreError& fehler) {
        return fehlertext(fehler);
    }
}

} // namespace core

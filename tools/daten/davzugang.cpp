// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "davzugang.h"

#include "kalendertexte.h"

#include "caldav/adresse.h"
#include "caldav/netrc.h"

namespace daten {

std::optional<QUrl> davAdresse(Kontext& k, const QString& getippt)
{
    if (const auto fehler = caldav::adressfehler(getippt)) {
        k.fehler << kalendertext(*fehler) << Qt::endl;
        return std::nullopt;
    }
    return QUrl(getippt, QUrl::StrictMode);
}

std::optional<caldav::Verbindung> davVerbindung(Kontext& k, const QUrl& adresse)
{
    const caldav::Netrc netrc = caldav::zugangLesen(k.orte.heim, adresse.host(), adresse.userName());
    if (const auto* fehler = std::get_if<caldav::Fehler>(&netrc)) {
        k.fehler << kalendertext(*fehler) << Qt::endl;
        return std::nullopt;
    }
    return caldav::Verbindung(k.netz, adresse, std::get<std::optional<caldav::Zugang>>(netrc));
}

} // namespace daten

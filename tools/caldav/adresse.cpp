// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adresse.h"

#include <QHostAddress>

namespace caldav {

bool istLoopback(const QString& host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress adresse(host);
    return !adresse.isNull() && adresse.isLoopback();
}

QString adressfehler(const QUrl& url)
{
    const QString schema = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (schema != QLatin1String("https") && schema != QLatin1String("http")))
        return QStringLiteral("„%1“ ist keine Adresse eines Kalenders (https://SERVER/PFAD/).").arg(anzeige(url));
    if (!url.password().isEmpty())
        return QStringLiteral("Die Adresse enthält ein Kennwort. Es gehört in die Datei ~/.netrc, "
                              "nicht auf die Befehlszeile.");
    if (schema == QLatin1String("http") && !istLoopback(url.host()))
        return QStringLiteral("%1 ist unverschlüsselt (http): Das Kennwort ginge lesbar durchs Netz. Unverschlüsselt "
                              "wird nur mit dem eigenen Rechner verbunden (127.0.0.1, ::1, localhost); verwenden Sie "
                              "https.")
            .arg(anzeige(url));
    return {};
}

bool gleicherServer(const QUrl& a, const QUrl& b)
{
    const auto standardport
        = [](const QUrl& u) { return u.port(u.scheme().toLower() == QLatin1String("https") ? 443 : 80); };
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && standardport(a) == standardport(b);
}

QString anzeige(const QUrl& url)
{
    return url.toString(QUrl::RemoveUserInfo);
}

} // namespace caldav

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "multistatus.h"

#include <QXmlStreamReader>

namespace caldav {

namespace {

const QString dav = QStringLiteral("DAV:");
const QString caldav = QStringLiteral("urn:ietf:params:xml:ns:caldav");

// "HTTP/1.1 404 Not Found" -> 404.
int statuszahl(const QString& zeile)
{
    return zeile.simplified().section(u' ', 1, 1).toInt();
}

} // namespace

std::optional<QList<Ressource>> multistatusLesen(const QByteArray& xml, const QUrl& basis)
{
    QXmlStreamReader leser(xml);
    QList<Ressource> ergebnis;
    bool multistatus = false;
    Ressource* r = nullptr;
    std::optional<Ressource> gefunden; // the properties of the current propstat
    int propstatus = 0;
    bool hatHref = false;
    while (!leser.atEnd()) {
        if (leser.readNext() == QXmlStreamReader::EndElement && leser.namespaceUri() == dav) {
            if (leser.name() == QLatin1String("propstat") && r && gefunden && propstatus / 100 == 2) {
                r->etag = gefunden->etag.isEmpty() ? r->etag : gefunden->etag;
                r->kalenderdaten += gefunden->kalenderdaten;
                r->sammlung |= gefunden->sammlung;
                r->kalender |= gefunden->kalender;
                r->komponenten += gefunden->komponenten;
                r->status = r->status ? r->status : 200;
            }
            if (leser.name() == QLatin1String("propstat"))
                gefunden.reset();
            if (leser.name() == QLatin1String("response"))
                r = nullptr;
            continue;
        }
        if (!leser.isStartElement())
            continue;
        const QStringView ns = leser.namespaceUri();
        const QStringView name = leser.name();
        if (ns == dav && name == QLatin1String("multistatus")) {
            multistatus = true;
        } else if (ns == dav && name == QLatin1String("response") && multistatus) {
            r = &ergebnis.emplace_back();
            hatHref = false;
        } else if (!r) {
            continue;
        } else if (ns == dav && name == QLatin1String("href") && !gefunden && !hatHref) {
            r->url = basis.resolved(QUrl::fromEncoded(leser.readElementText().trimmed().toUtf8()));
            hatHref = true;
        } else if (ns == dav && name == QLatin1String("propstat")) {
            gefunden.emplace();
            propstatus = 0;
        } else if (ns == dav && name == QLatin1String("status")) {
            const int zahl = statuszahl(leser.readElementText());
            (gefunden ? propstatus : r->status) = zahl;
        } else if (!gefunden) {
            continue;
        } else if (ns == dav && name == QLatin1String("getetag")) {
            gefunden->etag = leser.readElementText().trimmed().toUtf8();
        } else if (ns == caldav && name == QLatin1String("calendar-data")) {
            gefunden->kalenderdaten = leser.readElementText().toUtf8();
        } else if (ns == dav && name == QLatin1String("collection")) {
            gefunden->sammlung = true;
        } else if (ns == caldav && name == QLatin1String("calendar")) {
            gefunden->kalender = true;
        } else if (ns == caldav && name == QLatin1String("comp")) {
            gefunden->komponenten << leser.attributes().value(QLatin1String("name")).toString().toUpper();
        }
    }
    if (leser.hasError() || !multistatus)
        return std::nullopt;
    return ergebnis;
}

} // namespace caldav

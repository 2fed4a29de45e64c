// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan.h"

#include "adresse.h"

#include <QHash>
#include <QSet>

namespace caldav {

namespace {

QString name(const QUrl& url)
{
    return url.path(QUrl::FullyDecoded).section(u'/', -1);
}

QUrl ressource(const QUrl& sammlung, const QString& name)
{
    QUrl url = alsSammlung(sammlung);
    // Encoded: a "%2F" in the collection's own name stays one, and no request leaves it.
    url.setPath(url.path(QUrl::FullyEncoded) + QString::fromLatin1(QUrl::toPercentEncoding(name)), QUrl::StrictMode);
    return url;
}

} // namespace

Plan planen(const QUrl& sammlung, const QList<Vorhanden>& vorhanden, const QList<Soll>& soll)
{
    QSet<QString> belegt;
    QHash<QString, QList<const Vorhanden*>> unsere; // by UID
    QList<const Vorhanden*> frueher;
    for (const Vorhanden& v : vorhanden) {
        if (belegt.contains(name(v.url)))
            continue;
        belegt.insert(name(v.url));
        switch (termin::uidForm(v.uid)) {
        case termin::UidForm::Unsere:
            unsere[v.uid].append(&v);
            break;
        case termin::UidForm::Frueher:
            frueher.append(&v);
            break;
        case termin::UidForm::Fremd:
            break;
        }
    }

    Plan plan;
    QList<Schritt> entfernen;
    const auto entfernt = [&](const Vorhanden* v) {
        entfernen.append({Schritt::Art::Entfernen, v->url, v->etag, -1, v->uid, false, 0});
    };
    for (qsizetype i = 0; i < soll.size(); ++i) {
        const Soll& s = soll[i];
        const QList<const Vorhanden*> da = unsere.take(s.kennung.uid());
        if (da.isEmpty()) {
            int ausweichen = 0;
            while (belegt.contains(s.kennung.ressource(ausweichen)))
                ++ausweichen;
            belegt.insert(s.kennung.ressource(ausweichen));
            plan.schritte.append({Schritt::Art::Anlegen,
                                  ressource(sammlung, s.kennung.ressource(ausweichen)),
                                  std::nullopt,
                                  i,
                                  {},
                                  false,
                                  ausweichen});
            continue;
        }
        const Vorhanden* bleibt = da.constFirst();
        for (const Vorhanden* v : da) {
            if (name(v->url) == s.kennung.ressource())
                bleibt = v;
        }
        for (const Vorhanden* v : da) {
            if (v != bleibt)
                entfernt(v);
        }
        // Unchanged only as written: a fingerprint dropped by another program is a change too.
        if (bleibt->kern == s.kern && bleibt->unberuehrt)
            ++plan.unveraendert;
        else
            plan.schritte.append(
                {Schritt::Art::Ersetzen, bleibt->url, bleibt->etag, i, bleibt->uid, !bleibt->unberuehrt, 0});
    }
    for (const QList<const Vorhanden*>& rest : std::as_const(unsere)) {
        for (const Vorhanden* v : rest)
            entfernt(v);
    }
    for (const Vorhanden* v : std::as_const(frueher))
        entfernt(v);
    plan.schritte += entfernen;
    return plan;
}

} // namespace caldav

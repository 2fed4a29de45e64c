// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "abgleich.h"

#include "adresse.h"
#include "fehler.h"
#include "sammlung.h"
#include "termin.h"

#include <QHash>

namespace caldav {

namespace {

enum class Art { Neu, Aendern, Entfernen, Nichts };

struct Vorhaben {
    Art art;
    QUrl url;
    QByteArray etag;
    Termin termin; // empty for Entfernen
};

Anfrage anfrage(const Vorhaben& v)
{
    const QByteArray etag = v.etag.isEmpty() ? QByteArrayLiteral("*") : v.etag;
    if (v.art == Art::Entfernen)
        return {"DELETE", v.url, {}, {{"If-Match", etag}}};
    const QPair<QByteArray, QByteArray> bedingung = v.art == Art::Neu
        ? qMakePair(QByteArrayLiteral("If-None-Match"), QByteArrayLiteral("*"))
        : qMakePair(QByteArrayLiteral("If-Match"), etag);
    return {"PUT", v.url, v.termin.inhalt, {bedingung, {"Content-Type", "text/calendar; charset=utf-8"}}};
}

// Carries out one write. A 412 means someone else changed the resource since it was read: it is
// read again, and the write tried once more on what is there now, unless that is no event of ours
// or already what we would write.
Art ausfuehren(Verbindung& verbindung, Vorhaben v)
{
    for (int versuch = 0;; ++versuch) {
        const Anfrage frage = anfrage(v);
        const Antwort antwort = verbindung.senden(frage);
        if (antwort.status / 100 == 2 || (v.art == Art::Entfernen && antwort.status == 404))
            return v.art;
        if (antwort.status != 412)
            statusfehler(verbindung, frage, antwort);
        if (versuch > 0)
            throw Fehler(QStringLiteral("Den Termin %1 ändert gerade ein anderes Programm; er bleibt, wie er ist. "
                                        "Ein neuer Lauf gleicht ihn ab.")
                             .arg(anzeige(v.url)));
        const Anfrage nachsehen{"GET", v.url, {}, {}};
        const Antwort jetzt = verbindung.senden(nachsehen);
        if (jetzt.status == 404 && v.art == Art::Entfernen)
            return v.art;
        if (jetzt.status == 404) {
            v.art = Art::Neu;
            continue;
        }
        if (jetzt.status != 200)
            statusfehler(verbindung, nachsehen, jetzt);
        const auto unser = eigenerTermin(jetzt.inhalt);
        if (!unser)
            throw Fehler(QStringLiteral("Unter %1 liegt ein Termin, den nicht Gedenkbuch geschrieben hat; er bleibt "
                                        "unberührt.")
                             .arg(anzeige(v.url)));
        if (v.art != Art::Entfernen && unser->fingerabdruck == v.termin.fingerabdruck)
            return Art::Nichts;
        v.art = v.art == Art::Entfernen ? Art::Entfernen : Art::Aendern;
        v.etag = jetzt.etag;
    }
}

} // namespace

Bericht veroeffentlichen(Verbindung& verbindung, const QUrl& url, const QList<core::Eintrag>& eintraege,
                         std::optional<int> vorlauf)
{
    const Sammlung sammlung = sammlungBereiten(verbindung, url);
    const auto kanonisch = [&](qint64 id) { return sammlung.url.resolved(QUrl(ressourcenname(id))); };

    // One event per entry stays; should a server hold two of ours for one entry, the one under our
    // own name is kept and the other removed.
    QList<Vorhaben> plan;
    QHash<qint64, Vorhanden> unsere;
    for (const Vorhanden& v : sammlung.neu ? QList<Vorhanden>() : eigeneTermine(verbindung, sammlung.url)) {
        auto frueher = unsere.find(v.termin.id);
        if (frueher == unsere.end()) {
            unsere.insert(v.termin.id, v);
            continue;
        }
        const bool dieserBleibt = v.url.path() == kanonisch(v.termin.id).path();
        plan.append({Art::Entfernen, dieserBleibt ? frueher->url : v.url, dieserBleibt ? frueher->etag : v.etag, {}});
        if (dieserBleibt)
            *frueher = v;
    }

    Bericht bericht{sammlung.url};
    for (const core::Eintrag& e : eintraege) {
        Termin termin = terminSchreiben(e, vorlauf);
        const auto da = unsere.constFind(e.id);
        if (da == unsere.cend())
            plan.append({Art::Neu, kanonisch(e.id), {}, std::move(termin)});
        else if (da->termin.fingerabdruck != termin.fingerabdruck)
            plan.append({Art::Aendern, da->url, da->etag, std::move(termin)});
        else
            ++bericht.unveraendert;
        unsere.remove(e.id);
    }
    for (const Vorhanden& v : std::as_const(unsere))
        plan.append({Art::Entfernen, v.url, v.etag, {}});

    for (const Vorhaben& v : std::as_const(plan)) {
        switch (ausfuehren(verbindung, v)) {
        case Art::Neu:
            ++bericht.neu;
            break;
        case Art::Aendern:
            ++bericht.geaendert;
            break;
        case Art::Entfernen:
            ++bericht.entfernt;
            break;
        case Art::Nichts:
            ++bericht.unveraendert;
            break;
        }
    }
    return bericht;
}

} // namespace caldav

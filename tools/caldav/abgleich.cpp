// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "abgleich.h"

#include "adresse.h"
#include "sammlung.h"

#include "termin/jahrestermin.h"

#include <variant>

namespace caldav {

namespace {

enum class Ausgang { Neu, Geaendert, Entfernt, Unveraendert };
using Ergebnis = std::variant<Ausgang, Fehler>;

const QByteArray kalendertext = QByteArrayLiteral("text/calendar; charset=utf-8");

bool wieGeschrieben(const termin::Gelesen& gelesen, const Soll& soll)
{
    return gelesen.kern == soll.kern && gelesen.unberuehrt;
}

// One step and the conversation it takes.
class Ausfuehrung {
public:
    Ausfuehrung(Verbindung& verbindung, const QUrl& sammlung, const QList<Soll>& soll, Bericht& bericht)
        : verbindung_(verbindung), sammlung_(sammlung), soll_(soll), bericht_(bericht)
    {
    }

    Ergebnis anlegen(QUrl url, qsizetype i, int ausweichen);
    Ergebnis ersetzen(const QUrl& url, std::optional<QByteArray> etag, qsizetype i);
    Ergebnis entfernen(const QUrl& url, std::optional<QByteArray> etag, const QString& uid);

private:
    struct Stand {
        int status = 0;
        std::optional<QByteArray> etag;
        std::optional<termin::Gelesen> termin;
    };
    // The resource as it is now; a failure when it cannot be read.
    std::variant<Stand, Fehler> nachsehen(const QUrl& url);
    Antwort schreiben(const QByteArray& verb, const QUrl& url, const QByteArray& inhalt,
                      const QPair<QByteArray, QByteArray>& bedingung);
    // Done, or why not: 2xx (and a 207 without a failure inside), or the status as a failure.
    std::optional<Fehler> gelungen(const QByteArray& verb, const Antwort& antwort);

    Verbindung& verbindung_;
    QUrl sammlung_;
    const QList<Soll>& soll_;
    Bericht& bericht_;
};

Antwort Ausfuehrung::schreiben(const QByteArray& verb, const QUrl& url, const QByteArray& inhalt,
                               const QPair<QByteArray, QByteArray>& bedingung)
{
    Anfrage frage{verb, url, inhalt, {bedingung}};
    if (!inhalt.isEmpty())
        frage.kopf.append({"Content-Type", kalendertext});
    return verbindung_.senden(frage, sammlung_);
}

std::optional<Fehler> Ausfuehrung::gelungen(const QByteArray& verb, const Antwort& antwort)
{
    if (antwort.status / 100 != 2)
        return statusfehler(verbindung_, verb, antwort);
    return mehrfachstatusPruefen(verb, antwort);
}

std::variant<Ausfuehrung::Stand, Fehler> Ausfuehrung::nachsehen(const QUrl& url)
{
    const Antwort jetzt = verbindung_.senden({"GET", url, {}, {}, einTermin}, sammlung_);
    if (jetzt.fehler)
        return *jetzt.fehler;
    if (jetzt.status == 404)
        return Stand{404, std::nullopt, std::nullopt};
    if (jetzt.status != 200)
        return statusfehler(verbindung_, "GET", jetzt);
    return Stand{200, gueltigesEtag(jetzt.etag), termin::lesen(jetzt.inhalt)};
}

Ergebnis Ausfuehrung::anlegen(QUrl url, qsizetype i, int ausweichen)
{
    const Soll& s = soll_[i];
    // A few names at most: each 412 here is a resource someone put there since the listing.
    for (int versuch = 0; versuch < 4; ++versuch) {
        const Antwort antwort = schreiben("PUT", url, s.inhalt, {"If-None-Match", "*"});
        if (antwort.fehler)
            return *antwort.fehler;
        if (antwort.status != 412) {
            if (const auto fehler = gelungen("PUT", antwort))
                return *fehler;
            if (ausweichen > 0)
                bericht_.ausgewichen.append({s.eintrag, url.path(QUrl::FullyDecoded).section(u'/', -1)});
            return Ausgang::Neu;
        }
        const auto jetzt = nachsehen(url);
        if (const Fehler* f = std::get_if<Fehler>(&jetzt))
            return *f;
        const Stand& stand = std::get<Stand>(jetzt);
        if (stand.status == 404)
            continue;
        if (stand.termin && stand.termin->uid == s.kennung.uid()) {
            // Another run made this very event meanwhile.
            if (wieGeschrieben(*stand.termin, s))
                return Ausgang::Unveraendert;
            return ersetzen(url, stand.etag, i);
        }
        url = url.resolved(QUrl(s.kennung.ressource(++ausweichen)));
    }
    return Fehler{Fehler::Art::GleichzeitigGeaendert, url.host(), anzeige(url), "PUT", 412, {}};
}

// A change and a removal are written on the ETag read. Where the server has none fit for a header,
// or answers 412, the event is read again; a second 412 is another writer's, and that one wins.
Ergebnis Ausfuehrung::ersetzen(const QUrl& url, std::optional<QByteArray> etag, qsizetype i)
{
    const Soll& s = soll_[i];
    for (int abgelehnt = 0;;) {
        if (etag) {
            const Antwort antwort = schreiben("PUT", url, s.inhalt, {"If-Match", *etag});
            if (antwort.fehler)
                return *antwort.fehler;
            if (antwort.status != 412) {
                if (const auto fehler = gelungen("PUT", antwort))
                    return *fehler;
                return Ausgang::Geaendert;
            }
            if (abgelehnt++ > 0)
                return Fehler{Fehler::Art::GleichzeitigGeaendert, url.host(), anzeige(url), "PUT", 412, {}};
        }
        const auto jetzt = nachsehen(url);
        if (const Fehler* f = std::get_if<Fehler>(&jetzt))
            return *f;
        const Stand& stand = std::get<Stand>(jetzt);
        if (stand.status == 404)
            return anlegen(url, i, 0);
        // Read only for want of an ETag, the event is the one the plan saw; after a 412 it is checked.
        if (abgelehnt > 0 && (!stand.termin || stand.termin->uid != s.kennung.uid()))
            return Fehler{Fehler::Art::FremderTermin, url.host(), anzeige(url), "PUT", 412, {}};
        if (abgelehnt > 0 && wieGeschrieben(*stand.termin, s))
            return Ausgang::Unveraendert;
        etag = stand.etag.value_or(QByteArrayLiteral("*"));
    }
}

Ergebnis Ausfuehrung::entfernen(const QUrl& url, std::optional<QByteArray> etag, const QString& uid)
{
    for (int abgelehnt = 0;;) {
        if (etag) {
            const Antwort antwort = schreiben("DELETE", url, {}, {"If-Match", *etag});
            if (antwort.fehler)
                return *antwort.fehler;
            if (antwort.status == 404)
                return Ausgang::Entfernt;
            if (antwort.status != 412) {
                if (const auto fehler = gelungen("DELETE", antwort))
                    return *fehler;
                return Ausgang::Entfernt;
            }
            if (abgelehnt++ > 0)
                return Fehler{Fehler::Art::GleichzeitigGeaendert, url.host(), anzeige(url), "DELETE", 412, {}};
        }
        const auto jetzt = nachsehen(url);
        if (const Fehler* f = std::get_if<Fehler>(&jetzt))
            return *f;
        const Stand& stand = std::get<Stand>(jetzt);
        if (stand.status == 404)
            return Ausgang::Entfernt;
        if (!stand.termin || stand.termin->uid != uid)
            return Fehler{Fehler::Art::FremderTermin, url.host(), anzeige(url), "DELETE", 412, {}};
        etag = stand.etag.value_or(QByteArrayLiteral("*"));
    }
}

} // namespace

QList<Soll> sollTermine(const QList<core::Eintrag>& eintraege, const Terminform& form)
{
    QList<Soll> soll;
    soll.reserve(eintraege.size());
    termin::Namenszaehler zaehler;
    for (const core::Eintrag& e : eintraege)
        zaehler.aufnehmen(e.id, e.Bezeichnung);
    const QHash<qint64, int> nummern = zaehler.nummern();
    for (const core::Eintrag& e : eintraege) {
        const termin::Kennung kennung(e.Bezeichnung, nummern.value(e.id, 1));
        termin::Jahrestermin t = termin::jahrestermin(e, kennung.uid(), termin::beginnImKalender(e),
                                                      termin::beschreibungImKalender(e), form.vorlauf);
        if (form.alterIm)
            t.vorkommen = termin::mitAlter(e, t.titel, *form.alterIm);
        const termin::Kalenderobjekt objekt = termin::kalenderobjekt(t);
        soll.append({t.titel, kennung, objekt.inhalt, objekt.kern});
    }
    return soll;
}

void ausfuehren(Verbindung& verbindung, const QUrl& sammlung, const Plan& plan, const QList<Soll>& soll,
                Bericht& bericht)
{
    Ausfuehrung a(verbindung, sammlung, soll, bericht);
    bericht.unveraendert += int(plan.unveraendert);
    for (const Schritt& s : plan.schritte) {
        Ergebnis ergebnis = Ausgang::Unveraendert;
        switch (s.art) {
        case Schritt::Art::Anlegen:
            ergebnis = a.anlegen(s.url, s.soll, s.ausweichen);
            break;
        case Schritt::Art::Ersetzen:
            ergebnis = a.ersetzen(s.url, s.etag, s.soll);
            break;
        case Schritt::Art::Entfernen:
            ergebnis = a.entfernen(s.url, s.etag, s.uid);
            break;
        }
        if (const Fehler* f = std::get_if<Fehler>(&ergebnis)) {
            if (f->beendetLauf()) {
                bericht.abbruch = *f;
                return;
            }
            if (s.art == Schritt::Art::Entfernen)
                bericht.nichtEntfernt.append({anzeige(s.url), *f});
            else
                bericht.fehlgeschlagen.append({soll[s.soll].eintrag, *f});
            continue;
        }
        switch (std::get<Ausgang>(ergebnis)) {
        case Ausgang::Neu:
            ++bericht.neu;
            break;
        case Ausgang::Geaendert:
            ++bericht.geaendert;
            if (s.anderswoGeaendert)
                bericht.wiederhergestellt.append(soll[s.soll].eintrag);
            break;
        case Ausgang::Entfernt:
            ++bericht.entfernt;
            break;
        case Ausgang::Unveraendert:
            ++bericht.unveraendert;
            break;
        }
    }
}

Bericht veroeffentlichen(Verbindung& verbindung, const QUrl& url, const QList<core::Eintrag>& eintraege,
                         const Terminform& form)
{
    Bericht bericht{alsSammlung(url)};
    const auto bereit = sammlungBereiten(verbindung, url);
    if (const Fehler* f = std::get_if<Fehler>(&bereit)) {
        bericht.abbruch = *f;
        return bericht;
    }
    const Sammlung sammlung = std::get<Sammlung>(bereit);
    bericht.sammlung = sammlung.url;
    Bestand bestand;
    if (!sammlung.neu) {
        auto gelesen = bestandLesen(verbindung, sammlung.url);
        if (const Fehler* f = std::get_if<Fehler>(&gelesen)) {
            bericht.abbruch = *f;
            return bericht;
        }
        bestand = std::move(std::get<Bestand>(gelesen));
    }
    bericht.uebergangen = bestand.uebergangen;
    const QList<Soll> soll = sollTermine(eintraege, form);
    ausfuehren(verbindung, sammlung.url, planen(sammlung.url, bestand.vorhanden, soll), soll, bericht);
    return bericht;
}

} // namespace caldav

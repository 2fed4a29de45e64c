// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vcard.h"

#include "bereinigen.h"
#include "datum.h"
#include "vcardzeile.h"
#include "zeichensatz.h"

#include <QHash>
#include <array>

namespace exchange {

namespace {

enum Datumsart { Geburtstag, Hochzeitstag, Todestag, anlaesse };
// Some address books write the year 1604 for a birthday without a year.
constexpr int platzhalterjahr = 1604;

// The values in no declared charset decide together for the whole file: what they showed so far
// is whether one holds UTF-8 and the first line whose value holds a byte that is no UTF-8.
struct Zeichenbefund {
    bool utf8 = false;
    int ersteUngueltige = 0;
};

struct Karte {
    Karte(int nummer, Zeichenbefund& befund) : nummer(nummer), befund(befund) {}
    int nummer;
    Zeichenbefund& befund;
    QString fn, n, nickname;
    std::array<QList<Eigenschaft>, anlaesse> daten;
    QHash<QByteArray, QString> etiketten; // X-ABLABEL by group
    QList<Eigenschaft> abDaten;           // X-ABDATE, an anniversary when its label says so
};

// The text of a value: quoted-printable or base64 decoded, then in its charset.
QString text(const Eigenschaft& e, Karte& k)
{
    const int karte = k.nummer;
    const QByteArray kodierung = e.parameterwert("ENCODING").toUpper();
    QByteArray bytes;
    if (kodierung == "QUOTED-PRINTABLE")
        bytes = qpDekodieren(e.wert);
    else if (kodierung == "B" || kodierung == "BASE64")
        bytes = QByteArray::fromBase64(e.wert);
    else if (kodierung.isEmpty() || kodierung == "8BIT" || kodierung == "7BIT")
        bytes = e.wert;
    else
        throw Abweisung(Abweisung::Art::KodierungUnbekannt).beiKarte(karte).mitWert(QString::fromLatin1(kodierung));

    const QByteArray charset = e.parameterwert("CHARSET");
    if (charset.isEmpty()) {
        const Utf8Befund utf8 = utf8Befund(bytes);
        k.befund.utf8 = k.befund.utf8 || utf8.mehrbyte;
        if (utf8.ungueltig >= 0 && (k.befund.ersteUngueltige == 0 || e.zeile < k.befund.ersteUngueltige))
            k.befund.ersteUngueltige = e.zeile;
    }
    const auto zs = charset.isEmpty() ? std::optional(Zeichensatz::Erkennen) : zeichensatz(charset);
    if (!zs)
        throw Abweisung(Abweisung::Art::ZeichensatzUnbekannt).beiKarte(karte).mitWert(QString::fromLatin1(charset));
    const auto ergebnis = dekodieren(bytes, *zs);
    if (!ergebnis)
        throw Abweisung(Abweisung::Art::KarteUnlesbar).beiKarte(karte);
    return *ergebnis;
}

// The card's name on one line; the card is reported when the name lost control characters.
QString name(const Karte& k, bool& bereinigt)
{
    const auto sauber = [&bereinigt](const QString& roh) {
        bool entfernt = false;
        QString name = einzeilig(roh, entfernt).simplified();
        bereinigt = bereinigt || (entfernt && !name.isEmpty());
        return name;
    };
    const QString fn = sauber(unmaskiert(k.fn));
    if (!fn.isEmpty())
        return fn;
    // N is family name; given names; further names; prefixes; suffixes. Each may list several.
    const QStringList n = teile(k.n, u';');
    const auto teil = [&n](int i) {
        QStringList namen;
        for (const QString& name : i < n.size() ? teile(n[i], u',') : QStringList())
            namen << unmaskiert(name);
        return namen.join(u' ');
    };
    const QString ausN = sauber(teil(1) + u' ' + teil(0));
    if (!ausN.isEmpty())
        return ausN;
    return sauber(unmaskiert(teile(k.nickname, u',').constFirst()));
}

// The date of a BDAY, ANNIVERSARY or similar, or why it gives none; `wert` is the value as given.
Datumsangabe datumAus(const Eigenschaft& e, Karte& karte, QString& wert)
{
    wert = text(e, karte).trimmed();
    if (e.parameterwert("VALUE").toUpper() == "TEXT")
        return {std::nullopt, Grund::DatumAlsText};
    Datumsangabe angabe = datumLesen(wert);
    if (!angabe.datum)
        return angabe;
    const QByteArray ohneJahr = e.parameterwert("X-APPLE-OMIT-YEAR");
    std::optional<int>& jahr = angabe.datum->jahr;
    if (jahr && (*jahr == platzhalterjahr || (!ohneJahr.isEmpty() && ohneJahr.toInt() == *jahr)))
        jahr.reset();
    return angabe;
}

bool istJahrestagsetikett(const QString& etikett)
{
    const QString e = etikett.toLower();
    return e.contains(QLatin1String("anniversary")) || e.contains(QLatin1String("jahrestag"))
        || e.contains(QLatin1String("hochzeitstag"));
}

void abschliessen(Karte& k, Gelesen& gelesen)
{
    bool bereinigt = false;
    const QString person = name(k, bereinigt);
    if (person.isEmpty()) {
        gelesen.auslassungen.append({k.nummer, {}, Grund::OhneNamen});
        return;
    }
    if (bereinigt)
        gelesen.hinweise.append({k.nummer, person, Grund::SteuerzeichenEntfernt});
    for (const Eigenschaft& e : std::as_const(k.abDaten)) {
        if (istJahrestagsetikett(k.etiketten.value(e.gruppe)))
            k.daten[Hochzeitstag].append(e);
    }
    bool mitDatum = false;
    for (int anlass = 0; anlass < anlaesse; ++anlass) {
        std::optional<Auslassung> ersterGrund;
        for (const Eigenschaft& e : std::as_const(k.daten[anlass])) {
            QString wert;
            const Datumsangabe angabe = datumAus(e, k, wert);
            if (angabe.datum) {
                const QString eintrag
                    = anlass == Geburtstag ? person : anlassname(exchange::Anlass(anlass)) + u' ' + person;
                gelesen.saetze.append({k.nummer,
                                       eintrag,
                                       angabe.datum->tag,
                                       angabe.datum->monat,
                                       angabe.datum->jahr,
                                       {},
                                       exchange::Anlass(anlass)});
                ersterGrund.reset();
                break;
            }
            if (!ersterGrund)
                ersterGrund = {k.nummer, person, angabe.grund, {}, exchange::Anlass(anlass), wert};
        }
        if (ersterGrund)
            gelesen.auslassungen.append(*ersterGrund);
        mitDatum = mitDatum || !k.daten[anlass].isEmpty();
    }
    if (!mitDatum)
        gelesen.auslassungen.append({k.nummer, person, Grund::OhneDatum});
}

void aufnehmen(Karte& k, const Eigenschaft& e)
{
    const QByteArray& n = e.name;
    if (n == "FN")
        k.fn = text(e, k);
    else if (n == "N")
        k.n = text(e, k);
    else if (n == "NICKNAME")
        k.nickname = text(e, k);
    else if (n == "BDAY")
        k.daten[Geburtstag].append(e);
    else if (n == "ANNIVERSARY" || n == "X-ANNIVERSARY" || n == "X-EVOLUTION-ANNIVERSARY")
        k.daten[Hochzeitstag].append(e);
    else if (n == "DEATHDATE")
        k.daten[Todestag].append(e);
    else if (n == "X-ABDATE")
        k.abDaten.append(e);
    else if (n == "X-ABLABEL")
        k.etiketten.insert(e.gruppe, text(e, k));
}

bool ist(QByteArrayView zeile, const char* kennung)
{
    return zeile.trimmed().compare(QByteArrayView(kennung), Qt::CaseInsensitive) == 0;
}

} // namespace

QString anlassname(Anlass anlass)
{
    switch (anlass) {
    case Anlass::Hochzeitstag:
        return QStringLiteral("Hochzeitstag");
    case Anlass::Todestag:
        return QStringLiteral("Todestag");
    default:
        return QStringLiteral("Geburtstag");
    }
}

Gelesen vcardLesen(QByteArrayView inhalt)
{
    Gelesen gelesen;
    gelesen.quelle = Gelesen::Quelle::Karte;
    std::optional<Karte> karte;
    int karten = 0;
    Zeilenleser leser(inhalt);
    QByteArray zeile;
    int nummer = 0;
    Eigenschaft e;
    Zeichenbefund befund;
    while (leser.naechste(zeile, nummer)) {
        if (ist(zeile, "BEGIN:VCARD")) {
            if (karte)
                throw Abweisung(Abweisung::Art::KarteUnvollstaendig).beiKarte(karte->nummer).inZeile(nummer);
            karte.emplace(++karten, befund);
        } else if (ist(zeile, "END:VCARD")) {
            if (!karte)
                throw Abweisung(Abweisung::Art::EndeOhneBeginn).inZeile(nummer);
            abschliessen(*karte, gelesen);
            karte.reset();
        } else if (karte) {
            // A line without a colon (a base64 continuation of vCard 2.1) holds nothing needed here.
            e.zeile = nummer;
            if (eigenschaftLesen(std::move(zeile), e))
                aufnehmen(*karte, e);
        } else if (!QByteArrayView(zeile).trimmed().isEmpty()) {
            throw Abweisung(Abweisung::Art::AusserhalbKarte).inZeile(nummer);
        }
    }
    if (karte)
        throw Abweisung(Abweisung::Art::EndetInKarte).beiKarte(karte->nummer);
    if (befund.utf8 && befund.ersteUngueltige > 0)
        throw Abweisung(Abweisung::Art::GemischteKodierung).inZeile(befund.ersteUngueltige);
    return gelesen;
}

} // namespace exchange

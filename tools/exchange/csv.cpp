// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csv.h"

#include "bereinigen.h"
#include "csvzerleger.h"
#include "datum.h"
#include "zeichensatz.h"

#include "core/steuerzeichen.h"
#include "store/schema.h"

#include <QHash>
#include <QStringBuilder>
#include <algorithm>
#include <array>
#include <utility>

namespace exchange {

namespace {

enum Spalte { Name, Vorname, Nachname, Tag, Monat, Jahr, Datum_, Bemerkungen, spalten };

Spalte spalteZu(const QString& kopf)
{
    static const QHash<QString, Spalte> namen = [] {
        QHash<QString, Spalte> n;
        const auto setzen = [&n](Spalte s, std::initializer_list<const char*> woerter) {
            for (const char* w : woerter)
                n.insert(QString::fromUtf8(w), s);
        };
        setzen(Name, {"bezeichnung", "name", "vollständiger name", "anzeigename", "full name", "display name"});
        setzen(Vorname, {"vorname", "first name", "given name"});
        setzen(Nachname, {"nachname", "familienname", "last name", "family name", "surname"});
        setzen(Tag, {"tag", "day"});
        setzen(Monat, {"monat", "month"});
        setzen(Jahr, {"jahr", "year"});
        setzen(Datum_, {"geburtstag", "geburtsdatum", "datum", "birthday", "date of birth", "birth date", "date"});
        setzen(Bemerkungen,
               {"bemerkungen", "bemerkung", "notiz", "notizen", "anmerkungen", "kommentar", "notes", "note", "remarks",
                "comment"});
        return n;
    }();
    return namen.value(kopf.trimmed().toLower(), spalten);
}

// A whole number in a field; 0 for an empty field, none for anything else.
std::optional<int> zahl(const QString& feld)
{
    bool ok = false;
    const int wert = feld.trimmed().toInt(&ok);
    return feld.trimmed().isEmpty() ? std::optional(0) : ok ? std::optional(wert) : std::nullopt;
}

QString feldtext(const QString& wert)
{
    static const QString besondere = QStringLiteral(",;\"\r\n");
    QString text = formelartig(wert) ? u'\'' + wert : wert;
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return besondere.contains(c); }))
        return text;
    return u'"' % text.replace(u'"', QStringLiteral("\"\"")) % u'"';
}

// The line of an offset, from 1; lines end in LF, CR LF or CR.
int zeileBei(QByteArrayView inhalt, qsizetype stelle)
{
    int zeile = 1;
    for (qsizetype i = 0; i < stelle; ++i)
        zeile += inhalt[i] == '\n' || (inhalt[i] == '\r' && inhalt[i + 1] != '\n');
    return zeile;
}

} // namespace

Gelesen csvLesen(QByteArray inhalt)
{
    if (const Utf8Befund befund = utf8Befund(inhalt); befund.mehrbyte && befund.ungueltig >= 0)
        throw Abweisung(Abweisung::Art::GemischteKodierung).inZeile(zeileBei(inhalt, befund.ungueltig));
    const auto text = dekodieren(inhalt);
    if (!text)
        throw Abweisung(Abweisung::Art::UnbekannteKodierung);
    inhalt = QByteArray(); // the text holds it all now
    Zerleger zerleger(*text);
    Zerleger::Datensatz datensatz;
    std::array<qsizetype, spalten> spalte;
    spalte.fill(-1);
    std::array<QString, spalten> kopfnamen; // as the file names them, for the reasons
    zerleger.naechster(
        datensatz, [](qsizetype) { return true; },
        [&](qsizetype i, QString&& feld) {
            if (const Spalte s = spalteZu(feld); s != spalten && spalte[s] < 0) {
                spalte[s] = i;
                kopfnamen[s] = feld.trimmed();
            }
        });
    const bool mitName = spalte[Name] >= 0 || spalte[Vorname] >= 0 || spalte[Nachname] >= 0;
    const bool mitDatum = (spalte[Tag] >= 0 && spalte[Monat] >= 0) || spalte[Datum_] >= 0;
    if (!mitName || !mitDatum)
        throw Abweisung(mitName ? Abweisung::Art::KeineDatumsspalte : Abweisung::Art::KeineNamensspalte);

    // Only the fields of the columns named above are kept.
    QHash<qsizetype, Spalte> zuSpalte;
    for (int s = 0; s < spalten; ++s) {
        if (spalte[s] >= 0)
            zuSpalte.insert(spalte[s], Spalte(s));
    }
    std::array<QString, spalten> felder;
    const auto gebraucht = [&zuSpalte](qsizetype i) { return zuSpalte.contains(i); };
    const auto nehmen = [&](qsizetype i, QString&& feld) { felder[zuSpalte.value(i)] = std::move(feld); };

    Gelesen gelesen;
    gelesen.quelle = Gelesen::Quelle::Zeile;
    while (zerleger.naechster(datensatz, gebraucht, nehmen)) {
        const std::array<QString, spalten> feld = std::exchange(felder, {});
        const int zeile = datensatz.zeile;
        if (datensatz.leer)
            continue;
        bool entfernt = false;
        Satz satz{zeile,        einzeilig(feld[Name], entfernt).trimmed(), 0, 0,
                  std::nullopt, mehrzeilig(feld[Bemerkungen], entfernt)};
        if (satz.name.isEmpty())
            satz.name = (einzeilig(feld[Vorname], entfernt) + u' ' + einzeilig(feld[Nachname], entfernt)).simplified();
        if (entfernt)
            gelesen.hinweise.append({zeile, satz.name, Grund::SteuerzeichenEntfernt});
        std::optional<Auslassung> auslassung;
        if (spalte[Tag] >= 0 && spalte[Monat] >= 0) {
            std::array<int, 3> werte{};
            for (const Spalte s : {Tag, Monat, Jahr}) {
                const auto wert = zahl(feld[s]);
                if (!wert && !auslassung)
                    auslassung = {zeile, satz.name, Grund::KeineGanzeZahl, kopfnamen[s], {}, feld[s].trimmed()};
                werte[s - Tag] = wert.value_or(0);
            }
            satz.tag = werte[0];
            satz.monat = werte[1];
            if (werte[2] != 0)
                satz.jahr = werte[2];
        } else if (const QString datum = feld[Datum_].trimmed(); !datum.isEmpty()) {
            const Datumsangabe angabe = datumLesen(datum);
            if (angabe.datum) {
                satz.tag = angabe.datum->tag;
                satz.monat = angabe.datum->monat;
                satz.jahr = angabe.datum->jahr;
            } else {
                auslassung = {zeile, satz.name, angabe.grund, kopfnamen[Datum_], {}, datum};
            }
        }
        if (auslassung)
            gelesen.auslassungen.append(*auslassung);
        else
            gelesen.saetze.append(satz);
    }
    return gelesen;
}

QByteArray csvKopf()
{
    QStringList kopf;
    for (const char* name : store::feldnamen)
        kopf << QString::fromLatin1(name);
    return (kopf.join(u',') + QStringLiteral("\r\n")).toUtf8();
}

QByteArray csvZeile(const core::Eintrag& e)
{
    // A record another program stored may hold anything: no control character goes out.
    const QString zeile = feldtext(core::einzeilig(e.Bezeichnung)) % u',' % feldtext(QString::number(e.tag)) % u','
        % feldtext(QString::number(e.monat)) % u',' % (e.jahr ? feldtext(QString::number(*e.jahr)) : QString()) % u','
        % feldtext(core::mehrzeilig(e.Bemerkungen)) % QStringLiteral("\r\n");
    return zeile.toUtf8();
}

} // namespace exchange

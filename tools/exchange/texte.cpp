// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texte.h"

#include "bereinigen.h"
#include "eingabe.h"
#include "vcard.h"

#include "core/eintrag.h"

#include <algorithm>

namespace exchange {

namespace {

QString stellenart(Gelesen::Quelle quelle)
{
    return quelle == Gelesen::Quelle::Karte ? QStringLiteral("Karte") : QStringLiteral("Zeile");
}

constexpr qint64 mb = 1024 * 1024;

} // namespace

QString meldung(const Abweisung& a)
{
    using Art = Abweisung::Art;
    switch (a.art) {
    case Art::DateiFehlt:
        return QStringLiteral("Die Datei gibt es nicht.");
    case Art::KeineDatei:
        return QStringLiteral("Das ist keine Datei.");
    case Art::ZuGross:
        return QStringLiteral("Die Datei ist %1 MB groß; gelesen werden Dateien bis %2 MB.")
            .arg((a.groesse + mb - 1) / mb) // never "64 MB; bis 64 MB"
            .arg(hoechstgroesse / mb);
    case Art::Unlesbar:
        return QStringLiteral("Die Datei kann nicht gelesen werden: %1.").arg(a.wert);
    case Art::Gewachsen:
        return QStringLiteral("Die Datei ist größer als %1 MB.").arg(hoechstgroesse / mb);
    case Art::Utf16:
        return QStringLiteral("Die Datei ist in UTF-16 geschrieben, einer Kodierung, die hier nicht gelesen wird. "
                              "Speichern Sie sie als UTF-8.");
    case Art::KeinText:
        return QStringLiteral("Die Datei ist keine Textdatei; sie enthält Steuerzeichen, wie sie in Programmen und "
                              "Bildern vorkommen.");
    case Art::Leer:
        return QStringLiteral("Die Datei ist leer.");
    case Art::UnbekannteKodierung:
        return QStringLiteral("Die Datei ist in einer unbekannten Kodierung geschrieben (weder UTF-8 noch "
                              "Windows-1252).");
    case Art::GemischteKodierung:
        return QStringLiteral("Die Datei mischt zwei Kodierungen: Sie enthält UTF-8, aber in Zeile %1 stehen Zeichen, "
                              "die kein UTF-8 sind. Speichern Sie die Datei ganz als UTF-8.")
            .arg(a.zeile);
    case Art::KeineNamensspalte:
    case Art::KeineDatumsspalte:
        return QStringLiteral("Die erste Zeile nennt keine Spalte für %1. Erwartet wird eine vCard-Datei oder eine "
                              "CSV-Datei, deren erste Zeile die Spalten benennt, etwa "
                              "„Bezeichnung,tag,monat,jahr,Bemerkungen“ oder „Name;Geburtstag;Notizen“.")
            .arg(a.art == Art::KeineNamensspalte ? QStringLiteral("den Namen") : QStringLiteral("das Datum"));
    case Art::AnfuehrungOffen:
        return QStringLiteral("Zeile %1: Ein Feld in Anführungszeichen wird nie geschlossen; die Datei ist wohl "
                              "unvollständig.")
            .arg(a.zeile);
    case Art::KodierungUnbekannt:
        return QStringLiteral("Karte %1 verwendet die unbekannte Kodierung „%2“ (bekannt sind QUOTED-PRINTABLE und "
                              "BASE64).")
            .arg(a.karte)
            .arg(zitat(a.wert));
    case Art::ZeichensatzUnbekannt:
        return QStringLiteral("Karte %1 ist im Zeichensatz „%2“ geschrieben, den das Programm nicht kennt (bekannt "
                              "sind UTF-8, Windows-1252 und ISO-8859-1).")
            .arg(a.karte)
            .arg(zitat(a.wert));
    case Art::KarteUnlesbar:
        return QStringLiteral("Karte %1 enthält Zeichen in einer unbekannten Kodierung (weder UTF-8 noch "
                              "Windows-1252).")
            .arg(a.karte);
    case Art::KarteUnvollstaendig:
        return QStringLiteral("Karte %1 ist unvollständig: ihr fehlt END:VCARD, und in Zeile %2 beginnt schon die "
                              "nächste Karte.")
            .arg(a.karte)
            .arg(a.zeile);
    case Art::EndeOhneBeginn:
        return QStringLiteral("Zeile %1: END:VCARD ohne vorangehendes BEGIN:VCARD.").arg(a.zeile);
    case Art::AusserhalbKarte:
        return QStringLiteral("Zeile %1 steht außerhalb einer Karte (BEGIN:VCARD bis END:VCARD).").arg(a.zeile);
    case Art::EndetInKarte:
        break;
    }
    return QStringLiteral("Die Datei endet mitten in Karte %1 (END:VCARD fehlt); sie ist wohl unvollständig.")
        .arg(a.karte);
}

QString grundtext(Gelesen::Quelle quelle, const Auslassung& a)
{
    // A date or a number, named by its column or, on a card, by the date it is.
    const auto wert = [&a](const char* warum) {
        return QStringLiteral("%1 „%2“ %3")
            .arg(a.spalte.isEmpty() ? anlassname(a.anlass) : zitat(a.spalte), zitat(a.wert), QString::fromUtf8(warum));
    };
    switch (a.grund) {
    case Grund::OhneBezeichnung:
        return QStringLiteral("ohne Bezeichnung");
    case Grund::ZuLang:
        return QStringLiteral("die Bezeichnung ist länger als %1 Zeichen").arg(core::laengsteBezeichnung);
    case Grund::OhneTagOderMonat:
        return QStringLiteral("ohne Tag oder Monat");
    case Grund::TagGibtEsNicht:
        return QStringLiteral("den %1.%2. gibt es in keinem Jahr")
            .arg(a.tag, 2, 10, QLatin1Char('0'))
            .arg(a.monat, 2, 10, QLatin1Char('0'));
    case Grund::SchonImBuch:
        return QStringLiteral("diese Bezeichnung gibt es schon im Gedenkbuch");
    case Grund::SchonInDatei:
        return QStringLiteral("diese Bezeichnung kam schon in %1 %2 vor").arg(stellenart(quelle)).arg(a.frueher);
    case Grund::OhneNamen:
        return QStringLiteral("ohne Namen (weder FN noch N noch NICKNAME)");
    case Grund::OhneDatum:
        return QStringLiteral("kein Geburtstag, Hochzeitstag oder Todestag");
    case Grund::DatumAlsText:
        return wert("ist als Text angegeben, nicht als Datum");
    case Grund::DatumUnvollstaendig:
        return wert("nennt nicht Tag und Monat");
    case Grund::DatumUnlesbar:
        return wert("ist kein lesbares Datum");
    case Grund::KeineGanzeZahl:
        return wert("ist keine ganze Zahl");
    case Grund::SteuerzeichenEntfernt:
        break;
    }
    return QStringLiteral("Steuerzeichen entfernt");
}

QString beschreibung(Gelesen::Quelle quelle, const Auslassung& a)
{
    const QString stelle = QStringLiteral("%1 %2").arg(stellenart(quelle)).arg(a.stelle);
    if (a.name.isEmpty())
        return QStringLiteral("%1: %2").arg(stelle, grundtext(quelle, a));
    return QStringLiteral("%1 („%2“): %3").arg(stelle, zitat(a.name), grundtext(quelle, a));
}

QStringList bericht(Gelesen::Quelle quelle, const Auswahl& auswahl)
{
    // A record's remark comes before its reasons for being skipped.
    QList<Auslassung> zeilen = auswahl.hinweise + auswahl.auslassungen;
    std::stable_sort(zeilen.begin(), zeilen.end(),
                     [](const Auslassung& a, const Auslassung& b) { return a.stelle < b.stelle; });
    QStringList texte;
    for (const Auslassung& a : std::as_const(zeilen))
        texte << beschreibung(quelle, a);
    return texte;
}

} // namespace exchange

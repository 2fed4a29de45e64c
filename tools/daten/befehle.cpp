// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The subcommands of gedenkbuch-daten as the command line, the help and the usage lines know them.
#include "befehl.h"

namespace {

const Wertart tagesdatum{Wertart::Datum};
const Option datum{"datum", "DATUM", "rechnet ab diesem Tag statt ab heute (JJJJ-MM-TT oder TT.MM.JJJJ)", "der Tag",
                   tagesdatum};
const Option vorlauftage{"tage",
                         "N",
                         "zeigt auch die N folgenden Tage (0 bis 30, ohne Angabe 1)",
                         "die Zahl der Tage",
                         {Wertart::Zahl, 0, 30}};

} // namespace

const QList<Unterbefehl>& unterbefehle()
{
    using Buch = Unterbefehl::Buch;
    static const QList<Unterbefehl> alle = {
        {"neu", "legt eine leere daten.mdb an; eine vorhandene bleibt unberührt.", {}, {}, Buch::Neu, neu},
        {"heute",
         "zeigt die Einträge von heute und den TAGE folgenden Tagen (ohne Angabe 2, höchstens 365),\n"
         "einen Block je Tag mit Einträgen; mit --datum (JJJJ-MM-TT oder TT.MM.JJJJ) ab diesem Tag.",
         {datum},
         {{"TAGE", {Wertart::Zahl, 0, 365}, false}},
         Buch::Vorhanden,
         heute},
        {"erinnern",
         "zeigt die Einträge von heute und den N folgenden Tagen (ohne Angabe 1: heute und morgen,\n"
         "höchstens 30) als eine Benachrichtigung auf dem Bildschirm, einen Block je Tag mit seiner\n"
         "Überschrift; ohne Einträge geschieht nichts.",
         {vorlauftage, datum},
         {},
         Buch::Vorhanden,
         erinnern},
        {"anmeldung",
         "legt fest, was beim Anmelden geschieht: die Benachrichtigung (erinnern, mit --tage N wie\n"
         "„erinnern --tage N“) für die daten.mdb in ORDNER, ohne --ordner für die im persönlichen\n"
         "Datenordner; das Fenster (fenster); oder nichts (aus).",
         {vorlauftage},
         {{"ART", {Wertart::Auswahl, 0, 0, {"erinnern", "fenster", "aus"}}}},
         Buch::Keins,
         anmeldung},
        {"import",
         "übernimmt die Einträge einer vCard-Datei (2.1, 3.0, 4.0) oder einer CSV-Datei mit Kopfzeile,\n"
         "alle in einem Zug oder gar keinen. Ein Geburtstag heißt wie der Kontakt, ein Hochzeitstag\n"
         "„Hochzeitstag NAME“, ein Todestag „Todestag NAME“. Übersprungen wird, was keine Bezeichnung,\n"
         "keinen Tag oder Monat hat, einen Tag, den es im Monat nie gibt, oder eine Bezeichnung, die\n"
         "es schon gibt; die Zusammenfassung nennt Karte oder Zeile und den Grund.\n"
         "--probe zeigt nur, was geschähe, und schreibt nichts.\n"
         "Status: 0 alles übernommen, 3 einiges übersprungen, 4 nichts übernommen, 1 abgewiesen.",
         {{"probe", nullptr, "zeigt nur, was geschähe, und schreibt nichts", nullptr}},
         {{"DATEI"}},
         Buch::Vorhanden,
         importieren},
        {"export",
         "gibt die Einträge in Kalenderfolge aus: als CSV-Tabelle (UTF-8) oder als iCalendar-Datei mit\n"
         "einem jährlichen ganztägigen Termin je Eintrag. Ohne --datei auf die Standardausgabe; eine\n"
         "vorhandene Datei wird nicht überschrieben. Aus einer beschädigten Datei gibt es aus, was noch\n"
         "lesbar ist, und endet mit Status 1.",
         {{"format",
           "FORMAT",
           "CSV-Tabelle oder iCalendar-Datei",
           "das Format",
           {Wertart::Auswahl, 0, 0, {"csv", "ics"}},
           true},
          {"datei", "DATEI", "schreibt in die neue Datei DATEI statt auf die Standardausgabe", "der Name der Datei"}},
         {},
         Buch::Vorhanden,
         exportieren},
        {"sichern",
         "schreibt eine Kopie von daten.mdb mit demselben Kennwort in die neue Datei ZIEL und prüft sie;\n"
         "das geht auch, während das Programm läuft.",
         {},
         {{"ZIEL"}},
         Buch::Vorhanden,
         sichern},
        {"pruefen",
         "prüft daten.mdb gründlich und nennt die Zahl der Einträge.\n"
         "Status: 0 in Ordnung, 5 beschädigt oder keine Gedenkbuch-Datenbank.",
         {},
         {},
         Buch::Vorhanden,
         pruefen},
        {"kalender",
         "veröffentlicht die Einträge im CalDAV-Kalender unter URL, einen jährlichen ganztägigen\n"
         "Termin je Eintrag, und legt den Kalender an, wenn es ihn nicht gibt. Geändert wird nur, was\n"
         "sich unterscheidet; fremde Termine bleiben unberührt. --vorlauf TAGE (0 bis 365) erinnert\n"
         "um 9 Uhr TAGE Tage vorher. Name und Kennwort stehen in ~/.netrc (machine SERVER login NAME\n"
         "password KENNWORT), die nur Sie lesen dürfen (chmod 600 ~/.netrc). Nur https, unverschlüsselt\n"
         "(http) nur zum eigenen Rechner. --alter zeigt an den Tagen dieses und des nächsten Jahres das\n"
         "Alter, das der Eintrag erreicht: „Anna Berg (41)“; ein täglicher Lauf hält es aktuell.\n"
         "Der Kalender zeigt das Gedenkbuch: Änderungen an diesen Terminen anderswo nimmt der nächste\n"
         "Lauf zurück; ändern Sie den Eintrag im Gedenkbuch.",
         {{"vorlauf",
           "TAGE",
           "erinnert um 9 Uhr TAGE Tage vorher (0 bis 365)",
           "die Zahl der Tage",
           {Wertart::Zahl, 0, 365}},
          {"alter", nullptr, "zeigt in diesem und im nächsten Jahr das erreichte Alter", nullptr},
          datum},
         {{"URL"}},
         Buch::Vorhanden,
         kalender},
        {"drucken",
         "schreibt die Einträge als PDF zum Ausdrucken in die neue Datei DATEI, mit der Schrift DejaVu\n"
         "Sans in der Datei. Ohne --ewig ist es die Jahresübersicht des Jahres JAHR (1583 bis 9999, ohne\n"
         "Angabe das laufende) auf einer A4-Seite quer: eine Spalte je Monat, eine Zeile je Tag,\n"
         "Samstage und Sonntage grau, jeder Eintrag mit dem Alter, das er in JAHR erreicht. Mit --ewig\n"
         "ist es ein immerwährender Geburtstagskalender: zwölf A4-Seiten, je Monat eine mit einer Zeile\n"
         "für jeden Tag, den der Monat haben kann, ohne Wochentage, jeder Eintrag mit seinem\n"
         "Geburtsjahr. Was in einem Feld keinen Platz hat, zählt „+N“. Eine vorhandene Datei wird nicht\n"
         "überschrieben; aus einer Datei, die sich nicht ganz lesen lässt, wird nichts gedruckt.",
         {{"jahr",
           "JAHR",
           "das Jahr der Übersicht (1583 bis 9999, ohne Angabe das laufende)",
           "das Jahr",
           {Wertart::Zahl, 1583, 9999}},
          {"ewig", nullptr, "immerwährender Kalender statt der Übersicht eines Jahres", nullptr},
          {"datei", "DATEI", "die neue PDF-Datei", "der Name der Datei", {}, true}},
         {},
         Buch::Vorhanden,
         drucken},
        {"kontakte",
         "übernimmt die Geburtstage, Hochzeitstage und Todestage des CardDAV-Adressbuchs unter URL nach\n"
         "den Regeln von import und hält sie mit ihm in Schritt: Eine geänderte Karte ändert ihren\n"
         "Eintrag, eine gelöschte entfernt ihn, solange der Eintrag hält, was der letzte Lauf schrieb;\n"
         "was Sie im Gedenkbuch geändert haben, gilt und wird genannt. Gelesen werden nur die\n"
         "Änderungen seit dem letzten Lauf. --probe zeigt nur, was geschähe, und schreibt nichts.\n"
         "Name und Kennwort stehen in ~/.netrc wie bei kalender.",
         {{"probe", nullptr, "zeigt nur, was geschähe, und schreibt nichts", nullptr}},
         {{"URL"}},
         Buch::Vorhanden,
         kontakteAbgleichen},
    };
    return alle;
}

QDate datumLesen(const QString& text)
{
    return text.contains(u'.') ? QDate::fromString(text, QStringLiteral("d.M.yyyy"))
                               : QDate::fromString(text, Qt::ISODate);
}

QDate Aufruf::datum() const
{
    return gesetzt("datum") ? werte.value(QStringLiteral("datum")).toDate() : QDate::currentDate();
}

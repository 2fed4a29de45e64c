// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten drucken [--jahr JAHR] [--ewig] --datei DATEI`: the year overview or the
// perpetual calendar as a PDF. The work is the druck library's.
#include "befehl.h"

#include "druck/drucken.h"

namespace daten {

namespace {

class Drucken final : public Buchbefehl {
public:
    Drucken() : Buchbefehl("drucken")
    {
        beschreibung_
            = QStringLiteral(
                  "schreibt die Einträge als PDF zum Ausdrucken in die neue Datei DATEI, mit der Schrift DejaVu\n"
                  "Sans in der Datei. Ohne --ewig ist es die Jahresübersicht des Jahres JAHR (%1 bis %2, ohne\n"
                  "Angabe das laufende) auf einer A4-Seite quer: eine Spalte je Monat, eine Zeile je Tag,\n"
                  "Samstage und Sonntage grau, jeder Eintrag mit dem Alter, das er in JAHR erreicht. Mit --ewig\n"
                  "ist es ein immerwährender Geburtstagskalender: zwölf A4-Seiten, je Monat eine mit einer Zeile\n"
                  "für jeden Tag, den der Monat haben kann, ohne Wochentage, jeder Eintrag mit seinem\n"
                  "Geburtsjahr. Was in einem Feld keinen Platz hat, zählt „+N“. Eine vorhandene Datei wird nicht\n"
                  "überschrieben; aus einer Datei, die sich nicht ganz lesen lässt, wird nichts gedruckt.")
                  .arg(jahr.von())
                  .arg(jahr.bis());
    }

    QString widerspruch() const override
    {
        return ewig.gesetzt() && jahr.gesetzt()
            ? QStringLiteral("--jahr gilt nur für die Jahresübersicht; der immerwährende Kalender hat kein Jahr.")
            : QString();
    }

    int mitBuch(Kontext& k) override
    {
        const druck::Ergebnis ergebnis = druck::drucken(
            {buch(), datei.wert(), ewig.gesetzt() ? druck::Art::Immerwaehrend : druck::Art::Jahresuebersicht,
             jahr.gesetzt() ? jahr.wert() : k.heute.year()});
        if (ergebnis.geschrieben)
            k.aus << ergebnis.bericht << Qt::endl;
        for (const QString& meldung : ergebnis.meldungen)
            k.fehler << meldung << Qt::endl;
        return ergebnis.geschrieben ? Erfolg : Fehlschlag;
    }

private:
    // The first full year of the Gregorian calendar on.
    Zahl jahr{this,
              Option{"jahr", "JAHR", "das Jahr der Übersicht ({von} bis {bis}, ohne Angabe das laufende)", "das Jahr"},
              1583, 9999};
    Schalter ewig{this, "ewig", "immerwährender Kalender statt der Übersicht eines Jahres"};
    Text datei{this, Option{"datei", "DATEI", "die neue PDF-Datei", "der Name der Datei", true}};
};

} // namespace

std::unique_ptr<Befehl> drucken()
{
    return std::make_unique<Drucken>();
}

} // namespace daten

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fehlertexte.h"

#include <cerrno>

namespace core {

namespace {

using Art = store::StoreError::Art;
using Vorgang = store::StoreError::Vorgang;

QString vorgang(const store::StoreError::Angaben& a)
{
    switch (a.vorgang) {
    case Vorgang::Oeffnen:
        return QStringLiteral("Öffnen der Datei");
    case Vorgang::Kennwort:
        return QStringLiteral("Setzen des Kennworts");
    case Vorgang::Vorbereiten:
        return QStringLiteral("Vorbereiten einer Abfrage");
    case Vorgang::Uebergeben:
        return QStringLiteral("Übergeben eines Wertes");
    case Vorgang::Ausfuehren:
        return QStringLiteral("Ausführen von „%1“").arg(a.anweisung);
    case Vorgang::Sichern:
    case Vorgang::KopiePruefen:
        return QStringLiteral("Sichern");
    default:
        return QStringLiteral("Zugriff auf die Datei");
    }
}

QString beschaedigt(const store::StoreError::Angaben& a)
{
    switch (a.vorgang) {
    case Vorgang::Sichern:
        return QStringLiteral("Die Datei %1 ist beschädigt; eine Sicherung lässt sich von ihr nicht anlegen.")
            .arg(a.pfad);
    case Vorgang::KopiePruefen:
        return QStringLiteral("Die Datei %1 ist beschädigt; die Prüfung der Kopie fand Fehler, und eine Sicherung "
                              "wurde nicht angelegt.")
            .arg(a.pfad);
    default:
        return QStringLiteral("Die Datei %1 ist beschädigt.").arg(a.pfad);
    }
}

QString vorhanden(const store::StoreError::Angaben& a)
{
    switch (a.vorhanden) {
    case store::StoreError::Gegenstand::Verknuepfung:
        return QStringLiteral("Unter dem Namen %1 liegt schon eine Verknüpfung. Sie wird nicht überschrieben.")
            .arg(a.pfad);
    case store::StoreError::Gegenstand::Ordner:
        return QStringLiteral("Unter dem Namen %1 liegt schon ein Ordner.").arg(a.pfad);
    case store::StoreError::Gegenstand::Datei:
        return QStringLiteral("Die Datei %1 existiert schon. Sie wird nicht überschrieben.").arg(a.pfad);
    default:
        return QStringLiteral("Die Datei %1 existiert schon.").arg(a.pfad);
    }
}

QString falscheForm(const store::StoreError::Angaben& a)
{
    using Form = store::StoreError::Form;
    const QString form = a.form == Form::Sicht ? QStringLiteral("ist eine Sicht und keine Tabelle")
        : a.form == Form::OhneNummern
        ? QStringLiteral("ist ohne Nummern für ihre Einträge angelegt (WITHOUT ROWID)")
        : QStringLiteral("hat ein eigenes Feld rowid, das die Nummern der Einträge verdeckt");
    return QStringLiteral("Die Tabelle Gedenkbuch in der Datei %1 %2. Mit einer solchen Tabelle kann das Programm "
                          "nicht arbeiten.")
        .arg(a.pfad, form);
}

} // namespace

QString meldung(const store::StoreError& fehler)
{
    const store::StoreError::Angaben& a = fehler.angaben();
    switch (fehler.art()) {
    case Art::DateiFehlt:
        return QStringLiteral("Die Datei %1 gibt es nicht.").arg(a.pfad);
    case Art::KeineDatei:
        return QStringLiteral("Unter dem Namen %1 liegt ein Ordner und keine Datei.").arg(a.pfad);
    case Art::NichtLesbar:
        return QStringLiteral("Die Datei %1 darf nicht gelesen werden; es fehlt die Berechtigung.").arg(a.pfad);
    case Art::LeereDatei:
        return QStringLiteral("Die Datei %1 ist leer und damit keine Datenbank dieses Programms.").arg(a.pfad);
    case Art::KeineDatenbank:
        return QStringLiteral("Die Datei %1 ist keine Datenbank dieses Programms, oder sie ist mit einem anderen "
                              "Kennwort geschützt.")
            .arg(a.pfad);
    case Art::OhneVerschluesselung:
        return QStringLiteral("Die Verschlüsselung der Datenbank steht nicht zur Verfügung.");
    case Art::Beschaedigt:
        return beschaedigt(a);
    case Art::TabelleFehlt:
        return QStringLiteral("Die Datei %1 enthält keine Tabelle Gedenkbuch mit dem Feld %2.").arg(a.pfad, a.feld);
    case Art::FalscheForm:
        return falscheForm(a);
    case Art::KeinAktuellerDatensatz:
        return QStringLiteral("Es gibt keinen aktuellen Datensatz.");
    case Art::EintragWeg:
        return QStringLiteral("Den Eintrag gibt es nicht mehr; er wurde inzwischen gelöscht.");
    case Art::KeinEintrag:
        return QStringLiteral("Der Eintrag hat keine Bezeichnung, keinen Tag oder keinen Monat mehr; ein anderes "
                              "Programm hat ihn geändert.");
    case Art::Veraendert:
        return QStringLiteral("Ein anderes Programm hat den Eintrag geändert, gelöscht oder durch einen anderen "
                              "ersetzt, seit er hier angezeigt wurde.");
    case Art::FalscheWertart:
        return QStringLiteral("Das Feld %1 nimmt keinen Wert der Art „%2“ auf.").arg(a.feld, a.wertart);
    case Art::KeineBearbeitung:
        return a.vorgang == Vorgang::FeldSchreiben
            ? QStringLiteral("Ein Feld kann nur nach AddNew oder Edit geschrieben werden.")
            : QStringLiteral("Es gibt keinen neuen oder geänderten Datensatz zu speichern.");
    case Art::Gesperrt:
        return QStringLiteral("Die Datei %1 wird gerade von einem anderen Programm benutzt. Bitte versuchen Sie es "
                              "gleich noch einmal.")
            .arg(a.pfad);
    case Art::HalbeAenderung:
        return QStringLiteral("Die Datei %1 ist schreibgeschützt. Ein Programm, das sie beim Schreiben abgebrochen "
                              "hat, hinterließ eine halbe Änderung, die erst zurückgenommen werden muss. Heben Sie "
                              "den Schreibschutz auf und versuchen Sie es noch einmal.")
            .arg(a.pfad);
    case Art::Schreibgeschuetzt:
        return QStringLiteral("Die Datei %1 ist schreibgeschützt. Die Änderung wurde nicht gespeichert.").arg(a.pfad);
    case Art::Ersetzt:
        return QStringLiteral("Die Datei %1 wurde gelöscht, verschoben oder ersetzt, während das Programm lief. Die "
                              "Änderung wurde nicht gespeichert. Bitte starten Sie das Programm neu.")
            .arg(a.pfad);
    case Art::DatentraegerVoll:
        return QStringLiteral("Der Datenträger ist voll. Die Änderung wurde nicht gespeichert.");
    case Art::Schreibfehler:
        if (a.vorgang == Vorgang::Sichern)
            return QStringLiteral(
                "Die Sicherung konnte nicht geschrieben werden. Vielleicht ist der Datenträger voll.");
        return QStringLiteral("Die Datei %1 konnte nicht geschrieben werden. Vielleicht ist der Datenträger voll. Die "
                              "Änderung wurde nicht gespeichert.")
            .arg(a.pfad);
    case Art::Lesefehler:
        return QStringLiteral("Die Datei %1 konnte nicht gelesen werden.").arg(a.pfad);
    case Art::NichtGeoeffnet:
        return QStringLiteral("Die Datei %1 konnte nicht geöffnet werden.").arg(a.pfad);
    case Art::Vorhanden:
        return vorhanden(a);
    case Art::NichtAngelegt:
        return QStringLiteral("Die Datei %1 kann nicht angelegt werden: %2.").arg(a.pfad, systemfehler(a.systemfehler));
    case Art::NichtGeschrieben:
        return QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2.")
            .arg(a.pfad, systemfehler(a.systemfehler));
    case Art::Datenbankfehler:
        break;
    }
    // The engine's own text is English; its number lets the user describe the fault.
    return QStringLiteral("Die Datenbank meldet beim %1 den Fehler %2.").arg(vorgang(a)).arg(a.code);
}

QString fehlertext(const store::StoreError& fehler)
{
    if (fehler.art() != Art::Beschaedigt)
        return meldung(fehler);
    return meldung(fehler)
        + QStringLiteral(" Prüfen lässt sie sich mit „gedenkbuch-daten pruefen“; was noch lesbar ist, sichert "
                         "„gedenkbuch-daten export“. Arbeiten Sie dabei mit einer Kopie der Datei (und einer "
                         "Datei daten.mdb-journal daneben, wenn es sie gibt).");
}

QString systemfehler(int nummer)
{
    switch (nummer) {
    case ENOSPC:
        return QStringLiteral("Der Datenträger ist voll");
    case EDQUOT:
        return QStringLiteral("Der zugeteilte Speicherplatz ist erschöpft");
    case EFBIG:
        return QStringLiteral("Die Datei würde größer, als das System erlaubt");
    case EACCES:
    case EPERM:
        return QStringLiteral("Es fehlt die Berechtigung");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Lese- oder Schreibfehler");
    case ENOENT:
        return QStringLiteral("Den Ordner gibt es nicht");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner");
    case EISDIR:
        return QStringLiteral("Unter dem Namen liegt ein Ordner");
    case EEXIST:
        return QStringLiteral("Unter dem Namen liegt schon etwas");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist zu lang");
    case ELOOP:
        return QStringLiteral("Der Pfad führt durch zu viele Verknüpfungen");
    case EPIPE:
        return QStringLiteral("Das Programm, das die Ausgabe lesen sollte, liest nicht mehr");
    case EBADF:
        return QStringLiteral("Der Ausgabekanal ist geschlossen");
    default:
        return QStringLiteral("Das System meldet den Fehler %1").arg(nummer);
    }
}

} // namespace core

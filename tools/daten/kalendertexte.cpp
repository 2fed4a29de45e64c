// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kalendertexte.h"

#include "caldav/adresse.h"
#include "core/steuerzeichen.h"

namespace daten {

namespace {

using Art = caldav::Fehler::Art;

QString zertifikat(const caldav::Fehler& f, const char* grund)
{
    return QStringLiteral("Das Zertifikat des Servers %1 wurde nicht anerkannt. %2; es wurde nichts übertragen.")
        .arg(f.server, QString::fromUtf8(grund));
}

QString unerreichbar(const caldav::Fehler& f, const char* grund)
{
    return QStringLiteral("Der Server %1 ist nicht erreichbar (%2).").arg(f.server, QString::fromUtf8(grund));
}

} // namespace

QString kalendertext(const caldav::Fehler& f)
{
    const QString verb = QString::fromLatin1(f.verb);
    const QString zahl = QString::number(f.zahl);
    switch (f.art) {
    case Art::KeineAdresse:
        return QStringLiteral("„%1“ ist keine Adresse eines Kalenders (https://SERVER/PFAD/).").arg(f.ort);
    case Art::KennwortInAdresse:
        return QStringLiteral("Die Adresse enthält ein Kennwort. Es gehört in die Datei ~/.netrc, nicht auf die "
                              "Befehlszeile.");
    case Art::Unverschluesselt:
        return QStringLiteral("%1 ist unverschlüsselt (http): Das Kennwort ginge lesbar durchs Netz. Unverschlüsselt "
                              "wird nur mit dem eigenen Rechner verbunden (127.0.0.1, ::1, localhost); verwenden Sie "
                              "https.")
            .arg(f.ort);
    case Art::NetrcOffen:
        return QStringLiteral("Die Datei %1 dürfen auch andere Benutzer lesen oder ändern (Rechte %2), darum wird sie "
                              "nicht verwendet. Abhilfe: chmod 600 %1")
            .arg(f.ort, QStringLiteral("%1").arg(f.zahl, 3, 8, QLatin1Char('0')));
    case Art::NetrcUnlesbar:
        return QStringLiteral("Die Datei %1 ist keine gewöhnliche Datei oder kann nicht gelesen werden; sie wird nicht "
                              "verwendet.")
            .arg(f.ort);
    case Art::Abgewiesen:
        return unerreichbar(f, "Verbindung abgewiesen");
    case Art::UnbekannterName:
        return unerreichbar(f, "unbekannter Name");
    case Art::Abgebrochen:
        return unerreichbar(f, "Verbindung abgebrochen");
    case Art::Zeitueberschreitung:
        return QStringLiteral("Der Server %1 hat eine Anfrage nicht binnen %2 Sekunden ganz beantwortet; der Lauf "
                              "endet hier.")
            .arg(f.server, zahl);
    case Art::ZertifikatSelbstAusgestellt:
        return zertifikat(f, "Es ist selbst ausgestellt und von keiner bekannten Stelle beglaubigt");
    case Art::ZertifikatAbgelaufen:
        return zertifikat(f, "Es ist abgelaufen oder noch nicht gültig");
    case Art::ZertifikatFuerAnderenNamen:
        return zertifikat(f, "Es ist für einen anderen Namen ausgestellt");
    case Art::ZertifikatUnbekannt:
        return zertifikat(f, "Es ist von keiner bekannten Stelle beglaubigt");
    case Art::Handshake:
        return QStringLiteral("Mit dem Server %1 kam keine verschlüsselte Verbindung (TLS) zustande; es wurde nichts "
                              "übertragen. Vielleicht spricht er unter dieser Adresse nur unverschlüsseltes http.")
            .arg(f.server);
    case Art::ZuGross:
        return QStringLiteral("Der Server %1 hat auf %2 %3 mehr als %4 MiB geschickt; mehr wird nicht gelesen.")
            .arg(f.server, verb, f.ort, QString::number(f.zahl >> 20));
    case Art::UmleitungAnderswohin:
        return QStringLiteral("Der Server %1 leitet auf %2 um, zu einem anderen Server oder aus dem Kalender hinaus; "
                              "dorthin wird nichts gesendet, auch nicht das Kennwort aus ~/.netrc.")
            .arg(f.server, f.ort);
    case Art::ZuVieleUmleitungen:
        return QStringLiteral("Der Server %1 leitet mehr als %2-mal um.").arg(f.server, zahl);
    case Art::KopfUngueltig:
        return QStringLiteral("Eine Anfrage an den Server %1 hätte Steuerzeichen in ihren Kopfzeilen getragen; sie "
                              "wurde nicht gesendet.")
            .arg(f.server);
    case Art::AnmeldungAbgelehnt:
        return QStringLiteral("Der Server %1 hat die Anmeldung als „%2“ abgelehnt. Prüfen Sie Name und Kennwort in "
                              "~/.netrc.")
            .arg(f.server, f.detail);
    case Art::KeinZugang:
        return QStringLiteral("Der Server %1 verlangt eine Anmeldung, doch ~/.netrc nennt keinen Zugang dafür "
                              "(machine %1 login NAME password KENNWORT).")
            .arg(f.server);
    case Art::Verboten:
        return QStringLiteral("Der Server %1 verweigert den Zugriff auf %2.").arg(f.server, f.ort);
    case Art::Status:
        return QStringLiteral("Der Server %1 hat %2 %3 mit dem Status %4 beantwortet.")
            .arg(f.server, verb, f.ort, zahl);
    case Art::Unverstaendlich:
        return QStringLiteral("Der Server %1 hat auf %2 unverständlich geantwortet.").arg(f.server, verb);
    case Art::StatusIn207:
        return QStringLiteral("Der Server %1 hat %2 %3 angenommen, meldet darin aber den Status %4; es gilt als nicht "
                              "geschrieben.")
            .arg(f.server, verb, f.ort, zahl);
    case Art::KeinKalender:
        return QStringLiteral("Unter %1 liegt kein Kalender; dort wird nichts verändert.").arg(f.ort);
    case Art::KeinAdressbuch:
        return QStringLiteral("Unter %1 liegt kein Adressbuch.").arg(f.ort);
    case Art::KeineTermine:
        return QStringLiteral("Der Kalender %1 nimmt keine Termine auf; dort wird nichts verändert.").arg(f.ort);
    case Art::ElternFehlt:
        return QStringLiteral("Der Kalender %1 kann nicht angelegt werden: Den übergeordneten Ordner gibt es nicht.")
            .arg(f.ort);
    case Art::GleichzeitigGeaendert:
        return QStringLiteral("Den Termin %1 ändert gerade ein anderes Programm; er bleibt, wie er ist. Ein neuer Lauf "
                              "gleicht ihn ab.")
            .arg(f.ort);
    case Art::FremderTermin:
        return QStringLiteral("Unter %1 hat ein anderes Programm inzwischen einen eigenen Termin abgelegt; er bleibt "
                              "unberührt.")
            .arg(f.ort);
    }
    return {};
}

QStringList kalenderbericht(const caldav::Bericht& b, const QString& getippt, const QString& buch)
{
    const QUrl eingabe(getippt, QUrl::StrictMode);
    const bool wieGetippt = eingabe.userInfo().isEmpty() && caldav::alsSammlung(eingabe) == b.sammlung;
    // One pass over all values: a "%2" in an address must stay as it is.
    QStringList zeilen{QStringLiteral("Kalender %1 aus %2: %3 neu, %4 geändert, %5 entfernt, %6 unverändert.")
                           .arg(wieGetippt ? getippt : caldav::anzeige(b.sammlung), buch, QString::number(b.neu),
                                QString::number(b.geaendert), QString::number(b.entfernt),
                                QString::number(b.unveraendert))};
    for (const QString& eintrag : b.wiederhergestellt)
        zeilen << QStringLiteral("Der Termin von „%1“ war anderswo geändert und steht wieder so da, wie das Gedenkbuch "
                                 "ihn führt. Jeder Lauf nimmt solche Änderungen zurück; ändern Sie den Eintrag im "
                                 "Gedenkbuch.")
                      .arg(eintrag);
    for (const auto& [eintrag, name] : b.ausgewichen)
        zeilen << QStringLiteral("Unter dem Namen des Termins von „%1“ liegt ein Termin eines anderen Programms; er "
                                 "bleibt unberührt, und „%1“ steht unter %2.")
                      .arg(eintrag, name);
    for (const QString& href : b.uebergangen)
        zeilen << QStringLiteral("Der Server nennt %1, eine Adresse außerhalb des Kalenders; sie wurde übergangen.")
                      .arg(core::einzeilig(href));
    return zeilen;
}

} // namespace daten

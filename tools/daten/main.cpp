// gedenkbuch-daten: the database tool. Every subcommand works on daten.mdb in the current folder,
// or in the folder given with --ordner.
#include "befehl.h"

#include "store/store.h"
#include "store/systemfehler.h"

#include <QCoreApplication>
#include <array>
#include <unistd.h>

namespace {

const std::array unterbefehle = {
    Unterbefehl{"neu", "neu", "legt eine leere daten.mdb an; eine vorhandene bleibt unberührt.", neu},
    Unterbefehl{"heute", "heute [TAGE] [--datum DATUM]",
                "zeigt die Einträge von heute und den TAGE folgenden Tagen (ohne Angabe 2, höchstens 365),\n"
                "einen Block je Tag mit Einträgen; mit --datum (JJJJ-MM-TT oder TT.MM.JJJJ) ab diesem Tag.",
                heute},
    Unterbefehl{"erinnern", "erinnern [--datum DATUM]",
                "zeigt die Einträge von heute und morgen als Benachrichtigung auf dem Bildschirm;\n"
                "ohne Einträge geschieht nichts.",
                erinnern},
    Unterbefehl{"anmeldung", "anmeldung erinnern|fenster|aus",
                "legt fest, was beim Anmelden geschieht: die Benachrichtigung (erinnern) für die Datei im\n"
                "persönlichen Datenordner, das Fenster (fenster), oder nichts (aus).",
                anmeldung},
    Unterbefehl{"import", "import [--probe] DATEI",
                "übernimmt die Einträge einer vCard-Datei (2.1, 3.0, 4.0) oder einer CSV-Datei mit Kopfzeile,\n"
                "alle in einem Zug oder gar keinen. Ein Geburtstag heißt wie der Kontakt, ein Hochzeitstag\n"
                "„Hochzeitstag NAME“, ein Todestag „Todestag NAME“. Übersprungen wird, was keine Bezeichnung,\n"
                "keinen Tag oder Monat hat, einen Tag, den es im Monat nie gibt, oder eine Bezeichnung, die\n"
                "es schon gibt; die Zusammenfassung nennt Karte oder Zeile und den Grund.\n"
                "--probe zeigt nur, was geschähe, und schreibt nichts.\n"
                "Status: 0 alles übernommen, 3 einiges übersprungen, 4 nichts übernommen, 1 abgewiesen.",
                importieren},
    Unterbefehl{"export", "export --format csv|ics [--datei DATEI]",
                "gibt die Einträge in Kalenderfolge aus: als CSV-Tabelle (UTF-8) oder als iCalendar-Datei mit\n"
                "einem jährlichen ganztägigen Termin je Eintrag. Ohne --datei auf die Standardausgabe; eine\n"
                "vorhandene Datei wird nicht überschrieben. Aus einer beschädigten Datei gibt es aus, was noch\n"
                "lesbar ist, und endet mit Status 1.",
                exportieren},
    Unterbefehl{"sichern", "sichern ZIEL",
                "schreibt eine Kopie von daten.mdb mit demselben Kennwort in die neue Datei ZIEL und prüft sie;\n"
                "das geht auch, während das Programm läuft.",
                sichern},
    Unterbefehl{"pruefen", "pruefen",
                "prüft daten.mdb gründlich und nennt die Zahl der Einträge.\n"
                "Status: 0 in Ordnung, 5 beschädigt oder keine Gedenkbuch-Datenbank.",
                pruefen},
    Unterbefehl{"kalender", "kalender URL [--vorlauf TAGE]",
                "veröffentlicht die Einträge im CalDAV-Kalender unter URL, einen jährlichen ganztägigen\n"
                "Termin je Eintrag, und legt den Kalender an, wenn es ihn nicht gibt. Geändert wird nur, was\n"
                "sich unterscheidet; fremde Termine bleiben unberührt. --vorlauf TAGE (0 bis 365) erinnert\n"
                "um 9 Uhr TAGE Tage vorher. Name und Kennwort stehen in ~/.netrc (machine SERVER login NAME\n"
                "password KENNWORT), die nur Sie lesen dürfen (chmod 600 ~/.netrc). Nur https, unverschlüsselt\n"
                "(http) nur zum eigenen Rechner.",
                kalender},
};

QString hilfe()
{
    QString text = QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] BEFEHL [ARGUMENTE]\n\n"
                                  "Arbeitet mit der Datei daten.mdb im aktuellen Ordner, mit --ordner im angegebenen.\n\n"
                                  "Befehle:\n");
    for (const Unterbefehl& b : unterbefehle) {
        text += QStringLiteral("  %1\n").arg(QString::fromUtf8(b.aufruf));
        for (const QString& zeile : QString::fromUtf8(b.beschreibung).split(u'\n'))
            text += QStringLiteral("      %1\n").arg(zeile);
    }
    text += QStringLiteral("\nEine beschädigte daten.mdb meldet das Programm beim Start als beschädigt. "
                           "Prüfen lässt sie sich\nmit „gedenkbuch-daten pruefen“; was noch lesbar ist, "
                           "sichert „gedenkbuch-daten export“\nin eine neue Datei. Arbeiten Sie dabei mit "
                           "einer Kopie der Datei (und einer Datei\ndaten.mdb-journal daneben, wenn es sie gibt).\n");
    return text;
}

} // namespace

QString Aufruf::datenbank() const
{
    // "daten.mdb" in the current folder, "DIR/daten.mdb" with --ordner: as the user named it.
    return QDir::cleanPath(ordner.filePath(store::dateiname));
}

namespace {

int ausfuehren(QStringList argumente, QTextStream& aus, QTextStream& fehler, Kanal& ausgabe)
{
    QDir ordner;
    const qsizetype stelle = argumente.indexOf(QStringLiteral("--ordner"));
    if (stelle >= 0) {
        if (stelle + 1 >= argumente.size()) {
            fehler << QStringLiteral("Nach --ordner fehlt der Ordner.") << Qt::endl;
            return FalscherAufruf;
        }
        ordner = QDir(argumente.at(stelle + 1));
        argumente.remove(stelle, 2);
        if (!ordner.exists()) {
            fehler << QStringLiteral("Den Ordner %1 gibt es nicht.").arg(ordner.path()) << Qt::endl;
            return Fehlschlag;
        }
    }
    if (argumente.isEmpty() || argumente.contains(QStringLiteral("--hilfe")) || argumente.contains(QStringLiteral("-h"))) {
        (argumente.isEmpty() ? fehler : aus) << hilfe();
        return argumente.isEmpty() ? FalscherAufruf : Erfolg;
    }
    for (const Unterbefehl& b : unterbefehle) {
        if (argumente.constFirst() == QLatin1String(b.name)) {
            const int status = b.ausfuehren({argumente.mid(1), ordner, aus, fehler, ausgabe});
            if (status == FalscherAufruf)
                fehler << QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] %1").arg(QString::fromUtf8(b.aufruf))
                       << Qt::endl;
            return status;
        }
    }
    fehler << QStringLiteral("Unbekannter Befehl „%1“. Die Befehle nennt gedenkbuch-daten --hilfe.").arg(argumente.constFirst())
           << Qt::endl;
    return FalscherAufruf;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Kanal ausgabe(STDOUT_FILENO);
    Kanal fehlerausgabe(STDERR_FILENO);
    QTextStream aus(&ausgabe);
    QTextStream fehler(&fehlerausgabe);
    int status = ausfuehren(QCoreApplication::arguments().mid(1), aus, fehler, ausgabe);

    // Output cut short is no success: a full disk, a closed pipe, a file system that fails late.
    aus.flush();
    if (!ausgabe.abschliessen()) {
        fehler << QStringLiteral("Die Ausgabe konnte nicht vollständig geschrieben werden: %1.")
                      .arg(store::systemfehler(ausgabe.fehler()))
               << Qt::endl;
        status = Fehlschlag;
    }
    fehler.flush();
    if (!fehlerausgabe.abschliessen() && status == Erfolg)
        status = Fehlschlag;
    return status;
}

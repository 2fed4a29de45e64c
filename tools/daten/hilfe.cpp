// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The German help of gedenkbuch-daten, made from the declarations of its subcommands.
#include "befehlszeile.h"

#include "core/datenordner.h"

namespace {

QString eingerueckt(const char* text, const QString& rand)
{
    QString ergebnis;
    for (const QString& zeile : QString::fromUtf8(text).split(u'\n'))
        ergebnis += rand + zeile + u'\n';
    return ergebnis;
}

QString buchregel()
{
    return QStringLiteral("Ohne --ordner gilt daten.mdb im aktuellen Ordner, wenn es sie dort gibt, sie Ihnen gehört\n"
                          "und niemand sonst sie oder den Ordner ändern darf; sonst die im persönlichen Datenordner\n"
                          "%1\n($XDG_DATA_HOME/gedenkbuch, ohne diese Variable ~/.local/share/gedenkbuch).\n")
        .arg(core::datenordner());
}

// "Optionen:" and a line for each, the names aligned: "  --datum DATUM        rechnet ab ...".
QString optionstabelle(const QList<Option>& optionen)
{
    QList<QPair<QString, QString>> zeilen;
    for (const Option& o : optionen) {
        QString name = QStringLiteral("--") + QLatin1String(o.name);
        if (o.wert)
            name += u' ' + platzhalter(o.wert, o.art);
        if (qstrcmp(o.name, "help") == 0)
            name = QStringLiteral("-h, --help, --hilfe");
        zeilen.append({name, QString::fromUtf8(o.hilfe)});
    }
    qsizetype breite = 0;
    for (const auto& [name, hilfe] : std::as_const(zeilen))
        breite = qMax(breite, name.size());
    QString text = QStringLiteral("\nOptionen:\n");
    for (const auto& [name, hilfe] : std::as_const(zeilen))
        text += QStringLiteral("  %1  %2\n").arg(name.leftJustified(breite), hilfe);
    return text;
}

} // namespace

QString aufrufzeile(const Unterbefehl& befehl)
{
    QStringList teile{QLatin1String(befehl.name)};
    for (const Argument& a : befehl.argumente)
        teile << (a.noetig ? platzhalter(a.name, a.art) : QStringLiteral("[%1]").arg(platzhalter(a.name, a.art)));
    for (const Option& o : befehl.optionen) {
        const QString wert = o.wert ? u' ' + platzhalter(o.wert, o.art) : QString();
        const QString text = QStringLiteral("--") + QLatin1String(o.name) + wert;
        teile << (o.noetig ? text : QStringLiteral("[%1]").arg(text));
    }
    return teile.join(u' ');
}

QString hilfe()
{
    QString text = QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] BEFEHL [ARGUMENTE]\n"
                                  "        gedenkbuch-daten BEFEHL --hilfe\n"
                                  "        gedenkbuch-daten --version\n\n"
                                  "Die Befehle arbeiten mit der Datei daten.mdb im Ordner, den --ordner nennt.\n")
        + buchregel()
        + QStringLiteral("„neu“ legt sie im aktuellen Ordner oder in ORDNER an; „anmeldung erinnern“ erinnert ohne\n"
                         "--ordner an die im persönlichen Datenordner.\n\nBefehle:\n");
    for (const Unterbefehl& b : unterbefehle())
        text += QStringLiteral("  %1\n").arg(aufrufzeile(b)) + eingerueckt(b.beschreibung, QStringLiteral("      "));
    text += optionstabelle({ordneroption(Unterbefehl::Buch::Vorhanden), hilfeoption(), versionsoption()});
    text += QStringLiteral("\nDie Hilfe zu einem Befehl zeigt gedenkbuch-daten BEFEHL --hilfe.\n"
                           "\nEine beschädigte daten.mdb meldet das Programm beim Start als beschädigt. "
                           "Prüfen lässt sie sich\nmit „gedenkbuch-daten pruefen“; was noch lesbar ist, "
                           "sichert „gedenkbuch-daten export“\nin eine neue Datei. Arbeiten Sie dabei mit "
                           "einer Kopie der Datei (und einer Datei\ndaten.mdb-journal daneben, wenn es sie gibt).\n");
    return text;
}

QString befehlshilfe(const Unterbefehl& befehl)
{
    QString beschreibung = eingerueckt(befehl.beschreibung, QString());
    beschreibung[0] = beschreibung[0].toUpper();
    QString text
        = QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] %1\n\n").arg(aufrufzeile(befehl)) + beschreibung;
    if (befehl.buch == Unterbefehl::Buch::Vorhanden)
        text += u'\n' + buchregel();
    return text + optionstabelle(befehl.optionen + QList<Option>{ordneroption(befehl.buch), hilfeoption()});
}

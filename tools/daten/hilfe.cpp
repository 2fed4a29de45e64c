// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The German help of gedenkbuch-daten, made from the declarations of its subcommands.
#include "befehlszeile.h"

namespace daten {

namespace {

QString eingerueckt(const QString& text, const QString& rand)
{
    QString ergebnis;
    for (const QString& zeile : text.split(u'\n'))
        ergebnis += rand + zeile + u'\n';
    return ergebnis;
}

QString buchregel(const QString& datenordner)
{
    return QStringLiteral(
               "Ohne --ordner gilt daten.mdb im aktuellen Ordner, wenn es sie dort gibt. Gehört sie nicht\n"
               "Ihnen oder darf außer Ihnen jemand sie oder den Ordner ändern, wird sie abgewiesen. Gibt es\n"
               "dort keine, gilt die im persönlichen Datenordner\n"
               "%1\n($XDG_DATA_HOME/gedenkbuch, ohne diese Variable ~/.local/share/gedenkbuch).\n")
        .arg(datenordner);
}

// "Optionen:" and a line for each, the names aligned: "  --datum DATUM        rechnet ab ...".
QString optionstabelle(const QList<Eingabe*>& optionen)
{
    QList<QPair<QString, QString>> zeilen;
    for (const Eingabe* o : optionen) {
        QString name = QStringLiteral("--") + o->name();
        if (!o->istSchalter())
            name += u' ' + o->platzhalter();
        if (o->name() == QLatin1String("help"))
            name = QStringLiteral("-h, --help, --hilfe");
        zeilen.append({name, o->hilfe()});
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

QString aufrufzeile(Befehl& befehl)
{
    QStringList teile{befehl.name()};
    for (const Eingabe* a : befehl.argumente())
        teile << (a->noetig() ? a->platzhalter() : QStringLiteral("[%1]").arg(a->platzhalter()));
    for (const Eingabe* o : befehl.optionen()) {
        if (o == &befehl.ordner) // every command has it, and the call names it before the command
            continue;
        const QString wert = o->istSchalter() ? QString() : u' ' + o->platzhalter();
        const QString text = QStringLiteral("--") + o->name() + wert;
        teile << (o->noetig() ? text : QStringLiteral("[%1]").arg(text));
    }
    return teile.join(u' ');
}

QString hilfe(const QString& datenordner)
{
    QString text = QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] BEFEHL [ARGUMENTE]\n"
                                  "        gedenkbuch-daten BEFEHL --hilfe\n"
                                  "        gedenkbuch-daten --version\n\n"
                                  "Die Befehle arbeiten mit der Datei daten.mdb im Ordner, den --ordner nennt.\n")
        + buchregel(datenordner)
        + QStringLiteral("„neu“ legt sie im aktuellen Ordner oder in ORDNER an; „anmeldung erinnern“ erinnert ohne\n"
                         "--ordner an die im persönlichen Datenordner.\n\nBefehle:\n");
    for (const std::unique_ptr<Befehl>& b : alleBefehle())
        text
            += QStringLiteral("  %1\n").arg(aufrufzeile(*b)) + eingerueckt(b->beschreibung(), QStringLiteral("      "));
    Vorspann vorspann;
    text += optionstabelle(vorspann.optionen());
    text += QStringLiteral("\nDie Hilfe zu einem Befehl zeigt gedenkbuch-daten BEFEHL --hilfe.\n"
                           "\nEine beschädigte daten.mdb meldet das Programm beim Start als beschädigt. "
                           "Prüfen lässt sie sich\nmit „gedenkbuch-daten pruefen“; was noch lesbar ist, "
                           "sichert „gedenkbuch-daten export“\nin eine neue Datei. Arbeiten Sie dabei mit "
                           "einer Kopie der Datei (und einer Datei\ndaten.mdb-journal daneben, wenn es sie gibt).\n");
    return text;
}

QString befehlshilfe(Befehl& befehl, const QString& datenordner)
{
    QString beschreibung = eingerueckt(befehl.beschreibung(), QString());
    beschreibung[0] = beschreibung[0].toUpper();
    QString text
        = QStringLiteral("Aufruf: gedenkbuch-daten [--ordner ORDNER] %1\n\n").arg(aufrufzeile(befehl)) + beschreibung;
    if (befehl.buchart() == Befehl::Buch::Vorhanden)
        text += u'\n' + buchregel(datenordner);
    Hilfeschalter hilfe;
    return text + optionstabelle(befehl.optionen() + QList<Eingabe*>{&hilfe});
}

} // namespace daten

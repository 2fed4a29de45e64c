// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "beispieldaten.h"

#include "store/cursor.h"
#include "store/store.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

using store::Feld;

namespace {

const QStringList vornamen = {"Anna",   "Bernd", "Clara", "Dieter", "Elke",   "Frieda", "Günter", "Hanna",
                              "Ingo",   "Jörg",  "Käthe", "Lars",   "Maria",  "Niklas", "Ömer",   "Paula",
                              "Quirin", "Rita",  "Sören", "Tanja",  "Ulrike", "Volker", "Wiebke", "Xaver"};
const QStringList nachnamen = {"Bauer",    "Schäfer",    "Müller", "Krüger",  "Weiß",   "Becker",
                               "Hoffmann", "Zimmermann", "Groß",   "Lehmann", "Köhler", "Wolf"};

} // namespace

void beispieldatenbank(const QString& pfad, int anzahl, quint32 seed)
{
    QRandomGenerator zufall(seed);
    store::Store::create(pfad);
    auto s = store::Store::open(pfad);
    store::Cursor cursor(*s);
    store::Transaktion transaktion(*s);
    for (int i = 0; i < anzahl; ++i) {
        cursor.AddNew();
        cursor.SetField(Feld::Bezeichnung,
                        QStringLiteral("%1 %2 %3")
                            .arg(vornamen.at(zufall.bounded(int(vornamen.size()))),
                                 nachnamen.at(zufall.bounded(int(nachnamen.size()))))
                            .arg(i));
        cursor.SetField(Feld::tag, zufall.bounded(1, 29));
        cursor.SetField(Feld::monat, zufall.bounded(1, 13));
        if (zufall.bounded(5) != 0)
            cursor.SetField(Feld::jahr, zufall.bounded(1920, 2026));
        if (zufall.bounded(3) == 0)
            cursor.SetField(Feld::Bemerkungen, QStringLiteral("Blumen mitbringen"));
        cursor.Update();
    }
    transaktion.abschliessen();
}

void beispielkarten(const QString& pfad, int anzahl, quint32 seed)
{
    QRandomGenerator zufall(seed);
    QString text;
    for (int i = 0; i < anzahl; ++i) {
        const QString vorname = vornamen.at(zufall.bounded(int(vornamen.size())));
        const QString nachname = nachnamen.at(zufall.bounded(int(nachnamen.size())));
        const QDate tag = QDate(2001, 1, 1).addDays(zufall.bounded(365));
        const bool vier = zufall.bounded(2) == 0;
        text += QStringLiteral("BEGIN:VCARD\r\nVERSION:%1\r\nN:%2;%3;;;\r\nFN:%3 %2 %4\r\n"
                               "TEL;TYPE=cell:+49 170 %5\r\nEMAIL;TYPE=home:%3.%4@example.org\r\n")
                    .arg(vier ? QStringLiteral("4.0") : QStringLiteral("3.0"), nachname, vorname)
                    .arg(i)
                    .arg(1000000 + i);
        if (zufall.bounded(5) == 0)
            text += tag.toString(QStringLiteral("'BDAY:--'MMdd\r\n"));
        else
            text += QStringLiteral("BDAY:%1-%2\r\n")
                        .arg(zufall.bounded(1920, 2026))
                        .arg(tag.toString(QStringLiteral("MM-dd")));
        if (zufall.bounded(8) == 0)
            text += QStringLiteral("ANNIVERSARY:%1%2\r\n")
                        .arg(zufall.bounded(1950, 2026))
                        .arg(tag.addDays(40).toString(QStringLiteral("MMdd")));
        if (zufall.bounded(3) == 0)
            text += QStringLiteral(
                "NOTE:Blumen mitbringen\\, am liebsten Tulpen. Eine Notiz\\, die lang genug ist\\, um\r\n"
                "  gefaltet zu werden.\r\n");
        text += QStringLiteral("END:VCARD\r\n");
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(text.toUtf8()) < 0)
        qFatal("Die Karten konnten nicht geschrieben werden.");
}

void gefalteteKarte(const QString& pfad, int bytes)
{
    // "Grüße aus München, " encoded, 76 characters a line with the "=" of the soft line break, each
    // following line folded with a blank. The label's quote never closes, so the head never ends:
    // the shape that a reader searching the whole line again for each continuation took minutes for.
    const QByteArray gruss = "Gr=C3=BC=C3=9Fe aus M=C3=BCnchen, ";
    QByteArray text = "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Berg;Anna;;;\r\nFN:Anna Berg\r\nBDAY:19900101\r\n"
                      "NOTE;X-ABLABEL=\"Notiz;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:";
    QByteArray zeile;
    while (text.size() < bytes) {
        for (qsizetype i = 0; i < gruss.size(); ++i) {
            // Never between "=" and its two hex digits.
            if (zeile.size() >= 73 && (i < 1 || gruss[i - 1] != '=') && (i < 2 || gruss[i - 2] != '=')) {
                text += zeile + "=\r\n ";
                zeile.clear();
            }
            zeile += gruss[i];
        }
    }
    text += zeile + "\r\nEND:VCARD\r\n";
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(text) < 0)
        qFatal("Die Karte konnte nicht geschrieben werden.");
}

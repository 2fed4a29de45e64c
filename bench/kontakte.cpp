// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kontakte.h"

#include "davplatz.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

namespace {

constexpr int anzahl = 1000;

// A new, empty book in `ordner`; the tool's report stays off the bench's output.
void neuesBuch(const QString& ordner)
{
    QProcess neu;
    neu.setStandardOutputFile(QProcess::nullDevice());
    neu.start(QStringLiteral(GEDENKBUCH_DATEN), {"--ordner", ordner, "neu"});
    if (!neu.waitForFinished(60000) || neu.exitCode() != 0)
        qFatal("gedenkbuch-daten neu: %s", neu.readAllStandardError().constData());
}

// An address book of 1,000 cards, half of them with a birthday, put straight into the storage.
void adressbuchAnlegen(Radicale& server, const QString& pfad)
{
    QDir().mkpath(server.ablage(pfad));
    QFile props(server.ablage(pfad) + QStringLiteral("/.Radicale.props"));
    props.open(QIODevice::WriteOnly);
    props.write(R"({"tag": "VADDRESSBOOK"})");
    for (int i = 0; i < anzahl; ++i) {
        QFile karte(server.ablage(pfad) + QStringLiteral("/k%1.vcf").arg(i));
        karte.open(QIODevice::WriteOnly);
        karte.write(QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:k%1\r\nFN:Kontakt %1\r\nN:%1;Kontakt;;;\r\n"
                                   "TEL:+49 30 %1\r\nEMAIL:kontakt%1@example.org\r\n%2END:VCARD\r\n")
                        .arg(i)
                        .arg(i % 2 ? QString()
                                   : QStringLiteral("BDAY:19%1-%2-%3\r\n")
                                         .arg(50 + i % 50)
                                         .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                         .arg(1 + i % 28, 2, 10, QLatin1Char('0')))
                        .toUtf8());
    }
}

} // namespace

void kontakteMessen(int runden)
{
    const auto platz = Davplatz::oeffnen("kontakte");
    if (!platz)
        return;
    Radicale& server = platz->server;

    std::vector<double> erster, zweiter, boden;
    for (int runde = 0; runde <= runden; ++runde) {
        const QString pfad = QStringLiteral("anna/kbench-%1/").arg(runde);
        adressbuchAnlegen(server, pfad);
        // The server reads the new files once; neither figure pays for that.
        const QByteArray liste = server.http("PROPFIND", pfad, {}, {}, "1").inhalt;

        QElapsedTimer uhr;
        uhr.start();
        const QByteArray gelistet = server.http("PROPFIND", pfad, {}, {}, "1").inhalt;
        QByteArray multiget = R"(<?xml version="1.0"?><C:addressbook-multiget xmlns:D="DAV:" )"
                              R"(xmlns:C="urn:ietf:params:xml:ns:carddav"><D:prop><D:getetag/><C:address-data/>)"
                              R"(</D:prop>)";
        for (auto href = QRegularExpression("href>([^<]*\\.vcf)<").globalMatch(QString::fromUtf8(gelistet));
             href.hasNext();)
            multiget += "<D:href>" + href.next().captured(1).toUtf8() + "</D:href>";
        multiget += "</C:addressbook-multiget>";
        const Radicale::Http karten = server.http("REPORT", pfad, multiget, "application/xml", "1");
        const double bodenzeit = double(uhr.nsecsElapsed()) / 1e6;
        if (karten.inhalt.count("BEGIN:VCARD") != anzahl)
            qFatal("kontakte: der Boden las %lld Karten", karten.inhalt.count("BEGIN:VCARD"));

        QTemporaryDir buch;
        neuesBuch(buch.path());
        const QStringList argumente = {"--ordner", buch.path(), "kontakte", server.adresse(pfad).toString()};
        const double erste = platz->werkzeug(argumente), zweite = platz->werkzeug(argumente);
        if (runde == 0)
            continue; // the first round warms the server's own caches
        boden.push_back(bodenzeit);
        erster.push_back(erste);
        zweiter.push_back(zweite);
    }
    medianAusgeben("kontakte", anzahl, erster);
    medianAusgeben("kontakte_unveraendert", anzahl, zweiter);
    medianAusgeben("kontakte_boden", anzahl, boden);

    QTemporaryDir buch;
    neuesBuch(buch.path());
    platz->spitzen({"kontakte", "kontakte_unveraendert"}, anzahl,
                   {"--ordner", buch.path(), "kontakte", server.adresse(QStringLiteral("anna/kbench-0/")).toString()});
}

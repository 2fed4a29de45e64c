// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kalender.h"

#include "beispieldaten.h"
#include "davplatz.h"

#include <QTemporaryDir>

void kalenderMessen(int runden)
{
    constexpr int anzahl = 1000;
    const auto platz = Davplatz::oeffnen("kalender");
    if (!platz)
        return;
    QTemporaryDir ordner;
    beispieldatenbank(ordner.filePath(QStringLiteral("daten.mdb")), anzahl);

    // A first publication into a new calendar, then a run that finds nothing to do; every run of a
    // figure makes the same requests.
    std::vector<double> erster, zweiter;
    qsizetype ersteAnfragen = 0, zweiteAnfragen = 0;
    for (int runde = 0; runde < runden; ++runde) {
        const QString url = platz->server.adresse(QStringLiteral("anna/bench-%1/").arg(runde)).toString();
        platz->server.anfragen();
        erster.push_back(platz->werkzeug({"--ordner", ordner.path(), "kalender", url}));
        ersteAnfragen = platz->server.anfragen().size();
        zweiter.push_back(platz->werkzeug({"--ordner", ordner.path(), "kalender", url}));
        zweiteAnfragen = platz->server.anfragen().size();
    }
    medianAusgeben("kalender", anzahl, erster, QStringLiteral(" (%1 Anfragen)").arg(ersteAnfragen));
    medianAusgeben("kalender_unveraendert", anzahl, zweiter, QStringLiteral(" (%1 Anfragen)").arg(zweiteAnfragen));

    platz->spitzen({"kalender", "kalender_unveraendert"}, anzahl,
                   {"--ordner", ordner.path(), "kalender",
                    platz->server.adresse(QStringLiteral("anna/bench-spitze/")).toString()});
}

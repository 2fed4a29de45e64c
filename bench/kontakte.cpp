// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kontakte.h"

#include "radicale.h"
#include "spitze.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
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

double median(std::vector<double> zeiten)
{
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

void zeile(const char* name, const std::vector<double>& zeiten)
{
    QTextStream(stdout) << name << ' ' << anzahl << ' ' << QString::number(median(zeiten), 'f', 1) << Qt::endl;
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
    if (!Radicale::installiert()) {
        QTextStream(stderr) << "kontakte: Radicale fehlt (Debian: python3-radicale), nicht gemessen." << Qt::endl;
        return;
    }
    Radicale server;
    if (!server.fehler().isEmpty())
        qFatal("%s", qPrintable(server.fehler()));
    QTemporaryDir home;
    QFile netrc(home.filePath(QStringLiteral(".netrc")));
    netrc.open(QIODevice::WriteOnly);
    netrc.write(QByteArray("machine 127.0.0.1 login ") + Radicale::benutzer + " password " + Radicale::kennwort + '\n');
    netrc.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    netrc.close();
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("HOME"), home.path());

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
        const auto lauf = [&] {
            QProcess werkzeug;
            werkzeug.setProcessEnvironment(umgebung);
            werkzeug.setStandardOutputFile(QProcess::nullDevice());
            uhr.restart();
            werkzeug.start(QStringLiteral(GEDENKBUCH_DATEN),
                           {"--ordner", buch.path(), "kontakte", server.adresse(pfad).toString()});
            if (!werkzeug.waitForFinished(600000) || werkzeug.exitStatus() != QProcess::NormalExit
                || werkzeug.exitCode() != 0)
                qFatal("gedenkbuch-daten kontakte: %s", werkzeug.readAllStandardError().constData());
            return double(uhr.nsecsElapsed()) / 1e6;
        };
        const double erste = lauf(), zweite = lauf();
        if (runde == 0)
            continue; // the first round warms the server's own caches
        boden.push_back(bodenzeit);
        erster.push_back(erste);
        zweiter.push_back(zweite);
    }
    zeile("kontakte", erster);
    zeile("kontakte_unveraendert", zweiter);
    zeile("kontakte_boden", boden);

    QTemporaryDir buch;
    neuesBuch(buch.path());
    const QByteArray heimVorher = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QStringList argumente
        = {"--ordner", buch.path(), "kontakte", server.adresse(QStringLiteral("anna/kbench-0/")).toString()};
    spitzeAusgeben(QStringLiteral("kontakte"), anzahl, programmSpitze(QStringLiteral(GEDENKBUCH_DATEN), argumente));
    spitzeAusgeben(QStringLiteral("kontakte_unveraendert"), anzahl,
                   programmSpitze(QStringLiteral(GEDENKBUCH_DATEN), argumente));
    qputenv("HOME", heimVorher);
}

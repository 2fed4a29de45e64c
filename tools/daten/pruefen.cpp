// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten pruefen`: the engine's thorough check of daten.mdb, and the number of entries.
#include "befehl.h"

#include "core/durchlauf.h"

#include <QRegularExpression>
#include <set>

namespace daten {

namespace {

constexpr int gezeigteSeiten = 10;

// The engine's findings are English and technical; the user learns how many there are and which
// pages they concern: "Die Prüfung fand 3 Fehler auf den Seiten 2, 7 und 9."
QString befundtext(const QStringList& befunde)
{
    static const QRegularExpression seite(QStringLiteral("[Pp]age (\\d+)"));
    std::set<qint64> seiten;
    qsizetype anzahl = 0;
    for (const QString& befund : befunde) {
        // One finding may hold several lines; the header line of the list is none of its own.
        for (const QString& zeile : befund.split(u'\n', Qt::SkipEmptyParts))
            anzahl += !zeile.startsWith(QLatin1String("*** "));
        for (const auto& treffer : seite.globalMatch(befund))
            seiten.insert(treffer.captured(1).toLongLong());
    }
    QString text = QStringLiteral("Die Prüfung fand %1 Fehler").arg(qMax<qsizetype>(1, anzahl));
    if (seiten.empty())
        return text + u'.';
    QStringList namen;
    for (const qint64 nummer : seiten) {
        if (namen.size() == gezeigteSeiten)
            break;
        namen << QString::number(nummer);
    }
    const bool mehr = qsizetype(seiten.size()) > gezeigteSeiten;
    if (namen.size() == 1)
        return text + QStringLiteral(" auf Seite %1.").arg(namen.constFirst());
    const QString letzte = mehr ? QStringLiteral("weiteren") : namen.takeLast();
    return text + QStringLiteral(" auf den Seiten %1 und %2.").arg(namen.join(QStringLiteral(", ")), letzte);
}

class Pruefen final : public Buchbefehl {
public:
    Pruefen() : Buchbefehl("pruefen")
    {
        beschreibung_ = QStringLiteral("prüft daten.mdb gründlich und nennt die Zahl der Einträge.\n"
                                       "Status: 0 in Ordnung, 5 beschädigt oder keine Gedenkbuch-Datenbank.");
    }

    int mitBuch(Kontext& k) override
    {
        using Art = store::StoreError::Art;
        qsizetype eintraege = 0, andere = 0;
        try {
            const auto s = oeffnen(store::Store::Zugriff::NurLesen);
            const QStringList befunde = s->pruefen(store::Store::Pruefung::Gruendlich);
            if (!befunde.isEmpty()) {
                k.fehler << QStringLiteral("Die Datei %1 ist beschädigt. %2").arg(buch(), befundtext(befunde))
                         << Qt::endl
                         << QStringLiteral("Was noch lesbar ist, sichert „gedenkbuch-daten export“ in eine neue Datei.")
                         << Qt::endl;
                return DateiBeschaedigt;
            }
            store::Cursor cursor(*s, store::Cursor::Umfang::OhneBemerkungen);
            const core::Durchlauf durchlauf = core::durchlaufen(
                cursor, [&](const store::Datensatz& satz) { ++(core::eintragLesen(satz) ? eintraege : andere); });
            if (durchlauf.fehler)
                throw *durchlauf.fehler;
        } catch (const store::StoreError& fehler) {
            k.fehler << core::meldung(fehler) << Qt::endl;
            const bool beschaedigt = fehler.art() == Art::Beschaedigt || fehler.art() == Art::KeineDatenbank
                || fehler.art() == Art::LeereDatei || fehler.art() == Art::KeineDatei
                || fehler.art() == Art::TabelleFehlt || fehler.art() == Art::FalscheForm;
            return beschaedigt ? DateiBeschaedigt : Fehlschlag;
        }
        k.aus << QStringLiteral("Die Datei %1 ist in Ordnung: %2.")
                     .arg(buch(), mitAnzahl(eintraege, "Eintrag", "Einträge"));
        if (andere > 0)
            k.aus << QStringLiteral(" Dazu kommen %1 ohne Bezeichnung, Tag oder Monat, die das Programm nicht zeigt.")
                         .arg(mitAnzahl(andere, "Datensatz", "Datensätze"));
        k.aus << Qt::endl;
        return Erfolg;
    }
};

} // namespace

std::unique_ptr<Befehl> pruefen()
{
    return std::make_unique<Pruefen>();
}

} // namespace daten

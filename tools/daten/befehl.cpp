// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "befehl.h"

#include <QDir>

namespace daten {

namespace {

QString ordnerhilfe(Befehl::Buch buch)
{
    switch (buch) {
    case Befehl::Buch::Neu:
        return QStringLiteral("legt ORDNER/daten.mdb an, wenn nötig auch ORDNER");
    case Befehl::Buch::Keins:
        return QStringLiteral("erinnert an ORDNER/daten.mdb statt an die im persönlichen Datenordner");
    case Befehl::Buch::Vorhanden:
        break;
    }
    return QStringLiteral("arbeitet mit ORDNER/daten.mdb");
}

} // namespace

Option ordneroption(Befehl::Buch buch)
{
    return {"ordner", "ORDNER", ordnerhilfe(buch), "der Ordner"};
}

QString mitAnzahl(qsizetype anzahl, const char* einzahl, const char* mehrzahl)
{
    return QStringLiteral("%1 %2").arg(anzahl).arg(QString::fromUtf8(anzahl == 1 ? einzahl : mehrzahl));
}

QString keinOrdner(const QString& ordner)
{
    return QStringLiteral("Den Ordner %1 gibt es nicht.").arg(QDir(ordner).path());
}

Befehl::Befehl(const char* name, Buch buch) : ordner(nullptr, ordneroption(buch)), name_(name), buch_(buch) {}

void Befehl::aufnehmen(Eingabe* eingabe)
{
    (eingabe->istOption() ? optionen_ : argumente_).append(eingabe);
}

} // namespace daten

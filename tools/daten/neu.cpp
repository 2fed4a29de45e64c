// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten neu`: creates an empty daten.mdb, readable by its owner only.
#include "befehl.h"

#include <QDir>

namespace daten {

namespace {

class Neu final : public Befehl {
public:
    Neu() : Befehl("neu", Buch::Neu)
    {
        beschreibung_ = QStringLiteral("legt eine leere daten.mdb an; eine vorhandene bleibt unberührt.");
    }

    int ausfuehren(Kontext& k) override
    {
        // A missing ORDNER is made readable by its owner only, as the menu start makes the data folder.
        const QString o = ordner.wert();
        if (!o.isNull() && !QFileInfo::exists(o) && QDir().mkpath(QFileInfo(o).absolutePath()))
            QDir().mkdir(o, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!o.isNull() && !QFileInfo(o).isDir()) {
            k.fehler << keinOrdner(o) << Qt::endl;
            return Fehlschlag;
        }
        const QString datei = QDir::cleanPath(QDir(o.isNull() ? QStringLiteral(".") : o).filePath(store::dateiname));
        try {
            store::Store::create(datei);
        } catch (const store::StoreError& fehler) {
            k.fehler << core::meldung(fehler) << Qt::endl;
            return Fehlschlag;
        }
        k.aus << QStringLiteral("Die leere Datenbank %1 wurde angelegt.").arg(datei) << Qt::endl;
        return Erfolg;
    }
};

} // namespace

std::unique_ptr<Befehl> neu()
{
    return std::make_unique<Neu>();
}

} // namespace daten

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buch.h"

#include "core/datenordner.h"
#include "store/store.h"

#include <QDir>

QString buchFinden(const QString& ordner, QTextStream& fehler)
{
    if (!ordner.isNull())
        return QDir::cleanPath(QDir(ordner).filePath(store::dateiname));
    if (QFileInfo::exists(store::dateiname))
        return store::dateiname;
    const QString eigenes = core::datenordner() + u'/' + store::dateiname;
    if (QFileInfo::exists(eigenes))
        return eigenes;
    fehler << QStringLiteral("Die Datei %1 gibt es weder im aktuellen Ordner %2 noch im persönlichen Datenordner %3; "
                             "einen anderen Ordner nennen Sie mit --ordner ORDNER.")
                  .arg(store::dateiname, QDir::currentPath(), core::datenordner())
           << Qt::endl;
    return {};
}

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kontext.h"

#include "core/datenordner.h"

#include <QCoreApplication>

namespace daten {

Orte orteDesSystems()
{
    return {core::heimordner(), core::datenordner(),
            core::xdgOrdner("XDG_CONFIG_HOME", QStringLiteral(".config")) + QStringLiteral("/autostart"),
            QCoreApplication::applicationFilePath()};
}

} // namespace daten

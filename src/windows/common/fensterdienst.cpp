// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fensterdienst.h"

#include <QDialog>

namespace ui {

void Dialogfenster::modalZeigen(QDialog& dialog)
{
    dialog.exec();
}

} // namespace ui

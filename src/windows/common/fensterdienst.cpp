#include "fensterdienst.h"

#include <QDialog>

namespace ui {

void Dialogfenster::modalZeigen(QDialog& dialog)
{
    dialog.exec();
}

} // namespace ui

#include "tagesanzeige.h"

#include "tagesfenster.h"
#include "ui/datum.h"

#include <QGroupBox>

void tagesanzeige(Tagesfenster& tage, QDate heute)
{
    static const char* const vorsilben[Tagesfenster::anzahl] = {
        "Vorgestern: ", "Gestern: ", "Heute: ", "Morgen: ", "Übermorgen: ", "", "", "", ""};
    for (int k = 0; k < Tagesfenster::anzahl; ++k) {
        const QDate tag = heute.addDays(k - Tagesfenster::heute);
        tage.rahmen(k)->setTitle(QString::fromUtf8(vorsilben[k]) + ui::deutschesDatum(tag));
    }
}

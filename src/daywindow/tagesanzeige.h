#pragma once

#include <QDate>

class Tagesfenster;

// Writes into the caption of each day frame the day it stands for: "Heute: Mittwoch, 30.12.2026".
void tagesanzeige(Tagesfenster& tage, QDate heute);

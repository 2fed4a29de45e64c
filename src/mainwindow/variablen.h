#pragma once

#include <QtGlobal>

// The two working values shared by the list builders and the entry dialogs: the month and the
// year (0 = none) of the entry under work. Every user sets them before reading them.
struct Variablen {
    qint16 aktmonat = 0;
    qint16 aktjahr = 0;
};

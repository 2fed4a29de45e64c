#pragma once

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <vector>

// The median of `laeufe` runs of `aktion`, in milliseconds. `vorher` runs untimed before each.
template <typename Vorher, typename Aktion>
double medianMs(int laeufe, Vorher vorher, Aktion aktion)
{
    std::vector<double> zeiten;
    for (int i = 0; i < laeufe; ++i) {
        vorher();
        QElapsedTimer uhr;
        uhr.start();
        aktion();
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

// One figure a line: "<figure> <entries> <median ms>".
inline void ausgeben(const char* figur, int eintraege, double ms)
{
    QTextStream(stdout) << figur << ' ' << eintraege << ' ' << QString::number(ms, 'f', 1) << Qt::endl;
}

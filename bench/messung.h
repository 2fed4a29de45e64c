// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

// Figures measured together, in rounds: each round runs every figure once, in turn, so a shared
// machine that slows down for a while slows all of them alike, and figures of one size compare
// fairly. A first round, untimed, fills the caches. Prints one line a figure:
// "<figure> <entries> <median ms>".
class Messreihe {
public:
    explicit Messreihe(int eintraege) : eintraege_(eintraege) {}

    // `vorher` runs untimed before each run of `aktion`.
    void figur(const QString& name, std::function<void()> vorher, std::function<void()> aktion)
    {
        figuren_.push_back({name, std::move(vorher), std::move(aktion), {}});
    }

    void messen(int runden)
    {
        for (int runde = -1; runde < runden; ++runde) {
            for (Figur& f : figuren_) {
                f.vorher();
                QElapsedTimer uhr;
                uhr.start();
                f.aktion();
                if (runde >= 0)
                    f.zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
            }
        }
        for (Figur& f : figuren_) {
            std::sort(f.zeiten.begin(), f.zeiten.end());
            QTextStream(stdout) << f.name << ' ' << eintraege_ << ' '
                                << QString::number(f.zeiten[f.zeiten.size() / 2], 'f', 1) << Qt::endl;
        }
    }

private:
    struct Figur {
        QString name;
        std::function<void()> vorher, aktion;
        std::vector<double> zeiten;
    };
    int eintraege_;
    std::vector<Figur> figuren_;
};

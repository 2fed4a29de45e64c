// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Inside the exchange formats only: how a CSV text falls into records and fields.
#include "satz.h"

#include <QString>
#include <array>
#include <utility>

namespace exchange {

// A cell a spreadsheet would take for a formula: =, +, -, @, tab or CR at its start, also behind
// apostrophes. The export puts an apostrophe before it (as OWASP advises against CSV injection)
// and the import takes exactly that one away, so a cell that began with apostrophes keeps them.
inline bool formelartig(QStringView zelle)
{
    qsizetype i = 0;
    while (i < zelle.size() && zelle[i] == u'\'')
        ++i;
    return i < zelle.size() && QStringView(u"=+-@\t\r").contains(zelle[i]);
}

// Splits the text into records of fields. `trenner` comes from the header line: the most frequent
// of comma, semicolon and tab outside quotes.
class Zerleger {
public:
    explicit Zerleger(const QString& text) : text_(text)
    {
        std::array<int, 3> anzahl{};
        bool inAnfuehrung = false;
        for (qsizetype i = 0; i < text_.size() && (inAnfuehrung || (text_[i] != u'\n' && text_[i] != u'\r')); ++i) {
            const QChar c = text_[i];
            inAnfuehrung = c == u'"' ? !inAnfuehrung : inAnfuehrung;
            anzahl[0] += !inAnfuehrung && c == u',';
            anzahl[1] += !inAnfuehrung && c == u';';
            anzahl[2] += !inAnfuehrung && c == u'\t';
        }
        trenner_ = anzahl[1] > anzahl[0] && anzahl[1] >= anzahl[2] ? u';' : anzahl[2] > anzahl[0] ? u'\t' : u',';
    }

    struct Datensatz {
        int zeile = 0;    // the line it begins on
        bool leer = true; // all its fields blank
    };

    // The next record; false at the end. Each field goes to `nehmen(spalte, feld)` as it ends,
    // without the apostrophe that guards a formula. A field for which `gebraucht(spalte)` is false
    // is not even built, so a line of millions of empty fields costs no memory.
    template <typename Gebraucht, typename Nehmen> bool naechster(Datensatz& satz, Gebraucht gebraucht, Nehmen nehmen)
    {
        if (pos_ >= text_.size())
            return false;
        satz = {zeile_, true};
        QString feld;
        qsizetype spalte = 0;
        bool behalten = gebraucht(spalte), begonnen = false, inAnfuehrung = false;
        const auto anhaengen = [&](QChar c) {
            if (behalten)
                feld += c;
            begonnen = true;
            satz.leer = satz.leer && c.isSpace();
        };
        const auto abschliessen = [&] {
            if (behalten)
                nehmen(spalte, feld.startsWith(u'\'') && formelartig(feld) ? feld.sliced(1) : std::move(feld));
            feld = QString();
            begonnen = false;
            behalten = gebraucht(++spalte);
        };
        for (; pos_ < text_.size(); ++pos_) {
            const QChar c = text_[pos_];
            if (inAnfuehrung) {
                if (c == u'"' && folgt(u'"'))
                    anhaengen(text_[++pos_]);
                else if (c == u'"')
                    inAnfuehrung = false;
                else
                    anhaengen(c);
                zeile_ += c == u'\n' || (c == u'\r' && !folgt(u'\n'));
            } else if (c == u'"' && !begonnen) {
                inAnfuehrung = true;
            } else if (c == trenner_) {
                abschliessen();
            } else if (c == u'\r' || c == u'\n') {
                pos_ += c == u'\r' && folgt(u'\n') ? 2 : 1;
                ++zeile_;
                break;
            } else {
                anhaengen(c);
            }
        }
        if (inAnfuehrung)
            throw Abweisung(Abweisung::Art::AnfuehrungOffen).inZeile(satz.zeile);
        abschliessen();
        return true;
    }

private:
    bool folgt(QChar c) const { return pos_ + 1 < text_.size() && text_[pos_ + 1] == c; }

    const QString& text_;
    QChar trenner_;
    qsizetype pos_ = 0;
    int zeile_ = 1;
};

} // namespace exchange

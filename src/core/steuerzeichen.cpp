// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steuerzeichen.h"

#include <algorithm>

namespace core {

namespace {

bool istSteuerzeichen(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

bool istZeilenende(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == 0x85 || c == 0x2028 || c == 0x2029;
}

constexpr int weg = -1;

// `ersatz` gives for a control character or separator what takes its place: itself, another
// character, or `weg`.
template <typename Ersatz> QString saeubern(QStringView text, Ersatz ersatz)
{
    QString ergebnis;
    qsizetype sauberBis = 0; // the clean part of `text` not yet copied starts here
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!istSteuerzeichen(c) && c != 0x2028 && c != 0x2029)
            continue;
        const int statt = ersatz(text, i);
        if (statt == c)
            continue;
        if (ergebnis.isNull())
            ergebnis.reserve(text.size());
        ergebnis.append(text.sliced(sauberBis, i - sauberBis));
        if (statt != weg)
            ergebnis.append(QChar(char16_t(statt)));
        sauberBis = i + 1;
    }
    if (ergebnis.isNull())
        return text.toString(); // nothing to clean: shares nothing, costs one copy
    ergebnis.append(text.sliced(sauberBis));
    return ergebnis;
}

} // namespace

QString einzeilig(QStringView text)
{
    return saeubern(text, [](QStringView t, qsizetype i) {
        const char16_t c = t[i].unicode();
        return c == u'\t' || istZeilenende(c) ? int(u' ') : weg;
    });
}

QString einzeilig(const QString& text)
{
    const bool sauber = std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return istSteuerzeichen(c.unicode()) || c.unicode() == 0x2028 || c.unicode() == 0x2029;
    });
    return sauber ? text : einzeilig(QStringView(text));
}

QString mehrzeilig(QStringView text)
{
    return saeubern(text, [](QStringView t, qsizetype i) {
        const char16_t c = t[i].unicode();
        if (c == u'\n' || c == u'\t' || c == 0x2028 || c == 0x2029)
            return int(c);
        if (c == u'\r') // CR LF: the CR goes and the LF stays; a lone CR is a line end of its own
            return i + 1 < t.size() && t[i + 1] == u'\n' ? weg : int(u'\n');
        return weg;
    });
}

} // namespace core

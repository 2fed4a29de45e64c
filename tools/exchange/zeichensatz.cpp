// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zeichensatz.h"

#include <QStringDecoder>
#include <array>

namespace exchange {

namespace {

// 0x80 to 0x9F in Windows-1252; 0 where the code is undefined.
constexpr std::array<char16_t, 32> windows1252
    = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<QString> ausWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const char16_t zeichen = b >= 0x80 && b < 0xA0 ? windows1252[b - 0x80] : char16_t(b);
        if (zeichen == 0 && b != 0)
            return std::nullopt;
        text[i] = QChar(zeichen);
    }
    return text;
}

bool nurAscii(QByteArrayView bytes)
{
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

std::optional<Zeichensatz> zeichensatz(QByteArrayView name)
{
    const QByteArray n = name.toByteArray().toUpper();
    if (n == "UTF-8" || n == "UTF8" || n == "US-ASCII" || n == "ASCII")
        return Zeichensatz::Erkennen;
    if (n == "WINDOWS-1252" || n == "CP1252" || n == "ISO-8859-1" || n == "ISO8859-1" || n == "LATIN1")
        return Zeichensatz::Windows1252;
    return std::nullopt;
}

std::optional<QString> dekodieren(QByteArrayView bytes, Zeichensatz zeichensatz)
{
    if (nurAscii(bytes))
        return QString::fromLatin1(bytes);
    if (zeichensatz == Zeichensatz::Erkennen) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return ausWindows1252(bytes);
}

Utf8Befund utf8Befund(QByteArrayView bytes)
{
    Utf8Befund befund;
    const auto byte = [&bytes](qsizetype i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned b = byte(i);
        if (b < 0x80)
            continue;
        // The length of the sequence and the range of its second byte, which rules out overlong
        // forms, surrogates and code points beyond U+10FFFF.
        const int folgebytes = b >= 0xC2 && b <= 0xDF ? 1 : b >= 0xE0 && b <= 0xEF ? 2 : b >= 0xF0 && b <= 0xF4 ? 3 : 0;
        const unsigned von = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
        const unsigned bis = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
        bool gueltig = folgebytes > 0 && byte(i + 1) >= von && byte(i + 1) <= bis;
        for (int k = 2; gueltig && k <= folgebytes; ++k)
            gueltig = byte(i + k) >= 0x80 && byte(i + k) <= 0xBF;
        if (gueltig) {
            befund.mehrbyte = true;
            i += folgebytes;
        } else if (befund.ungueltig < 0) {
            befund.ungueltig = i;
        }
    }
    return befund;
}

} // namespace exchange

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace exchange {

// How the bytes of a file or of a vCard value become text.
enum class Zeichensatz {
    Erkennen,    // UTF-8 when the bytes are valid UTF-8, else Windows-1252
    Windows1252, // also for ISO-8859-1, which is Windows-1252 without the characters 0x80 to 0x9F
};

// The charset a vCard names in CHARSET=, in any case; none for one the program does not know.
std::optional<Zeichensatz> zeichensatz(QByteArrayView name);

// None when the bytes hold a code that Windows-1252 leaves undefined: then the file is in an
// encoding the program does not know.
std::optional<QString> dekodieren(QByteArrayView bytes, Zeichensatz zeichensatz = Zeichensatz::Erkennen);

// What bytes in no declared charset say about their encoding. A file decides as a whole: it is
// UTF-8 when all its bytes are, Windows-1252 when it holds no multi-byte UTF-8 sequence, and
// refused when it holds both, for then neither reading gets every line right.
struct Utf8Befund {
    bool mehrbyte = false;    // a valid multi-byte sequence
    qsizetype ungueltig = -1; // the offset of the first byte that is no UTF-8
};
Utf8Befund utf8Befund(QByteArrayView bytes);

} // namespace exchange

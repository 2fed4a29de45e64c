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

} // namespace exchange

#pragma once

#include <QString>

namespace core {

// One line of a list and the identity of the entry it stands for (-1 for none).
struct Zeile {
    QString text;
    qint64 id = -1;
    bool operator==(const Zeile&) const = default;
};

} // namespace core

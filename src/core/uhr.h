#pragma once

#include <QDate>

namespace core {

// Today's date. Tests put a clock with a fixed date in its place.
class Uhr {
public:
    virtual ~Uhr() = default;
    virtual QDate heute() const = 0;
};

class SystemUhr final : public Uhr {
public:
    QDate heute() const override { return QDate::currentDate(); }
};

} // namespace core

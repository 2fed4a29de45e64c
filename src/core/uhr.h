// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QObject>

namespace core {

// Today's date, and word when it changes: at midnight, after waking from standby, after the
// clock was set. Tests put a clock in its place that they set by hand.
class Uhr : public QObject {
    Q_OBJECT
public:
    virtual QDate heute() const = 0;

signals:
    void datumGeaendert();
};

// The system's clock, looked at twice a minute.
class SystemUhr final : public Uhr {
public:
    SystemUhr();
    QDate heute() const override { return QDate::currentDate(); }

private:
    QDate zuletzt_;
};

} // namespace core

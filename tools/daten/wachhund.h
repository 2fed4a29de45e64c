// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace daten {

// Bounds a part of the tool that may wait without limit inside a library (Qt's bus connection
// waits for the peer's handshake for ever). Unless it is destroyed before `frist`, it writes
// `meldung` to standard error and ends the process with status 1, from a thread of its own and
// without running any destructor of the blocked part.
class Wachhund {
public:
    Wachhund(QDeadlineTimer frist, const QString& meldung);
    ~Wachhund();
    Wachhund(const Wachhund&) = delete;
    Wachhund& operator=(const Wachhund&) = delete;

private:
    const QByteArray meldung_; // prepared here: the thread must not allocate or convert
    std::mutex mutex_;
    std::condition_variable abgerufen_;
    bool fertig_ = false;
    std::thread wache_;
};

} // namespace daten

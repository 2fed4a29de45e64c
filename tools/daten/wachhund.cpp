// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wachhund.h"

#include <cerrno>
#include <chrono>
#include <unistd.h>

namespace daten {

Wachhund::Wachhund(QDeadlineTimer frist, const QString& meldung) : meldung_(meldung.toUtf8() + '\n')
{
    const auto ende = frist.deadline<std::chrono::steady_clock>();
    wache_ = std::thread([this, ende] {
        std::unique_lock sperre(mutex_);
        if (abgerufen_.wait_until(sperre, ende, [this] { return fertig_; }))
            return;
        for (const char* rest = meldung_.cbegin(); rest < meldung_.cend();) {
            const ssize_t n = ::write(STDERR_FILENO, rest, size_t(meldung_.cend() - rest));
            if (n <= 0 && errno != EINTR)
                break;
            rest += qMax<ssize_t>(n, 0);
        }
        ::_exit(1);
    });
}

Wachhund::~Wachhund()
{
    {
        const std::lock_guard sperre(mutex_);
        fertig_ = true;
    }
    abgerufen_.notify_one();
    wache_.join();
}

} // namespace daten

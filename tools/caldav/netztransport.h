// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "transport.h"

#include <QNetworkAccessManager>
#include <chrono>

namespace caldav {

// The transport of the program, over QNetworkAccessManager. Each request has a deadline from the
// connection to its last byte, not a timer that a trickle of bytes restarts. Qt answers no login
// of its own (NTLM, Digest, a name in the address); credentials are only what the caller puts
// into the headers. Answers are read in pieces and counted against the request's limit; until an
// answer's head comes, what the whole process gains is counted: it is meant for one that does
// nothing else meanwhile.
class Netztransport final : public Transport {
public:
    explicit Netztransport(std::chrono::milliseconds frist = std::chrono::seconds(30));
    Antwort senden(const Anfrage& anfrage) override;

private:
    QNetworkAccessManager netz_;
    std::chrono::milliseconds frist_;
};

} // namespace caldav

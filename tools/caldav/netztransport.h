// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "transport.h"

#include <chrono>

namespace caldav {

// The transport of the program: HTTP/1.1 of its own, one request per connection, over TCP or over
// TLS that checks the server's certificate against the system's authorities and passes over no
// error. Each request has a deadline from the connection to its last byte, not a timer that a
// trickle of bytes restarts. Credentials are only what the caller puts into the headers, a name in
// the address is dropped, and no redirect is followed. An answer is read as it arrives: its head
// within a fixed limit, its body, whatever the status, counted against the request's limit before
// it is kept or handed on; what a server sends beyond is never read.
class Netztransport final : public Transport {
public:
    explicit Netztransport(std::chrono::milliseconds frist = std::chrono::seconds(30));
    Antwort senden(const Anfrage& anfrage) override;

private:
    std::chrono::milliseconds frist_;
};

} // namespace caldav

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fehler.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

namespace caldav {

struct Zugang {
    QString login;
    QString passwort;
};

// The entry of a .netrc text for `host`: the first `machine HOST` (with `login` equal to `login`
// where one is asked for), else `default`. Tokens are separated by blanks, tabs and line breaks and
// may be quoted ("two words", \" inside); a `macdef` runs to the next empty line and is skipped.
std::optional<Zugang> netrcSuchen(const QByteArray& text, const QString& host, const QString& login = {});

// The entry for `host` in the .netrc of the folder `heim`: none when there is no such file or
// entry. A failure when the file may be accessed by group or others (as other programs that read
// it, this one then does not use it), or when it is no regular file or cannot be read; it is
// opened so that a pipe or device in its place never makes the run wait.
using Netrc = std::variant<std::optional<Zugang>, Fehler>;
Netrc zugangLesen(const QString& heim, const QString& host, const QString& login = {});

} // namespace caldav

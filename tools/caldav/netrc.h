// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace caldav {

struct Zugang {
    QString login;
    QString passwort;
};

// The entry of a .netrc text for `host`: the first `machine HOST` (with `login` equal to `login`
// where one is asked for), else `default`. Tokens are separated by blanks, tabs and line breaks and
// may be quoted ("two words", \" inside); a `macdef` runs to the next empty line and is skipped.
std::optional<Zugang> netrcSuchen(const QByteArray& text, const QString& host, const QString& login = {});

// The entry for `host` in $HOME/.netrc; none when there is no such file or entry. Throws Fehler
// when group or others may access the file (as other programs that read it, it is then not used)
// or when it cannot be read.
std::optional<Zugang> zugangLesen(const QString& host, const QString& login = {});

} // namespace caldav

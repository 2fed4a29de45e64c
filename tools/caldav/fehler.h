// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

namespace caldav {

// A failure of the publication, with a German text that is shown to the user as it is. It never
// holds a password.
class Fehler : public std::runtime_error {
public:
    explicit Fehler(const QString& meldung) : std::runtime_error(meldung.toStdString()), meldung_(meldung) {}
    const QString& meldung() const { return meldung_; }

private:
    QString meldung_;
};

} // namespace caldav

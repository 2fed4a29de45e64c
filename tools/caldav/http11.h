// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "transport.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QUrl>
#include <functional>
#include <optional>

namespace caldav {

// A request as it goes over a connection that carries it alone: the request line with the path and
// query as encoded, Host, the program's own headers, `kopf` as given, the length of a body, and the
// body. `kopf` must be free of control characters; the caller checks that.
QByteArray anfragetext(const Anfrage& anfrage, const QUrl& url);

// One answer of HTTP/1.1, read in whatever pieces the connection brings it. The head, interim
// answers (1xx) before it included, is read within a fixed limit; then the body by its length, in
// chunks, or up to the end of the connection. Every byte of the body, whatever the status, is
// counted against the limit before it goes on to `inhalt`; nothing of it is kept here.
class Antwortleser {
public:
    enum class Stand {
        Kopf,
        Inhalt,
        Fertig,
        ZuGross,   // the body passes the limit, or its length or a chunk's says it will
        Kaputt,    // not HTTP/1.x, a head past its limit, a bad length or chunk, or a body cut short
        Abgelehnt, // `inhalt` refused a piece
    };
    static constexpr qsizetype kopfgrenze = 64 * 1024;

    // `ohneInhalt`: the answer to a HEAD, whose length names a body that does not come.
    Antwortleser(qint64 grenze, bool ohneInhalt, std::function<bool(QByteArrayView)> inhalt);

    Stand lesen(QByteArrayView daten);
    // The connection ended: an answer whose body runs until then is whole, any other is not.
    Stand schluss();

    int status() const { return status_; }
    // A field of the head without the blanks around it; several of one name joined by ", ".
    std::optional<QByteArray> feld(QByteArrayView name) const;

private:
    enum class Teil { Status, Feld, Groesse, Stueck, NachStueck, Nachspann, Laenge, BisSchluss };

    Stand stand() const;
    void zeileLesen(const QByteArray& zeile);
    void kopfEnde();
    void ankuendigen(qint64 laenge);
    bool weitergeben(QByteArrayView stueck);

    const qint64 grenze_;
    const bool ohneInhalt_;
    const std::function<bool(QByteArrayView)> inhalt_;
    Teil teil_ = Teil::Status;
    std::optional<Stand> ende_;
    QByteArray zeile_;
    qsizetype kopfraum_ = kopfgrenze; // what is left for the lines of heads and the trailer
    qint64 rest_ = 0;                 // of the chunk or the length
    qint64 gelesen_ = 0;
    int status_ = 0;
    QList<QPair<QByteArray, QByteArray>> felder_;
};

} // namespace caldav

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

// A Radicale server of its own (Debian python3-radicale) on 127.0.0.1 at a free port: plain
// password file, storage and owner_only rights in a temporary folder; with https a self-signed
// certificate made by openssl. Stopped with the object.
class Radicale {
public:
    enum class Art { Http, Https };
    explicit Radicale(Art art = Art::Http);
    ~Radicale();
    static bool installiert();
    static constexpr const char* benutzer = "anna";
    static constexpr const char* kennwort = "geheim-7";

    QString fehler() const { return fehler_; } // why it does not run; empty when it runs
    QUrl adresse(const QString& pfad = {}) const
    {
        return QUrl(QString("%1://127.0.0.1:%2/%3").arg(schema_).arg(port_).arg(pfad));
    }
    // The folder holding a collection's resources.
    QString ablage(const QString& pfad) const { return ordner_.filePath("ablage/collection-root/" + pfad); }
    // The requests answered since the last call, from the server's log: "PROPFIND /anna/k/ Depth 0 207".
    QStringList anfragen();
    // One request of plain HTTP as the user, as any other client sends it.
    struct Http {
        int status = 0;
        QByteArray inhalt;
    };
    Http http(const QByteArray& verb, const QString& pfad, const QByteArray& inhalt = {}, const QByteArray& typ = {},
              const QByteArray& tiefe = {});

private:
    QTemporaryDir ordner_;
    QProcess server_;
    QString fehler_, schema_;
    quint16 port_ = 0;
    qint64 gelesen_ = 0;
};

#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

// A Radicale server of its own (Debian python3-radicale) on 127.0.0.1 at a free port, with a plain
// password file, its storage and `owner_only` rights in a temporary folder; stopped with the object.
// With https it serves a self-signed certificate made by openssl. What landed is read from its
// storage and its log, never through the program's own client.
class Radicale {
public:
    enum class Art { Http, Https };
    explicit Radicale(Art art = Art::Http);
    ~Radicale();

    static bool installiert();
    static constexpr const char* benutzer = "anna";
    static constexpr const char* kennwort = "geheim-7";

    // Why it does not run; empty when it runs.
    QString fehler() const { return fehler_; }
    QUrl adresse(const QString& pfad) const;
    // The folder that holds a collection's resources, one file each.
    QString ablage(const QString& pfad) const;
    // The requests answered since the last call, as "PUT /anna/kal/x.ics 201".
    QStringList anfragen();

private:
    QTemporaryDir ordner_;
    QProcess server_;
    QString fehler_;
    QString schema_;
    quint16 port_ = 0;
    qint64 gelesen_ = 0; // of the log
};

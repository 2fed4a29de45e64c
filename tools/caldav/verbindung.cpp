// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "verbindung.h"

#include "adresse.h"
#include "fehler.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QSslError>

#include <memory>

namespace caldav {

namespace {

constexpr int wartezeit = 30000; // ms
constexpr int umleitungen = 5;

QString zertifikatsgrund(const QList<QSslError>& fehler)
{
    for (const QSslError& f : fehler) {
        switch (f.error()) {
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
            return QStringLiteral("Es ist selbst ausgestellt und von keiner bekannten Stelle beglaubigt");
        case QSslError::CertificateExpired:
        case QSslError::CertificateNotYetValid:
            return QStringLiteral("Es ist abgelaufen oder noch nicht gültig");
        case QSslError::HostNameMismatch:
            return QStringLiteral("Es ist für einen anderen Namen ausgestellt");
        default:
            break;
        }
    }
    return QStringLiteral("Es ist von keiner bekannten Stelle beglaubigt");
}

QString unerreichbar(QNetworkReply::NetworkError fehler)
{
    switch (fehler) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("Verbindung abgewiesen");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("unbekannter Name");
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("keine Antwort in %1 Sekunden").arg(wartezeit / 1000);
    default:
        return QStringLiteral("Verbindung abgebrochen");
    }
}

bool istUmleitung(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

Verbindung::Verbindung(const QUrl& server, std::optional<Zugang> zugang) : server_(server), zugang_(std::move(zugang))
{
    netz_.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

Antwort Verbindung::senden(const Anfrage& anfrage)
{
    QUrl url = anfrage.url;
    for (int sprung = 0;; ++sprung) {
        if (const QString fehler = adressfehler(url); !fehler.isEmpty())
            throw Fehler(fehler);
        QNetworkRequest r(url);
        r.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        r.setTransferTimeout(wartezeit);
        for (const auto& [name, wert] : anfrage.kopf)
            r.setRawHeader(name, wert);
        if (zugang_ && gleicherServer(url, server_))
            r.setRawHeader("Authorization", "Basic " + (zugang_->login + u':' + zugang_->passwort).toUtf8().toBase64());

        const std::unique_ptr<QNetworkReply> antwort(netz_.sendCustomRequest(r, anfrage.verb, anfrage.inhalt));
        QList<QSslError> zertifikat;
        QObject::connect(antwort.get(), &QNetworkReply::sslErrors,
                         [&zertifikat](const QList<QSslError>& f) { zertifikat = f; });
        QEventLoop warten;
        QObject::connect(antwort.get(), &QNetworkReply::finished, &warten, &QEventLoop::quit);
        if (!antwort->isFinished())
            warten.exec();

        const int status = antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 0 && (!zertifikat.isEmpty() || antwort->error() == QNetworkReply::SslHandshakeFailedError))
            throw Fehler(QStringLiteral("Das Zertifikat des Servers %1 wurde nicht anerkannt. %2; es wurde nichts "
                                        "übertragen.")
                             .arg(url.host(), zertifikatsgrund(zertifikat)));
        if (status == 0)
            throw Fehler(QStringLiteral("Der Server %1 ist nicht erreichbar (%2).")
                             .arg(url.host(), unerreichbar(antwort->error())));
        if (istUmleitung(status)) {
            if (sprung >= umleitungen)
                throw Fehler(
                    QStringLiteral("Der Server %1 leitet mehr als %2-mal um.").arg(url.host()).arg(umleitungen));
            url = url.resolved(QUrl::fromEncoded(antwort->rawHeader("Location")));
            continue;
        }
        return {status, antwort->readAll(), antwort->rawHeader("ETag"), url};
    }
}

} // namespace caldav

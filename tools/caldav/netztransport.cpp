// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "netztransport.h"

#include "http11.h"

#include <QEventLoop>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace caldav {

namespace {

// What the socket takes from the system before it is read; the rest waits at the server's cost.
constexpr qint64 lesepuffer = 64 * 1024;

bool steuerzeichenfrei(QByteArrayView text)
{
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7f;
    });
}

// A value may come from a server (an ETag); a line break in it would start a header of its own.
bool kopfGueltig(const Kopfzeilen& kopf)
{
    return std::all_of(kopf.begin(), kopf.end(), [](const auto& zeile) {
        const auto& [name, wert] = zeile;
        return steuerzeichenfrei(name) && steuerzeichenfrei(wert);
    });
}

Fehler::Art zertifikatsart(const QList<QSslError>& fehler)
{
    for (const QSslError& f : fehler) {
        switch (f.error()) {
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
            return Fehler::Art::ZertifikatSelbstAusgestellt;
        case QSslError::CertificateExpired:
        case QSslError::CertificateNotYetValid:
            return Fehler::Art::ZertifikatAbgelaufen;
        case QSslError::HostNameMismatch:
            return Fehler::Art::ZertifikatFuerAnderenNamen;
        default:
            break;
        }
    }
    return Fehler::Art::ZertifikatUnbekannt;
}

} // namespace

Netztransport::Netztransport(std::chrono::milliseconds frist) : frist_(frist) {}

Antwort Netztransport::senden(const Anfrage& anfrage)
{
    QUrl url = anfrage.url;
    url.setUserInfo({});
    Antwort antwort;
    const auto fehlschlag = [&](Fehler::Art art, qint64 zahl = 0) {
        antwort.fehler = Fehler{art, url.host(), url.toString(), anfrage.verb, zahl, {}};
        return antwort;
    };
    if (!kopfGueltig(anfrage.kopf))
        return fehlschlag(Fehler::Art::KopfUngueltig);
    const bool tls = url.scheme() == u"https";
    if ((!tls && url.scheme() != u"http") || url.host().isEmpty())
        return fehlschlag(Fehler::Art::KeineAdresse);

    Antwortleser leser(anfrage.grenze, anfrage.verb == "HEAD", [&](QByteArrayView stueck) {
        if (anfrage.empfang)
            return anfrage.empfang(stueck);
        antwort.inhalt.append(stueck);
        return true;
    });
    std::optional<Fehler::Art> grund;
    bool fertig = false;
    QList<QSslError> zertifikat;
    QEventLoop warten;
    QTimer frist;
    frist.setSingleShot(true);
    const auto beenden = [&](std::optional<Fehler::Art> art) {
        if (fertig)
            return;
        fertig = true;
        grund = art;
        warten.quit();
    };
    const auto weiter = [&](Antwortleser::Stand stand) {
        switch (stand) {
        case Antwortleser::Stand::Kopf:
        case Antwortleser::Stand::Inhalt:
            return;
        case Antwortleser::Stand::Fertig:
            return beenden({});
        case Antwortleser::Stand::Abgelehnt:
            antwort.abgebrochen = true;
            return beenden({});
        case Antwortleser::Stand::ZuGross:
            return beenden(Fehler::Art::ZuGross);
        case Antwortleser::Stand::Kaputt:
            return beenden(Fehler::Art::Abgebrochen);
        }
    };

    const std::unique_ptr<QTcpSocket> verbindung(tls ? new QSslSocket : new QTcpSocket);
    QTcpSocket* const s = verbindung.get();
    auto* const ssl = qobject_cast<QSslSocket*>(s);
    s->setReadBufferSize(lesepuffer);
    QByteArray puffer(lesepuffer, Qt::Uninitialized);
    const auto lesen = [&] {
        for (qint64 n; !fertig && (n = s->read(puffer.data(), puffer.size())) > 0;)
            weiter(leser.lesen(QByteArrayView(puffer.constData(), n)));
    };
    // A connection that ends before the handshake did not speak TLS; one that ends after the head
    // may have been the end of the body.
    const auto ende = [&](QAbstractSocket::SocketError fehler) {
        if (fertig)
            return;
        lesen();
        if (fertig)
            return;
        if (fehler == QAbstractSocket::RemoteHostClosedError && ssl && !ssl->isEncrypted())
            fehler = QAbstractSocket::SslHandshakeFailedError;
        switch (fehler) {
        case QAbstractSocket::RemoteHostClosedError:
            return weiter(leser.schluss());
        case QAbstractSocket::ConnectionRefusedError:
            return beenden(Fehler::Art::Abgewiesen);
        case QAbstractSocket::HostNotFoundError:
            return beenden(Fehler::Art::UnbekannterName);
        case QAbstractSocket::SslHandshakeFailedError:
            return beenden(zertifikat.isEmpty() ? Fehler::Art::Handshake : zertifikatsart(zertifikat));
        default:
            return beenden(Fehler::Art::Abgebrochen);
        }
    };
    const auto schicken = [&] { s->write(anfragetext(anfrage, url)); };
    QObject::connect(&frist, &QTimer::timeout, [&] { beenden(Fehler::Art::Zeitueberschreitung); });
    QObject::connect(s, &QAbstractSocket::readyRead, lesen);
    QObject::connect(s, &QAbstractSocket::errorOccurred, ende);
    QObject::connect(s, &QAbstractSocket::disconnected, [&] { ende(QAbstractSocket::RemoteHostClosedError); });

    frist.start(frist_);
    const QString host = url.host(QUrl::FullyEncoded);
    if (ssl) {
        QObject::connect(ssl, &QSslSocket::encrypted, schicken);
        QObject::connect(ssl, &QSslSocket::sslErrors, [&](const QList<QSslError>& f) { zertifikat = f; });
        ssl->setPeerVerifyMode(QSslSocket::VerifyPeer);
        ssl->connectToHostEncrypted(host, url.port(443));
    } else {
        QObject::connect(s, &QAbstractSocket::connected, schicken);
        s->connectToHost(host, url.port(80));
    }
    if (!fertig)
        warten.exec();
    frist.stop();
    s->abort();

    antwort.status = leser.status();
    if (grund == Fehler::Art::Zeitueberschreitung)
        return fehlschlag(*grund, std::chrono::ceil<std::chrono::seconds>(frist_).count());
    if (grund)
        return fehlschlag(*grund, *grund == Fehler::Art::ZuGross ? anfrage.grenze : 0);
    antwort.etag = leser.feld("ETag").value_or(QByteArray());
    antwort.ziel = leser.feld("Location").value_or(QByteArray());
    return antwort;
}

} // namespace caldav

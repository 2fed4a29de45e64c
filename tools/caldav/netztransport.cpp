// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "netztransport.h"

#include "core/programm.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkReply>
#include <QSslError>
#include <QTimer>

#include <algorithm>
#include <memory>

#include <unistd.h>

namespace caldav {

namespace {

// What Qt holds of an answer that has not been read yet; the rest waits in the socket.
constexpr qint64 lesepuffer = 64 * 1024;

// What the process may gain before an answer's head besides the body: the TLS machinery takes a
// few MiB on the first connection.
constexpr qint64 spielraum = 16 << 20;

// The process's resident memory in bytes; 0 where it cannot be read.
qint64 belegt()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return 0;
    return statm.read(64).split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

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

// Qt turns a status it does not like into an error too, in any of its ranges (400 is a protocol
// error, 407 a proxy's): an answer with a status is whole unless the connection broke under it.
bool ganzeAntwort(int status, QNetworkReply::NetworkError fehler)
{
    return status != 0
        && (fehler < QNetworkReply::ConnectionRefusedError || fehler > QNetworkReply::UnknownNetworkError)
        && fehler != QNetworkReply::ProtocolFailure;
}

Fehler::Art verbindungsart(QNetworkReply::NetworkError fehler, const QList<QSslError>& zertifikat)
{
    switch (fehler) {
    case QNetworkReply::ConnectionRefusedError:
        return Fehler::Art::Abgewiesen;
    case QNetworkReply::HostNotFoundError:
        return Fehler::Art::UnbekannterName;
    case QNetworkReply::SslHandshakeFailedError:
        // Without a certificate to judge, what answered spoke no TLS.
        return zertifikat.isEmpty() ? Fehler::Art::Handshake : zertifikatsart(zertifikat);
    default:
        return Fehler::Art::Abgebrochen;
    }
}

} // namespace

Netztransport::Netztransport(std::chrono::milliseconds frist) : frist_(frist)
{
    netz_.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

Antwort Netztransport::senden(const Anfrage& anfrage)
{
    // A name in the address would be Qt's to answer a login with, request after request.
    QUrl url = anfrage.url;
    url.setUserInfo({});
    Antwort antwort;
    const auto fehlschlag = [&](Fehler::Art art, qint64 zahl = 0) {
        antwort.fehler = Fehler{art, url.host(), url.toString(), anfrage.verb, zahl, {}};
        return antwort;
    };
    if (!kopfGueltig(anfrage.kopf))
        return fehlschlag(Fehler::Art::KopfUngueltig);

    QNetworkRequest r(url);
    r.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    r.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
    // HTTP/1.1 only: there the reply's read buffer holds Qt back, as the tests check.
    r.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    r.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Gedenkbuch/") + core::versionstext);
    r.setRawHeader("Accept-Language", "de");
    for (const auto& [name, wert] : anfrage.kopf)
        r.setRawHeader(name, wert);

    std::optional<Fehler::Art> grund;
    qint64 grenze = anfrage.grenze; // the one an answer passed
    QList<QSslError> zertifikat;
    qint64 gelesen = 0;
    QEventLoop warten;
    QTimer frist;
    frist.setSingleShot(true);
    // Qt reads the body of a 401 or 407 whole before it hands on even the head: past the read
    // buffer, without a signal on the way, whatever the request says about logins. Until the head
    // comes nothing of ours runs, so what the process gains meanwhile is that body; past a status
    // page's limit the request ends as too large, its status never handed on.
    QTimer wache;
    const qint64 vorher = belegt();
    const std::unique_ptr<QNetworkReply> netzantwort(netz_.sendCustomRequest(r, anfrage.verb, anfrage.inhalt));
    QNetworkReply* const n = netzantwort.get();
    // Qt passes the limit on only to a request it has started, and it starts one with a body only
    // once its event loop runs: the queued call comes after that start and before the answer.
    const auto puffern = [n] { n->setReadBufferSize(lesepuffer); };
    puffern();
    QMetaObject::invokeMethod(n, puffern, Qt::QueuedConnection);

    const auto beenden = [&](Fehler::Art art) {
        grund = art;
        n->abort();
    };
    const auto lesen = [&] {
        while (!grund && !antwort.abgebrochen) {
            const QByteArray stueck = n->read(lesepuffer);
            if (stueck.isEmpty())
                return;
            gelesen += stueck.size();
            if (gelesen > anfrage.grenze)
                beenden(Fehler::Art::ZuGross);
            else if (!anfrage.empfang)
                antwort.inhalt += stueck;
            else if (!anfrage.empfang(stueck)) {
                antwort.abgebrochen = true;
                n->abort();
            }
        }
    };
    QObject::connect(&frist, &QTimer::timeout, [&] { beenden(Fehler::Art::Zeitueberschreitung); });
    QObject::connect(&wache, &QTimer::timeout, [&] {
        const qint64 seite = std::min(anfrage.grenze, kleineAntwort);
        if (belegt() - vorher > seite + spielraum) {
            grenze = seite;
            beenden(Fehler::Art::ZuGross);
        }
    });
    QObject::connect(n, &QNetworkReply::metaDataChanged, [&] {
        wache.stop();
        bool zahl = false;
        if (n->header(QNetworkRequest::ContentLengthHeader).toLongLong(&zahl) > anfrage.grenze && zahl)
            beenden(Fehler::Art::ZuGross);
    });
    QObject::connect(n, &QNetworkReply::readyRead, lesen);
    QObject::connect(n, &QNetworkReply::sslErrors, [&](const QList<QSslError>& f) { zertifikat = f; });
    QObject::connect(n, &QNetworkReply::finished, &warten, &QEventLoop::quit);
    frist.start(frist_);
    wache.start(std::chrono::milliseconds(5));
    if (!n->isFinished())
        warten.exec();
    frist.stop();
    lesen();

    antwort.status = n->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (grund == Fehler::Art::Zeitueberschreitung)
        return fehlschlag(*grund, std::chrono::ceil<std::chrono::seconds>(frist_).count());
    if (grund)
        return fehlschlag(*grund, grenze);
    if (antwort.abgebrochen)
        return antwort;
    if (!ganzeAntwort(antwort.status, n->error()))
        return fehlschlag(verbindungsart(n->error(), zertifikat));
    antwort.etag = n->rawHeader("ETag");
    antwort.ziel = n->rawHeader("Location");
    return antwort;
}

} // namespace caldav

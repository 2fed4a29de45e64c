// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Interim version; replaced by the bounded one.
#include "netztransport.h"

#include "adresse.h"
#include "core/programm.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QTimer>

#include <memory>

namespace caldav {

Netztransport::Netztransport(std::chrono::milliseconds frist) : frist_(frist)
{
    netz_.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

Antwort Netztransport::senden(const Anfrage& anfrage)
{
    QUrl url = anfrage.url;
    url.setUserInfo({});
    QNetworkRequest r(url);
    r.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    r.setRawHeader("User-Agent", "Gedenkbuch/" + core::versionstext.toUtf8());
    r.setRawHeader("Accept-Language", "de");
    for (const auto& [name, wert] : anfrage.kopf)
        r.setRawHeader(name, wert);
    const std::unique_ptr<QNetworkReply> antwort(netz_.sendCustomRequest(r, anfrage.verb, anfrage.inhalt));
    QEventLoop warten;
    QTimer frist;
    frist.setSingleShot(true);
    QObject::connect(&frist, &QTimer::timeout, antwort.get(), &QNetworkReply::abort);
    QObject::connect(antwort.get(), &QNetworkReply::finished, &warten, &QEventLoop::quit);
    frist.start(frist_);
    if (!antwort->isFinished())
        warten.exec();
    Antwort a;
    a.status = antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (a.status == 0) {
        a.fehler = Fehler{Fehler::Art::Abgewiesen, url.host(), anzeige(url), anfrage.verb};
        if (antwort->error() == QNetworkReply::OperationCanceledError)
            a.fehler->art = Fehler::Art::Zeitueberschreitung;
        if (antwort->error() == QNetworkReply::SslHandshakeFailedError)
            a.fehler->art = Fehler::Art::ZertifikatSelbstAusgestellt;
        return a;
    }
    const QByteArray inhalt = antwort->readAll();
    if (anfrage.empfang)
        a.abgebrochen = !anfrage.empfang(inhalt);
    else
        a.inhalt = inhalt;
    a.etag = antwort->rawHeader("ETag");
    a.ziel = antwort->rawHeader("Location");
    return a;
}

} // namespace caldav

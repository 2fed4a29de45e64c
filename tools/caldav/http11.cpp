// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "http11.h"

#include "core/programm.h"

#include <algorithm>

namespace caldav {

namespace {

// A chunk's size line, extensions included, and the end of its data.
constexpr qsizetype stueckzeile = 1024;

bool ziffern(const QByteArray& text, qsizetype hoechstens, int basis)
{
    return !text.isEmpty() && text.size() <= hoechstens && std::all_of(text.begin(), text.end(), [=](char c) {
        return (c >= '0' && c <= '9') || (basis == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
    });
}

bool druckbar(const QByteArray& name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](char c) { return c > 0x20 && c < 0x7f; });
}

} // namespace

QByteArray anfragetext(const Anfrage& anfrage, const QUrl& url)
{
    QByteArray ziel = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (!ziel.startsWith('/'))
        ziel.prepend('/');
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    const int standard = url.scheme() == u"https" ? 443 : 80;
    if (url.port(standard) != standard)
        host += ':' + QByteArray::number(url.port());
    QByteArray text = anfrage.verb + ' ' + ziel + " HTTP/1.1\r\nHost: " + host + "\r\nUser-Agent: Gedenkbuch/"
        + core::versionstext.toUtf8() + "\r\nAccept-Language: de\r\n";
    for (const auto& [name, wert] : anfrage.kopf)
        text += name + ": " + wert + "\r\n";
    if (!anfrage.inhalt.isEmpty())
        text += "Content-Length: " + QByteArray::number(anfrage.inhalt.size()) + "\r\n";
    return text + "Connection: close\r\n\r\n" + anfrage.inhalt;
}

Antwortleser::Antwortleser(qint64 grenze, bool ohneInhalt, std::function<bool(QByteArrayView)> inhalt)
    : grenze_(grenze), ohneInhalt_(ohneInhalt), inhalt_(std::move(inhalt))
{
}

Antwortleser::Stand Antwortleser::stand() const
{
    if (ende_)
        return *ende_;
    return teil_ == Teil::Status || teil_ == Teil::Feld ? Stand::Kopf : Stand::Inhalt;
}

Antwortleser::Stand Antwortleser::lesen(QByteArrayView daten)
{
    while (!daten.isEmpty() && !ende_) {
        if (teil_ == Teil::Stueck || teil_ == Teil::Laenge || teil_ == Teil::BisSchluss) {
            const qsizetype n = teil_ == Teil::BisSchluss ? daten.size() : std::min<qint64>(rest_, daten.size());
            if (!weitergeben(daten.first(n)))
                break;
            daten = daten.sliced(n);
            if (teil_ != Teil::BisSchluss && (rest_ -= n) == 0) {
                if (teil_ == Teil::Stueck)
                    teil_ = Teil::NachStueck;
                else
                    ende_ = Stand::Fertig;
            }
            continue;
        }
        const qsizetype lf = daten.indexOf('\n');
        const qsizetype n = lf < 0 ? daten.size() : lf + 1;
        zeile_.append(daten.first(n));
        daten = daten.sliced(n);
        const bool imKopf = teil_ != Teil::Groesse && teil_ != Teil::NachStueck;
        if (zeile_.size() > (imKopf ? kopfraum_ : stueckzeile)) {
            ende_ = Stand::Kaputt;
            break;
        }
        if (lf < 0)
            break;
        if (imKopf)
            kopfraum_ -= zeile_.size();
        zeile_.chop(zeile_.endsWith("\r\n") ? 2 : 1);
        zeileLesen(zeile_);
        zeile_.clear();
    }
    return stand();
}

Antwortleser::Stand Antwortleser::schluss()
{
    if (!ende_)
        ende_ = teil_ == Teil::BisSchluss ? Stand::Fertig : Stand::Kaputt;
    return *ende_;
}

std::optional<QByteArray> Antwortleser::feld(QByteArrayView name) const
{
    std::optional<QByteArray> wert;
    for (const auto& [n, w] : felder_) {
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            wert = wert ? *wert + ", " + w : w;
    }
    return wert;
}

void Antwortleser::zeileLesen(const QByteArray& zeile)
{
    switch (teil_) {
    case Teil::Status:
        // HTTP/1.1 200 OK; the reason may be missing, and with it the blank before it.
        if (zeile.startsWith("HTTP/1.") && zeile.size() >= 12 && zeile[8] == ' ' && ziffern(zeile.mid(7, 1), 1, 10)
            && ziffern(zeile.mid(9, 3), 3, 10) && zeile[9] != '0' && (zeile.size() == 12 || zeile[12] == ' ')) {
            status_ = zeile.mid(9, 3).toInt();
            felder_.clear();
            teil_ = Teil::Feld;
        } else
            ende_ = Stand::Kaputt;
        return;
    case Teil::Feld: {
        if (zeile.isEmpty())
            return kopfEnde();
        // A line folded into the one before it continues that value.
        if (zeile.front() == ' ' || zeile.front() == '\t') {
            if (felder_.isEmpty())
                ende_ = Stand::Kaputt;
            else
                felder_.last().second += ' ' + zeile.trimmed();
            return;
        }
        const qsizetype doppelpunkt = zeile.indexOf(':');
        const QByteArray name = zeile.left(std::max<qsizetype>(doppelpunkt, 0));
        if (druckbar(name))
            felder_.append({name, zeile.mid(doppelpunkt + 1).trimmed()});
        else
            ende_ = Stand::Kaputt;
        return;
    }
    case Teil::Groesse: {
        const qsizetype semikolon = zeile.indexOf(';');
        const QByteArray groesse = (semikolon < 0 ? zeile : zeile.left(semikolon)).trimmed();
        if (!ziffern(groesse, 15, 16))
            return void(ende_ = Stand::Kaputt);
        rest_ = groesse.toLongLong(nullptr, 16);
        teil_ = rest_ == 0 ? Teil::Nachspann : Teil::Stueck;
        return ankuendigen(rest_);
    }
    case Teil::NachStueck:
        if (zeile.isEmpty())
            teil_ = Teil::Groesse;
        else
            ende_ = Stand::Kaputt;
        return;
    case Teil::Nachspann:
        if (zeile.isEmpty())
            ende_ = Stand::Fertig;
        return;
    case Teil::Stueck:
    case Teil::Laenge:
    case Teil::BisSchluss:
        return;
    }
}

void Antwortleser::kopfEnde()
{
    // 100 Continue, 102 Processing, 103 Early Hints: the answer follows.
    if (status_ < 200)
        return void(teil_ = Teil::Status);
    if (ohneInhalt_ || status_ == 204 || status_ == 304)
        return void(ende_ = Stand::Fertig);
    // No coding was asked for but the chunks; with them a length means nothing.
    if (const auto kodierung = feld("Transfer-Encoding")) {
        if (kodierung->compare("chunked", Qt::CaseInsensitive) == 0)
            teil_ = Teil::Groesse;
        else
            ende_ = Stand::Kaputt;
        return;
    }
    if (const auto laenge = feld("Content-Length")) {
        if (!ziffern(*laenge, 18, 10))
            return void(ende_ = Stand::Kaputt);
        rest_ = laenge->toLongLong();
        teil_ = Teil::Laenge;
        if (rest_ == 0)
            ende_ = Stand::Fertig;
        return ankuendigen(rest_);
    }
    teil_ = Teil::BisSchluss;
}

void Antwortleser::ankuendigen(qint64 laenge)
{
    if (!ende_ && gelesen_ + laenge > grenze_)
        ende_ = Stand::ZuGross;
}

bool Antwortleser::weitergeben(QByteArrayView stueck)
{
    gelesen_ += stueck.size();
    if (gelesen_ > grenze_)
        ende_ = Stand::ZuGross;
    else if (!inhalt_(stueck))
        ende_ = Stand::Abgelehnt;
    return !ende_;
}

} // namespace caldav

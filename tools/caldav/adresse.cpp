// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adresse.h"

#include <QHostInfo>

namespace caldav {

namespace {

bool istHttps(const QUrl& url)
{
    return url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

// The decoded segments of a path as it was sent: "/a%2Fb/c" is {"", "a/b", "c"}, so an encoded "/"
// stays inside its segment, where it is then refused.
QStringList segmente(const QString& kodiert)
{
    QStringList teile = kodiert.split(u'/');
    for (QString& teil : teile)
        teil = QUrl::fromPercentEncoding(teil.toUtf8());
    return teile;
}

bool unzulaessig(const QString& segment)
{
    if (segment == QLatin1String(".") || segment == QLatin1String("..") || segment.contains(u'/'))
        return true;
    return std::any_of(segment.cbegin(), segment.cend(), [](QChar c) { return c.unicode() < 0x20 || c == u'\x7f'; });
}

} // namespace

QList<QHostAddress> systemAufloesen(const QString& name)
{
    return QHostInfo::fromName(name).addresses();
}

bool istLoopback(const QString& host, const Aufloesen& aufloesen)
{
    const QHostAddress adresse(host);
    if (!adresse.isNull())
        return adresse.isLoopback();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        return false;
    const QList<QHostAddress> adressen = aufloesen(host);
    return !adressen.isEmpty()
        && std::all_of(adressen.cbegin(), adressen.cend(), [](const QHostAddress& a) { return a.isLoopback(); });
}

std::optional<Fehler> adressfehler(const QString& getippt, const Aufloesen& aufloesen)
{
    const QUrl url(getippt, QUrl::StrictMode);
    const QString schema = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (schema != QLatin1String("https") && schema != QLatin1String("http")))
        return Fehler{Fehler::Art::KeineAdresse, {}, getippt, {}, 0, {}};
    // The address as typed holds the password: it is named without its user part.
    if (!url.password().isEmpty())
        return Fehler{Fehler::Art::KennwortInAdresse, url.host(), anzeige(url), {}, 0, {}};
    if (schema == QLatin1String("http") && !istLoopback(url.host(), aufloesen))
        return Fehler{Fehler::Art::Unverschluesselt, url.host(), getippt, {}, 0, {}};
    return std::nullopt;
}

bool gleicherServer(const QUrl& a, const QUrl& b)
{
    const auto port = [](const QUrl& u) { return u.port(istHttps(u) ? 443 : 80); };
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && port(a) == port(b);
}

QUrl alsSammlung(QUrl url)
{
    if (!url.path().endsWith(u'/'))
        url.setPath(url.path(QUrl::FullyEncoded) + u'/', QUrl::TolerantMode);
    return url;
}

std::optional<QUrl> innerhalb(const QUrl& sammlung, const QString& href)
{
    const QUrl roh(href.trimmed(), QUrl::StrictMode);
    if (!roh.isValid() || roh.hasQuery() || roh.hasFragment() || !roh.userInfo().isEmpty())
        return std::nullopt;
    const QStringList gesendet = segmente(roh.path(QUrl::FullyEncoded));
    if (std::any_of(gesendet.cbegin(), gesendet.cend(), unzulaessig))
        return std::nullopt;
    const QUrl aufgeloest = sammlung.resolved(roh);
    if (!gleicherServer(aufgeloest, sammlung))
        return std::nullopt;
    QStringList eigene = segmente(alsSammlung(sammlung).path(QUrl::FullyEncoded));
    eigene.removeLast(); // the empty segment after the collection's "/"
    const QStringList pfad = segmente(aufgeloest.path(QUrl::FullyEncoded));
    if (pfad.size() != eigene.size() + 1 || pfad.mid(0, eigene.size()) != eigene || pfad.constLast().isEmpty())
        return std::nullopt;
    QUrl ressource = alsSammlung(sammlung);
    ressource.setPath(ressource.path(QUrl::FullyEncoded)
                          + QString::fromLatin1(QUrl::toPercentEncoding(pfad.constLast())),
                      QUrl::StrictMode);
    return ressource;
}

bool istSammlung(const QUrl& sammlung, const QUrl& url)
{
    return gleicherServer(sammlung, url)
        && segmente(alsSammlung(url).path(QUrl::FullyEncoded))
        == segmente(alsSammlung(sammlung).path(QUrl::FullyEncoded));
}

QString anzeige(const QUrl& url)
{
    return url.toString(QUrl::RemoveUserInfo);
}

} // namespace caldav

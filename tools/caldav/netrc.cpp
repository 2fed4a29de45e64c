// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "netrc.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace caldav {

namespace {

// The tokens of a .netrc, macro bodies left out.
QStringList zerlegen(const QByteArray& text)
{
    QStringList woerter;
    qsizetype i = 0;
    const auto leer = [&] { return text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'; };
    while (i < text.size()) {
        if (leer()) {
            ++i;
            continue;
        }
        QByteArray wort;
        if (text[i] == '"') {
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size())
                    ++i;
                wort += text[i];
            }
            ++i;
        } else {
            for (; i < text.size() && !leer(); ++i)
                wort += text[i];
        }
        woerter << QString::fromUtf8(wort);
        // A macro's name is followed by its body, up to the next empty line.
        if (woerter.size() >= 2 && woerter[woerter.size() - 2] == QLatin1String("macdef")) {
            const qsizetype ende = text.indexOf("\n\n", i);
            i = ende < 0 ? text.size() : ende + 2;
        }
    }
    return woerter;
}

struct Deskriptor {
    int fd;
    ~Deskriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

std::optional<Zugang> netrcSuchen(const QByteArray& text, const QString& host, const QString& login)
{
    const QStringList w = zerlegen(text);
    std::optional<Zugang> standard;
    for (qsizetype i = 0; i < w.size(); ++i) {
        const bool maschine = w[i] == QLatin1String("machine") && i + 1 < w.size();
        if (!maschine && w[i] != QLatin1String("default"))
            continue;
        const bool passt = maschine ? w[i + 1].compare(host, Qt::CaseInsensitive) == 0 : true;
        Zugang z;
        qsizetype j = i + (maschine ? 2 : 1);
        for (; j + 1 < w.size() && w[j] != QLatin1String("machine") && w[j] != QLatin1String("default"); j += 2) {
            if (w[j] == QLatin1String("login"))
                z.login = w[j + 1];
            else if (w[j] == QLatin1String("password"))
                z.passwort = w[j + 1];
        }
        i = j - 1;
        if (!passt || (!login.isEmpty() && z.login != login))
            continue;
        if (maschine)
            return z;
        if (!standard)
            standard = z;
    }
    return standard;
}

Netrc zugangLesen(const QString& heim, const QString& host, const QString& login)
{
    const QString pfad = heim + QStringLiteral("/.netrc");
    const auto unlesbar = [&] { return Fehler{Fehler::Art::NetrcUnlesbar, {}, pfad, {}, 0, {}}; };
    // Without O_NONBLOCK a pipe in its place would block the open until someone writes into it.
    const Deskriptor datei{::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    const int fd = datei.fd;
    if (fd < 0)
        return errno == ENOENT ? Netrc(std::nullopt) : Netrc(unlesbar());
    struct stat angaben {};
    if (::fstat(fd, &angaben) != 0 || !S_ISREG(angaben.st_mode) || angaben.st_size > (1 << 20))
        return unlesbar();
    if (angaben.st_mode & 077)
        return Fehler{Fehler::Art::NetrcOffen, {}, pfad, {}, qint64(angaben.st_mode & 0777), {}};
    QByteArray text(qsizetype(angaben.st_size), Qt::Uninitialized);
    qsizetype gelesen = 0;
    while (gelesen < text.size()) {
        const ssize_t n = ::read(fd, text.data() + gelesen, size_t(text.size() - gelesen));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        gelesen += n;
    }
    if (gelesen != text.size())
        return unlesbar();
    return netrcSuchen(text, host, login);
}

} // namespace caldav

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "netrc.h"

#include "fehler.h"

#include "core/datenordner.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <sys/stat.h>

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

std::optional<Zugang> zugangLesen(const QString& host, const QString& login)
{
    const QString pfad = QDir(core::heimordner()).filePath(QStringLiteral(".netrc"));
    struct stat angaben {};
    if (::stat(QFile::encodeName(pfad).constData(), &angaben) != 0)
        return std::nullopt;
    if (angaben.st_mode & 077)
        throw Fehler(QStringLiteral("Die Datei %1 dürfen auch andere Benutzer lesen oder ändern (Rechte %2), darum "
                                    "wird sie nicht verwendet. Abhilfe: chmod 600 %1")
                         .arg(pfad)
                         .arg(angaben.st_mode & 0777, 3, 8, QLatin1Char('0')));
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw Fehler(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(pfad));
    return netrcSuchen(datei.readAll(), host, login);
}

} // namespace caldav

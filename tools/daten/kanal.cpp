// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kanal.h"

#include <cerrno>
#include <unistd.h>

namespace daten {

Kanal::Kanal(int fd) : fd_(fd)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

Kanal::Kanal(QByteArray& speicher) : speicher_(&speicher)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool Kanal::alles(QByteArrayView daten)
{
    if (speicher_) {
        speicher_->append(daten);
        return true;
    }
    while (!daten.isEmpty() && fehler_ == 0) {
        const ssize_t geschrieben = ::write(fd_, daten.data(), std::size_t(daten.size()));
        if (geschrieben < 0 && errno == EINTR)
            continue;
        if (geschrieben <= 0)
            fehler_ = geschrieben < 0 ? errno : ENOSPC;
        else
            daten = daten.sliced(geschrieben);
    }
    return fehler_ == 0;
}

bool Kanal::roh(QByteArrayView daten)
{
    return alles(daten);
}

qint64 Kanal::writeData(const char* daten, qint64 laenge)
{
    // UTF-8 bytes: C0 controls and DEL are single bytes, C1 controls are 0xC2 0x80 to 0xC2 0x9F.
    QByteArray sauber;
    sauber.reserve(laenge + 1);
    for (qint64 i = 0; i < laenge; ++i) {
        const auto b = static_cast<unsigned char>(daten[i]);
        if (offenesC2_) {
            offenesC2_ = false;
            if (b >= 0x80 && b <= 0x9f)
                continue;
            sauber += char(0xc2);
        }
        if (b == 0xc2)
            offenesC2_ = true;
        else if ((b >= 0x20 && b != 0x7f) || b == '\n' || b == '\t')
            sauber += char(b);
    }
    return alles(sauber) ? laenge : -1;
}

bool Kanal::abschliessen()
{
    if (offenesC2_) {
        offenesC2_ = false;
        alles(QByteArrayView("\xc2", 1));
    }
    // A file system may report a failed write only when the file is closed. Closing a copy of the
    // descriptor reports it as well and leaves the channel open for whatever a library writes
    // while the program ends.
    const int kopie = speicher_ ? -1 : ::dup(fd_);
    if (kopie >= 0 && ::close(kopie) != 0 && fehler_ == 0)
        fehler_ = errno;
    return fehler_ == 0;
}

} // namespace daten

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIODevice>

namespace daten {

// Standard output or standard error of the tool, with every write checked. Text written through
// it (a QTextStream on it) loses every control character but line feed and tab on the way out:
// whatever a message quotes, a name from a file or a path, never reaches a terminal as an escape
// sequence. Data (an export on standard output) is written as it is with `roh`.
class Kanal final : public QIODevice {
public:
    explicit Kanal(int fd);
    // Into memory, for a command run inside another program.
    explicit Kanal(QByteArray& speicher);

    bool roh(QByteArrayView daten);
    // Writes what is left; false when any write failed or fails now.
    bool abschliessen();
    // The errno of the first failed write, 0 for none.
    int fehler() const { return fehler_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 laenge) override;

private:
    bool alles(QByteArrayView daten);

    int fd_ = -1;
    QByteArray* speicher_ = nullptr;
    int fehler_ = 0;
    bool offenesC2_ = false; // a 0xC2 that may start a C1 control character in UTF-8
};

} // namespace daten

// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storeerror.h"

#include <QByteArrayView>
#include <QString>

namespace store {

// A new file that appears under its name whole or not at all. It is written under a temporary name
// beside the target (NAME.teil-XXXXXX), readable by its owner only, and given the target's name only
// when it is complete, and only if nothing lies there by then. A program killed on the way leaves at
// most the temporary file (and the engine's journal beside it), never a part of the file under the
// target's name; the next NeueDatei in that folder clears such leftovers of the same user that no
// running program still writes. Every failure throws StoreError; the temporary
// file goes with the object unless the file was finished.
class NeueDatei {
public:
    // Refuses a name under which anything lies already, a dangling symbolic link included.
    explicit NeueDatei(const QString& ziel);
    ~NeueDatei();
    NeueDatei(const NeueDatei&) = delete;
    NeueDatei& operator=(const NeueDatei&) = delete;

    // Where the content goes until the file is finished; another writer (the engine) may use it.
    const QString& teilpfad() const { return teil_; }
    void schreiben(QByteArrayView daten);
    // Brings the content onto the disk and gives the file its name.
    void fertigstellen();

private:
    [[noreturn]] void scheitern(int nummer, StoreError::Art art) const;

    QString ziel_;
    QString teil_;
    int fd_ = -1;
    bool fertig_ = false;
};

} // namespace store

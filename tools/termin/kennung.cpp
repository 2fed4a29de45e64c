// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kennung.h"

#include "core/steuerzeichen.h"

#include <QCryptographicHash>
#include <QHashFunctions>
#include <QRegularExpression>

#include <algorithm>

namespace termin {

namespace {

// The SHA-256 of the name as every list and every event shows it: on one line, without control
// characters. One hash object serves every call: making one for each name costs an export of a
// large book more than the hashing itself.
QByteArray summe(const QString& bezeichnung)
{
    thread_local QCryptographicHash sha(QCryptographicHash::Sha256);
    sha.reset();
    sha.addData(core::einzeilig(bezeichnung).toUtf8());
    return sha.result();
}

} // namespace

Kennung::Kennung(const QString& bezeichnung, int nummer) : stamm_(summe(bezeichnung).toHex().left(32))
{
    if (nummer > 1)
        stamm_ += '-' + QByteArray::number(nummer);
}

QString Kennung::uid() const
{
    return QString::fromLatin1(stamm_) + QStringLiteral("@gedenkbuch");
}

QString Kennung::ressource(int ausweichen) const
{
    const QString name = QStringLiteral("gedenkbuch-") + QString::fromLatin1(stamm_);
    return ausweichen > 0 ? QStringLiteral("%1.%2.ics").arg(name).arg(ausweichen) : name + QStringLiteral(".ics");
}

UidForm uidForm(const QString& uid)
{
    static const QRegularExpression unsere(QStringLiteral("^[0-9a-f]{32}(-[1-9][0-9]{0,8})?@gedenkbuch$"));
    static const QRegularExpression frueher(QStringLiteral("^eintrag-[0-9]{1,19}@gedenkbuch$"));
    if (unsere.match(uid).hasMatch())
        return UidForm::Unsere;
    return frueher.match(uid).hasMatch() ? UidForm::Frueher : UidForm::Fremd;
}

void Namenszaehler::aufnehmen(qint64 id, const QString& bezeichnung)
{
    // Telling names apart needs no sum that lasts: Qt's own hash with a fixed seed does, at a
    // fraction of the cost.
    namen_.emplace_back(quint64(qHash(core::einzeilig(bezeichnung), 0)), id);
}

QHash<qint64, int> Namenszaehler::nummern()
{
    // By name, and entries of one name by their number: store order.
    std::sort(namen_.begin(), namen_.end());
    QHash<qint64, int> nummern;
    for (std::size_t i = 1, nummer = 1; i < namen_.size(); ++i) {
        nummer = namen_[i].first == namen_[i - 1].first ? nummer + 1 : 1;
        if (nummer > 1)
            nummern.insert(namen_[i].second, int(nummer));
    }
    return nummern;
}

} // namespace termin

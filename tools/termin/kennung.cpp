// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kennung.h"

#include "core/steuerzeichen.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QtEndian>

namespace termin {

namespace {

// The name as every list and every event shows it: on one line, without control characters.
QByteArray summe(const QString& bezeichnung)
{
    return QCryptographicHash::hash(core::einzeilig(bezeichnung).toUtf8(), QCryptographicHash::Sha256);
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

int Namenszaehler::zaehlen(const QString& bezeichnung)
{
    return ++gesehen_[qFromBigEndian<quint64>(summe(bezeichnung).constData())];
}

} // namespace termin

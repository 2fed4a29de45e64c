// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benachrichtigung.h"

#include "core/programm.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QScopeGuard>
#include <QVariantMap>

namespace daten {

namespace {

QDBusMessage aufruf(const QString& methode)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                          QStringLiteral("/org/freedesktop/Notifications"),
                                          QStringLiteral("org.freedesktop.Notifications"), methode);
}

const QString keinDienst = QStringLiteral("Auf dem Sitzungsbus antwortet kein Benachrichtigungsdienst "
                                          "(org.freedesktop.Notifications); die Erinnerung kann nicht gezeigt werden.");

// What is left of the deadline as a call's timeout; 0 would not mean "none left".
int rest(QDeadlineTimer frist)
{
    return int(qMax<qint64>(1, frist.remainingTime()));
}

} // namespace

QString benachrichtigen(const QString& titel, const QString& text, QDeadlineTimer frist)
{
    // A connection of its own, closed when done: Qt's shared one would outlive the application and
    // complain on the way out. Even so Qt's D-Bus thread may handle a last message while the
    // program ends and write English noise to stderr; after this call the tool has said all it has
    // to say, so Qt's own messages are silenced.
    const QString name = QStringLiteral("gedenkbuch-erinnern");
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    const auto schliessen = qScopeGuard([&] {
        bus = QDBusConnection(QString());
        QDBusConnection::disconnectFromBus(name);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    });
    if (!bus.isConnected())
        return QStringLiteral("Es besteht keine Verbindung zum Sitzungsbus (DBUS_SESSION_BUS_ADDRESS); "
                              "die Erinnerung kann nicht gezeigt werden.");

    // A service that reads markup in the text needs names such as "Tom & Jerry" escaped; one that
    // does not would show the escapes.
    const QDBusMessage faehigkeiten = bus.call(aufruf(QStringLiteral("GetCapabilities")), QDBus::Block, rest(frist));
    if (faehigkeiten.type() != QDBusMessage::ReplyMessage)
        return keinDienst;
    const bool auszeichnung = faehigkeiten.arguments().value(0).toStringList().contains(QStringLiteral("body-markup"));

    QDBusMessage zeigen = aufruf(QStringLiteral("Notify"));
    const QVariantMap hinweise{{QStringLiteral("desktop-entry"), QStringLiteral("gedenkbuch")},
                               {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}};
    zeigen << core::programmname << 0u << QStringLiteral("gedenkbuch") << titel
           << (auszeichnung ? text.toHtmlEscaped() : text) << QStringList() << hinweise << -1;
    if (bus.call(zeigen, QDBus::Block, rest(frist)).type() != QDBusMessage::ReplyMessage)
        return keinDienst;
    return {};
}

} // namespace daten

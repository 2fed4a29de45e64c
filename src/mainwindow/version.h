#pragma once

#include <QString>

inline const QString versionstext = QStringLiteral("3.1");

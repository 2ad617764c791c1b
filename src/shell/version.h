#pragma once

#include <QString>

inline const QString versionPrograma = QStringLiteral("v.1.2.85");

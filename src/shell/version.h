#pragma once

#include <QString>

inline const QString versionPrograma = QStringLiteral("v.1.2.85");
// The version the package and --version give.
inline const QString versionPaquete = QStringLiteral("1.2.0");

#pragma once

#include "core/programa/versionprograma.h"

#include <QString>

namespace bolvera {

// The title bar and the About box: "v.1.2.85".
inline const QString versionPrograma = QStringLiteral("v." BOLVERA_VERSION);
// --version, the package and the User-Agent: "1.2.85".
inline const QString versionPaquete = QStringLiteral(BOLVERA_VERSION);

} // namespace bolvera

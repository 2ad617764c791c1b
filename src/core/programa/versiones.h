#pragma once

#include <QString>

namespace bolvera {

// The name of a Windows version given as "platform.major.minor"; any other
// text is its own name.
QString VersionToName(const QString& version);

} // namespace bolvera

#pragma once

#include <QString>

#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& texto, std::ostream* os)
{
    *os << '"' << texto.toStdString() << '"';
}

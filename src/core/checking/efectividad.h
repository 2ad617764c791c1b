#pragma once

#include <QString>

namespace bolvera {

// A percentage rounded to one decimal, halves to the even neighbour, with the
// Spanish decimal comma and no trailing zeros: 7.5 → "7,5", 100 → "100".
QString unDecimal(double valor);

} // namespace bolvera

#include "core/checking/efectividad.h"

#include <cfenv>
#include <cmath>

namespace bolvera {

QString unDecimal(double valor)
{
    // nearbyint rounds halves to even in the default rounding mode.
    const double decimas = std::nearbyint(valor * 10.0);
    QString texto = QString::number(decimas / 10.0, 'f', 1);
    if (texto.endsWith(QStringLiteral(".0")))
        texto.chop(2);
    if (texto == u"-0")
        texto = QStringLiteral("0");
    return texto.replace(u'.', u',');
}

} // namespace bolvera

#include "core/store/validacion.h"

#include "core/store/fechas.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace bolvera {

namespace validacion {

int maxEstrella(QDate fecha)
{
    if (fecha < martesDesde)
        return 9;
    return fecha < QDate(2016, 9, 27) ? 11 : 12;
}

bool esDiaDeSorteo(QDate fecha)
{
    const int dia = fecha.dayOfWeek();
    return fecha >= primerSorteo && (dia == Qt::Friday || (dia == Qt::Tuesday && fecha >= martesDesde));
}

QDate siguienteDia(QDate fecha)
{
    QDate d = std::max(fecha.addDays(1), primerSorteo);
    while (!esDiaDeSorteo(d))
        d = d.addDays(1);
    return d;
}

std::size_t sinHuecos(const std::vector<RegSorteo>& lote, double ultima, const std::vector<double>& otrosDias)
{
    std::size_t n = 0;
    QDate esperado = ultima > 0 ? siguienteDia(fechas::fechaDeDia(ultima)) : QDate();
    for (const RegSorteo& s : lote) {
        const QDate d = fechas::fechaDeDia(s.fecha);
        const bool movido = std::find(otrosDias.begin(), otrosDias.end(), s.fecha) != otrosDias.end() &&
                            esperado.isValid() && d < siguienteDia(esperado);
        if (!d.isValid() || (esperado.isValid() && d != esperado && !movido))
            break;
        esperado = siguienteDia(d);
        ++n;
    }
    return n;
}

bool soloPorElDia(const RegSorteo& s)
{
    return sorteo(s).has_value() && !sorteo(s, true).has_value();
}

std::optional<QString> sorteo(const RegSorteo& s, bool otroDia)
{
    const QDate fecha = fechas::fechaDeDia(s.fecha);
    const QString cual = fechas::fechacorta(fecha);
    if (!fecha.isValid() || s.fecha != std::floor(s.fecha))
        return QStringLiteral("fecha no válida");
    if (fecha < primerSorteo)
        return QStringLiteral("el %1 no hubo sorteo: el primero fue el %2").arg(cual, fechas::fechacorta(primerSorteo));
    if (!otroDia && !esDiaDeSorteo(fecha))
        return QStringLiteral("el %1 (%2) no hubo sorteo").arg(cual, fechas::diasemana(fecha).toLower());
    const std::set<int> numeros(s.num.begin(), s.num.begin() + 5);
    if (numeros.size() != 5 || *numeros.begin() < 1 || *numeros.rbegin() > 50)
        return QStringLiteral("el sorteo del %1 no tiene cinco números distintos del 1 al 50").arg(cual);
    const int tope = maxEstrella(fecha);
    if (s.num[5] == s.num[6] || std::min(s.num[5], s.num[6]) < 1 || std::max(s.num[5], s.num[6]) > tope)
        return QStringLiteral("el sorteo del %1 no tiene dos estrellas distintas del 1 al %2").arg(cual).arg(tope);
    return std::nullopt;
}

std::optional<QString> lote(const std::vector<RegSorteo>& lote, double ultima, QDate hoy,
                            const std::vector<double>& otrosDias)
{
    double anterior = ultima;
    for (const RegSorteo& s : lote) {
        if (auto error = sorteo(s, std::find(otrosDias.begin(), otrosDias.end(), s.fecha) != otrosDias.end()))
            return error;
        if (s.fecha <= anterior)
            return QStringLiteral("el sorteo del %1 no es posterior al anterior (%2)")
                .arg(fechas::fechacorta(s.fecha), fechas::fechacorta(anterior));
        if (s.fecha > fechas::diaNumero(hoy))
            return QStringLiteral("el sorteo del %1 es posterior a hoy").arg(fechas::fechacorta(s.fecha));
        anterior = s.fecha;
    }
    return std::nullopt;
}

} // namespace validacion

} // namespace bolvera

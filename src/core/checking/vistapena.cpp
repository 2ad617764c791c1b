#include "core/checking/vistapena.h"

#include "core/checking/efectividad.h"
#include "core/checking/formas.h"
#include "core/checking/pasadas.h"

#include <algorithm>
#include <numeric>

namespace bolvera {

namespace {

QString lineaNumeros(const std::int16_t* numeros, int n)
{
    QStringList partes;
    for (int i = 0; i < n; ++i)
        partes << QString::number(numeros[i]).rightJustified(2, u' ');
    return partes.join(u'-');
}

QString lineaEstrellas(const std::int16_t* estrellas, int s)
{
    QStringList partes;
    for (int j = 0; j < s; ++j)
        partes << QString::number(estrellas[j]);
    return partes.join(u'-');
}

} // namespace

std::optional<VistaPena> vistaPena(const std::vector<RegPena>& penas,
                                 const std::vector<RegSorteo>& sorteos, int r)
{
    VistaPena v;
    if (penas.empty()) {
        v.jugados = v.efectividad = QStringLiteral("-");
        return v;
    }
    if (r < 1 || r > static_cast<int>(penas.size()))
        return std::nullopt;
    const RegPena& pena = penas[static_cast<std::size_t>(r - 1)];
    const auto f = formaValida(pena);
    if (!f)
        return std::nullopt;

    v.hayPena = true;
    v.multiple = f->multiple;
    const int m = f->apuestas;
    v.altoListasTwips = m * 225 - (m > 8 ? 200 : 0) - (m > 21 ? 200 : 0);
    for (int b = 0; b < m; ++b) {
        v.numeros << lineaNumeros(pena.numeros[b].data(), f->numeros);
        v.estrellas << lineaEstrellas(pena.estrellas[b].data(), f->estrellas);
    }
    for (int k = 0; k < 13; ++k)
        v.aciertos[k] = QString::number(pena.aciertos[12 - k]);

    const int total = std::accumulate(pena.aciertos.begin(), pena.aciertos.end(), 0);
    v.conPremio = total;
    if (sorteos.empty()) {
        v.jugados = QStringLiteral("0");
        v.efectividad = total != 0 ? QStringLiteral("100 %") : QStringLiteral("-");
        return v;
    }
    const auto jugados = std::count_if(sorteos.begin(), sorteos.end(), [&](const RegSorteo& s) {
        return s.fecha >= pena.creacion && juega(pena, s.fecha);
    });
    v.jugados = QString::number(jugados);
    const double efectividad = jugados > 0 ? 100.0 * total / static_cast<double>(jugados) : 0.0;
    v.efectividad = unDecimal(efectividad) + QStringLiteral(" %");
    v.sinPremio = std::max<double>(0, static_cast<double>(jugados) - total);
    return v;
}

} // namespace bolvera

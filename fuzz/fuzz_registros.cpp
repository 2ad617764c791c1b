// The record files as any bytes at all: numeros.dat, apuestas.dat and
// nums.ini, and everything that reads them — the status block, the draw
// list, both checking passes, the peña totals and views, the print job.
#include "checking/pasadas.h"
#include "checking/totales.h"
#include "checking/vistapena.h"
#include "print/trabajo.h"
#include "store/cargasorteos.h"
#include "store/listado.h"
#include "store/numsini.h"
#include "store/binario.h"

#include <QByteArray>
#include <QDate>

#include <cstdint>
#include <vector>

using namespace bolvera;

template <typename Registro>
std::vector<Registro> registros(QByteArrayView bytes)
{
    std::vector<Registro> r;
    r.reserve(static_cast<std::size_t>(bytes.size() / Registro::tamano));
    for (qsizetype off = 0; off + Registro::tamano <= bytes.size(); off += Registro::tamano)
        r.push_back(Registro::desdeBytes(bytes.sliced(off, Registro::tamano)));
    return r;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo)
{
    if (largo < 4)
        return 0;
    // Two bytes say how the rest splits between the draws and the peñas.
    const QByteArrayView todo(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
    const qsizetype corte = std::min<qsizetype>((datos[0] | datos[1] << 8) * 22, todo.size() - 2);
    const auto sorteos = registros<RegSorteo>(todo.sliced(2, corte));
    auto penas = registros<RegPena>(todo.sliced(2 + corte));

    const QDate hoy(2026, 12, 8);
    const EstadoSorteos e = estadoSorteos(sorteos, penas, hoy);
    listado::calcula(sorteos);
    const int n = static_cast<int>(sorteos.size());
    for (const bool historico : {false, true}) {
        Parpadeo p{0, false};
        const OpcionesPasada o{historico, !historico, true};
        pasadaSencillas(sorteos, penas, n, o, p);
        pasadaMultiples(sorteos, penas, n, o, p);
    }
    totalesPenas(penas, e.sorteosjugados);
    for (int r = 0; r <= static_cast<int>(penas.size()) + 1; ++r)
        vistaPena(penas, sorteos, r);
    for (const RegPena& pena : penas) {
        trabajoImpresion(pena, Papel::Oficial, 10, 20, [] { return true; });
        trabajoImpresion(pena, Papel::Normal, 0, 0, [] { return false; });
    }
    if (todo.size() >= 14)
        (void)binario::leeSimple(todo.data() + 4);
    return 0;
}

#include "core/checking/cuentas.h"

#include "core/checking/desglose.h"
#include "core/checking/formas.h"
#include "core/checking/pasadas.h"
#include "core/store/categorias.h"
#include "core/store/fechas.h"

#include <algorithm>
#include <numeric>

namespace bolvera {

namespace cuentas {

std::vector<Jugada> jugadas(const RegPena& pena, const std::vector<RegSorteo>& sorteos,
                            const std::map<double, RegPremios>& premios, std::int64_t precioApuesta,
                            double desde, double hasta)
{
    std::vector<Jugada> lista;
    const auto f = formaValida(pena);
    if (!f)
        return lista;
    const std::int64_t apuestas = f->multiple ? cuantos(pena.tipo) : f->apuestas;
    for (const RegSorteo& s : sorteos) {
        if (s.fecha < pena.creacion || s.fecha > pena.contado || !juega(pena, s.fecha))
            continue;
        if ((desde > 0 && s.fecha < desde) || (hasta > 0 && s.fecha > hasta))
            continue;
        Jugada j;
        j.fecha = s.fecha;
        j.apostado = apuestas * precioApuesta;
        const auto conocidos = premios.find(s.fecha);
        const auto anota = [&](int categoria, int veces) {
            if (categoria == 0 || veces <= 0)
                return;
            j.categorias.insert(j.categorias.end(), static_cast<std::size_t>(veces), categoria);
            const std::int64_t c =
                conocidos == premios.end() ? -1 : conocidos->second.centimos[static_cast<std::size_t>(categoria - 1)];
            if (c < 0)
                j.sinImporte += veces;
            else
                j.premios.insert(j.premios.end(), static_cast<std::size_t>(veces), c);
        };
        for (int a = 0; a < f->apuestas; ++a) {
            const auto& numeros = pena.numeros[static_cast<std::size_t>(a)];
            const auto& estrellas = pena.estrellas[static_cast<std::size_t>(a)];
            const int h = aciertosNumeros(numeros.data(), f->numeros, s);
            const int k = aciertosEstrellas(estrellas.data(), f->estrellas, s);
            if (!f->multiple) {
                anota(categorias::clasifica(h, k), 1);
                continue;
            }
            const Desglose d = desglose(f->numeros, f->estrellas, h, k);
            for (int c = 1; c <= categorias::total; ++c)
                anota(c, d[static_cast<std::size_t>(c)]);
        }
        lista.push_back(std::move(j));
    }
    return lista;
}

namespace {

__extension__ using Ancho = __int128; // GCC and Clang: wide enough for any prize times any shares

} // namespace

std::vector<std::int64_t> reparte(std::int64_t total, const std::vector<int>& participaciones)
{
    const std::int64_t suma = std::accumulate(participaciones.begin(), participaciones.end(), std::int64_t{0});
    if (suma <= 0)
        return {};
    std::vector<std::int64_t> partes(participaciones.size());
    std::vector<std::int64_t> restos(participaciones.size());
    std::int64_t repartido = 0;
    for (std::size_t i = 0; i < participaciones.size(); ++i) {
        // The largest prize times the most shares passes 64 bits.
        const Ancho p = static_cast<Ancho>(total) * participaciones[i];
        // Floor division, also for a negative total (a correction).
        const Ancho q = p / suma - ((p % suma != 0 && p < 0) ? 1 : 0);
        partes[i] = static_cast<std::int64_t>(q);
        restos[i] = static_cast<std::int64_t>(p - q * suma);
        repartido += partes[i];
    }
    std::vector<std::size_t> orden(participaciones.size());
    std::iota(orden.begin(), orden.end(), std::size_t{0});
    std::stable_sort(orden.begin(), orden.end(), [&](std::size_t a, std::size_t b) { return restos[a] > restos[b]; });
    // Fewer cents are left than there are members: one each, at most once.
    const std::int64_t sobra = total - repartido;
    for (std::size_t k = 0; k < orden.size() && static_cast<std::int64_t>(k) < sobra; ++k)
        ++partes[orden[k]];
    return partes;
}

std::int64_t retencion(std::int64_t premio)
{
    if (premio <= exento)
        return 0;
    // 20 % to the cent, rounded half up as the operator pays it.
    return ((premio - exento) * 20 + 50) / 100;
}

Cuentas calcula(const std::vector<Jugada>& jugadas, const std::vector<Socio>& socios, double desde, double hasta)
{
    Cuentas c;
    c.socios.resize(socios.size());
    std::vector<int> participaciones;
    for (const Socio& s : socios)
        participaciones.push_back(std::max(1, s.participaciones));
    for (const Jugada& j : jugadas) {
        const std::int64_t ganado = std::accumulate(j.premios.begin(), j.premios.end(), std::int64_t{0});
        std::int64_t neto = 0;
        for (std::int64_t p : j.premios)
            neto += p - retencion(p);
        c.pena.apostado += j.apostado;
        c.pena.ganado += ganado;
        c.pena.neto += neto;
        c.sinImporte += j.sinImporte;
        const auto bruto = reparte(ganado, participaciones);
        const auto limpio = reparte(neto, participaciones);
        for (std::size_t i = 0; i < bruto.size(); ++i) {
            c.socios[i].ganado += bruto[i];
            c.socios[i].neto += limpio[i];
        }
    }
    // The stake is split once over the period: split draw by draw, the same
    // member would take the odd cent every time.
    const auto apostado = reparte(c.pena.apostado, participaciones);
    for (std::size_t i = 0; i < apostado.size(); ++i)
        c.socios[i].apostado = apostado[i];
    for (std::size_t i = 0; i < socios.size(); ++i)
        for (const Pago& p : socios[i].pagos)
            if (const double dia = fechas::diaNumero(p.fecha); (desde <= 0 || dia >= desde) && (hasta <= 0 || dia <= hasta)) {
                c.socios[i].pagado += p.centimos;
                c.pena.pagado += p.centimos;
            }
    return c;
}

} // namespace cuentas

} // namespace bolvera

#include "core/checking/comprobacion.h"

#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"

#include <algorithm>

namespace bolvera {

Instantanea leeDatos(const QString& ruta)
{
    Instantanea datos;
    datos.sorteos = ficheroregistros::leeTodos<RegSorteo>(ruta + ficheros::numeros);
    datos.penas = ficheroregistros::leeTodos<RegPena>(ruta + ficheros::apuestas);
    datos.premios = premios::lee(ruta).porFecha;
    return datos;
}

bool cambiaContadores(const Instantanea& datos, int n)
{
    // Every peña counted up to an older draw moves its `contado`.
    return n > 0 && !datos.sorteos.empty() &&
           std::any_of(datos.penas.begin(), datos.penas.end(),
                       [&](const RegPena& p) { return p.contado < datos.sorteos.back().fecha; });
}

int guardaContadores(const QString& ruta, const Instantanea& datos, std::initializer_list<const Pasada*> pasadas)
{
    std::vector<int> cambiadas;
    for (const Pasada* pasada : pasadas)
        cambiadas.insert(cambiadas.end(), pasada->cambiadas.begin(), pasada->cambiadas.end());
    std::sort(cambiadas.begin(), cambiadas.end());
    cambiadas.erase(std::unique(cambiadas.begin(), cambiadas.end()), cambiadas.end());
    std::vector<std::pair<int, QByteArray>> registros;
    for (int p : cambiadas)
        registros.emplace_back(p + 1, datos.penas[static_cast<std::size_t>(p)].aBytes());
    return ficheroregistros::actualiza(ruta + ficheros::apuestas, RegPena::tamano, registros);
}

Comprobacion comprueba(const QString& ruta, int n, const OpcionesPasada& opciones, Parpadeo& parpadeo,
                       std::size_t filas)
{
    auto datos = std::make_shared<Instantanea>(leeDatos(ruta));
    Comprobacion c;
    c.filasSencillas.limita(filas);
    c.filasMultiples.limita(filas);
    const auto en = [&](FilasCompactas& lista) {
        return opciones.sinFilas ? DestinoFilas{} : DestinoFilas([&lista](const Bloque& b) { lista.anade(b); });
    };
    std::vector<RegPena> leidas;
    if (opciones.sinContar)
        leidas = datos->penas;
    c.sencillas = pasadaSencillas(datos->sorteos, datos->penas, n, opciones, parpadeo, en(c.filasSencillas));
    c.multiples = pasadaMultiples(datos->sorteos, datos->penas, n, opciones, parpadeo, en(c.filasMultiples));
    if (opciones.sinContar) {
        // What the passes counted is dropped: the file says what is counted.
        datos->penas = std::move(leidas);
        c.sencillas.cambiadas.clear();
        c.multiples.cambiadas.clear();
    } else {
        c.error = guardaContadores(ruta, *datos, {&c.sencillas, &c.multiples});
    }
    c.datos = std::move(datos);
    return c;
}

void filasDe(Lista lista, const Instantanea& datos, int saltados, int cuantos, const OpcionesPasada& opciones,
             const DestinoFilas& destino)
{
    // The history up to the newest draw wanted: its draws keep their places.
    const auto hasta = static_cast<std::ptrdiff_t>(datos.sorteos.size()) - std::clamp<std::ptrdiff_t>(saltados, 0, static_cast<std::ptrdiff_t>(datos.sorteos.size()));
    const std::vector<RegSorteo> sorteos(datos.sorteos.begin(), datos.sorteos.begin() + hasta);
    std::vector<RegPena> penas = datos.penas; // the passes move the counters of their copy
    Parpadeo parpadeo;
    (lista == Lista::Sencillas ? pasadaSencillas : pasadaMultiples)(sorteos, penas, cuantos, opciones, parpadeo, destino);
}

int cuentaPendientes(const QString& ruta)
{
    Parpadeo parpadeo;
    const Comprobacion c = comprueba(ruta, 1, {.sinFilas = true}, parpadeo);
    return c.error;
}

} // namespace bolvera

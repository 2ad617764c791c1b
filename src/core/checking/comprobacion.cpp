#include "checking/comprobacion.h"

#include "store/ficheroregistros.h"
#include "store/ficheros.h"

#include <algorithm>

namespace bolvera {

Comprobacion comprueba(const QString& ruta, int n, const OpcionesPasada& opciones,
                       Parpadeo& parpadeo)
{
    auto datos = std::make_shared<Instantanea>();
    datos->sorteos = ficheroregistros::leeTodos<RegSorteo>(ruta + ficheros::numeros);
    datos->penas = ficheroregistros::leeTodos<RegPena>(ruta + ficheros::apuestas);
    datos->premios = premios::lee(ruta).porFecha;

    Comprobacion c;
    const auto en = [&](FilasCompactas& filas) {
        return opciones.sinFilas ? DestinoFilas{} : DestinoFilas([&filas](std::span<const Fila> b) { filas.anade(b); });
    };
    c.sencillas = pasadaSencillas(datos->sorteos, datos->penas, n, opciones, parpadeo, en(c.filasSencillas));
    c.multiples = pasadaMultiples(datos->sorteos, datos->penas, n, opciones, parpadeo, en(c.filasMultiples));

    std::vector<int> cambiadas = c.sencillas.cambiadas;
    cambiadas.insert(cambiadas.end(), c.multiples.cambiadas.begin(), c.multiples.cambiadas.end());
    std::sort(cambiadas.begin(), cambiadas.end());
    cambiadas.erase(std::unique(cambiadas.begin(), cambiadas.end()), cambiadas.end());
    std::vector<std::pair<int, QByteArray>> registros;
    for (int p : cambiadas)
        registros.emplace_back(p + 1, datos->penas[static_cast<std::size_t>(p)].aBytes());
    c.error = ficheroregistros::actualiza(ruta + ficheros::apuestas, RegPena::tamano, registros);
    c.datos = std::move(datos);
    return c;
}

void filasDe(Lista lista, const Instantanea& datos, int n, const OpcionesPasada& opciones,
             const DestinoFilas& destino)
{
    std::vector<RegPena> penas = datos.penas; // the passes move the counters of their copy
    Parpadeo parpadeo;
    if (lista == Lista::Sencillas)
        pasadaSencillas(datos.sorteos, penas, n, opciones, parpadeo, destino);
    else
        pasadaMultiples(datos.sorteos, penas, n, opciones, parpadeo, destino);
}

} // namespace bolvera

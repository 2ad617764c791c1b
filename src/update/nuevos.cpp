#include "update/nuevos.h"

#include "store/errores.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"
#include "store/validacion.h"

Analisis anadeNuevos(const QString& ruta, const QString& pagina, const QString& rutasorteo,
                     bool errorConexion, QDate hoy)
{
    const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(ruta + ficheros::numeros);
    const double ultima = sorteos.empty() ? 0 : sorteos.back().fecha;
    Analisis a = analiza(pagina, ultima, rutasorteo, errorConexion);
    if (a.resultado != Analisis::Resultado::Nuevos)
        return a;
    if (validacion::lote(a.anadir, ultima, hoy)) {
        a.resultado = errorConexion ? Analisis::Resultado::Conexion : Analisis::Resultado::DatosCorruptos;
        a.anadir.clear();
        a.nuevos = 0;
        a.label19.clear();
        return a;
    }
    std::vector<std::pair<int, QByteArray>> registros;
    int k = static_cast<int>(sorteos.size()) + 1;
    for (const RegSorteo& s : a.anadir)
        registros.emplace_back(k++, s.aBytes());
    if (ficheroregistros::actualiza(ruta + ficheros::numeros, RegSorteo::tamano, registros) !=
        errores::ninguno) {
        a.resultado = errorConexion ? Analisis::Resultado::Conexion : Analisis::Resultado::SinDatos;
        a.anadir.clear();
    }
    return a;
}

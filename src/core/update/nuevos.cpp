#include "core/update/nuevos.h"

#include "core/store/errores.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/validacion.h"

namespace bolvera {

Analisis anadeNuevos(const QString& ruta, const QString& pagina, const QString& rutasorteo, QDate hoy)
{
    const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(ruta + ficheros::numeros);
    const double ultima = sorteos.empty() ? 0 : sorteos.back().fecha;
    Analisis a = analiza(pagina, ultima, rutasorteo, false);
    if (a.resultado != Analisis::Resultado::Nuevos)
        return a;
    const bool malo = validacion::lote(a.anadir, ultima, hoy).has_value();
    const bool hueco = !malo && validacion::sinHuecos(a.anadir, ultima) != a.anadir.size();
    if (malo || hueco) {
        a.resultado = hueco ? Analisis::Resultado::Hueco : Analisis::Resultado::DatosCorruptos;
        if (hueco)
            a.falta = validacion::siguienteDia(fechas::fechaDeDia(ultima));
        a.anadir.clear();
        a.nuevos = 0;
        a.textoNuevos.clear();
        return a;
    }
    std::vector<std::pair<int, QByteArray>> registros;
    int k = static_cast<int>(sorteos.size()) + 1;
    for (const RegSorteo& s : a.anadir)
        registros.emplace_back(k++, s.aBytes());
    if (const int error = ficheroregistros::actualiza(ruta + ficheros::numeros, RegSorteo::tamano, registros)) {
        a.resultado = Analisis::Resultado::Escritura;
        a.error = error;
        a.anadir.clear();
        a.nuevos = 0;
        a.textoNuevos.clear();
    }
    return a;
}

} // namespace bolvera

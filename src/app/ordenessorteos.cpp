// bolvera-cli: the status block and the draw history.
#include "app/ordenes.h"
#include "store/cargasorteos.h"
#include "store/historia.h"
#include "store/listasorteos.h"

#include <QJsonArray>
#include <QTextStream>

namespace {

const QString noValido = QStringLiteral(
    "Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para Bolvera.");

} // namespace

int estado(const Contexto& c)
{
    const EstadoSorteos e = cargasorteos(sorteos(c), penas(c), c.hoy);
    if (c.json) {
        imprime({{QStringLiteral("penas"), e.penas},
                 {QStringLiteral("ultima"), e.ultima},
                 {QStringLiteral("proximo"), e.proximo},
                 {QStringLiteral("aviso"), e.aviso},
                 {QStringLiteral("sorteosjugados"), e.sorteosjugados},
                 {QStringLiteral("proxsorteo"), e.proxsorteo},
                 {QStringLiteral("proxpena"), e.proxpena}});
        return 0;
    }
    QTextStream(stdout) << "Peñas: " << e.penas << '\n'
                        << "Última actualización de números ganadores: " << e.ultima << '\n'
                        << "Próximo sorteo: " << e.proximo << '\n'
                        << "Aviso: " << e.aviso << '\n'
                        << "Sorteos jugados: " << e.sorteosjugados << '\n'
                        << "proxsorteo: " << e.proxsorteo << '\n'
                        << "proxpena: " << e.proxpena << '\n';
    return 0;
}

int listaSorteos(const Contexto& c)
{
    const auto todos = sorteos(c);
    const listasorteos::Resultado r = listasorteos::calcula(todos);
    if (!r.valido)
        return fallaHistoriaDanada();
    QJsonArray filas;
    QTextStream salida(stdout);
    for (auto s = todos.rbegin(); s != todos.rend(); ++s) {
        const QStringList fila = {listasorteos::textoNumeros(*s), listasorteos::textoEstrellas(*s),
                                  listasorteos::textoFecha(*s)};
        if (c.json)
            filas.append(QJsonArray::fromStringList(fila));
        else
            salida << fila.join(QStringLiteral("   ")) << '\n';
    }
    if (c.json)
        imprime({{QStringLiteral("sorteos"), filas}, {QStringLiteral("total"), r.totalTexto}});
    else
        salida << r.totalTexto << '\n';
    return 0;
}

int frecuencias(const Contexto& c)
{
    const listasorteos::Resultado r = listasorteos::calcula(sorteos(c));
    if (!r.valido)
        return fallaHistoriaDanada();
    QJsonArray numeros;
    QJsonArray estrellas;
    for (const auto* t : {&r.tablanum1, &r.tablanum2})
        for (const auto& cuenta : t->cuentas)
            numeros.append(cuenta.value_or(0));
    for (const auto& cuenta : r.tablaest.cuentas)
        estrellas.append(cuenta.value_or(0));
    if (c.json) {
        imprime({{QStringLiteral("numeros"), numeros}, {QStringLiteral("estrellas"), estrellas}});
        return 0;
    }
    QTextStream salida(stdout);
    for (int i = 0; i < 50; ++i)
        salida << "Número " << i + 1 << ": " << numeros[i].toInt() << '\n';
    for (int i = 0; i < 12; ++i)
        salida << "Estrella " << i + 1 << ": " << estrellas[i].toInt() << '\n';
    return 0;
}

int importar(const Contexto& c)
{
    if (c.argumentos.size() != 1)
        return falla(QStringLiteral("Uso: importar FICHERO"));
    const historia::Importacion r = historia::importa(c.ruta, c.argumentos.front());
    switch (r.veredicto) {
    case historia::Veredicto::Importado:
        QTextStream(stdout) << "Archivo de sorteos importado con éxito\n";
        return 0;
    case historia::Veredicto::Rechazado:
        return falla(noValido);
    case historia::Veredicto::Error:
        break;
    }
    return fallaEscritura(noValido, r.error);
}

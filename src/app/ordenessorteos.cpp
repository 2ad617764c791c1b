// bolvera-cli: the status block and the draw history.
#include "app/ordenes.h"
#include "app/salidajson.h"
#include "core/store/cargasorteos.h"
#include "core/checking/euros.h"
#include "core/store/ajustes.h"
#include "core/store/csvsorteos.h"
#include "core/store/fechas.h"
#include "core/store/ficheros.h"
#include "core/store/historia.h"
#include "core/store/listado.h"
#include "core/store/premios.h"
#include "core/store/reescritura.h"
#include "core/store/validacion.h"

#include <QDir>
#include <QJsonArray>
#include <QTextStream>

#include <algorithm>

namespace bolvera {

namespace ordenes {

namespace {

const QString noValido = QStringLiteral(
    "Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para Bolvera.");

} // namespace

int estado(const Contexto& c)
{
    const EstadoSorteos e = estadoSorteos(sorteos(c), penas(c), c.hoy);
    if (c.json) {
        imprime({{QStringLiteral("penas"), e.penas},
                 {QStringLiteral("ultima"), e.ultima},
                 {QStringLiteral("proximo"), e.proximo},
                 {QStringLiteral("aviso"), e.aviso},
                 {QStringLiteral("sorteosjugados"), e.sorteosjugados},
                 {QStringLiteral("proxsorteo"), e.proxsorteo},
                 {QStringLiteral("proxpena"), e.proxpena},
                 {QStringLiteral("carpeta"), QDir::toNativeSeparators(c.ruta)}});
        return 0;
    }
    QTextStream(stdout) << "Peñas: " << e.penas << '\n'
                        << "Última actualización de números ganadores: " << e.ultima << '\n'
                        << "Próximo sorteo: " << e.proximo << '\n'
                        << "Aviso: " << e.aviso << '\n'
                        << "Sorteos jugados: " << e.sorteosjugados << '\n'
                        << "proxsorteo: " << e.proxsorteo << '\n'
                        << "proxpena: " << e.proxpena << '\n'
                        << "Carpeta de datos: " << QDir::toNativeSeparators(c.ruta) << '\n';
    return 0;
}

int listaSorteos(const Contexto& c)
{
    const auto todos = sorteos(c);
    const listado::Resultado r = listado::calcula(todos);
    if (!r.valido)
        return fallaHistoriaDanada();
    // Written as the rows come, newest first.
    if (c.json) {
        SalidaJson salida;
        salida.abreObjeto().clave("sorteos").abreLista();
        for (auto s = todos.rbegin(); s != todos.rend(); ++s)
            salida.abreLista()
                .valor(listado::textoNumeros(*s))
                .valor(listado::textoEstrellas(*s))
                .valor(listado::textoFecha(*s))
                .cierraLista();
        salida.cierraLista().clave("total").valor(r.totalTexto).cierraObjeto().termina();
        return 0;
    }
    QTextStream salida(stdout);
    for (auto s = todos.rbegin(); s != todos.rend(); ++s)
        salida << listado::textoNumeros(*s) << "   " << listado::textoEstrellas(*s) << "   "
               << listado::textoFecha(*s) << '\n';
    salida << r.totalTexto << '\n';
    return 0;
}

int frecuencias(const Contexto& c)
{
    const listado::Resultado r = listado::calcula(sorteos(c));
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
        return fallaUso(QStringLiteral("Uso: importar FICHERO"));
    const historia::Importacion r = historia::importa(c.ruta, c.argumentos.front());
    switch (r.veredicto) {
    case historia::Veredicto::Importado:
        QTextStream(stdout) << "Archivo de sorteos importado con éxito\n";
        return cuentaPremios(c);
    case historia::Veredicto::Rechazado:
        return falla(noValido);
    case historia::Veredicto::Error:
        break;
    }
    return fallaEscritura(noValido, r.error);
}

int exportarCsv(const Contexto& c)
{
    if (c.argumentos.size() != 1)
        return fallaUso(QStringLiteral("Uso: exportar-csv FICHERO"));
    if (const auto motivo = ficheros::motivoSalida(c.ruta, c.argumentos.front()))
        return falla(*motivo);
    const auto todos = sorteos(c);
    if (!listado::calcula(todos).valido)
        return fallaHistoriaDanada();
    if (const int error = reescribe(c.argumentos.front(), csvsorteos::escribe(todos)))
        return fallaEscritura(QStringLiteral("No se pudo escribir %1.").arg(c.argumentos.front()), error);
    QTextStream(stdout) << todos.size() << " sorteos exportados.\n";
    return 0;
}

namespace {

// A draw refused by its day alone may have been moved by the operators.
const QString otroDiaSi = QStringLiteral(". Si el sorteo se cambió a ese día, añádalo con --otro-dia.");

// Merges draws into the history and says what happened. With --otro-dia the
// draws on another day were taken by the user.
int fusionaYCuenta(const Contexto& c, const std::vector<RegSorteo>& lote, const std::vector<int>& lineas, bool copia)
{
    const historia::Fusion f =
        historia::fusiona(c.ruta, lote, c.hoy, copia, lineas, c.tiene("otro-dia") ? csvsorteos::otrosDias(lote) : std::vector<double>{});
    if (f.rechazo)
        return falla(validacion::comoFrase(*f.rechazo));
    if (f.error)
        return fallaEscritura(QStringLiteral("No se pudo guardar el histórico."), f.error);
    if (f.insertados > 0)
        if (const int estado = cuentaPremios(c))
            return estado;
    if (c.json)
        imprime({{QStringLiteral("insertados"), f.insertados},
                 {QStringLiteral("iguales"), f.iguales},
                 {QStringLiteral("total"), f.total}});
    else
        QTextStream(stdout) << "Insertados: " << f.insertados << '\n'
                            << "Iguales a los guardados: " << f.iguales << '\n'
                            << "Sorteos en el histórico: " << f.total << '\n';
    return 0;
}

} // namespace

int importarCsv(const Contexto& c)
{
    QByteArray texto;
    if (const auto estado = leeFicheroArgumento(c, QStringLiteral("Uso: importar-csv FICHERO [--json]"), texto))
        return *estado;
    const csvsorteos::Lectura l = csvsorteos::lee(texto, c.tiene("otro-dia"));
    if (l.error)
        return falla(*l.error + (!c.tiene("otro-dia") && !csvsorteos::lee(texto, true).error ? otroDiaSi : QString()));
    return fusionaYCuenta(c, l.sorteos, l.lineas, true);
}

int anadirSorteo(const Contexto& c)
{
    const auto sorteo = c.argumentos.size() == 2 ? csvsorteos::escrito(c.argumentos[0], c.argumentos[1]) : std::nullopt;
    if (!sorteo)
        return fallaUso(QStringLiteral("Uso: anadir-sorteo AAAA-MM-DD \"n1 n2 n3 n4 n5 + e1 e2\""));
    if (const auto motivo = historia::motivoParaAnadir(c.ruta, *sorteo, c.hoy, c.tiene("otro-dia")))
        return falla(validacion::comoFrase(*motivo) +
                     (!c.tiene("otro-dia") && validacion::soloPorElDia(*sorteo) ? otroDiaSi : QString()));
    return fusionaYCuenta(c, {*sorteo}, {}, false);
}

int listaHuecos(const Contexto& c)
{
    const std::vector<QDate> faltan = historia::huecos(sorteos(c));
    QStringList fechasIso;
    for (const QDate& d : faltan)
        fechasIso << d.toString(Qt::ISODate);
    if (c.json)
        imprime({{QStringLiteral("huecos"), QJsonArray::fromStringList(fechasIso)}});
    else if (fechasIso.isEmpty())
        QTextStream(stdout) << "No falta ningún sorteo.\n";
    else
        QTextStream(stdout) << fechasIso.join(u'\n') << '\n';
    return 0;
}

int importarPremios(const Contexto& c)
{
    QByteArray texto;
    if (const auto estado = leeFicheroArgumento(c, QStringLiteral("Uso: importar-premios FICHERO"), texto))
        return *estado;
    const premios::LecturaCsv l = premios::leeCsv(texto);
    if (l.error)
        return falla(*l.error);
    if (const int error = premios::guarda(c.ruta, l.registros))
        return fallaEscritura(QStringLiteral("No se pudo guardar premios.dat."), error);
    QTextStream(stdout) << "Premios de " << l.registros.size() << " sorteos guardados.\n";
    return 0;
}

int precio(const Contexto& c)
{
    if (c.argumentos.size() > 1)
        return fallaUso(QStringLiteral("Uso: precio [EUROS]"));
    if (c.argumentos.size() == 1) {
        // Checked with the line: more than nothing, in whole cents.
        const std::int64_t centimos = ajustes::leePrecio(c.argumentos.front()).value_or(0);
        if (const int error = ajustes::ponPrecioApuesta(c.ruta, centimos))
            return fallaEscritura(QStringLiteral("No se pudo guardar el precio."), error);
    }
    QTextStream(stdout) << "Precio por apuesta: " << euros::texto(ajustes::precioApuesta(c.ruta)) << '\n';
    return 0;
}

} // namespace ordenes

} // namespace bolvera

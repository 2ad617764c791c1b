#include "core/store/historia.h"

#include "core/store/csvsorteos.h"
#include "core/store/errores.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/listado.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"
#include "core/store/reescritura.h"
#include "core/store/validacion.h"

#include <QFile>

#include <algorithm>
#include <map>
#include <set>

namespace bolvera {

namespace historia {
namespace {

bool esFicheroDeSorteos(const QByteArray& bytes)
{
    if (bytes.size() < RegSorteo::tamano || bytes.size() / RegSorteo::tamano > RegSorteo::maximo)
        return false;
    const RegSorteo primero = RegSorteo::desdeBytes(bytes);
    const QString dia = fechas::diasemana(primero.fecha);
    if (!(primero.fecha > 1) || (dia != u"Martes" && dia != u"Viernes"))
        return false;
    // Every record as the listing would take it: possible dates in order.
    std::vector<RegSorteo> sorteos;
    for (qsizetype off = 0; off + RegSorteo::tamano <= bytes.size(); off += RegSorteo::tamano)
        sorteos.push_back(RegSorteo::desdeBytes(QByteArrayView(bytes).sliced(off)));
    return listado::calcula(sorteos).valido;
}

} // namespace

int guardaDanadoYVacia(const QString& ruta)
{
    QByteArray danado;
    if (const int error = ficheroregistros::leeTodo(ruta + ficheros::numeros, danado))
        return error;
    if (const int error = reescribe(ruta + ficheros::numerosErr, danado))
        return error;
    return reescribe(ruta + ficheros::numeros, {});
}

int borraSorteo(const QString& ruta, int k)
{
    QByteArray bytes;
    if (const int error = ficheroregistros::leeEnteros(ruta + ficheros::numeros, RegSorteo::tamano, bytes))
        return error;
    const qsizetype offset = RegSorteo::tamano * (k - 1);
    if (k >= 1 && offset < bytes.size())
        bytes.remove(offset, RegSorteo::tamano);
    return reescribe(ruta + ficheros::numeros, bytes);
}

int vacia(const QString& ruta)
{
    QByteArray actual;
    if (QFile::exists(ruta + ficheros::numeros))
        if (const int error = ficheroregistros::leeTodo(ruta + ficheros::numeros, actual))
            return error;
    if (!actual.isEmpty())
        if (const int error = reescribe(ruta + ficheros::numerosBak, actual))
            return error;
    return reescribe(ruta + ficheros::numeros, {});
}

int reseteaPenas(const QString& ruta, QDate hoy)
{
    QByteArray bytes;
    if (const int error = ficheroregistros::leeTodo(ruta + ficheros::apuestas, bytes))
        return error;
    const double creacion = fechas::diaNumero(hoy);
    for (qsizetype off = 0; off + RegPena::tamano <= bytes.size(); off += RegPena::tamano) {
        RegPena p = RegPena::desdeBytes(QByteArrayView(bytes).sliced(off, RegPena::tamano));
        p.aciertos.fill(0);
        p.contado = 0;
        p.creacion = creacion;
        const QByteArray nuevo = p.aBytes();
        std::copy(nuevo.begin(), nuevo.end(), bytes.begin() + off);
    }
    return reescribe(ruta + ficheros::apuestas, bytes);
}

Importacion importa(const QString& ruta, const QString& elegido)
{
    QByteArray nuevo;
    if (const int error = ficheroregistros::leeEntrada(elegido, nuevo))
        return {Veredicto::Error, error};
    if (!esFicheroDeSorteos(nuevo))
        return {Veredicto::Rechazado, errores::ninguno};

    // The current history is kept first: without its backup it is not replaced.
    QByteArray actual;
    if (QFile::exists(ruta + ficheros::numeros))
        if (const int error = ficheroregistros::leeTodo(ruta + ficheros::numeros, actual))
            return {Veredicto::Error, error};
    if (const int error = reescribe(ruta + ficheros::numerosBak, actual))
        return {Veredicto::Error, error};
    if (const int error = reescribe(ruta + ficheros::numeros, nuevo))
        return {Veredicto::Error, error};
    return {Veredicto::Importado, errores::ninguno};
}

Fusion fusiona(const QString& ruta, const std::vector<RegSorteo>& lote, QDate hoy, bool copia,
               const std::vector<int>& lineas, const std::vector<double>& otrosDias)
{
    Fusion f;
    QByteArray actual;
    if (QFile::exists(ruta + ficheros::numeros))
        if ((f.error = ficheroregistros::leeEnteros(ruta + ficheros::numeros, RegSorteo::tamano, actual)))
            return f;
    std::vector<RegSorteo> sorteos;
    for (qsizetype off = 0; off < actual.size(); off += RegSorteo::tamano)
        sorteos.push_back(RegSorteo::desdeBytes(QByteArrayView(actual).sliced(off)));
    if (!listado::calcula(sorteos).valido) {
        f.rechazo = QStringLiteral("El histórico guardado está dañado: no se añade nada.");
        return f;
    }

    std::map<double, RegSorteo> porFecha;
    for (const RegSorteo& s : sorteos)
        porFecha.emplace(s.fecha, s);
    std::vector<RegSorteo> nuevos;
    for (std::size_t i = 0; i < lote.size(); ++i) {
        const RegSorteo& s = lote[i];
        const QString linea = i < lineas.size() ? QStringLiteral("Línea %1: ").arg(lineas[i]) : QString();
        auto error = validacion::sorteo(s, std::find(otrosDias.begin(), otrosDias.end(), s.fecha) != otrosDias.end());
        if (!error && s.fecha > fechas::diaNumero(hoy))
            error = QStringLiteral("el sorteo del %1 es posterior a hoy").arg(fechas::fechacorta(s.fecha));
        const auto guardado = porFecha.find(s.fecha);
        if (!error && guardado != porFecha.end() && guardado->second != s)
            error = QStringLiteral("el sorteo del %1 no coincide con el guardado").arg(fechas::fechacorta(s.fecha));
        if (error) {
            f.rechazo = linea + *error;
            return f;
        }
        if (guardado != porFecha.end()) {
            ++f.iguales;
            continue;
        }
        porFecha.emplace(s.fecha, s);
        nuevos.push_back(s);
    }
    f.insertados = static_cast<int>(nuevos.size());
    f.total = static_cast<int>(sorteos.size() + nuevos.size());
    if (f.total > RegSorteo::maximo) {
        f.rechazo = QStringLiteral("El histórico no puede pasar de %1 sorteos.").arg(RegSorteo::maximo);
        return f;
    }
    if (nuevos.empty())
        return f;

    sorteos.insert(sorteos.end(), nuevos.begin(), nuevos.end());
    std::stable_sort(sorteos.begin(), sorteos.end(), [](const RegSorteo& a, const RegSorteo& b) { return a.fecha < b.fecha; });
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(sorteos.size()) * RegSorteo::tamano);
    for (const RegSorteo& s : sorteos)
        bytes += s.aBytes();
    if (copia && (f.error = reescribe(ruta + ficheros::numerosBak, actual)))
        return f;
    f.error = reescribe(ruta + ficheros::numeros, bytes);
    return f;
}

std::optional<QString> motivoParaAnadir(const QString& ruta, const RegSorteo& sorteo, QDate hoy, bool otroDia)
{
    const auto guardados = ficheroregistros::leeTodos<RegSorteo>(ruta + ficheros::numeros);
    if (std::any_of(guardados.begin(), guardados.end(), [&](const RegSorteo& s) { return s.fecha == sorteo.fecha; }))
        return QStringLiteral("Ya hay un sorteo guardado el %1.").arg(fechas::fechacorta(sorteo.fecha));
    if (sorteo.fecha > fechas::diaNumero(hoy))
        return QStringLiteral("El %1 es posterior a hoy.").arg(fechas::fechacorta(sorteo.fecha));
    return validacion::sorteo(sorteo, otroDia);
}

std::vector<QDate> huecos(const std::vector<RegSorteo>& sorteos)
{
    std::set<QDate> guardadas;
    for (const RegSorteo& s : sorteos)
        if (const QDate d = fechas::fechaDeDia(s.fecha); d.isValid())
            guardadas.insert(d);
    std::vector<QDate> faltan;
    if (guardadas.empty())
        return faltan;
    for (QDate d = *guardadas.begin(); d < *guardadas.rbegin(); d = d.addDays(1))
        if (validacion::esDiaDeSorteo(d) && !guardadas.contains(d))
            faltan.push_back(d);
    return faltan;
}

int preparaInicial(const QString& ruta)
{
    if (QFile::exists(ruta + ficheros::numeros))
        return errores::ninguno;
    QFile recurso(QStringLiteral(":/datos/euromillones.csv"));
    if (!recurso.open(QIODevice::ReadOnly))
        return errores::ficheroNoEncontrado;
    const csvsorteos::Lectura lectura = csvsorteos::lee(recurso.readAll());
    if (lectura.error)
        return errores::entradaSalida;
    QByteArray bytes;
    for (const RegSorteo& s : lectura.sorteos)
        bytes += s.aBytes();
    return reescribe(ruta + ficheros::numeros, bytes);
}

} // namespace historia

} // namespace bolvera

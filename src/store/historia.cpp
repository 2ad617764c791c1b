#include "store/historia.h"

#include "store/errores.h"
#include "store/fechas.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"
#include "store/listasorteos.h"
#include "store/regpena.h"
#include "store/regsorteo.h"
#include "store/reescritura.h"

#include <QFile>

#include <algorithm>

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
    for (qsizetype off = 0; off + RegSorteo::tamano <= bytes.size(); off += RegSorteo::tamano)
        if (!listasorteos::enRango(RegSorteo::desdeBytes(QByteArrayView(bytes).sliced(off))))
            return false;
    return true;
}

} // namespace

int guardaDanadoYVacia(const QString& ruta)
{
    QByteArray danado;
    if (const int error = ficheroregistros::leeTodo(ruta + ficheros::numeros, danado))
        return error;
    if (const int error = reescribe(ruta + ficheros::numerosErr, danado))
        return error;
    return vacia(ruta);
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

int vacia(const QString& ruta) { return reescribe(ruta + ficheros::numeros, {}); }

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
    if (const int error = ficheroregistros::leeTodo(elegido, nuevo))
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

} // namespace historia

#include "core/checking/recuento.h"

#include "core/checking/pasadas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/listado.h"
#include "core/store/reescritura.h"

#include <QFile>

namespace bolvera {

Recuento recuenta(const QString& ruta, std::optional<int> r)
{
    Recuento c;
    // An unreadable history must not pass for an empty one: that would
    // leave every counter at zero.
    QByteArray historia;
    if (QFile::exists(ruta + ficheros::numeros))
        if ((c.error = ficheroregistros::leeEnteros(ruta + ficheros::numeros, RegSorteo::tamano, historia)))
            return c;
    std::vector<RegSorteo> sorteos;
    for (qsizetype off = 0; off < historia.size(); off += RegSorteo::tamano)
        sorteos.push_back(RegSorteo::desdeBytes(QByteArrayView(historia).sliced(off)));
    if (!listado::calcula(sorteos).valido) {
        c.rechazo = QStringLiteral("El histórico guardado está dañado: no se recuenta nada.");
        return c;
    }

    QByteArray bytes;
    if (QFile::exists(ruta + ficheros::apuestas))
        if ((c.error = ficheroregistros::leeTodo(ruta + ficheros::apuestas, bytes)))
            return c;
    const int total = static_cast<int>(bytes.size() / RegPena::tamano);
    if (r && (*r < 1 || *r > total)) {
        c.rechazo = QStringLiteral("No existe la peña número %1.").arg(*r);
        return c;
    }
    if (total == 0)
        return c;
    if (sorteos.empty()) {
        c.rechazo = QStringLiteral("No hay sorteos guardados: no se recuenta nada.");
        return c;
    }

    const int primera = r ? *r - 1 : 0;
    const int ultima = r ? *r : total;
    std::vector<RegPena> penas;
    for (int p = primera; p < ultima; ++p) {
        RegPena pena = RegPena::desdeBytes(QByteArrayView(bytes).sliced(p * RegPena::tamano, RegPena::tamano));
        pena.aciertos.fill(0);
        pena.contado = 0;
        penas.push_back(pena);
    }
    // One check of the newest draw counts every draw newer than `contado`:
    // with `contado` at none, the whole history from each creation on.
    Parpadeo parpadeo;
    pasadaSencillas(sorteos, penas, 1, {}, parpadeo);
    pasadaMultiples(sorteos, penas, 1, {}, parpadeo);

    QByteArray nuevos = bytes;
    for (int p = primera; p < ultima; ++p) {
        const QByteArray registro = penas[static_cast<std::size_t>(p - primera)].aBytes();
        std::copy(registro.begin(), registro.end(), nuevos.begin() + p * RegPena::tamano);
    }
    if ((c.error = reescribe(ruta + ficheros::apuestasBak, bytes)))
        return c;
    if ((c.error = reescribe(ruta + ficheros::apuestas, nuevos)))
        return c;
    c.recontadas = std::move(penas);
    return c;
}

} // namespace bolvera

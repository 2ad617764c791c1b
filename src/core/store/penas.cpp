#include "core/store/penas.h"

#include "core/store/errores.h"
#include "core/store/estado.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/reescritura.h"

namespace bolvera {

int anadePena(Estado& estado, RegPena nueva, QDate hoy)
{
    const int k = estado.proxpena == 0 ? 1 : estado.proxpena;
    nueva.aciertos.fill(0);
    nueva.creacion = fechas::diaNumero(hoy);
    nueva.contado = 0;
    // Written in one atomic rewrite: a failure leaves the file as it was.
    const QString apuestas = estado.fichero(ficheros::apuestas);
    if (const int error = ficheroregistros::asegura(apuestas))
        return error;
    if (const int error = ficheroregistros::actualiza(apuestas, RegPena::tamano, {{k, nueva.aBytes()}}))
        return error;
    estado.pena = nueva;
    estado.proxpena = k + 1;
    estado.penanueva = true;
    return errores::ninguno;
}

int borraPena(const QString& apuestas, int k)
{
    QByteArray contenido;
    if (const int error = ficheroregistros::leeEnteros(apuestas, RegPena::tamano, contenido))
        return error;
    const qsizetype offset = RegPena::tamano * (k - 1);
    if (k >= 1 && offset < contenido.size())
        contenido.remove(offset, RegPena::tamano);
    return reescribe(apuestas, contenido);
}

} // namespace bolvera

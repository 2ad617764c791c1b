#include "store/penas.h"

#include "store/errores.h"
#include "store/estado.h"
#include "store/fechas.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"
#include "store/reescritura.h"

int anadePena(Estado& estado, RegPena nueva, QDate hoy)
{
    const int k = estado.proxpena == 0 ? 1 : estado.proxpena;
    nueva.aciertos.fill(0);
    nueva.creacion = fechas::diaNumero(hoy);
    nueva.contado = 0;
    const int error = ficheroregistros::escribe(estado.fichero(ficheros::apuestas),
                                                RegPena::tamano, k, nueva.aBytes());
    if (error != errores::ninguno)
        return error;
    estado.pena = nueva;
    estado.proxpena = k + 1;
    estado.penanueva = 1;
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

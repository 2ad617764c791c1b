#include "store/penas.h"

#include "store/errores.h"
#include "store/estado.h"
#include "store/fechas.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"

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

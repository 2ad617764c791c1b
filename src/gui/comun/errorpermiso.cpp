#include "gui/comun/errorpermiso.h"

#include "core/platform/dialogos.h"
#include "core/store/errores.h"

namespace bolvera {

void errorpermiso(Dialogos& dialogos)
{
    dialogos.mensaje(Dialogos::Icono::Exclamacion, errores::tituloPermiso, errores::textoPermiso);
}

bool errorEscritura(Dialogos& dialogos, int error, const QString& fichero, const QString& mensaje)
{
    if (error == errores::ninguno)
        return false;
    if (error == errores::accesoRuta) {
        errorpermiso(dialogos);
        return true;
    }
    dialogos.mensaje(Dialogos::Icono::Exclamacion, QStringLiteral("¡Vaya hombre!"),
                     errores::explica(error, fichero, mensaje));
    return true;
}

} // namespace bolvera

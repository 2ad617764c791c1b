#include "main/errorpermiso.h"

#include "platform/dialogos.h"
#include "store/errores.h"

void errorpermiso(Dialogos& dialogos)
{
    dialogos.mensaje(Dialogos::Icono::Exclamacion, errores::tituloPermiso, errores::textoPermiso);
}

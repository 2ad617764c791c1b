#include "main/errorpermiso.h"

#include "platform/dialogos.h"

void errorpermiso(Dialogos& dialogos)
{
    dialogos.mensaje(
        Dialogos::Icono::Exclamacion, QStringLiteral("Error de permiso"),
        QStringLiteral("Para modificar el archivo necesita permiso de Administrador.\r\n"
                       "Cierre el programa y ejecútelo en modo Administrador y repita la "
                       "operación.\r\n"
                       "(Encima del icono, botón derecho y elija \"Ejecutar como administrador\")"));
}

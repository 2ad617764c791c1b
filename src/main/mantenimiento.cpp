// The main window's maintenance of the draw history: import, delete one draw,
// delete every draw and reset the peñas' counters.
#include "main/errorpermiso.h"
#include "main/modelosorteos.h"
#include "main/principal.h"
#include "platform/dialogos.h"
#include "platform/escritorio.h"
#include "platform/plataforma.h"
#include "platform/reloj.h"
#include "platform/sitios.h"
#include "store/errores.h"
#include "store/estado.h"
#include "store/historia.h"

#include <QDir>
#include <QUrl>

namespace {

const QString vayaHombre = QStringLiteral("¡Vaya hombre!");
const QString noValido = QStringLiteral(
    "Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para Bolvera.");

} // namespace

void Principal::Command8_Click()
{
    Dialogos& d = m_plataforma.dialogos;
    const QString elegido = d.abreFichero(QDir::homePath(),
                                          QStringLiteral("Seleccione el archivo NUMEROS.DAT"),
                                          QStringLiteral("Archivos de sorteos (numeros.dat)"));
    if (elegido.isEmpty()) {
        if (d.pregunta(QStringLiteral("Bolvera"),
                       QStringLiteral("No se ha seleccionado ningún archivo. Recuerde que puede "
                                      "disponer de TODOS LOS SORTEOS DESDE LA CREACIÓN DEL "
                                      "EUROMILLONES, obteniéndolo desde nuestra tienda virtual. "
                                      "¿Quiere ir?")))
            m_plataforma.escritorio.abre(QUrl(sitios::web() + QStringLiteral("/tienda.html#Sorteos")));
        return;
    }
    const historia::Importacion r = historia::importa(m_estado.ruta, elegido);
    switch (r.veredicto) {
    case historia::Veredicto::Importado:
        d.mensaje(Dialogos::Icono::Informacion, QStringLiteral("Todos los sorteos"),
                  QStringLiteral("Archivo de sorteos importado con éxito"));
        cargasorteos();
        refresca();
        break;
    case historia::Veredicto::Rechazado:
        d.mensaje(Dialogos::Icono::Exclamacion, vayaHombre, noValido);
        break;
    case historia::Veredicto::Error:
        if (r.error == errores::accesoRuta)
            errorpermiso(d);
        else
            d.mensaje(Dialogos::Icono::Exclamacion, vayaHombre,
                      noValido + QStringLiteral(" Error %1").arg(r.error));
        break;
    }
}

void Principal::Command5_Click()
{
    m_borradoarmado = true;
    Dialogos& d = m_plataforma.dialogos;
    auto fallo = [&](int error) {
        if (error == errores::accesoRuta)
            errorpermiso(d);
        return error != errores::ninguno;
    };
    if (d.pregunta(QStringLiteral("Borrar..."),
                   QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"))) {
        if (fallo(historia::vacia(m_estado.ruta)))
            return;
        cargasorteos();
        refresca();
    }
    if (d.pregunta(QStringLiteral("Borrar..."),
                   QStringLiteral("¿Quiere borrar también los aciertos de las peñas?. Si ha borrado "
                                  "los sorteos, se aconseja que se resetee también los resultados "
                                  "de las peñas y la fecha de creación pasará a ser la de hoy."))) {
        if (fallo(historia::reseteaPenas(m_estado.ruta, m_plataforma.reloj.hoy())))
            return;
        cargasorteos();
    }
}

void Principal::ListView3_Click(int fila)
{
    if (!m_borradoarmado)
        return;
    if (!m_plataforma.dialogos.pregunta(QStringLiteral("Borrar..."),
                                        QStringLiteral("¿Seguro que quieres eliminar este sorteo?")))
        return;
    const int error = historia::borraSorteo(m_estado.ruta, m_estado.proxsorteo - (fila + 1));
    if (error != errores::ninguno) {
        if (error == errores::accesoRuta)
            errorpermiso(m_plataforma.dialogos);
        return;
    }
    // The chart and the results keep what they showed until the next refresh.
    m_c.modeloSorteos->quita(fila);
    cargasorteos();
}

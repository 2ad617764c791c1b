// The statistics tab's maintenance of the draw history: import, delete one draw,
// delete every draw, reset or recount the peñas' counters.
#include "core/checking/recuento.h"
#include "gui/comun/errorpermiso.h"
#include "gui/main/modelosorteos.h"
#include "gui/main/anfitrion.h"
#include "gui/main/pestanaestadisticas.h"
#include "core/platform/dialogos.h"
#include "core/platform/escritorio.h"
#include "core/platform/plataforma.h"
#include "core/platform/reloj.h"
#include "core/platform/sitios.h"
#include "core/store/errores.h"
#include "core/store/estado.h"
#include "core/store/csvsorteos.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/historia.h"
#include "core/store/reescritura.h"
#include "core/store/validacion.h"

#include <QDir>

#include <algorithm>
#include <QUrl>

namespace bolvera {

namespace {

const QString vayaHombre = QStringLiteral("¡Vaya hombre!");
const QString noValido = QStringLiteral(
    "Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para Bolvera.");

} // namespace

void PestanaEstadisticas::anadeTodos()
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
        m_anfitrion.cargasorteos();
        m_anfitrion.refresca();
        break;
    case historia::Veredicto::Rechazado:
        d.mensaje(Dialogos::Icono::Exclamacion, vayaHombre, noValido);
        break;
    case historia::Veredicto::Error:
        errorEscritura(d, r.error, m_estado.fichero(ficheros::numeros), noValido);
        break;
    }
}

void PestanaEstadisticas::borraTodos()
{
    m_borradoarmado = true;
    Dialogos& d = m_plataforma.dialogos;
    auto fallo = [&](int error, const QString& fichero) {
        return errorEscritura(d, error, m_estado.fichero(fichero), QStringLiteral("No se pudo borrar."));
    };
    if (d.pregunta(QStringLiteral("Borrar..."), QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"),
                   Dialogos::PorDefecto::No)) {
        if (fallo(historia::vacia(m_estado.ruta), ficheros::numeros))
            return;
        m_anfitrion.cargasorteos();
        m_anfitrion.refresca();
    }
    if (d.pregunta(QStringLiteral("Borrar..."),
                   QStringLiteral("¿Quiere borrar también los aciertos de las peñas?. Si ha borrado "
                                  "los sorteos, se aconseja que se resetee también los resultados "
                                  "de las peñas y la fecha de creación pasará a ser la de hoy."),
                   Dialogos::PorDefecto::No)) {
        if (fallo(historia::reseteaPenas(m_estado.ruta, m_plataforma.reloj.hoy()), ficheros::apuestas))
            return;
        m_anfitrion.cargasorteos();
    }
}

void PestanaEstadisticas::pulsaSorteo(int fila)
{
    if (!m_borradoarmado)
        return;
    if (!m_plataforma.dialogos.pregunta(QStringLiteral("Borrar..."),
                                        QStringLiteral("¿Seguro que quieres eliminar este sorteo?"),
                                        Dialogos::PorDefecto::No))
        return;
    if (errorEscritura(m_plataforma.dialogos, historia::borraSorteo(m_estado.ruta, m_estado.proxsorteo - (fila + 1)),
                       m_estado.fichero(ficheros::numeros), QStringLiteral("No se pudo borrar el sorteo.")))
        return;
    // The chart and the results keep what they showed until the next refresh.
    m_modelo->quita(fila);
    m_anfitrion.cargasorteos();
}

bool PestanaEstadisticas::tomaOtrosDias(const std::vector<RegSorteo>& sorteos)
{
    QStringList dias;
    for (const double f : csvsorteos::otrosDias(sorteos))
        dias << QStringLiteral("%1 (%2)").arg(fechas::fechacorta(f), fechas::diasemana(f).toLower());
    return m_plataforma.dialogos.pregunta(
        QStringLiteral("Sorteo en otro día"),
        QStringLiteral("%1 no %2 martes ni viernes, los días de sorteo. ¿Se cambió el sorteo a %3 y lo quiere añadir así?")
            .arg(dias.join(QStringLiteral(", ")), dias.size() == 1 ? QStringLiteral("es") : QStringLiteral("son"),
                 dias.size() == 1 ? QStringLiteral("ese día") : QStringLiteral("esos días")),
        Dialogos::PorDefecto::No);
}

void PestanaEstadisticas::fusionaSorteos(const std::vector<RegSorteo>& lote, const std::vector<int>& lineas, bool copia,
                                         const std::vector<double>& otrosDias)
{
    Dialogos& d = m_plataforma.dialogos;
    const historia::Fusion f = historia::fusiona(m_estado.ruta, lote, m_plataforma.reloj.hoy(), copia, lineas, otrosDias);
    if (f.rechazo) {
        d.mensaje(Dialogos::Icono::Exclamacion, vayaHombre,
                  validacion::comoFrase(*f.rechazo) + QStringLiteral("\nNo se ha añadido nada."));
        return;
    }
    if (errorEscritura(d, f.error, m_estado.fichero(ficheros::numeros), QStringLiteral("No se pudo guardar el histórico.")))
        return;
    d.mensaje(Dialogos::Icono::Informacion, QStringLiteral("Sorteos añadidos"),
              QStringLiteral("Añadidos: %1. Ya estaban guardados: %2. Sorteos en el histórico: %3.")
                  .arg(f.insertados)
                  .arg(f.iguales)
                  .arg(f.total));
    if (f.insertados > 0) {
        m_anfitrion.cargasorteos();
        m_anfitrion.refresca();
    }
}

void PestanaEstadisticas::importaCsv()
{
    Dialogos& d = m_plataforma.dialogos;
    const QString elegido = d.abreFichero(QDir::homePath(), QStringLiteral("Importar sorteos de un CSV"),
                                          QStringLiteral("Archivos CSV (*.csv *.txt)"));
    if (elegido.isEmpty())
        return;
    QByteArray texto;
    if (const int error = ficheroregistros::leeEntrada(elegido, texto)) {
        const QString propio = errores::texto(error, elegido);
        d.mensaje(Dialogos::Icono::Exclamacion, vayaHombre,
                  !propio.isEmpty() && error != errores::accesoRuta
                      ? propio
                      : QStringLiteral("No se puede leer %1. Error %2").arg(elegido).arg(error));
        return;
    }
    const csvsorteos::Lectura l = csvsorteos::lee(texto);
    if (l.error) {
        // Rows refused by their day alone may be draws the operators moved.
        if (const csvsorteos::Lectura otros = csvsorteos::lee(texto, true); !otros.error) {
            if (tomaOtrosDias(otros.sorteos))
                fusionaSorteos(otros.sorteos, otros.lineas, true, csvsorteos::otrosDias(otros.sorteos));
            return;
        }
        d.mensaje(Dialogos::Icono::Exclamacion, vayaHombre, *l.error + QStringLiteral("\nNo se ha añadido nada."));
        return;
    }
    fusionaSorteos(l.sorteos, l.lineas, true);
}

void PestanaEstadisticas::exportaCsv()
{
    Dialogos& d = m_plataforma.dialogos;
    const QString destino = d.guardaFichero(QDir::homePath() + QStringLiteral("/euromillones.csv"),
                                            QStringLiteral("Exportar sorteos a un CSV"),
                                            QStringLiteral("Archivos CSV (*.csv)"));
    if (destino.isEmpty())
        return;
    if (const auto motivo = ficheros::motivoSalida(m_estado.ruta, destino)) {
        d.mensaje(Dialogos::Icono::Exclamacion, vayaHombre, *motivo);
        return;
    }
    const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(m_estado.fichero(ficheros::numeros));
    if (errorEscritura(d, reescribe(destino, csvsorteos::escribe(sorteos)), destino,
                       QStringLiteral("No se pudo escribir %1.").arg(destino)))
        return;
    d.mensaje(Dialogos::Icono::Informacion, QStringLiteral("Sorteos exportados"),
              QStringLiteral("%1 sorteos guardados en %2").arg(sorteos.size()).arg(destino));
}

void PestanaEstadisticas::anadeSorteo()
{
    // A refused entry is asked for again with what the user typed.
    Dialogos& d = m_plataforma.dialogos;
    const QDate hoy = m_plataforma.reloj.hoy();
    Dialogos::SorteoEscrito propuesta{hoy, {}};
    while (const auto escrito = d.pideSorteo(propuesta)) {
        propuesta = *escrito;
        const auto sorteo = csvsorteos::escrito(escrito->fecha.toString(Qt::ISODate), escrito->combinacion);
        const std::optional<QString> motivo =
            sorteo ? historia::motivoParaAnadir(m_estado.ruta, *sorteo, hoy)
                   : QStringLiteral("Escriba cinco números y dos estrellas así: 1 2 3 4 5 + 1 2");
        if (!motivo) {
            fusionaSorteos({*sorteo}, {}, false);
            return;
        }
        if (validacion::soloPorElDia(*sorteo) && !historia::motivoParaAnadir(m_estado.ruta, *sorteo, hoy, true)) {
            if (tomaOtrosDias({*sorteo}))
                fusionaSorteos({*sorteo}, {}, false, {sorteo->fecha});
            return;
        }
        d.mensaje(Dialogos::Icono::Exclamacion, vayaHombre, validacion::comoFrase(*motivo));
    }
}

void PestanaEstadisticas::recuentaPremios()
{
    Dialogos& d = m_plataforma.dialogos;
    const QString titulo = QStringLiteral("Recontar premios");
    const auto penas = ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas));
    if (penas.empty()) {
        d.mensaje(Dialogos::Icono::Informacion, titulo, QStringLiteral("No hay peñas que recontar."));
        return;
    }
    QStringList nombres;
    for (const RegPena& p : penas)
        nombres << p.nombreRecortado();
    const bool una = penas.size() == 1;
    if (!d.pregunta(titulo,
                    QStringLiteral("¿Recontar desde su creación los premios de %1 %2? Se guardará una copia de "
                                   "las peñas en apuestas.bak.")
                        .arg(una ? QStringLiteral("la peña") : QStringLiteral("las peñas"), nombres.join(u", ")),
                    Dialogos::PorDefecto::No))
        return;
    const Recuento r = recuenta(m_estado.ruta);
    if (r.rechazo) {
        d.mensaje(Dialogos::Icono::Exclamacion, vayaHombre, *r.rechazo);
        return;
    }
    if (errorEscritura(d, r.error, m_estado.fichero(ficheros::apuestas),
                       QStringLiteral("No se pudieron recontar los premios de las peñas.")))
        return;
    m_anfitrion.cargasorteos();
    m_anfitrion.refresca();
    d.mensaje(Dialogos::Icono::Informacion, titulo,
              r.recontadas.size() == 1
                  ? QStringLiteral("Recontados los premios de 1 peña.")
                  : QStringLiteral("Recontados los premios de %1 peñas.").arg(r.recontadas.size()));
}

} // namespace bolvera

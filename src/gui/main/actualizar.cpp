// The main window's online update and the maker's news.
#include "gui/main/botonactualizar.h"
#include "gui/main/pestanaestadisticas.h"
#include "gui/main/pestanageneral.h"
#include "gui/main/pestanasorteos.h"
#include "gui/main/principal.h"
#include "gui/main/secundarias.h"
#include "core/platform/dialogos.h"
#include "core/platform/escritorio.h"
#include "core/platform/plataforma.h"
#include "core/platform/red.h"
#include "core/platform/reloj.h"
#include "gui/shell/infor.h"
#include "core/store/cargasorteos.h"
#include "core/store/estado.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/reescritura.h"
#include "core/store/texto1252.h"
#include "core/update/consultafuentes.h"
#include "core/update/direcciones.h"
#include "core/update/noticias.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

namespace bolvera {

namespace {

const QString informeDat = QStringLiteral("informe.dat");

} // namespace

void Principal::conectaActualizacion()
{
    m_actualizacion = new Actualizacion(m_plataforma.red, *this, m_estado.ruta, m_temporizadorActualizacion, this);
    connect(m_c.bajar, &BotonActualizar::pulsado, this, &Principal::bajaSorteos);
    connect(m_c.verMensaje, &QPushButton::clicked, this, &Principal::muestraInfor);
}

void Principal::bajaSorteos()
{
    // The news window holds the update back; an update closes it. A second
    // press while one runs is ignored: it would end the first one's report.
    if ((m_infor && m_infor->isVisible()) || m_actualizacion->enCurso())
        return;
    m_general->olvidaParpadeo();
    if (m_infor)
        m_infor->close();
    m_desenlace = {};
    m_actualizacion->empieza(m_plataforma.reloj.hoy(), m_sorteo.fecha);
}

void Principal::actualizaPorOrden(std::function<void(const Desenlace&)> listo)
{
    if (!m_actualizacion->enCurso() && m_infor && m_infor->isVisible())
        m_infor->close(); // nobody is reading the news at the desk
    m_esperan.push_back(std::move(listo));
    if (!m_actualizacion->enCurso())
        bajaSorteos();
    if (!m_actualizacion->enCurso()) {
        m_desenlace = {};
        m_desenlace.errores << QStringLiteral("Bolvera: la ventana no pudo empezar la actualización.");
        terminada({});
    }
}

void Principal::terminada(const FinActualizacion& fin)
{
    m_desenlace.anotaFin(fin);
    // Whoever asked hears the end once; the next update starts afresh.
    for (const auto& listo : std::exchange(m_esperan, {}))
        listo(m_desenlace);
}

void Principal::muestraEstado(const QString& texto)
{
    m_c.estado->setText(texto);
}
void Principal::muestraProgreso(int valor) { m_c.progreso->setValue(valor); }
void Principal::muestraBytes(const QString& texto) { m_c.bytes->setText(texto); }

void Principal::muestraAnadidos(const QString& texto) { ponNuevos(texto); }

void Principal::mensaje(Dialogos::Icono icono, const QString& titulo, const QString& texto)
{
    m_desenlace.anotaMensaje(icono, titulo, texto);
    // An update the timer asked for reports to it; no box waits for a user
    // who may be away from the desk.
    if (m_esperan.empty())
        m_plataforma.dialogos.mensaje(icono, titulo, texto);
}

bool Principal::pregunta(const QString& titulo, const QString& texto, const QString& siNo)
{
    // Nobody at the desk answers No, and the command that asked hears why.
    if (!m_esperan.empty()) {
        m_desenlace.anotaMensaje(Dialogos::Icono::Exclamacion, titulo, siNo);
        return false;
    }
    return m_plataforma.dialogos.pregunta(titulo, texto, Dialogos::PorDefecto::No);
}

void Principal::actualizaSiToca()
{
    const QDate hoy = m_plataforma.reloj.hoy();
    if (m_sorteo.fecha <= 0 || !(proximoSorteo(fechas::fechaDeDia(m_sorteo.fecha), m_sorteo.fecha) < hoy))
        return;
    if (m_plataforma.escritorio.actualizacionAutomatica().value_or(false))
        bajaSorteos();
}

void Principal::cambiaAutomatica(bool activa)
{
    QAction* item = m_accionAutomatica;
    Escritorio& e = m_plataforma.escritorio;
    std::optional<QString> fallo;
    if (!e.actualizacionAutomatica())
        fallo = QStringLiteral("Este sistema no tiene los temporizadores de usuario de systemd (systemctl --user) o "
                               "no tiene instalado bolvera-actualizar.timer.");
    else
        fallo = e.ponActualizacionAutomatica(activa);
    if (fallo) {
        const QSignalBlocker callado(item);
        item->setChecked(e.actualizacionAutomatica().value_or(false));
        m_plataforma.dialogos.mensaje(Dialogos::Icono::Exclamacion, QStringLiteral("Actualizar automáticamente"),
                                      QStringLiteral("No se pudo %1 la actualización automática: %2")
                                          .arg(activa ? QStringLiteral("activar") : QStringLiteral("desactivar"), *fallo));
        return;
    }
    if (activa)
        m_plataforma.dialogos.mensaje(
            Dialogos::Icono::Informacion, QStringLiteral("Actualizar automáticamente"),
            QStringLiteral("Bolvera bajará los sorteos nuevos cada martes y viernes por la noche y a la mañana siguiente, "
                           "y avisará en el escritorio de lo que hayan ganado las peñas."));
}

void Principal::avisoSorteos(const QString& texto) { m_pestanaSorteos->aviso(texto); }
void Principal::muestraGeneral() { m_c.pestanas->setCurrentIndex(0); }

void Principal::muestraNuevos(int nuevos) { m_general->muestraNuevos(nuevos); }

void Principal::refrescaTodo()
{
    cargasorteos();
    m_estadisticas->listasorteos();
    m_pestanaSorteos->cargainforme(m_sorteo, PestanaSorteos::Pdf::Bajar);
    m_c.bajar->ponImagen(2);
}

void Principal::noticias()
{
    if (!noticias::toca(m_sorteo.fecha, m_plataforma.reloj.hoy()))
        return;
    // News that cannot be kept are simply not shown.
    (void)ficheroregistros::asegura(m_estado.fichero(informeDat));
    bajanoticias();
}

void Principal::bajanoticias()
{
    if (ficheroregistros::leeEnteros(m_estado.fichero(ficheros::apuestas), RegPena::tamano).isEmpty())
        return;
    auto lee = [this] {
        QByteArray bytes;
        ficheroregistros::leeTodo(m_estado.fichero(informeDat), bytes);
        return texto1252::decodifica(bytes);
    };
    const qsizetype antes = lee().size();
    delete m_descargaNoticias;
    m_descargaNoticias = m_plataforma.red.trae(direcciones::noticias());
    m_descargaNoticias->setParent(this);
    connect(m_descargaNoticias, &Descarga::terminada, this,
            [this, lee, antes](Descarga::Fallo fallo, int, const QByteArray& cuerpo) {
                // Only a whole document replaces the old news.
                if (fallo == Descarga::Fallo::Ninguno)
                    (void)reescribe(m_estado.fichero(informeDat), cuerpo);
                if (noticias::avisar(antes, lee().size()))
                    muestraInfor();
            });
}

void Principal::muestraFuentes()
{
    // One consultation at a time, and never beside an update: both use the
    // status line.
    QAction* item = m_accionFuentes;
    if (m_actualizacion->enCurso() || !item->isEnabled())
        return;
    item->setEnabled(false);
    const QString antes = m_c.estado->text();
    m_c.estado->setText(QStringLiteral("CONSULTANDO LAS FUENTES DE RESULTADOS"));
    auto* consulta = new ConsultaFuentes(m_plataforma.red, m_estado.ruta, m_sorteo.fecha, m_plataforma.reloj.hoy(), 50000, this);
    connect(consulta, &ConsultaFuentes::terminada, this, [this, consulta, item, antes](const std::vector<fuentes::Respuesta>& r) {
        consulta->deleteLater();
        item->setEnabled(true);
        m_c.estado->setText(antes);
        const auto guardados = ficheroregistros::leeTodos<RegSorteo>(m_estado.fichero(ficheros::numeros));
        const QDate hoy = m_plataforma.reloj.hoy();
        QStringList texto{fuentes::texto(fuentes::compara(r, guardados, hoy)),
                          fuentes::prevision(r, guardados.empty() ? 0 : guardados.back().fecha, hoy)};
        if (const QString aviso = fuentes::avisoAjustes(m_estado.ruta); !aviso.isEmpty())
            texto.prepend(aviso);
        m_plataforma.dialogos.mensaje(Dialogos::Icono::Informacion, QStringLiteral("Fuentes de resultados"),
                                      texto.join(QStringLiteral("\n\n")));
    });
    consulta->empieza();
}

void Principal::muestraInfor()
{
    if (!m_infor) {
        m_infor = new Infor(m_plataforma.escritorio, m_estado.fichero(informeDat));
        m_infor->setAttribute(Qt::WA_DeleteOnClose);
        centraSobre(m_infor, this); // never over the menu and the update button
    }
    m_infor->show();
    m_infor->raise();
}

} // namespace bolvera

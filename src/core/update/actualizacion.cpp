#include "core/update/actualizacion.h"

#include "core/checking/comprobacion.h"
#include "core/platform/sitios.h"
#include "core/store/categorias.h"
#include "core/store/errores.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/historia.h"
#include "core/store/paginas.h"
#include "core/store/texto1252.h"
#include "core/store/validacion.h"
#include "core/update/analiza.h"
#include "core/update/consultafuentes.h"
#include "core/update/direcciones.h"
#include "core/update/informe.h"
#include "core/update/nuevos.h"
#include "core/update/servicio.h"

#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <map>

namespace bolvera {

const QString Actualizacion::conectando = QStringLiteral("CONECTANDO AL SERVIDOR");

namespace {

const QString errorConexion = QStringLiteral("Error de conexión");
const QString noConectado = QStringLiteral(
    "No conectado: Compruebe la conexión a internet. Si es correcta, pruebe más tarde ya que no es "
    "posible conectar con el servidor de ONLAE.");
const QString tardaEnResponder =
    QStringLiteral("Problemas con el servidor. Tarda en responder. Pruebe más tarde...");
const QString delServicio = QStringLiteral("servicio de resultados");

QString sorteosAnadidos(int n)
{
    return QString::number(n) + (n == 1 ? QStringLiteral(" sorteo") : QStringLiteral(" sorteos"));
}

} // namespace

Actualizacion::Actualizacion(Red& red, PantallaActualizacion& pantalla, QString ruta, QTimer* temporizador,
                             QObject* padre)
    : QObject(padre), m_red(red), m_pantalla(pantalla), m_ruta(std::move(ruta)), m_temporizador(temporizador)
{
    connect(m_temporizador, &QTimer::timeout, this, &Actualizacion::tic);
    m_plazo = new QTimer(this);
    m_plazo->setSingleShot(true);
    m_plazo->setInterval(plazoMs);
    connect(m_plazo, &QTimer::timeout, this, [this] {
        if (!enCurso())
            return;
        para();
        m_hecho.fallida = true;
        m_pantalla.mensaje(Dialogos::Icono::Exclamacion, errorConexion, tardaEnResponder);
        progreso(0);
        estado(QString());
        termina();
    });
}

void Actualizacion::progreso(int valor) { m_pantalla.muestraProgreso(valor); }

void Actualizacion::estado(const QString& texto)
{
    m_estadoMostrado = texto;
    m_pantalla.muestraEstado(texto);
}

void Actualizacion::sumaBytes(qint64 bytes)
{
    m_hecho.bytes += bytes;
    m_pantalla.muestraBytes(QString::number(m_hecho.bytes) + QStringLiteral(" Bytes"));
}

void Actualizacion::para()
{
    m_temporizador->stop();
    // A query of an earlier run must not report into this one.
    if (m_consulta) {
        m_consulta->disconnect(this);
        m_consulta->cancela();
    }
    if (m_fuentes) {
        m_fuentes->disconnect(this);
        m_fuentes->cancela();
    }
    for (Descarga* d : {m_descargaResultados.data(), m_descargaSorteo.data()})
        if (d)
            d->cancela();
}

void Actualizacion::termina()
{
    m_plazo->stop();
    m_paso = Paso::Parada;
    m_pantalla.terminada({!m_hecho.fallida, m_hecho.fuente});
}

std::vector<RegSorteo> Actualizacion::sinImportes() const
{
    return premios::sinImportes(ficheroregistros::leeTodos<RegSorteo>(m_ruta + ficheros::numeros),
                                premios::lee(m_ruta).porFecha, m_hoy);
}

void Actualizacion::empieza(QDate hoy, double ultima)
{
    m_hoy = hoy;
    m_pantalla.muestraAnadidos(QString());
    m_hecho = {};
    if (fechas::diaNumero(hoy) < ultima) {
        m_pantalla.mensaje(Dialogos::Icono::Informacion, QStringLiteral("Error de fechas"),
                           QStringLiteral("La fecha de tu ordenador parece incorrecta. Existen sorteos "
                                          "en la base de datos con fechas porsteriores a la actual. "
                                          "Comprueba la fecha de tu ordenador."));
        m_hecho.fallida = true;
        termina();
        return;
    }
    para();
    m_plazo->start();
    m_ultima = ultima;
    m_tics = 0;
    m_documento.clear();
    m_paso = Paso::Servicio;
    progreso(1);
    m_pantalla.muestraGeneral();
    estado(conectando);

    // The operator's results service first: the draws after the newest stored
    // one (and the amounts of the stored ones that have none yet), and those
    // missing inside the history. The other sources only when the service
    // cannot be used.
    const auto guardados = ficheroregistros::leeTodos<RegSorteo>(m_ruta + ficheros::numeros);
    QDate primera = ultima > 0 ? fechas::fechaDeDia(ultima).addDays(1) : QDate(2004, 2, 13);
    if (const auto faltan = sinImportes(); !faltan.empty())
        primera = std::min(primera, fechas::fechaDeDia(faltan.front().fecha));
    auto ventanas = servicio::ventanas(primera, hoy);
    const std::vector<QDate> huecos = historia::huecos(guardados);
    for (std::size_t i = 0; i < huecos.size();) {
        std::size_t j = i;
        while (j + 1 < huecos.size() && huecos[j + 1] < huecos[i].addYears(1))
            ++j;
        ventanas.emplace_back(huecos[i], huecos[j]);
        i = j + 1;
    }
    delete m_consulta;
    m_consulta = new ConsultaServicio(m_red, std::move(ventanas), 5000, this);
    connect(m_consulta, &ConsultaServicio::terminada, this, &Actualizacion::alResponderServicio);
    m_consulta->empieza();
}

void Actualizacion::alResponderServicio(const servicio::Respuesta& respuesta)
{
    using Estado = servicio::Respuesta::Estado;
    if (respuesta.estado == Estado::NoDisponible) {
        m_hecho.servicioDijo = respuesta.motivo;
        m_hecho.respondieron = m_hecho.respondieron || respuesta.respondio;
        m_hecho.bytes += respuesta.bytes;
        preguntaFuentes(Paso::Fuentes);
        return;
    }
    sumaBytes(respuesta.bytes);
    if (respuesta.estado == Estado::Invalida) {
        falloDatos();
        return;
    }
    std::map<double, RegSorteo> guardados;
    for (const RegSorteo& s : ficheroregistros::leeTodos<RegSorteo>(m_ruta + ficheros::numeros))
        guardados.emplace(s.fecha, s);
    // The new draws as one batch after the newest stored draw, as for the
    // pages; the missing ones each against the history; the stored ones for
    // their amounts alone.
    Llegada llegada;
    std::vector<RegSorteo> nuevos;
    for (const servicio::SorteoServicio& s : respuesta.sorteos) {
        if (s.sorteo.fecha > m_ultima)
            nuevos.push_back(s.sorteo);
        else if (!guardados.count(s.sorteo.fecha))
            llegada.lote.push_back(s.sorteo);
    }
    const auto porFecha = [](const RegSorteo& a, const RegSorteo& b) { return a.fecha < b.fecha; };
    std::sort(llegada.lote.begin(), llegada.lote.end(), porFecha);
    std::sort(nuevos.begin(), nuevos.end(), porFecha);
    // A draw moved to another day stops the run before it, unless the user takes it.
    for (std::size_t i = 0; i < nuevos.size(); ++i) {
        if (!validacion::soloPorElDia(nuevos[i]))
            continue;
        if (!tomaOtroDia(nuevos[i], QStringLiteral("el ") + delServicio)) {
            nuevos.resize(i);
            break;
        }
        llegada.otrosDias.push_back(nuevos[i].fecha);
    }
    if (validacion::lote(nuevos, m_ultima, m_hoy, llegada.otrosDias)) {
        falloDatos();
        return;
    }
    // The new draws up to the first draw day the service lacks: a hole would
    // let the counters pass over a prize.
    QDate falta;
    if (const std::size_t seguidos = validacion::sinHuecos(nuevos, m_ultima, llegada.otrosDias); seguidos < nuevos.size()) {
        falta = seguidos == 0 ? validacion::siguienteDia(fechas::fechaDeDia(m_ultima))
                              : validacion::siguienteDia(fechas::fechaDeDia(nuevos[seguidos - 1].fecha));
        nuevos.resize(seguidos);
    }
    llegada.lote.insert(llegada.lote.end(), nuevos.begin(), nuevos.end());
    llegada.nuevos = static_cast<int>(nuevos.size());
    // The prizes of each draw that is (or is now) the stored one of its date.
    for (const servicio::SorteoServicio& s : respuesta.sorteos) {
        const auto guardado = guardados.find(s.sorteo.fecha);
        const bool entra = std::find(llegada.lote.begin(), llegada.lote.end(), s.sorteo) != llegada.lote.end();
        if (!entra && (guardado == guardados.end() || guardado->second != s.sorteo))
            continue;
        RegPremios r;
        r.fecha = s.sorteo.fecha;
        r.fuente = RegPremios::Fuente::Servicio;
        for (std::size_t c = 0; c < 13; ++c) {
            r.centimos[c] = s.premios[c].centimos;
            r.ganadores[c] = s.premios[c].ganadores;
        }
        llegada.premios.push_back(r);
    }
    llegada.fuente = delServicio;
    m_pantalla.muestraEstado(QStringLiteral("SORTEOS DEL SERVICIO DE RESULTADOS"));
    if (!incorpora(llegada))
        return;
    m_hecho.fuente = delServicio; // said even when it had nothing new
    if (falta.isValid()) {
        m_hecho.fallida = m_hecho.fallida || nuevos.empty();
        const Aviso av = aviso(Analisis::Resultado::Hueco, m_hoy.year(), falta);
        m_pantalla.mensaje(Dialogos::Icono::Exclamacion, av.titulo, av.texto);
    } else if (nuevos.empty() && !m_hecho.fallida) {
        const Aviso av = aviso(Analisis::Resultado::NingunoNuevo, m_hoy.year());
        m_pantalla.mensaje(Dialogos::Icono::Informacion, av.titulo, av.texto);
    }
    // Amounts the service does not have yet may be out elsewhere.
    if (!sinImportes().empty()) {
        preguntaFuentes(Paso::ImportesFuentes);
        return;
    }
    m_paso = Paso::Final;
    bloquesFinales();
}

// Spain's service cannot be used (or lacks amounts): the other operators of
// the same draw, each draw confirmed by two of them. Only when none of them
// can be used does the update fall back to the old results pages.
void Actualizacion::preguntaFuentes(Paso paso)
{
    m_paso = paso;
    m_pantalla.muestraEstado(QStringLiteral("CONSULTANDO OTRAS FUENTES"));
    if (const QString aviso = fuentes::avisoAjustes(m_ruta); !aviso.isEmpty())
        m_pantalla.mensaje(Dialogos::Icono::Exclamacion, QStringLiteral("ajustes.ini"), aviso);
    const auto faltan = sinImportes();
    delete m_fuentes;
    m_fuentes = new ConsultaFuentes(m_red, m_ruta, m_ultima, m_hoy, m_plazoFuentesMs, this,
                                    faltan.empty() ? QDate() : fechas::fechaDeDia(faltan.front().fecha));
    connect(m_fuentes, &ConsultaFuentes::terminada, this, [this](const std::vector<fuentes::Respuesta>& r) {
        if (m_paso == Paso::ImportesFuentes)
            importesDeFuentes(r);
        else
            alResponderFuentes(r);
    });
    m_fuentes->empieza();
}

void Actualizacion::importesDeFuentes(const std::vector<fuentes::Respuesta>& respuestas)
{
    qint64 bytes = 0;
    for (const fuentes::Respuesta& r : respuestas)
        bytes += r.bytes;
    sumaBytes(bytes);
    guardaPremios(fuentes::confirma(respuestas, m_ultima, m_hoy, {sinImportes(), {}}).premios);
    m_paso = Paso::Final;
    bloquesFinales();
}

void Actualizacion::alResponderFuentes(const std::vector<fuentes::Respuesta>& respuestas)
{
    for (const fuentes::Respuesta& r : respuestas) {
        m_hecho.respondieron = m_hecho.respondieron || r.respondio;
        m_hecho.bytes += r.bytes;
    }
    fuentes::Encargo encargo{sinImportes(), {}};
    fuentes::Confirmacion c = fuentes::confirma(respuestas, m_ultima, m_hoy, encargo);
    if (!c.alguna) {
        m_hecho.fuentesDijeron = fuentes::respuestas(respuestas);
        traeResultados();
        return;
    }
    sumaBytes(0);
    // Each draw on another day the user takes lets the run go on past it.
    while (c.otroDia && tomaOtroDia(*c.otroDia, fuentes::enumera(c.otroDiaPor))) {
        encargo.otrosDias.push_back(c.otroDia->fecha);
        c = fuentes::confirma(respuestas, m_ultima, m_hoy, encargo);
    }
    Llegada llegada;
    llegada.lote = c.nuevos;
    llegada.nuevos = static_cast<int>(c.nuevos.size());
    llegada.premios = c.premios;
    llegada.otrosDias = encargo.otrosDias;
    if (!c.nuevos.empty())
        llegada.fuente = QStringLiteral("confirmados por %1").arg(fuentes::enumera(c.confirmadoPor));
    if (validacion::lote(c.nuevos, m_ultima, m_hoy, encargo.otrosDias)) {
        falloDatos();
        return;
    }
    if (!incorpora(llegada))
        return;
    if (c.sinConfirmar.isValid()) {
        // Added draws make it a notice; nothing added when something should
        // have been is a failure.
        m_hecho.fallida = m_hecho.fallida || c.nuevos.empty();
        m_pantalla.mensaje(c.nuevos.empty() ? Dialogos::Icono::Exclamacion : Dialogos::Icono::Informacion,
                           QStringLiteral("Sorteo sin confirmar"),
                           QStringLiteral("El sorteo del %1 no se ha podido confirmar con dos fuentes, así que no "
                                          "se añade ni él ni los posteriores:\n\n%2\n\nPruebe más tarde, o "
                                          "añádalo usted con «Añadir sorteo...» del menú General (o bolvera-cli "
                                          "anadir-sorteo).")
                               .arg(fechas::fechacorta(c.sinConfirmar), c.detalle));
    } else if (c.pendiente.isValid()) {
        // The night of the draw one source is always first: no failure.
        m_pantalla.mensaje(Dialogos::Icono::Informacion, QStringLiteral("Pruebe más tarde"),
                           QStringLiteral("Sólo una fuente (%2) tiene todavía el sorteo del %1; se añadirá cuando "
                                          "lo confirme otra.")
                               .arg(fechas::fechacorta(c.pendiente), fuentes::enumera(c.pendienteEn)));
    } else if (c.nuevos.empty() && !c.otroDia) {
        const Aviso av = aviso(Analisis::Resultado::NingunoNuevo, m_hoy.year());
        m_pantalla.mensaje(Dialogos::Icono::Informacion, av.titulo, av.texto);
    }
    m_paso = Paso::Final;
    bloquesFinales();
}

// The one tail of the service and the other sources: the draws merged, their
// amounts kept, the counters written, the lists told. False when the draws
// could not be taken (said so, and the update has ended).
bool Actualizacion::incorpora(const Llegada& llegada)
{
    historia::Fusion f;
    if (!llegada.lote.empty()) {
        f = historia::fusiona(m_ruta, llegada.lote, m_hoy, false, {}, llegada.otrosDias);
        if (f.rechazo) {
            falloDatos();
            return false;
        }
        if (f.error) {
            falloEscritura(f.error, ficheros::numeros, QStringLiteral("No se pudo guardar el histórico."));
            m_hecho.sinDatos = true;
            m_paso = Paso::Final;
            bloquesFinales();
            return false;
        }
    }
    guardaPremios(llegada.premios);
    progreso(2);
    if (llegada.nuevos > 0) {
        m_hecho.fuente = llegada.fuente;
        m_hecho.anadidos = true;
    }
    if (f.insertados > 0)
        m_pantalla.muestraAnadidos(sorteosAnadidos(f.insertados));
    m_hecho.nuevos = std::max(1, llegada.nuevos);
    cuentaYMuestra();
    return true;
}

// The stored draws are counted at once, whatever happens next, and shown.
void Actualizacion::cuentaYMuestra()
{
    m_contando = true;
    const auto fin = qScopeGuard([this] { m_contando = false; });
    progreso(3);
    if (const int error = cuentaPendientes(m_ruta))
        falloEscritura(error, ficheros::apuestas, QStringLiteral("No se pudieron guardar los aciertos de las peñas."));
    m_pantalla.cargasorteos();
    m_pantalla.muestraNuevos(m_hecho.nuevos);
    m_hecho.comprobados = true;
    progreso(2);
}

void Actualizacion::guardaPremios(std::vector<RegPremios> premios)
{
    std::erase_if(premios, [](const RegPremios& r) { return !premios::conocidos(r.centimos); });
    // Not written, they are sought again by the next update (sinImportes).
    if (const int error = premios.empty() ? 0 : premios::guarda(m_ruta, premios))
        falloEscritura(error, ficheros::premios, QStringLiteral("No se pudieron guardar los importes de los premios."));
}

bool Actualizacion::tomaOtroDia(const RegSorteo& sorteo, const QString& segun)
{
    const QString hecho = QStringLiteral("Según %1, hubo sorteo el %2 (%3, no martes ni viernes): %4.")
                              .arg(segun, fechas::fechacorta(sorteo.fecha), fechas::diasemana(sorteo.fecha).toLower(),
                                   fuentes::combinacion(sorteo));
    const bool si = m_pantalla.pregunta(
        QStringLiteral("Sorteo en otro día"),
        hecho + QStringLiteral("\n\nUn sorteo cambiado de día sólo se añade si usted lo acepta; si no, no se "
                               "añaden ni él ni los posteriores.\n\n¿Añadirlo al histórico?"),
        hecho + QStringLiteral(" No se ha añadido, ni los posteriores. Para añadirlo: bolvera-cli anadir-sorteo "
                               "%1 \"%2\" --otro-dia")
                    .arg(fechas::fechaDeDia(sorteo.fecha).toString(Qt::ISODate), fuentes::combinacion(sorteo)));
    m_hecho.fallida = m_hecho.fallida || !si;
    return si;
}

// A batch that breaks the rule: nothing was appended, "Error crítico".
void Actualizacion::falloDatos()
{
    m_hecho.sinDatos = true;
    m_hecho.fallida = true;
    const Aviso av = aviso(Analisis::Resultado::DatosCorruptos, m_hoy.year());
    m_pantalla.mensaje(Dialogos::Icono::Critico, av.titulo, av.texto);
    m_pantalla.avisoSorteos(avisoInterpretacion(sitios::correo()));
    m_paso = Paso::Final;
    bloquesFinales();
}

// A file that could not be written (no rights, a full disk): said, and the
// update counts as not done.
void Actualizacion::falloEscritura(int error, const QString& fichero, const QString& que)
{
    m_hecho.fallida = true;
    const QString propio = errores::texto(error, m_ruta + fichero);
    m_pantalla.mensaje(Dialogos::Icono::Exclamacion,
                       error == errores::accesoRuta ? errores::tituloPermiso : QStringLiteral("Error"),
                       propio.isEmpty() ? que + QStringLiteral(" Error %1").arg(error) : que + u'\n' + propio);
}

void Actualizacion::guardaPagina(const QString& nombre, const QByteArray& documento)
{
    if (const int error = paginas::guarda(m_ruta, nombre, documento))
        falloEscritura(error, nombre, QStringLiteral("No se pudo guardar la página descargada."));
}

void Actualizacion::traeResultados()
{
    // The first download runs while the timer counts: a server that never
    // answers is reported at the fifth tick.
    m_paso = Paso::Pagina;
    delete m_descargaResultados;
    m_descargaResultados = m_red.trae(direcciones::buscador(m_hoy));
    m_descargaResultados->setParent(this);
    connect(m_descargaResultados, &Descarga::terminada, this,
            [this](Descarga::Fallo fallo, int estadoHttp, const QByteArray& cuerpo) { alTraerResultados(fallo, estadoHttp, cuerpo); });
    m_temporizador->start();
}

// What the service, each other source and the pages answered, when one of
// them answered at all; empty when none did (no connection).
QString Actualizacion::quienRespondio(const QString& paginas) const
{
    if (!m_hecho.respondieron)
        return {};
    QStringList lineas;
    if (!m_hecho.servicioDijo.isEmpty())
        lineas << QStringLiteral("Servicio de resultados: %1").arg(m_hecho.servicioDijo);
    if (!m_hecho.fuentesDijeron.isEmpty())
        lineas << m_hecho.fuentesDijeron;
    lineas << QStringLiteral("Páginas de resultados: %1").arg(paginas);
    return QStringLiteral("Ninguna fuente ha dado los sorteos nuevos. Esto es lo que ha respondido cada una:\n\n%1\n\n"
                          "Pruebe más tarde.")
        .arg(lineas.join(u'\n'));
}

void Actualizacion::alTraerResultados(Descarga::Fallo fallo, int estadoHttp, const QByteArray& cuerpo)
{
    if (fallo == Descarga::Fallo::Cancelada)
        return;
    if (fallo != Descarga::Fallo::Ninguno) {
        // Stopped before the box: its wait must not let the timer report again.
        // A server that took the request and then fell silent, trickled past
        // the deadline or broke off part-way is in trouble, not unreachable;
        // what it sent is never read. Servers that answered with something
        // else than draws are named, each with its answer.
        const bool lento = (fallo == Descarga::Fallo::Tiempo && m_descargaResultados && m_descargaResultados->conecto()) ||
                           fallo == Descarga::Fallo::Cortada;
        m_hecho.respondieron = m_hecho.respondieron || (m_descargaResultados && m_descargaResultados->respondio());
        const QString respondieron = quienRespondio(motivoFallo(fallo, estadoHttp));
        para();
        m_hecho.fallida = true;
        if (!lento && !respondieron.isEmpty())
            m_pantalla.mensaje(Dialogos::Icono::Exclamacion, QStringLiteral("Fuentes de resultados"), respondieron);
        else
            m_pantalla.mensaje(Dialogos::Icono::Exclamacion, errorConexion,
                               lento ? tardaEnResponder : QStringLiteral("No conectado: Compruebe la conexión a internet..."));
        progreso(0);
        estado(QString());
        termina();
        return;
    }
    m_documento = cuerpo;
    m_hecho.bytes = cuerpo.size(); // the pages' own count, as it always was
    m_pantalla.muestraBytes(QString::number(m_hecho.bytes));
    if (cuerpo.size() > 100) {
        estado(QStringLiteral("BUSCANDO SORTEOS"));
        m_paso = Paso::PaginaRecibida;
    } else {
        m_paso = Paso::PaginaInservible;
    }
}

void Actualizacion::falloConexion(const QString& texto)
{
    if (m_descargaResultados)
        m_descargaResultados->cancela();
    m_temporizador->stop();
    m_hecho.fallida = true;
    m_pantalla.mensaje(Dialogos::Icono::Exclamacion, errorConexion, texto);
    progreso(0);
    estado(QString());
}

void Actualizacion::tic()
{
    // A message box shown by a tick lets the timer fire again while it waits:
    // that tick is skipped, the steps run once and in order.
    if (m_enTic)
        return;
    m_enTic = true;
    const auto fin = qScopeGuard([this] { m_enTic = false; });
    ++m_tics;
    // Not connected: no connection by the fifth tick, or an answer too short
    // to be the page. A server that took the request is slow, not absent,
    // even before its first byte: its download's silence time-out and
    // deadline end the step ("Tarda en responder").
    const bool recibiendo = m_descargaResultados && m_descargaResultados->enCurso() && m_descargaResultados->conecto();
    if (m_tics == 5 && m_estadoMostrado == conectando && !recibiendo) {
        falloConexion(noConectado);
        termina();
        return;
    }
    // The results page is handled once: the draw page is fetched while the
    // timer goes on ticking.
    if (m_paso == Paso::PaginaRecibida && m_descargaResultados && !m_descargaResultados->enCurso())
        analizaPagina();
    if (m_paso == Paso::PaginaLeida) {
        m_paso = Paso::TrayendoSorteo;
        // A refused page fetches nothing more: the saved pages stay as they were.
        if (!m_rutasorteo.isEmpty() && !m_hecho.sinDatos) {
            m_tics = 0;
            delete m_descargaSorteo;
            m_descargaSorteo = m_red.trae(direcciones::sorteo(m_rutasorteo));
            m_descargaSorteo->setParent(this);
            connect(m_descargaSorteo, &Descarga::terminada, this,
                    [this](Descarga::Fallo fallo, int, const QByteArray& cuerpo) { alTraerSorteo(fallo, cuerpo); });
        }
    }
    bloquesFinales();
}

void Actualizacion::analizaPagina()
{
    m_tics = 0;
    progreso(2);
    m_paso = Paso::PaginaLeida;
    const QByteArray guardada = paginas::guardada(m_documento);
    estado(QStringLiteral("ANALIZANDO DATOS"));
    const Analisis a = anadeNuevos(m_ruta, texto1252::decodifica(guardada), m_rutasorteo, m_hoy);
    using R = Analisis::Resultado;
    const bool leida = a.resultado != R::DatosCorruptos && a.resultado != R::Conexion && a.resultado != R::Ilegible &&
                       a.resultado != R::Hueco && a.resultado != R::Escritura;
    // A page that could not be read, or whose draws could not be taken,
    // does not replace the last good one.
    if (leida) {
        guardaPagina(ficheros::www, m_documento);
        m_rutasorteo = a.rutasorteo;
    }
    m_hecho.finFichero = a.finfichero;
    m_hecho.nuevos = a.nuevos;
    if (!a.textoNuevos.isEmpty())
        m_pantalla.muestraAnadidos(a.textoNuevos);

    const Aviso av = aviso(a.resultado, m_hoy.year(), a.falta);
    switch (a.resultado) {
    case Analisis::Resultado::Nuevos:
        m_hecho.anadidos = true;
        // Counted at once: whatever happens to the draw page and the PDF,
        // the prizes of the appended draws are never lost.
        cuentaYMuestra();
        break;
    case Analisis::Resultado::NingunoNuevo:
        m_pantalla.mensaje(Dialogos::Icono::Informacion, av.titulo, av.texto);
        m_pantalla.cargasorteos();
        break;
    case Analisis::Resultado::DatosCorruptos:
        m_temporizador->stop();
        m_hecho.sinDatos = true;
        m_hecho.fallida = true;
        m_pantalla.mensaje(Dialogos::Icono::Critico, av.titulo, av.texto);
        m_pantalla.avisoSorteos(avisoInterpretacion(sitios::correo()));
        break;
    case Analisis::Resultado::Conexion:
    case Analisis::Resultado::Ilegible:
        falloConexion(av.texto);
        termina();
        break;
    case Analisis::Resultado::SinDatos:
        m_hecho.fallida = true;
        m_pantalla.mensaje(Dialogos::Icono::Informacion, av.titulo, av.texto);
        break;
    case Analisis::Resultado::Escritura:
        m_temporizador->stop();
        m_hecho.sinDatos = true;
        falloEscritura(a.error, ficheros::numeros, av.texto);
        break;
    case Analisis::Resultado::Hueco:
        // Nothing appended: no draw page, no check.
        m_temporizador->stop();
        m_hecho.sinDatos = true;
        m_hecho.fallida = true;
        m_pantalla.mensaje(Dialogos::Icono::Exclamacion, av.titulo, av.texto);
        break;
    }
}

void Actualizacion::alTraerSorteo(Descarga::Fallo fallo, const QByteArray& cuerpo)
{
    if (fallo == Descarga::Fallo::Cancelada)
        return;
    if (fallo == Descarga::Fallo::Ninguno) {
        m_documento = cuerpo;
        sumaBytes(cuerpo.size());
        m_hecho.paginaSorteo = true;
    }
    bloquesFinales();
}

// The prizes of the draw page belong to the newest stored draw; the report
// lists them in the order of its captions.
void Actualizacion::guardaPremiosPagina()
{
    const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(m_ruta + ficheros::numeros);
    if (sorteos.empty())
        return;
    // Read from the page itself: a www2.txt that could not be written does
    // not lose them.
    const Informe informe = leeInforme(texto1252::decodifica(paginas::guardada(m_documento)));
    RegPremios r;
    r.fecha = sorteos.back().fecha;
    r.fuente = RegPremios::Fuente::PaginaSorteo;
    for (std::size_t i = 0; i < 13; ++i) {
        const auto centimos = premios::centimosDe(informe.premios[i]);
        const int categoria = categorias::clasifica(aciertosInforme()[i].first, aciertosInforme()[i].second);
        if (centimos)
            r.centimos[static_cast<std::size_t>(categoria - 1)] = *centimos;
    }
    guardaPremios({r});
}

void Actualizacion::bloquesFinales()
{
    if (m_paso == Paso::TrayendoSorteo && !(m_descargaSorteo && m_descargaSorteo->enCurso()))
        m_paso = Paso::Final;
    if (m_paso != Paso::Final)
        return;
    m_paso = Paso::Cerrando;
    progreso(2);
    m_temporizador->stop();
    // Only a draw page replaces the saved one: the report is read from it.
    // New draws without their page make the saved report an older draw's,
    // which must not stand under the newest date: it is dropped, as when
    // the results page names no draw page.
    if (m_hecho.paginaSorteo) {
        guardaPagina(ficheros::www2, m_documento);
        guardaPremiosPagina();
    } else if (m_hecho.anadidos) {
        guardaPagina(ficheros::www2, {});
    }
    m_documento.clear();
    if (!m_hecho.sinDatos && !m_hecho.finFichero) {
        progreso(3);
        if (!m_hecho.comprobados)
            cuentaYMuestra();
        progreso(4);
        m_pantalla.refrescaTodo();
    }
    estado(m_hecho.fuente.isEmpty() ? QStringLiteral("TRANSFERENCIA FINALIZADA")
                              : QStringLiteral("TRANSFERENCIA FINALIZADA (%1)").arg(m_hecho.fuente));
    progreso(5);
    m_pantalla.muestraGeneral();
    termina();
}

} // namespace bolvera

#include "update/actualizacion.h"

#include "platform/sitios.h"
#include "store/categorias.h"
#include "store/errores.h"
#include "store/fechas.h"
#include "store/ficheroregistros.h"
#include "store/historia.h"
#include "store/premios.h"
#include "store/validacion.h"
#include "store/ficheros.h"
#include "store/texto1252.h"
#include "update/analiza.h"
#include "update/consultafuentes.h"
#include "update/nuevos.h"
#include "update/direcciones.h"
#include "update/informe.h"
#include "store/paginas.h"
#include "update/servicio.h"

#include <QScopeGuard>
#include <QTimer>

#include <algorithm>

namespace bolvera {

const QString Actualizacion::conectando = QStringLiteral("CONECTANDO AL SERVIDOR");

namespace {

const QString errorConexion = QStringLiteral("Error de conexión");
const QString noConectado = QStringLiteral(
    "No conectado: Compruebe la conexión a internet. Si es correcta, pruebe más tarde ya que no es "
    "posible conectar con el servidor de ONLAE.");
const QString tardaEnResponder =
    QStringLiteral("Problemas con el servidor. Tarda en responder. Pruebe más tarde...");

} // namespace

Actualizacion::Actualizacion(Red& red, PantallaActualizacion& pantalla, QString ruta,
                             QTimer* timer1, QObject* padre)
    : QObject(padre), m_red(red), m_pantalla(pantalla), m_ruta(std::move(ruta)), m_timer1(timer1)
{
    connect(m_timer1, &QTimer::timeout, this, &Actualizacion::Timer1_Timer);
    m_plazo = new QTimer(this);
    m_plazo->setSingleShot(true);
    m_plazo->setInterval(plazoMs);
    connect(m_plazo, &QTimer::timeout, this, [this] {
        if (!m_enCurso)
            return;
        para();
        m_pantalla.mensaje(Dialogos::Icono::Exclamacion, errorConexion, tardaEnResponder);
        progreso(0);
        estado(QString());
        termina();
    });
}

void Actualizacion::progreso(int valor)
{
    m_progreso = valor;
    m_pantalla.muestraProgreso(valor);
}

void Actualizacion::estado(const QString& texto)
{
    m_label6 = texto;
    m_pantalla.muestraEstado(texto);
}

void Actualizacion::para()
{
    m_timer1->stop();
    // A service query of an earlier run must not report into this one.
    if (m_consulta) {
        m_consulta->disconnect(this);
        m_consulta->cancela();
    }
    if (m_fuentes) {
        m_fuentes->disconnect(this);
        m_fuentes->cancela();
    }
    for (Descarga* d : {m_inet1.data(), m_inet2.data()})
        if (d)
            d->cancela();
}

void Actualizacion::termina()
{
    m_plazo->stop();
    m_enCurso = false;
    m_pantalla.terminada();
}

void Actualizacion::empieza(QDate hoy, double ultima)
{
    m_hoy = hoy;
    m_pantalla.muestraAnadidos(QString());
    m_errordatos = false;
    if (fechas::diaNumero(hoy) < ultima) {
        m_pantalla.mensaje(Dialogos::Icono::Informacion, QStringLiteral("Error de fechas"),
                           QStringLiteral("La fecha de tu ordenador parece incorrecta. Existen sorteos "
                                          "en la base de datos con fechas porsteriores a la actual. "
                                          "Comprueba la fecha de tu ordenador."));
        termina();
        return;
    }
    para();
    m_enCurso = true;
    m_plazo->start();
    m_ultima = ultima;
    m_fuente.clear();
    m_tics = 0;
    m_fase = Fase::Buscando;
    m_errorInet1 = false;
    m_www2Nueva = false;
    m_comprobados = false;
    m_texto.clear();
    progreso(1);
    m_pantalla.muestraGeneral();
    estado(conectando);

    // The operator's results service first: the draws after the newest stored
    // one, and those missing inside the history. Its pages only when the
    // service cannot be used.
    const auto guardados = ficheroregistros::leeTodos<RegSorteo>(m_ruta + ficheros::numeros);
    const QDate primera = ultima > 0 ? fechas::fechaDeDia(ultima).addDays(1) : QDate(2004, 2, 13);
    auto ventanas = servicio::ventanas(primera, hoy);
    const std::vector<QDate> faltan = historia::huecos(guardados);
    for (std::size_t i = 0; i < faltan.size();) {
        std::size_t j = i;
        while (j + 1 < faltan.size() && faltan[j + 1] < faltan[i].addYears(1))
            ++j;
        ventanas.emplace_back(faltan[i], faltan[j]);
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
        preguntaFuentes();
        return;
    }
    if (respuesta.estado == Estado::Invalida) {
        falloDatos();
        return;
    }
    // The same rule as for the pages: the new draws as one batch after the
    // newest stored draw, the missing ones each against the history.
    std::vector<RegSorteo> lote;
    std::vector<RegSorteo> nuevos;
    for (const servicio::SorteoServicio& s : respuesta.sorteos) {
        if (s.sorteo.fecha > m_ultima)
            nuevos.push_back(s.sorteo);
        else
            lote.push_back(s.sorteo);
    }
    const auto porFecha = [](const RegSorteo& a, const RegSorteo& b) { return a.fecha < b.fecha; };
    std::sort(lote.begin(), lote.end(), porFecha);
    std::sort(nuevos.begin(), nuevos.end(), porFecha);
    if (validacion::lote(nuevos, m_ultima, m_hoy)) {
        falloDatos();
        return;
    }
    // The new draws up to the first draw day the service lacks: a hole would
    // let the counters pass over a prize.
    QDate falta;
    if (const std::size_t seguidos = validacion::sinHuecos(nuevos, m_ultima); seguidos < nuevos.size()) {
        falta = seguidos == 0 ? validacion::siguienteDia(fechas::fechaDeDia(m_ultima))
                              : validacion::siguienteDia(fechas::fechaDeDia(nuevos[seguidos - 1].fecha));
        nuevos.resize(seguidos);
    }
    lote.insert(lote.end(), nuevos.begin(), nuevos.end());
    const historia::Fusion f = historia::fusiona(m_ruta, lote, m_hoy, false);
    if (f.rechazo || f.error) {
        falloDatos(f.error);
        return;
    }
    // The prizes each draw brought, kept for the euros won.
    std::vector<RegPremios> conocidos;
    for (const servicio::SorteoServicio& s : respuesta.sorteos) {
        RegPremios r;
        r.fecha = s.sorteo.fecha;
        r.fuente = RegPremios::Fuente::Servicio;
        for (std::size_t c = 0; c < 13; ++c) {
            r.centimos[c] = s.premios[c].centimos;
            r.ganadores[c] = s.premios[c].ganadores;
        }
        if (std::any_of(r.centimos.begin(), r.centimos.end(), [](std::int64_t c) { return c >= 0; }))
            conocidos.push_back(r);
    }
    if (!conocidos.empty())
        premios::guarda(m_ruta, conocidos);
    m_fuente = QStringLiteral("servicio de resultados");
    m_pantalla.muestraEstado(QStringLiteral("SORTEOS DEL SERVICIO DE RESULTADOS"));
    progreso(2);
    if (f.insertados > 0)
        m_pantalla.muestraAnadidos(QString::number(f.insertados) +
                           (f.insertados == 1 ? QStringLiteral(" sorteo") : QStringLiteral(" sorteos")));
    m_pantalla.cargasorteos();
    m_nuevos = std::max<int>(1, static_cast<int>(nuevos.size()));
    if (falta.isValid()) {
        const Aviso av = aviso(Analisis::Resultado::Hueco, m_hoy.year(), falta);
        m_pantalla.mensaje(Dialogos::Icono::Exclamacion, av.titulo, av.texto);
    } else if (nuevos.empty()) {
        const Aviso av = aviso(Analisis::Resultado::NingunoNuevo, m_hoy.year());
        m_pantalla.mensaje(Dialogos::Icono::Informacion, av.titulo, av.texto);
    }
    terminaConNuevos(!nuevos.empty());
}

// Spain's service cannot be used: the other operators of the same draw,
// each draw confirmed by two of them. Only when none of them can be used
// does the update fall back to the old results pages.
void Actualizacion::preguntaFuentes()
{
    m_pantalla.muestraEstado(QStringLiteral("CONSULTANDO OTRAS FUENTES"));
    delete m_fuentes;
    m_fuentes = new ConsultaFuentes(m_red, m_ruta, m_ultima, m_hoy, m_plazoFuentesMs, this);
    connect(m_fuentes, &ConsultaFuentes::terminada, this,
            [this](const std::vector<fuentes::Respuesta>& r) { alResponderFuentes(r); });
    m_fuentes->empieza();
}

void Actualizacion::alResponderFuentes(std::vector<fuentes::Respuesta> respuestas)
{
    const fuentes::Confirmacion c = fuentes::confirma(respuestas, m_ultima, m_hoy);
    if (!c.alguna) {
        traeResultados();
        return;
    }
    historia::Fusion f;
    if (!c.nuevos.empty()) {
        if (validacion::lote(c.nuevos, m_ultima, m_hoy)) {
            falloDatos();
            return;
        }
        f = historia::fusiona(m_ruta, c.nuevos, m_hoy, false);
        if (f.rechazo || f.error) {
            falloDatos(f.error);
            return;
        }
        if (!c.premios.empty())
            premios::guarda(m_ruta, c.premios);
        m_fuente = QStringLiteral("confirmados por %1").arg(fuentes::enumera(c.confirmadoPor));
    }
    progreso(2);
    if (f.insertados > 0)
        m_pantalla.muestraAnadidos(QString::number(f.insertados) +
                           (f.insertados == 1 ? QStringLiteral(" sorteo") : QStringLiteral(" sorteos")));
    m_pantalla.cargasorteos();
    m_nuevos = std::max<int>(1, static_cast<int>(c.nuevos.size()));
    if (c.sinConfirmar.isValid()) {
        // Added draws make it a notice; nothing added when something should
        // have been is a failure.
        m_pantalla.mensaje(f.insertados > 0 ? Dialogos::Icono::Informacion : Dialogos::Icono::Exclamacion,
                           QStringLiteral("Sorteo sin confirmar"),
                           QStringLiteral("El sorteo del %1 no se ha podido confirmar con dos fuentes, así que no "
                                          "se añade ni él ni los posteriores:\n\n%2\n\nPruebe más tarde, o "
                                          "añádalo usted con «Añadir sorteo...» del menú General (o bolvera-cli "
                                          "anadir-sorteo).")
                               .arg(fechas::fechacorta(c.sinConfirmar), c.detalle));
    } else if (c.nuevos.empty()) {
        const Aviso av = aviso(Analisis::Resultado::NingunoNuevo, m_hoy.year());
        m_pantalla.mensaje(Dialogos::Icono::Informacion, av.titulo, av.texto);
    }
    terminaConNuevos(!c.nuevos.empty());
}

// The draws just appended are counted at once, whatever happens next; then
// the last blocks.
void Actualizacion::terminaConNuevos(bool hayNuevos)
{
    if (hayNuevos) {
        progreso(3);
        m_pantalla.compruebaNuevos(m_nuevos);
        m_comprobados = true;
        progreso(2);
    }
    m_fase = Fase::Final;
    bloquesFinales();
}

// A batch that breaks the rule: nothing was appended, "Error crítico". A
// history that could not be written (no rights, a full disk) says so instead.
void Actualizacion::falloDatos(int error)
{
    m_errordatos = true;
    if (error != errores::ninguno) {
        m_pantalla.mensaje(Dialogos::Icono::Exclamacion, QStringLiteral("Error"),
                           errores::explica(error, m_ruta + ficheros::numeros,
                                            QStringLiteral("No se pudo guardar el histórico.")));
        m_fase = Fase::Final;
        bloquesFinales();
        return;
    }
    const Aviso av = aviso(Analisis::Resultado::DatosCorruptos, m_hoy.year());
    m_pantalla.mensaje(Dialogos::Icono::Critico, av.titulo, av.texto);
    m_pantalla.avisoSorteos(avisoInterpretacion(sitios::correo()));
    m_fase = Fase::Final;
    bloquesFinales();
}

void Actualizacion::traeResultados()
{
    // The first download runs while the timer counts: a server that never
    // answers is reported at the fifth tick.
    delete m_inet1;
    m_inet1 = m_red.trae(direcciones::buscador(m_hoy));
    m_inet1->setParent(this);
    connect(m_inet1, &Descarga::terminada, this,
            [this](Descarga::Fallo fallo, int, const QByteArray& cuerpo) { alTraerResultados(fallo, cuerpo); });
    m_timer1->start();
}

void Actualizacion::alTraerResultados(Descarga::Fallo fallo, const QByteArray& cuerpo)
{
    if (fallo == Descarga::Fallo::Cancelada)
        return;
    if (fallo != Descarga::Fallo::Ninguno) {
        // Stopped before the box: its wait must not let the timer report again.
        // A server that took the request and then fell silent, trickled past
        // the deadline or broke off part-way is in trouble, not unreachable;
        // what it sent is never read.
        const bool lento = (fallo == Descarga::Fallo::Tiempo && m_inet1 && m_inet1->conecto()) ||
                           fallo == Descarga::Fallo::Cortada;
        para();
        m_pantalla.mensaje(Dialogos::Icono::Exclamacion, errorConexion,
                           lento ? tardaEnResponder
                                 : QStringLiteral("No conectado: Compruebe la conexión a internet..."));
        progreso(0);
        estado(QString());
        termina();
        return;
    }
    m_texto = cuerpo;
    m_bytes = cuerpo.size();
    m_pantalla.muestraBytes(QString::number(m_bytes));
    if (cuerpo.size() > 100)
        estado(QStringLiteral("BUSCANDO SORTEOS"));
    else
        m_errorInet1 = true; // no results page: the connection is taken as failed
    m_fase = Fase::PaginaRecibida;
}

void Actualizacion::falloConexion(const QString& texto)
{
    if (m_inet1)
        m_inet1->cancela();
    m_timer1->stop();
    m_pantalla.mensaje(Dialogos::Icono::Exclamacion, errorConexion, texto);
    progreso(0);
    estado(QString());
}

void Actualizacion::Timer1_Timer()
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
    const bool recibiendo = m_inet1 && m_inet1->enCurso() && m_inet1->conecto();
    if (m_tics == 5 && m_label6 == conectando && !recibiendo) {
        falloConexion(noConectado);
        termina();
        return;
    }
    // The results page is handled once: the draw page is fetched while the
    // timer goes on ticking.
    if (m_fase == Fase::PaginaRecibida && !m_errorInet1 && m_inet1 && !m_inet1->enCurso())
        analizaPagina();
    if (m_fase == Fase::PaginaLeida && !m_errorInet1) {
        m_fase = Fase::TrayendoSorteo;
        // A refused page fetches nothing more: the saved pages stay as they were.
        if (!m_rutasorteo.isEmpty() && !m_errordatos) {
            m_tics = 0;
            delete m_inet2;
            m_inet2 = m_red.trae(direcciones::sorteo(m_rutasorteo));
            m_inet2->setParent(this);
            connect(m_inet2, &Descarga::terminada, this,
                    [this](Descarga::Fallo fallo, int, const QByteArray& cuerpo) { alTraerSorteo(fallo, cuerpo); });
        }
    }
    bloquesFinales();
}

void Actualizacion::analizaPagina()
{
    m_tics = 0;
    progreso(2);
    m_fase = Fase::PaginaLeida;
    const QByteArray guardada = paginas::guardada(m_texto);
    estado(QStringLiteral("ANALIZANDO DATOS"));
    const Analisis a = anadeNuevos(m_ruta, texto1252::decodifica(guardada), m_rutasorteo, m_errorInet1, m_hoy);
    using R = Analisis::Resultado;
    const bool leida = a.resultado != R::DatosCorruptos && a.resultado != R::Conexion && a.resultado != R::Ilegible &&
                       a.resultado != R::Hueco && a.resultado != R::Escritura;
    // A page that could not be read, or whose draws could not be taken,
    // does not replace the last good one.
    if (leida) {
        paginas::guarda(m_ruta, ficheros::www, m_texto);
        m_rutasorteo = a.rutasorteo;
    }
    m_finfichero = a.finfichero;
    m_nuevos = a.nuevos;
    if (!a.label19.isEmpty())
        m_pantalla.muestraAnadidos(a.label19);

    const Aviso av = aviso(a.resultado, m_hoy.year(), a.falta);
    switch (a.resultado) {
    case Analisis::Resultado::Nuevos:
        m_pantalla.cargasorteos();
        // Counted at once: whatever happens to the draw page and the PDF,
        // the prizes of the appended draws are never lost.
        progreso(3);
        m_pantalla.compruebaNuevos(m_nuevos);
        m_comprobados = true;
        progreso(2);
        break;
    case Analisis::Resultado::NingunoNuevo:
        m_pantalla.mensaje(Dialogos::Icono::Informacion, av.titulo, av.texto);
        m_pantalla.cargasorteos();
        break;
    case Analisis::Resultado::DatosCorruptos:
        m_timer1->stop();
        m_errordatos = true;
        m_pantalla.mensaje(Dialogos::Icono::Critico, av.titulo, av.texto);
        m_pantalla.avisoSorteos(avisoInterpretacion(sitios::correo()));
        break;
    case Analisis::Resultado::Conexion:
    case Analisis::Resultado::Ilegible:
        falloConexion(av.texto);
        termina();
        break;
    case Analisis::Resultado::SinDatos:
        m_pantalla.mensaje(Dialogos::Icono::Informacion, av.titulo, av.texto);
        break;
    case Analisis::Resultado::Escritura: {
        m_timer1->stop();
        m_errordatos = true;
        m_pantalla.mensaje(Dialogos::Icono::Exclamacion, av.titulo,
                           errores::explica(a.error, m_ruta + ficheros::numeros, av.texto));
        break;
    }
    case Analisis::Resultado::Hueco:
        // Nothing appended: no draw page, no check.
        m_timer1->stop();
        m_errordatos = true;
        m_pantalla.mensaje(Dialogos::Icono::Exclamacion, av.titulo, av.texto);
        break;
    }
}

void Actualizacion::alTraerSorteo(Descarga::Fallo fallo, const QByteArray& cuerpo)
{
    if (fallo == Descarga::Fallo::Cancelada)
        return;
    if (fallo == Descarga::Fallo::Ninguno) {
        m_texto = cuerpo;
        m_bytes += cuerpo.size();
        m_pantalla.muestraBytes(QString::number(m_bytes) + QStringLiteral(" Bytes"));
        m_www2Nueva = true;
    }
    bloquesFinales();
}

// The prizes of the draw page belong to the newest stored draw; the report
// lists them in the order of its captions.
void Actualizacion::guardaPremiosPagina()
{
    static constexpr std::array<std::pair<int, int>, 13> aciertos = {
        {{5, 2}, {5, 1}, {5, 0}, {4, 2}, {4, 1}, {4, 0}, {3, 2}, {3, 1}, {2, 2}, {3, 0}, {1, 2}, {2, 1}, {2, 0}}};
    const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(m_ruta + ficheros::numeros);
    const Informe informe = leeInforme(paginas::lee(m_ruta + ficheros::www2));
    if (sorteos.empty())
        return;
    RegPremios r;
    r.fecha = sorteos.back().fecha;
    r.fuente = RegPremios::Fuente::PaginaSorteo;
    bool alguno = false;
    for (std::size_t i = 0; i < 13; ++i) {
        const auto centimos = premios::centimosDe(informe.premios[i]);
        const int categoria = categorias::clasifica(aciertos[i].first, aciertos[i].second);
        if (centimos) {
            r.centimos[static_cast<std::size_t>(categoria - 1)] = *centimos;
            alguno = true;
        }
    }
    if (alguno)
        premios::guarda(m_ruta, {r});
}

void Actualizacion::bloquesFinales()
{
    if (m_fase == Fase::TrayendoSorteo && !(m_inet2 && m_inet2->enCurso()))
        m_fase = Fase::Final;
    if (m_fase != Fase::Final)
        return;
    m_fase = Fase::Parada;
    progreso(2);
    m_timer1->stop();
    // Only a draw page replaces the saved one: the report is read from it.
    // New draws without their page make the saved report an older draw's,
    // which must not stand under the newest date: it is dropped, as when
    // the results page names no draw page.
    if (m_www2Nueva) {
        paginas::guarda(m_ruta, ficheros::www2, m_texto);
        guardaPremiosPagina();
    }
    else if (m_comprobados)
        paginas::guarda(m_ruta, ficheros::www2, {});
    m_texto.clear();
    if (!m_errordatos && !m_finfichero) {
        progreso(3);
        if (!m_comprobados)
            m_pantalla.compruebaNuevos(m_nuevos);
        progreso(4);
        m_pantalla.refrescaTodo();
    }
    estado(m_fuente.isEmpty() ? QStringLiteral("TRANSFERENCIA FINALIZADA")
                              : QStringLiteral("TRANSFERENCIA FINALIZADA (%1)").arg(m_fuente));
    progreso(5);
    m_pantalla.muestraGeneral();
    termina();
}

} // namespace bolvera

// bolvera-cli: the online update and what each source of results says.
#include "app/ordenes.h"
#include "app/salidajson.h"
#include "core/platform/canal.h"
#include "core/platform/notificaciones.h"
#include "core/platform/redqt.h"
#include "core/store/ajustes.h"
#include "core/store/premios.h"
#include "core/store/listado.h"
#include "core/store/ficheros.h"
#include "core/store/texto1252.h"
#include "core/update/actualizacion.h"
#include "core/update/notificacion.h"
#include "core/update/consultafuentes.h"
#include "core/update/desenlace.h"
#include "core/update/informe.h"
#include "core/update/nuevos.h"
#include "core/store/paginas.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QEventLoop>
#include <QJsonArray>
#include <QTextStream>
#include <QTimer>

namespace bolvera {

namespace ordenes {

namespace {

const QString todaviaNo = QStringLiteral("Todavía no hay sorteos nuevos.");

// The update as the terminal sees it: the messages, and a result.
class PantallaTexto final : public PantallaActualizacion
{
public:
    PantallaTexto(const Contexto& c, Red& red, QEventLoop& bucle) : m_c(c), m_red(red), m_bucle(bucle) {}

    const Desenlace& desenlace() const { return m_desenlace; }

    void muestraEstado(const QString&) override {}
    void muestraProgreso(int) override {}
    void muestraBytes(const QString&) override {}
    void muestraAnadidos(const QString&) override {}
    void mensaje(Dialogos::Icono icono, const QString& titulo, const QString& texto) override
    {
        QTextStream(icono == Dialogos::Icono::Informacion ? stdout : stderr) << titulo << ": " << texto << '\n';
        m_desenlace.anotaMensaje(icono, titulo, texto);
    }
    // Nobody answers at a terminal: No, and what was left undone.
    bool pregunta(const QString& titulo, const QString&, const QString& siNo) override
    {
        mensaje(Dialogos::Icono::Exclamacion, titulo, siNo);
        return false;
    }
    void avisoSorteos(const QString&) override {}
    void muestraGeneral() override {}
    void cargasorteos() override {}
    void muestraNuevos(int) override {}
    // The report's PDF, as the window downloads it.
    void refrescaTodo() override
    {
        // Without a usable link the saved report stays, as in the window.
        const Informe i = leeInforme(paginas::lee(m_c.ruta + ficheros::www2));
        if (i.urlpdf.isEmpty())
            return;
        m_pdf = bajaPdf(m_red, m_c.ruta, i.urlpdf, [this] {
            m_pdf->deleteLater();
            m_pdf = nullptr;
            if (m_terminada)
                m_bucle.quit();
        });
    }
    void terminada(const FinActualizacion& fin) override
    {
        m_desenlace.anotaFin(fin);
        m_terminada = true;
        if (!m_pdf)
            m_bucle.quit();
    }

private:
    const Contexto& m_c;
    Red& m_red;
    QEventLoop& m_bucle;
    Descarga* m_pdf = nullptr;
    Desenlace m_desenlace;
    bool m_terminada = false;
};

} // namespace

// After an update, however it was run: the draws it added and where they
// came from, and the desktop told when asked.
void informaNuevos(const Contexto& c, std::size_t antes, const QString& fuente)
{
    const auto despues = sorteos(c);
    const std::size_t nuevos = despues.size() > antes ? despues.size() - antes : 0;
    imprimeSorteos({despues.end() - static_cast<qsizetype>(nuevos), despues.end()});
    if (nuevos > 0 && !fuente.isEmpty())
        QTextStream(stderr) << "Sorteos nuevos: " << fuente << ".\n";
    if (c.tiene("avisar"))
        avisa(c, despues, nuevos);
}

void avisa(const Contexto& c, const std::vector<RegSorteo>& sorteos, std::size_t nuevos)
{
    // Nothing new, nothing to tell; a desktop that cannot be told is no failure of the update.
    if (nuevos == 0)
        return;
    const Notificacion a = notificacionDe(sorteos, nuevos, penas(c), premios::lee(c.ruta).porFecha, ajustes::precioApuesta(c.ruta));
    if (!a.premio && !ajustes::avisoSinPremio(c.ruta))
        return;
    if (const auto fallo = notifica(a.titulo, a.cuerpo))
        QTextStream(stderr) << "No se pudo avisar en el escritorio: " << *fallo << ".\n";
}

int actualizar(const Contexto& c)
{
    const auto antes = sorteos(c);
    if (!listado::calcula(antes).valido)
        return fallaHistoriaDanada();
    RedQt red;
    QEventLoop bucle;
    QTimer timer1;
    timer1.setInterval(1000);
    PantallaTexto pantalla(c, red, bucle);
    Actualizacion actualizacion(red, pantalla, c.ruta, &timer1);
    QTimer::singleShot(0, &actualizacion, [&] {
        actualizacion.empieza(c.hoy, antes.empty() ? 0 : antes.back().fecha);
    });
    bucle.exec();
    informaNuevos(c, antes.size(), pantalla.desenlace().fuente);
    return pantalla.desenlace().exito ? 0 : 1;
}

std::optional<int> actualizarEnLaVentana(const Contexto& c)
{
    // The window that holds the folder does the update itself; the command
    // only reports what it brought. No window there: the lock is someone else's.
    QLocalSocket ventana;
    ventana.connectToServer(canalVentana(c.ruta));
    if (!ventana.waitForConnected(3000))
        return std::nullopt;
    const auto antes = sorteos(c);
    ventana.write("actualiza\n");
    QByteArray respuesta;
    // An update waits up to 50 s for the other sources, then downloads the report.
    QElapsedTimer reloj;
    reloj.start();
    while (!respuesta.contains('\n') && ventana.state() == QLocalSocket::ConnectedState && reloj.elapsed() < 15 * 60 * 1000) {
        ventana.waitForReadyRead(1000);
        respuesta += ventana.readAll();
    }
    respuesta += ventana.readAll();
    const QJsonObject o = QJsonDocument::fromJson(respuesta.left(respuesta.indexOf('\n'))).object();
    if (o.isEmpty())
        return falla(QStringLiteral("La ventana de Bolvera no respondió a la actualización."));
    const Desenlace d = Desenlace::deJson(o);
    for (const QString& aviso : d.avisos)
        QTextStream(stdout) << paraTerminal(aviso) << '\n';
    for (const QString& error : d.errores)
        QTextStream(stderr) << paraTerminal(error) << '\n';
    informaNuevos(c, antes.size(), d.fuente);
    return d.exito ? 0 : 1;
}

int listaFuentes(const Contexto& c)
{
    if (!c.argumentos.isEmpty())
        return fallaUso(QStringLiteral("Uso: fuentes [--json]"));
    const auto guardados = sorteos(c);
    RedQt red;
    QEventLoop bucle;
    std::vector<fuentes::Respuesta> respuestas;
    ConsultaFuentes consulta(red, c.ruta, guardados.empty() ? 0 : guardados.back().fecha, c.hoy);
    QObject::connect(&consulta, &ConsultaFuentes::terminada, &bucle, [&](const std::vector<fuentes::Respuesta>& r) {
        respuestas = r;
        bucle.quit();
    });
    QTimer::singleShot(0, &consulta, &ConsultaFuentes::empieza);
    bucle.exec();
    const std::vector<fuentes::Estado> estados = fuentes::compara(respuestas, guardados, c.hoy);
    const bool alguna = std::any_of(estados.begin(), estados.end(), [](const fuentes::Estado& e) { return e.contesto; });
    const QString prevision = fuentes::prevision(respuestas, guardados.empty() ? 0 : guardados.back().fecha, c.hoy);
    if (const QString aviso = fuentes::avisoAjustes(c.ruta); !aviso.isEmpty())
        QTextStream(stderr) << paraTerminal(aviso) << '\n';
    if (!c.json) {
        // A reason may quote what a server answered: each line escaped on its own.
        QStringList lineas = (fuentes::texto(estados) + QStringLiteral("\n\n") + prevision).split(u'\n');
        for (QString& l : lineas)
            l = paraTerminal(l);
        QTextStream(stdout) << lineas.join(u'\n') << '\n';
        return alguna ? 0 : 1;
    }
    SalidaJson salida;
    salida.abreObjeto().clave("fuentes").abreLista();
    for (const fuentes::Estado& e : estados) {
        salida.abreObjeto()
            .clave("clave").valor(fuentes::clave(e.id))
            .clave("contesto").valor(e.contesto)
            .clave("descartados").abreLista();
        for (const QString& d : e.descartados)
            salida.valor(d);
        salida.cierraLista()
            .clave("direccion").valor(e.direccion)
            .clave("distintos").abreLista();
        for (const QString& d : e.distintos)
            salida.valor(d);
        salida.cierraLista()
            .clave("iguales").valor(static_cast<qint64>(e.iguales))
            .clave("motivo").valor(e.motivo)
            .clave("ms").valor(static_cast<qint64>(e.milisegundos))
            .clave("nombre").valor(fuentes::nombre(e.id))
            .clave("ultimo").valor(e.ultimo.isValid() ? e.ultimo.toString(Qt::ISODate) : QString())
            .cierraObjeto();
    }
    salida.cierraLista().clave("prevision").valor(prevision).cierraObjeto().termina();
    return alguna ? 0 : 1;
}

} // namespace ordenes

} // namespace bolvera

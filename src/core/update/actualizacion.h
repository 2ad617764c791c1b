#pragma once

#include "core/platform/dialogos.h"
#include "core/platform/red.h"
#include "core/store/premios.h"
#include "core/store/regsorteo.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QTimer;

namespace bolvera {

class ConsultaFuentes;
class ConsultaServicio;

namespace fuentes {
struct Respuesta;
}

namespace servicio {
struct Respuesta;
}

// How an update ended.
struct FinActualizacion
{
    bool exito = false; // it did all it set out to do, or there was nothing to do
    QString fuente;     // where its new draws came from ("confirmados por Reino Unido y Austria"); empty when none
};

// What an update shows and asks for as it goes: the main window (or the
// terminal) implements it.
class PantallaActualizacion
{
public:
    virtual ~PantallaActualizacion() = default;
    virtual void muestraEstado(const QString& texto) = 0;   // the transfer's status
    virtual void muestraProgreso(int valor) = 0;            // 0–5
    virtual void muestraBytes(const QString& texto) = 0;    // bytes received
    virtual void muestraAnadidos(const QString& texto) = 0; // draws added ("2 sorteos"); empty for none
    virtual void mensaje(Dialogos::Icono icono, const QString& titulo, const QString& texto) = 0;
    // A question answered Yes or No, No by default; a run nobody watches
    // answers No and reports `siNo`, what was left undone.
    virtual bool pregunta(const QString& titulo, const QString& texto, const QString& siNo) = 0;
    virtual void avisoSorteos(const QString& texto) = 0; // the "Sorteos" tab's notice
    virtual void muestraGeneral() = 0;                   // the "General" tab
    virtual void cargasorteos() = 0;                     // the history or the counters changed
    // The `nuevos` newest draws were checked and every counter is written
    // (or said not to be): show their rows.
    virtual void muestraNuevos(int nuevos) = 0;
    // Then refresh the status, the draw list and the prize report (downloading the PDF).
    virtual void refrescaTodo() = 0;
    // The update has ended, one way or another.
    virtual void terminada(const FinActualizacion& fin) { (void)fin; }
};

// The online update: the operator's results service, else the other
// operators' files, else the old results pages; the new draws merged, their
// amounts and the counters written, the page of the newest draw. The pages
// keep the classic phases, driven by a one-second timer after the first
// download.
class Actualizacion final : public QObject
{
    Q_OBJECT

public:
    // `temporizador` paces the steps (1 s in the program).
    Actualizacion(Red& red, PantallaActualizacion& pantalla, QString ruta, QTimer* temporizador,
                  QObject* padre = nullptr);

    // Starts an update on `hoy`; `ultima` is the date of the working draw.
    void empieza(QDate hoy, double ultima);
    void tic();
    // From the start of an update to its end, however it ends.
    bool enCurso() const { return m_paso != Paso::Parada; }
    // While the new draws are checked and their counters written: the views
    // wait for the refresh that follows.
    bool contando() const { return m_contando; }
    // How long the other sources are waited for (50 s; tests shorten it).
    void ponPlazoFuentes(int ms) { m_plazoFuentesMs = ms; }

    static const QString conectando;
    // However the servers behave, an update ends within this (the report's
    // PDF, fetched after it, has a minute of its own).
    static constexpr int plazoMs = 120000;

private:
    // What a source brought, for the one tail that stores it.
    struct Llegada
    {
        std::vector<RegSorteo> lote;     // to merge: the new run and draws missing inside the history
        int nuevos = 0;                  // how many of them come after the newest stored draw
        std::vector<RegPremios> premios; // the amounts it gave
        std::vector<double> otrosDias;   // draws on another day the user took
        QString fuente;                  // for the status line
    };

    // The steps, in order; each waits for what its name says.
    enum class Paso
    {
        Parada,
        Servicio,        // the operator's results service
        Fuentes,         // the other operators, for draws
        ImportesFuentes, // the other operators, for the amounts the service lacked
        Pagina,          // the first results page (the timer counts its ticks)
        PaginaRecibida,  // the results page came: read at the next tick
        PaginaInservible, // too short to be the page: the fifth tick says not connected
        PaginaLeida,     // its draws appended: the draw page next
        TrayendoSorteo,  // the draw page on its way
        Final,           // the last blocks are due: the saved pages, the refresh
        Cerrando,        // the last blocks are running
    };

    void termina();
    void traeResultados();
    void alResponderServicio(const servicio::Respuesta& respuesta);
    void preguntaFuentes(Paso paso);
    void alResponderFuentes(const std::vector<fuentes::Respuesta>& respuestas);
    void importesDeFuentes(const std::vector<fuentes::Respuesta>& respuestas);
    bool incorpora(const Llegada& llegada);
    void cuentaYMuestra();
    void guardaPremios(std::vector<RegPremios> premios);
    void falloDatos();
    void falloEscritura(int error, const QString& fichero, const QString& que);
    bool tomaOtroDia(const RegSorteo& sorteo, const QString& segun);
    void guardaPagina(const QString& nombre, const QByteArray& documento);
    void alTraerResultados(Descarga::Fallo fallo, int estadoHttp, const QByteArray& cuerpo);
    void alTraerSorteo(Descarga::Fallo fallo, const QByteArray& cuerpo);
    void analizaPagina();
    void guardaPremiosPagina();
    void bloquesFinales();
    void falloConexion(const QString& texto);
    void para();
    void progreso(int valor);
    void estado(const QString& texto);
    void sumaBytes(qint64 bytes);
    std::vector<RegSorteo> sinImportes() const;
    QString quienRespondio(const QString& paginas) const;

    Red& m_red;
    PantallaActualizacion& m_pantalla;
    QString m_ruta;
    QTimer* m_temporizador;
    QPointer<Descarga> m_descargaResultados;
    QPointer<Descarga> m_descargaSorteo;
    QPointer<ConsultaServicio> m_consulta;
    QPointer<ConsultaFuentes> m_fuentes;
    QTimer* m_plazo = nullptr; // the whole update's deadline
    int m_plazoFuentesMs = 50000;
    Paso m_paso = Paso::Parada;
    bool m_enTic = false; // inside tic
    bool m_contando = false; // inside cuentaYMuestra

    // What this update is about.
    QDate m_hoy;
    double m_ultima = 0;
    int m_tics = 0;
    // What this update has done so far, reset as each one starts.
    struct Hecho
    {
        bool fallida = false;     // something it set out to do was not done
        bool sinDatos = false;    // nothing to check: the draws could not be taken
        bool finFichero = false;  // the page's reading ran off its end: nothing is refreshed
        bool comprobados = false; // the stored draws have been counted and shown
        bool anadidos = false;    // draws were added after the newest stored one
        int nuevos = 0;
        QString fuente; // which source gave the draws, when not the pages
        qint64 bytes = 0;
        // Why the service and the other sources gave nothing, for the message
        // that says what each answered.
        QString servicioDijo;
        bool respondieron = false; // some server answered, whatever it said
        QString fuentesDijeron;
        bool paginaSorteo = false; // a draw page came in this update
    };
    Hecho m_hecho;

    // The old results pages.
    QString m_rutasorteo;
    QByteArray m_documento; // the last document fetched (RichTextBox1)
    QString m_estadoMostrado;
};

} // namespace bolvera

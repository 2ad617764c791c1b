#pragma once

#include "platform/dialogos.h"
#include "platform/red.h"

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
    virtual void avisoSorteos(const QString& texto) = 0; // the "Sorteos" tab's notice
    virtual void muestraGeneral() = 0;                   // the "General" tab
    virtual void cargasorteos() = 0;                     // the history grew
    // The finish: check the peñas against the `nuevos` newest draws…
    virtual void compruebaNuevos(int nuevos) = 0;
    // …then refresh the status, the draw list and the prize report (downloading the PDF).
    virtual void refrescaTodo() = 0;
    // The update has ended, one way or another.
    virtual void terminada() {}
};

// The online update: the results search page, the new draws cut out of it and
// appended, the page of the newest draw, and the check of the peñas. It keeps
// the classic phases, driven by a one-second timer after the first download.
class Actualizacion final : public QObject
{
    Q_OBJECT

public:
    // `timer1` paces the steps (1 s in the program).
    Actualizacion(Red& red, PantallaActualizacion& pantalla, QString ruta, QTimer* timer1,
                  QObject* padre = nullptr);

    // Starts an update on `hoy`; `ultima` is the date of the working draw.
    void empieza(QDate hoy, double ultima);
    void Timer1_Timer();
    // From the start of an update to its end, however it ends.
    bool enCurso() const { return m_enCurso; }
    // How long the other sources are waited for (50 s; tests shorten it).
    void ponPlazoFuentes(int ms) { m_plazoFuentesMs = ms; }

    static const QString conectando;
    // However the servers behave, an update ends within this (the report's
    // PDF, fetched after it, has a minute of its own).
    static constexpr int plazoMs = 120000;

private:
    void termina();
    void traeResultados();
    void alResponderServicio(const servicio::Respuesta& respuesta);
    void preguntaFuentes();
    void alResponderFuentes(std::vector<fuentes::Respuesta> respuestas);
    void falloDatos(int error = 0);
    void terminaConNuevos(bool hayNuevos);
    void guardaPremiosPagina();
    void alTraerResultados(Descarga::Fallo fallo, const QByteArray& cuerpo);
    void alTraerSorteo(Descarga::Fallo fallo, const QByteArray& cuerpo);
    void analizaPagina();
    void bloquesFinales();
    void falloConexion(const QString& texto);
    void para();
    void progreso(int valor);
    void estado(const QString& texto);

    Red& m_red;
    PantallaActualizacion& m_pantalla;
    QString m_ruta;
    QTimer* m_timer1;
    QPointer<Descarga> m_inet1;
    QPointer<Descarga> m_inet2;
    QPointer<ConsultaServicio> m_consulta;
    QPointer<ConsultaFuentes> m_fuentes;
    QTimer* m_plazo = nullptr; // the whole update's deadline
    int m_plazoFuentesMs = 50000;
    double m_ultima = 0;
    bool m_enCurso = false;
    QString m_fuente; // which source gave the draws, when not the pages

    QDate m_hoy;
    int m_tics = 0;
    bool m_enTic = false; // inside Timer1_Timer
    // Where the update stands, step after step; the timer's ticks move it on.
    enum class Fase
    {
        Parada,
        Buscando,       // the results service, the other sources, the first results page
        PaginaRecibida, // the results page came: read it at the next tick
        PaginaLeida,    // its draws appended: the draw page next
        TrayendoSorteo, // the draw page on its way
        Final,          // the last blocks: the saved pages, the check, the refresh
    };
    Fase m_fase = Fase::Parada;
    bool m_errorInet1 = false; // the results page came back unusable: the control's error state
    bool m_errordatos = false;
    bool m_finfichero = false;
    bool m_www2Nueva = false; // a draw page came in this update
    bool m_comprobados = false; // the appended draws have been checked
    QString m_rutasorteo;
    int m_nuevos = 0;
    QByteArray m_texto; // the last document fetched (RichTextBox1)
    QString m_label6;
    int m_progreso = 0;
    qint64 m_bytes = 0;
};

} // namespace bolvera

#pragma once

#include "core/platform/dialogos.h"
#include "core/platform/escritorio.h"
#include "core/platform/red.h"
#include "core/platform/reloj.h"

#include <QList>
#include <QUrl>

#include <QTimer>

#include <deque>
#include <functional>
#include <map>
#include <utility>

using namespace bolvera;

// A clock fixed at one day.
class RelojFijo final : public Reloj
{
public:
    explicit RelojFijo(QDate hoy) : m_hoy(hoy) {}
    QDate hoy() const override { return m_hoy; }
    QDateTime ahora() const override { return QDateTime(m_hoy, QTime(12, 0)); }
    void fija(QDate hoy) { m_hoy = hoy; }

private:
    QDate m_hoy;
};

// Records every box shown; answers questions from a script (No when it runs out).
class DialogosGrabados final : public Dialogos
{
public:
    struct Caja
    {
        Icono icono = Icono::Informacion;
        QString titulo;
        QString texto;
        bool pregunta = false;
        PorDefecto porDefecto = PorDefecto::Si;
    };

    void mensaje(Icono icono, const QString& titulo, const QString& texto) override
    {
        cajas.append({icono, titulo, texto, false});
    }
    bool pregunta(const QString& titulo, const QString& texto, PorDefecto porDefecto) override
    {
        cajas.append({Icono::Informacion, titulo, texto, true, porDefecto});
        if (respuestas.empty())
            return false;
        const bool si = respuestas.front();
        respuestas.pop_front();
        return si;
    }
    QString abreFichero(const QString&, const QString&, const QString&) override
    {
        return ficheroElegido;
    }
    QString guardaFichero(const QString&, const QString&, const QString&) override { return ficheroGuardado; }
    // Answers once with `sorteoEscrito`, then cancels.
    std::optional<SorteoEscrito> pideSorteo(const SorteoEscrito&) override { return std::exchange(sorteoEscrito, std::nullopt); }
    // Cancelled unless the test says how to set the printer up.
    bool eligeImpresora(QPrinter& impresora) override { return alElegirImpresora && alElegirImpresora(impresora); }
    bool hayImpresoras() override { return impresoras; }

    // The box `i`, or an empty one when there are fewer: a failed
    // expectation must never crash the test.
    Caja caja(qsizetype i) const { return i >= 0 && i < cajas.size() ? cajas[i] : Caja{}; }
    Caja ultima() const { return caja(cajas.size() - 1); }

    QList<Caja> cajas;
    std::deque<bool> respuestas;
    QString ficheroElegido;
    QString ficheroGuardado;
    std::optional<SorteoEscrito> sorteoEscrito;
    std::function<bool(QPrinter&)> alElegirImpresora;
    bool impresoras = true;
};

// Records every address opened.
class EscritorioGrabado final : public Escritorio
{
public:
    bool abre(const QUrl& direccion) override
    {
        abiertas.append(direccion);
        return true;
    }
    QString nombreSistema() const override { return nombre; }
    bool hayLectorPdf() const override { return lectorPdf; }
    std::optional<bool> actualizacionAutomatica() override { return automatica; }
    std::optional<QString> ponActualizacionAutomatica(bool activa) override
    {
        if (falloAutomatica)
            return falloAutomatica;
        automatica = activa;
        return std::nullopt;
    }

    QList<QUrl> abiertas;
    std::optional<bool> automatica; // no timer on this system
    std::optional<QString> falloAutomatica;
    QString nombre = QStringLiteral("Sistema de pruebas 1.0");
    bool lectorPdf = true;
};

// Answers requests from a table keyed by the URL's path, right after the event
// loop turns; an unknown path gets a 404.
class RedFalsa final : public Red
{
public:
    struct Respuesta
    {
        QByteArray cuerpo;
        Descarga::Fallo fallo = Descarga::Fallo::Ninguno;
        bool nunca = false; // never answers
    };

    Descarga* trae(const QUrl& url) override
    {
        pedidas.append(url);
        const auto it = respuestas.find(url.path());
        return new Falsa(it != respuestas.end() ? it->second : otras);
    }

    std::map<QString, Respuesta> respuestas;
    Respuesta otras{QByteArray("no encontrado"), Descarga::Fallo::Http, false}; // any other path
    QList<QUrl> pedidas;

private:
    class Falsa final : public Descarga
    {
    public:
        explicit Falsa(const Respuesta& r) : m_r(r)
        {
            if (!m_r.nunca)
                QTimer::singleShot(0, this, [this] {
                    if (m_r.fallo == Fallo::Ninguno || m_r.fallo == Fallo::Http)
                        marcaRespuesta();
                    termina(m_r.fallo, m_r.fallo == Fallo::Http ? 404 : 200, m_r.cuerpo);
                });
        }
        void cancela() override
        {
            if (enCurso())
                termina(Fallo::Cancelada, 0, {});
        }

    private:
        Respuesta m_r;
    };
};

#pragma once

#include "core/platform/red.h"
#include "core/update/confirmacion.h"

#include <QDate>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

namespace bolvera {

namespace fuentes {
// What ajustes.ini's [fuentes] group holds that names no source, said so
// that a typo does not silently leave a source on; empty when nothing.
QString avisoAjustes(const QString& ruta);
} // namespace fuentes

// Asks every other source of results at once, each with as many requests as
// it needs (a page then its file, a file a year), and reports once: when all
// have answered or `plazoMs` has passed, whichever comes first. Each source is
// asked at most once per request: the third-party service allows few.
class ConsultaFuentes final : public QObject
{
    Q_OBJECT

public:
    // `ultima` is the newest stored draw (0 for none): the sources are asked
    // from a month before it, so that their draws meet the stored ones, or
    // from `desdeImportes` when earlier (stored draws whose amounts are sought).
    ConsultaFuentes(Red& red, QString ruta, double ultima, QDate hoy, int plazoMs = 50000,
                    QObject* padre = nullptr, QDate desdeImportes = {});
    void empieza();
    void cancela();

signals:
    void terminada(const std::vector<fuentes::Respuesta>& respuestas);

private:
    using Recibe = std::function<void(Descarga::Fallo, int, const QByteArray&)>;
    // What a request of a source is for.
    enum class Pieza
    {
        Sorteos,      // its draws: the address the sources view shows
        Complemento,  // a page of links, a file of prizes
        ComoNavegador, // its draws, from a server that answers browsers only
    };
    // One request of source `i`; `recibe` runs when it ends.
    void pide(std::size_t i, const QUrl& url, Recibe recibe, Pieza pieza = Pieza::Sorteos);
    void acaba(std::size_t i, fuentes::Lectura lectura);
    void terminaSiListo();
    void empiezaFdj(std::size_t i);
    // France's ZIP at `fichero`; when it fails, the link known when this was written.
    void traeFdj(std::size_t i, const QUrl& fichero);
    // A file a year, from `desde` to this year: a year without its file yet (404) adds nothing.
    // A source none of whose years has a file is not available.
    void empiezaAnual(std::size_t i, int anio, std::vector<fuentes::SorteoFuente> reunidos, bool alguno = false);
    QUrl dondeAjustes(std::size_t i, QUrl url) const;

    Red& m_red;
    QString m_ruta;
    QDate m_hoy;
    int m_plazoMs;
    QDate m_desdeFecha; // the first day asked for: a month before the newest stored draw
    int m_desde;        // the first year the yearly files are asked for
    std::vector<fuentes::Respuesta> m_respuestas;
    std::vector<QString> m_anfitriones; // from ajustes.ini, by source
    std::vector<bool> m_listas;
    std::vector<QElapsedTimer> m_relojes;
    std::vector<QPointer<Descarga>> m_descargas;
    bool m_emitida = false;
};

} // namespace bolvera

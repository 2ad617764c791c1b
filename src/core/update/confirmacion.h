#pragma once

#include "core/store/premios.h"
#include "core/store/regsorteo.h"
#include "core/update/fuentes.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace bolvera {

// The same draw from the other operators: which of their draws may enter the
// history. One source is never enough: a draw is taken when two agree on it
// and none says otherwise.
namespace fuentes {

enum class Id
{
    Fdj,
    Belgica,
    ReinoUnido,
    Austria,
    Api,
};
inline constexpr std::array<Id, 5> todas = {Id::Fdj, Id::Belgica, Id::ReinoUnido, Id::Austria, Id::Api};

// "Francia", "Bélgica", …: how the user reads it.
QString nombre(Id id);
// "fdj", "belgica", …: its key in ajustes.ini's [fuentes] group.
QString clave(Id id);

// What one source answered in one update.
struct Respuesta
{
    Id id = Id::Fdj;
    QStringList direcciones; // what was asked, in order
    QString direccion;       // where its draws were asked (not its prizes, not a page of links)
    Lectura lectura;
    qint64 milisegundos = 0;
    qint64 bytes = 0;         // received, whatever they were
    bool respondio = false;   // one of its servers answered, whatever it said
    bool desactivada = false; // turned off in ajustes.ini: not asked
    bool usable() const { return lectura.disponible && !desactivada; }
};

// What an update asks of the sources besides the draws after the newest one.
struct Encargo
{
    std::vector<RegSorteo> sinImportes; // stored draws whose amounts are not known yet
    std::vector<double> otrosDias;      // dates of draws on another day that the user has taken
};

struct Confirmacion
{
    bool alguna = false;             // at least one source could be used
    std::vector<RegSorteo> nuevos;   // the confirmed run after the newest stored draw, oldest first
    std::vector<RegPremios> premios; // European amounts of those draws and of `sinImportes`, where known
    QStringList confirmadoPor;       // the sources that agreed on the new draws
    QDate sinConfirmar;              // the first draw day that could not be confirmed; invalid when none
    QString detalle;                 // what each source said of that day
    // Tonight's (or last night's) draw, out in one source only so far: not a
    // failure, only "try later". Invalid when none.
    QDate pendiente;
    QStringList pendienteEn; // the source that has it
    // A draw held on another day than Tuesday or Friday, confirmed by two:
    // the run stops before it until the user takes it (`Encargo::otrosDias`).
    std::optional<RegSorteo> otroDia;
    QStringList otroDiaPor; // the sources that give it
};

// Takes the draws after `ultima` (0 for none) day by day while each is
// confirmed: two or more sources with exactly that draw and none with
// another. The run stops at the first draw day that is not; a draw day none
// has within a day of `hoy` is not out yet, and one that a single source has
// then is pending, neither a failure. A draw of a source that breaks the rule
// (validacion.h) or comes after `hoy` is that row's problem: the row is left
// out, never the source. A draw on another day that two confirm stops the
// run before it, unless the user took it; the regular draw day it replaced
// is then no hole. Contradictions are never settled by a majority. A
// European amount is the third-party service's figure to the cent where an
// official one, rounded down to 0.10 €, agrees with it.
Confirmacion confirma(const std::vector<Respuesta>& respuestas, double ultima, QDate hoy, const Encargo& encargo = {});

// What the sources view shows of one source.
struct Estado
{
    Id id = Id::Fdj;
    QString direccion;     // where its draws were asked
    bool contesto = false; // its file came and could be read
    QString motivo;        // why not
    QStringList descartados; // its rows that are no draw (left out), with why
    QDate ultimo;          // its newest draw
    int iguales = 0;       // its draws equal to stored ones
    QStringList distintos; // its draws that differ from stored ones: shown, never written
    qint64 milisegundos = 0;
};
std::vector<Estado> compara(const std::vector<Respuesta>& respuestas, const std::vector<RegSorteo>& guardados, QDate hoy);
// One paragraph a source, for the window and the terminal.
QString texto(const std::vector<Estado>& estados);
// What an update would take from these answers now, and where and why it
// would stop: the days not stored yet, for the sources view.
QString prevision(const std::vector<Respuesta>& respuestas, double ultima, QDate hoy);

// "4 9 17 33 48 + 3 11"
QString combinacion(const RegSorteo& s);
// "Francia y Bélgica", "Francia, Bélgica y Austria"
QString enumera(const QStringList& nombres);
// One line a source for a message: "Francia: error 403 del servidor".
QString respuestas(const std::vector<Respuesta>& respuestas);

} // namespace fuentes

} // namespace bolvera

#pragma once

#include "store/premios.h"
#include "store/regsorteo.h"
#include "update/fuentes.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
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
    Lectura lectura;
    qint64 milisegundos = 0;
    bool desactivada = false; // turned off in ajustes.ini: not asked
    QString apartada;         // why it was set aside (a draw that breaks the rule); empty when not
    bool usable() const { return lectura.disponible && apartada.isEmpty() && !desactivada; }
};

struct Confirmacion
{
    bool alguna = false;             // at least one source could be used
    std::vector<RegSorteo> nuevos;   // the confirmed run after the newest stored draw, oldest first
    std::vector<RegPremios> premios; // European amounts of those draws, where known
    QStringList confirmadoPor;       // the sources that agreed on them
    QDate sinConfirmar;              // the first draw day that could not be confirmed; invalid when none
    QString detalle;                 // what each source said of that day
};

// Sets aside each source with a draw that breaks the rule (validacion.h) or
// comes after `hoy`, then takes the draws after `ultima` (0 for none) day by
// day while each is confirmed: two or more sources with exactly that draw and
// none with another. The run stops at the first draw day that is not (today's
// draw not out yet is no failure); contradictions are never settled by a
// majority. A European amount is the third-party service's figure to the
// cent where an official one, rounded down to 0.10 €, agrees with it.
Confirmacion confirma(std::vector<Respuesta>& respuestas, double ultima, QDate hoy);

// Sets aside each source with a draw that breaks the rule (validacion.h) or
// comes after `hoy`: nothing it says is used in this update.
void aparta(std::vector<Respuesta>& respuestas, QDate hoy);

// What the sources view shows of one source.
struct Estado
{
    Id id = Id::Fdj;
    QString direccion;     // the last address asked
    bool contesto = false; // its file came and could be read
    QString motivo;        // why not, or why it is set aside
    QDate ultimo;          // its newest draw
    int iguales = 0;       // its draws equal to stored ones
    QStringList distintos; // its draws that differ from stored ones: shown, never written
    qint64 milisegundos = 0;
};
std::vector<Estado> compara(std::vector<Respuesta> respuestas, const std::vector<RegSorteo>& guardados, QDate hoy);
// One paragraph a source, for the window and the terminal.
QString texto(const std::vector<Estado>& estados);

// "4 9 17 33 48 + 3 11"
QString combinacion(const RegSorteo& s);
// "Francia y Bélgica", "Francia, Bélgica y Austria"
QString enumera(const QStringList& nombres);

} // namespace fuentes

} // namespace bolvera

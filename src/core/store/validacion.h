#pragma once

#include "core/store/regsorteo.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace bolvera {

// The one rule for a draw that may enter the history, whatever brings it (the
// results page, the results service, a CSV file, the user's own typing).
namespace validacion {

// The first draw of all: nothing before it is a draw.
inline const QDate primerSorteo{2004, 2, 13};
// Tuesdays and Fridays from this day on; Fridays only before it.
inline const QDate martesDesde{2011, 5, 10};

// The highest star of a draw held on `fecha`: 9, then 11, then 12.
int maxEstrella(QDate fecha);

// Whether a draw is held on `fecha`.
bool esDiaDeSorteo(QDate fecha);
// The first draw day after `fecha`.
QDate siguienteDia(QDate fecha);

// Why `s` cannot be a draw: a day without draw, numbers not five distinct of
// 1–50, stars not two distinct within the range of the date. Empty when valid.
// With `otroDia`, a draw held on another day than Tuesday or Friday (one the
// operators moved) is a draw too.
std::optional<QString> sorteo(const RegSorteo& s, bool otroDia = false);
// Whether `s` breaks the rule only by its day: a draw the operators may have
// moved to another day.
bool soloPorElDia(const RegSorteo& s);

// Why a batch of new draws cannot follow a history whose newest draw is
// `ultima` (0 for none): each draw valid, the dates strictly increasing, the
// first after `ultima` and the last not after `hoy`. Empty when valid. The
// dates `otrosDias` are draws the user took on another day.
std::optional<QString> lote(const std::vector<RegSorteo>& lote, double ultima, QDate hoy,
                            const std::vector<double>& otrosDias = {});

// How many draws of `lote` (in date order) follow `ultima` draw day after draw
// day, with no draw day missing: the run that may be appended without leaving
// a hole for the counters to pass over. With no `ultima` (0) the run starts
// at the first draw. A draw of `otrosDias` before the next draw day but one
// stands for the draw day it replaced.
std::size_t sinHuecos(const std::vector<RegSorteo>& lote, double ultima, const std::vector<double>& otrosDias = {});

// A reason shown on its own: its first letter upper-case.
inline QString comoFrase(QString motivo)
{
    if (!motivo.isEmpty())
        motivo[0] = motivo[0].toUpper();
    return motivo;
}

} // namespace validacion

} // namespace bolvera

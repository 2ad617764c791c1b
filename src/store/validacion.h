#pragma once

#include "store/regsorteo.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// The one rule for a draw that may enter the history, whatever brings it (the
// results page, the results service, a CSV file, the user's own typing).
namespace validacion {

// Tuesdays and Fridays from this day on; Fridays only before it.
inline const QDate martesDesde{2011, 5, 10};

// The highest star of a draw held on `fecha`: 9, then 11, then 12.
int maxEstrella(QDate fecha);

// Whether a draw is held on `fecha`.
bool esDiaDeSorteo(QDate fecha);

// Why `s` cannot be a draw: a day without draw, numbers not five distinct of
// 1–50, stars not two distinct within the range of the date. Empty when valid.
std::optional<QString> sorteo(const RegSorteo& s);

// Why a batch of new draws cannot follow a history whose newest draw is
// `ultima` (0 for none): each draw valid, the dates strictly increasing, the
// first after `ultima` and the last not after `hoy`. Empty when valid.
std::optional<QString> lote(const std::vector<RegSorteo>& lote, double ultima, QDate hoy);

// A reason shown on its own: its first letter upper-case.
inline QString comoFrase(QString motivo)
{
    if (!motivo.isEmpty())
        motivo[0] = motivo[0].toUpper();
    return motivo;
}

} // namespace validacion

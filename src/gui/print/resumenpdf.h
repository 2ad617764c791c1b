#pragma once

#include "checking/resumen.h"

#include <QString>

namespace bolvera {

// The summary on A4 pages, ready to hand out: the peña and its bets, the
// draws, the totals and the members' table. Written whole or not at all;
// false when `fichero` could not be written.
bool resumenPdf(const Resumen& r, const QString& fichero);

// The same pages as HTML, as the PDF lays them out.
QString resumenHtml(const Resumen& r);

} // namespace bolvera

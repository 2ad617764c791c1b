#pragma once

#include "core/checking/resumen.h"

#include <QByteArray>
#include <QString>

namespace bolvera {

// The summary on A4 pages, ready to hand out: the peña and its bets, the
// draws, the totals and the members' table; saved whole or not at all by
// reescribe.
QByteArray resumenPdf(const Resumen& r);

// The same pages as HTML, as the PDF lays them out.
QString resumenHtml(const Resumen& r);

} // namespace bolvera

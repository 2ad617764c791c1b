#pragma once

#include "core/platform/red.h"
#include "core/store/premios.h"

#include <QString>

#include <array>
#include <functional>
#include <utility>

namespace bolvera {

// The prize report cut out of a saved draw page.
struct Informe
{
    std::array<QString, 13> premios; // the prize of each category, 5+2 first
    QString enlace;                  // the PDF link as repaired; empty when none
    QString urlpdf;                  // the PDF's address; empty when none or not acceptable
};

Informe leeInforme(const QString& pagina);

// The hits of each of the report's thirteen prizes, in its order.
const std::array<std::pair<int, int>, 13>& aciertosInforme();
// The amounts of a draw as stored in premios.dat, in the report's order
// ("1.234,56 €"), for a draw whose page gave none; empty where unknown.
std::array<QString, 13> premiosGuardados(const RegPremios& premios);

// Whether a downloaded body is a PDF at all (an error page answered with
// status 200 is not), so that only a PDF is ever stored as the report.
bool esPdf(const QByteArray& cuerpo);

// Downloads the report at `urlpdf` into ovk.pdf in the data directory `ruta`:
// the old report goes first (a failed download leaves none to be mistaken for
// the new one), the new one is written only when it is a PDF. `fin` runs once,
// however the download ends; the caller owns the returned request.
Descarga* bajaPdf(Red& red, const QString& ruta, const QString& urlpdf, std::function<void()> fin);

// The notices of the "Sorteos" tab.
namespace avisos {
QString noDisponible();    // no data for the draw yet
QString soloImportes();    // the stored amounts shown, no report to go with them
QString sinLector();       // no PDF reader
QString sinConexion();     // the PDF could not be shown
} // namespace avisos

} // namespace bolvera

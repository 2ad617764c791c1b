#pragma once

#include "core/store/regsorteo.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QUrl>

#include <array>
#include <cstdint>
#include <vector>

namespace bolvera {

// The same draw as published by other operators and by a third-party service.
// Each reader only turns bytes into draws: nothing in a file is trusted, and
// anything unexpected makes the whole source "not available now", never a
// partial read. Whether each draw is a valid draw (validacion.h) is for the
// caller to judge.
namespace fuentes {

struct SorteoFuente
{
    RegSorteo sorteo; // numbers and stars ascending
    // Prize per winning bet in euro cents by the program's category index 1–13,
    // at 0–12; -1 when the source does not give it.
    std::array<std::int64_t, 13> centimos{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

    bool operator==(const SorteoFuente&) const = default;
};

struct Lectura
{
    bool disponible = false;
    QString motivo;                    // why not available: short, lower-case Spanish
    std::vector<SorteoFuente> sorteos; // oldest first, one per date
};

// The most bytes a file inside a downloaded ZIP may inflate to.
constexpr qsizetype topeDescomprimido = 20 * 1024 * 1024;

// France: the link of the newest period (`<a download="euromillions_YYYYMM"
// href="…">`) on the archives page, entities decoded; empty when none.
QString enlaceFdj(const QByteArray& paginaArchivos);
// France: a period's ZIP, which must hold exactly one CSV.
Lectura leeFdj(const QByteArray& zip);
// Belgium: a year's draws file and, when not empty, the same year's prizes
// file (draws it does not list keep unknown amounts).
Lectura leeBelgica(const QByteArray& sorteosCsv, const QByteArray& premiosCsv = {});
// United Kingdom: the draw history CSV (no prizes).
Lectura leeReinoUnido(const QByteArray& csv);
// Austria: a year's statistics CSV (no prizes).
Lectura leeAustria(const QByteArray& csv);
// The third-party service's JSON array of draws.
Lectura leeApi(const QByteArray& json);

// Where each source is published. BOLVERA_FUENTES_URL (scheme, host and port)
// replaces the scheme, host and port of every one of them.
QUrl paginaFdj();
QUrl ultimoFdj(); // the newest period's ZIP, as known when this was written
// A link from the archives page, resolved against it; empty when it is not a
// plain http(s) address on the operator's own domain.
QUrl descargaFdj(const QString& enlace);
QUrl sorteosBelgica(int anio);
QUrl premiosBelgica(int anio);
QUrl reinoUnido();
QUrl austria(int anio);
// The service's draws from `desde` on, newest first as its documentation
// orders them, in one page large enough for every draw up to `hoy`.
QUrl api(QDate desde, QDate hoy);

} // namespace fuentes

} // namespace bolvera

#pragma once

#include "core/store/regsorteo.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace bolvera {

// The Spanish prize of each category of one draw (premios.dat): 165 bytes,
// little-endian — the draw date (8-byte day number, as in numeros.dat), then
// for each category 1–13 (5+2 … 2+0) the prize per winning bet in euro cents
// (8 bytes) and the Spanish winners (4 bytes), then the source (1 byte).
// -1 is "not known"; 0 cents is a known prize that nobody won.
struct RegPremios
{
    static constexpr qsizetype tamano = 8 + 13 * (8 + 4) + 1;

    enum class Fuente : std::uint8_t
    {
        Servicio = 1,     // the operator's results service: preferred
        PaginaSorteo = 2, // the draw page of the update
        Csv = 3,          // bolvera-cli importar-premios
        Europea = 4,      // the per-winner prize Europe shares; Spanish winners unknown
    };

    double fecha = 0;
    std::array<std::int64_t, 13> centimos{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::array<std::int32_t, 13> ganadores{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    Fuente fuente = Fuente::Csv;

    static RegPremios desdeBytes(QByteArrayView bytes);
    QByteArray aBytes() const;
    // A real date, amounts and winners of -1 or more, a known source.
    bool sano() const;
    bool operator==(const RegPremios&) const = default;
};

namespace premios {

// The largest amount taken as true, 1,000,000,000 €, in cents: the sums of a
// whole history of such amounts stay far inside 64 bits.
constexpr std::int64_t maximoCentimos = 100'000'000'000;

struct Lectura
{
    std::map<double, RegPremios> porFecha;
    int danados = 0; // records skipped
};

// The sound records of premios.dat in the data directory `ruta`.
Lectura lee(const QString& ruta);

// Whether a breakdown says anything: an amount known, and not every known
// amount 0. All zeros is a breakdown published before the count: unknown,
// never "nobody won".
bool conocidos(const std::array<std::int64_t, 13>& centimos);

// Adds records, replacing those of the same draw, in one atomic rewrite; an
// amount from the results service is never replaced by one from elsewhere,
// and a breakdown that says nothing is not kept. Returns an error number
// (errores.h).
[[nodiscard]] int guarda(const QString& ruta, const std::vector<RegPremios>& nuevos);

// How far back an update looks for the amounts of stored draws.
constexpr int diasSinImportes = 60;
// The stored draws of the last `diasSinImportes` days up to `hoy` whose
// amounts are not known, oldest first.
std::vector<RegSorteo> sinImportes(const std::vector<RegSorteo>& sorteos, const std::map<double, RegPremios>& conocidos,
                                   QDate hoy);

// "1234,56", "1.234,56", "1234.56" (with or without "€") in cents; empty
// when not an amount or above `maximoCentimos`.
std::optional<std::int64_t> centimosDe(QString texto);

// Rows "date,selae_id_sorteo,category,match,prize_eur_es,winners_es,…": one
// record per date, each category by its hits ("2+1").
struct LecturaCsv
{
    std::vector<RegPremios> registros;
    std::optional<QString> error;
};
LecturaCsv leeCsv(const QByteArray& texto);

} // namespace premios

} // namespace bolvera

#pragma once

#include "core/store/premios.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"
#include "core/store/socios.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace bolvera {

// What the organiser hands the members after a stretch of draws: the peña
// and its bets, each draw with what it won, the totals and every member's
// account, every cell already written out for a message or a page.
struct Resumen
{
    struct Sorteo
    {
        QString fecha, combinacion;
        QString premios, importe; // empty when the draw won nothing
    };
    struct Fila
    {
        QString nombre, participaciones, pagado, apostado, ganado, neto, balance;
    };

    QString pena;
    QString periodo; // "Sorteos del … al …: n", or that none was played
    QStringList apuestas;
    std::vector<Sorteo> sorteos;
    QString total;      // "Total: apostado …, ganado …."
    QString sinImporte; // prizes of unknown amount, if any
    bool retenido = false; // some prize paid the state's withholding: the net column shows
    std::vector<Fila> socios;
    Fila totales;                 // the peña's own row of the members' table
    std::optional<QString> error; // a damaged peña: nothing else is filled
};

// `desde`/`hasta` are day numbers, 0 open.
Resumen resumen(const RegPena& pena, const std::vector<RegSorteo>& sorteos,
                const std::map<double, RegPremios>& premios, std::int64_t precioApuesta,
                const std::vector<socios::Socio>& socios, double desde, double hasta);

// The summary as plain text, for pasting into a message.
QString resumenTexto(const Resumen& r);

} // namespace bolvera

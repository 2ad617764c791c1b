#pragma once

#include "core/store/regpena.h"

#include <QString>

#include <functional>
#include <vector>

namespace bolvera {

// One step of a print job, in millimetres from the top-left corner of the
// printable area.
struct Operacion
{
    enum class Tipo
    {
        Texto,      // `texto` with its top-left corner at (x, y)
        Rectangulo, // outline
        Relleno,    // filled
        NuevaPagina,
    };
    Tipo tipo;
    double x = 0;
    double y = 0;
    double ancho = 0;
    double alto = 0;
    QString texto;
    double puntos = 11.5; // "arial", bold
};

enum class Papel
{
    Oficial, // the official slips, fed through the printer
    Normal,  // plain paper, two forms a sheet
};

// The slips (or plain forms) a peña needs: five bets a slip.
int boletosNecesarios(const RegPena& pena);

// The whole job for `pena`. `dosSemanas` is asked at most once, only for
// peñas that play every draw: true marks the two-weeks box.
std::vector<Operacion> trabajoImpresion(const RegPena& pena, Papel papel, float x, float y,
                                        const std::function<bool()>& dosSemanas);

// The maker's address printed on the official slips.
QString webImpresa();

} // namespace bolvera

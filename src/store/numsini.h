#pragma once

#include <QString>

// nums.ini: one 14-byte record holding the printer calibration.
namespace numsini {

constexpr qsizetype tamano = 14;

struct Calibracion
{
    float x = 0;
    float y = 0;
};

// Makes sure the file holds its record, writing one with both values 0 when
// it has none. Returns an error number (errores.h), 0 on success.
int prepara(const QString& ruta);

Calibracion lee(const QString& ruta);

// Rewrites the two values, keeping the reserved bytes.
int escribe(const QString& ruta, Calibracion calibracion);

} // namespace numsini

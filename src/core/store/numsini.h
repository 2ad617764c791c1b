#pragma once

#include <QString>

#include <optional>

namespace bolvera {

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
[[nodiscard]] int prepara(const QString& ruta);

Calibracion lee(const QString& ruta);

// Rewrites the two values, keeping the reserved bytes.
[[nodiscard]] int escribe(const QString& ruta, Calibracion calibracion);

// Millimetres as the user types them, with either decimal mark ("3,5" or
// "3.5"); empty for anything else, a thousands separator included.
std::optional<float> milimetros(const QString& texto);

} // namespace numsini

} // namespace bolvera

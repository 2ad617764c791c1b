#pragma once

#include <QString>

#include <cstdint>

// The user's settings: ajustes.ini in the data directory.
namespace ajustes {

// The price of one bet in cents ("precioApuesta"), 2,50 € when not set or not
// a price.
std::int64_t precioApuesta(const QString& ruta);
// Returns an error number (errores.h); ajustes.ini is replaced whole.
int ponPrecioApuesta(const QString& ruta, std::int64_t centimos);

} // namespace ajustes

#pragma once

#include <QString>

#include <cstdint>

namespace bolvera {

// The user's settings: ajustes.ini in the data directory.
namespace ajustes {

// The price of one bet in cents ("precioApuesta"), 2,50 € when not set or not
// a price.
std::int64_t precioApuesta(const QString& ruta);
// Returns an error number (errores.h); ajustes.ini is replaced whole.
int ponPrecioApuesta(const QString& ruta, std::int64_t centimos);

// Whether the scheduled update also says "Sin premio" when no peña won
// ("[avisos] sinPremio=no" turns it off).
bool avisoSinPremio(const QString& ruta);

// A source of results as the [fuentes] group sets it: "fdj=no" turns it off,
// "fdj=https://otro.example" asks that host instead of its own.
struct Fuente
{
    bool activa = true;
    QString anfitrion; // scheme, host and port; empty for its own
};
Fuente fuente(const QString& ruta, const QString& clave);

} // namespace ajustes

} // namespace bolvera

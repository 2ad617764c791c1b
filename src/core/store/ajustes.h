#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace bolvera {

// The user's settings: ajustes.ini in the data directory.
namespace ajustes {

// The price of one bet in cents ("precioApuesta"), 2,50 € when not set or not
// a price.
std::int64_t precioApuesta(const QString& ruta);
// A price per bet as the user writes it ("2,50", "3.20 €") in cents: more
// than nothing and no more than the largest prize; empty for anything else.
std::optional<std::int64_t> leePrecio(const QString& texto);
// Returns an error number (errores.h); ajustes.ini is replaced whole.
[[nodiscard]] int ponPrecioApuesta(const QString& ruta, std::int64_t centimos);

// Whether the scheduled update also says "Sin premio" when no peña won
// ("[avisos] sinPremio=no" turns it off).
bool avisoSinPremio(const QString& ruta);

// A source of results as the [fuentes] group sets it (keys in any case):
// "fdj=no" turns it off, "fdj=https://otro.example/espejo" asks that host,
// under that path, instead of its own.
struct Fuente
{
    bool activa = true;
    QString anfitrion; // scheme, host, port and path; empty for its own
};
Fuente fuente(const QString& ruta, const QString& clave);
// The keys of [fuentes] that are none of `claves` (in lower case): a typo the
// user should hear of.
QStringList clavesDesconocidas(const QString& ruta, const QStringList& claves);

} // namespace ajustes

} // namespace bolvera

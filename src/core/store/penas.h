#pragma once

#include <QDate>
#include <QString>

namespace bolvera {

struct Estado;
struct RegPena;

// Appends `nueva` as a new peña with its counters cleared, created today.
// On success `proxpena` and `penanueva` move on. Returns an error number
// (errores.h), 0 on success.
[[nodiscard]] int anadePena(Estado& estado, RegPena nueva, QDate hoy);

// Deletes peña record k (from 1): the peñas after it move down one number.
// The file is replaced atomically; on failure it is left as it was. Returns
// an error number (errores.h), 0 on success.
[[nodiscard]] int borraPena(const QString& apuestas, int k);

} // namespace bolvera

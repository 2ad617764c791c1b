#pragma once

#include <QDate>

struct Estado;
struct RegPena;

// Appends `nueva` as a new peña with its counters cleared, created today.
// On success `proxpena` and `penanueva` move on. Returns an error number
// (errores.h), 0 on success.
int anadePena(Estado& estado, RegPena nueva, QDate hoy);

#pragma once

#include <QDate>
#include <QString>

// The maintenance of the draw history and the peña counters. Every rewrite is
// atomic: a failure leaves the file as it was. Each returns an error number
// (errores.h), 0 on success.
namespace historia {

// A damaged numeros.dat is kept as numeros.err (replacing an older one)
// before numeros.dat is emptied; nothing is emptied if the copy fails.
int guardaDanadoYVacia(const QString& ruta);

// Deletes draw record k (from 1).
int borraSorteo(const QString& ruta, int k);

// Empties numeros.dat.
int vacia(const QString& ruta);

// Every peña starts counting again from `hoy`: counters and `contado` 0.
int reseteaPenas(const QString& ruta, QDate hoy);

enum class Veredicto
{
    Importado,
    Rechazado, // not a draw file: nothing changed
    Error,     // a step failed: see `error`; numeros.dat unchanged
};

struct Importacion
{
    Veredicto veredicto = Veredicto::Error;
    int error = 0;
};

// Replaces numeros.dat by `elegido` when it holds draws (its first record is a
// Tuesday or Friday after 31 December 1899, and every whole record holds
// numbers 1–50 and stars 1–12), after keeping the current one as numeros.bak.
Importacion importa(const QString& ruta, const QString& elegido);

} // namespace historia

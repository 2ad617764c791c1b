#pragma once

#include <QFileDevice>

// Error numbers of the file operations, in the classic run-time numbering that
// the program's messages use ("… Error 53"). 0 means success.
namespace errores {

constexpr int ninguno = 0;
constexpr int ficheroNoEncontrado = 53;
constexpr int entradaSalida = 57; // device I/O error
constexpr int accesoRuta = 75;    // path/file access error: typically no right to write
constexpr int rutaNoEncontrada = 76;

// The error number for a failed operation on `fichero`; `escribiendo` tells
// whether the file was being opened or used for writing.
int de(const QFileDevice& fichero, bool escribiendo);
// The same for an operation known to have failed: never 0 (a short write
// leaves no error on the device).
int deFallo(const QFileDevice& fichero, bool escribiendo);

} // namespace errores

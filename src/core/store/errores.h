#pragma once

#include <QFileDevice>

namespace bolvera {

// Error numbers of the file operations, in the classic run-time numbering that
// the program's messages use ("… Error 53"). 0 means success.
namespace errores {

constexpr int ninguno = 0;
constexpr int ficheroNoEncontrado = 53;
constexpr int entradaSalida = 57; // device I/O error
constexpr int accesoRuta = 75;    // path/file access error: typically no right to write
constexpr int rutaNoEncontrada = 76;
constexpr int discoLleno = 61;    // no space left on the disk
constexpr int noEsFichero = 1001; // a folder (or something else) where a file should be
constexpr int demasiadoGrande = 1002; // a file handed in that is far too large to be what it should

// The shared message for a file that may not be written (error 75).
inline const QString tituloPermiso = QStringLiteral("Error de permiso");
inline const QString textoPermiso = QStringLiteral(
    "Para modificar el archivo necesita permiso de Administrador.\r\n"
    "Cierre el programa y ejecútelo en modo Administrador y repita la operación.\r\n"
    "(Encima del icono, botón derecho y elija \"Ejecutar como administrador\")");

// The message of an error that has one of its own (no right to write, a
// full disk, not a file), naming `fichero`; empty for any other error.
QString texto(int error, const QString& fichero);
// That message, or else `generico` followed by the error number.
QString explica(int error, const QString& fichero, const QString& generico);

// The error number for a failed operation on `fichero`; `escribiendo` tells
// whether the file was being opened or used for writing.
int de(const QFileDevice& fichero, bool escribiendo);
// The same for an operation known to have failed: never 0 (a short write
// leaves no error on the device).
int deFallo(const QFileDevice& fichero, bool escribiendo);
// The error of a write to `fichero` that failed right after with `numeroSistema`
// (errno): a full disk is told apart from other failures.
int deEscritura(const QFileDevice& fichero, int numeroSistema);

} // namespace errores

} // namespace bolvera

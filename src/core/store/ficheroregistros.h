#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace bolvera {

// A file of fixed-size records numbered from 1, with no header. Only whole
// records count: a trailing partial record is not a record.
namespace ficheroregistros {

// The whole records of the file, in order; none for a missing or unreadable file.
template <typename Registro>
std::vector<Registro> leeTodos(const QString& ruta);

// Whether `ruta` is missing or a plain file. A pipe or a device where a data
// file should be is never opened: opening a pipe waits for a writer for ever.
bool normalOAusente(const QString& ruta);

// The whole file as it is on disk, stray bytes included; a data file that is
// not a plain file is error errores::noEsFichero. Returns an error number
// (errores.h), 0 on success.
int leeTodo(const QString& ruta, QByteArray& bytes);

// The largest file the user may hand in (a CSV, a page, a history): the
// whole history is 60 KB, so this is far beyond any true one.
constexpr qint64 maximoEntrada = 16 * 1024 * 1024;
// The same for a file the user chose: one larger than `maximoEntrada` is
// refused before any of it is read (errores::demasiadoGrande).
int leeEntrada(const QString& ruta, QByteArray& bytes);

// The raw bytes of the whole records (a trailing partial record cut off);
// empty for a missing or unreadable file.
QByteArray leeEnteros(const QString& ruta, qsizetype tamano);
// The same, telling a failed read (an error number, errores.h) from an empty file.
int leeEnteros(const QString& ruta, qsizetype tamano, QByteArray& bytes);

// Writes `bytes` as record k (from 1), creating the file when missing.
// Returns an error number (errores.h), 0 on success.
[[nodiscard]] int escribe(const QString& ruta, qsizetype tamano, int k, const QByteArray& bytes);

// Replaces records (number from 1, bytes) in one atomic rewrite of the whole
// file, so that a crash leaves either every change or none.
[[nodiscard]] int actualiza(const QString& ruta, qsizetype tamano, const std::vector<std::pair<int, QByteArray>>& cambios);

// Creates an empty file when it is missing; an existing file is left alone.
[[nodiscard]] int asegura(const QString& ruta);

template <typename Registro>
std::vector<Registro> leeTodos(const QString& ruta)
{
    const QByteArray bytes = leeEnteros(ruta, Registro::tamano);
    std::vector<Registro> registros;
    registros.reserve(static_cast<std::size_t>(bytes.size() / Registro::tamano));
    for (qsizetype off = 0; off < bytes.size(); off += Registro::tamano)
        registros.push_back(Registro::desdeBytes(QByteArrayView(bytes).sliced(off, Registro::tamano)));
    return registros;
}

} // namespace ficheroregistros

} // namespace bolvera

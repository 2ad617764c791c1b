#pragma once

#include <QString>

#include <optional>

namespace bolvera {

// The files of the data directory and the directory itself (`ruta`).
namespace ficheros {

inline const QString numeros = QStringLiteral("numeros.dat");
inline const QString numerosBak = QStringLiteral("numeros.bak"); // the history before an import
inline const QString numerosErr = QStringLiteral("numeros.err"); // a damaged history, kept
inline const QString apuestas = QStringLiteral("apuestas.dat");
inline const QString apuestasTmp = QStringLiteral("apuestas.tmp");
inline const QString apuestasBak = QStringLiteral("apuestas.bak"); // the peñas before a recount
inline const QString numsIni = QStringLiteral("nums.ini");
inline const QString www = QStringLiteral("www.txt");
inline const QString www2 = QStringLiteral("www2.txt");
inline const QString ovkPdf = QStringLiteral("ovk.pdf");     // the last prize report
inline const QString premios = QStringLiteral("premios.dat"); // prize amounts by draw
inline const QString ajustes = QStringLiteral("ajustes.ini"); // the user's settings
inline const QString informe = QStringLiteral("informe.dat"); // the maker's news
inline const QString cerrojo = QStringLiteral("bolvera.lock"); // one writer at a time
inline const QString socios = QStringLiteral("socios.json");     // the peñas' members and payments
inline const QString sociosBak = QStringLiteral("socios.bak");   // members of deleted peñas

// Every file the program keeps in a data directory.
QStringList propios();

// Whether writing `destino` would replace one of the files the program keeps
// in the data directory `ruta` (by name there, by another path, through a
// link even to one not made yet, or the very same file by a hard link): an
// export or a PDF must never land on them.
bool esPropio(const QString& ruta, const QString& destino);
// The refusal of such a destination.
QString textoPropio(const QString& destino);
// Why an output the user names (a PDF, a CSV) may not be written at
// `destino`: one of the data directory's own files, or something that exists
// and is not a plain file (a folder, a pipe, a device): those are never
// replaced, nor written into. Empty when it may.
std::optional<QString> motivoSalida(const QString& ruta, const QString& destino);

// The data directory with one trailing separator (a root keeps its own).
QString calculaRuta(const QString& directorio);

// Deletes the temporary copies ("numeros.dat.bolvera-Ab12Cd") that a rewrite
// killed half-way leaves beside the program's files; nothing else.
void borraTemporales(const QString& ruta);

} // namespace ficheros

} // namespace bolvera

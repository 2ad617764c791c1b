#pragma once

#include <QString>

// The files of the data directory and the directory itself (`ruta`).
namespace ficheros {

inline const QString numeros = QStringLiteral("numeros.dat");
inline const QString numerosBak = QStringLiteral("numeros.bak"); // the history before an import
inline const QString numerosErr = QStringLiteral("numeros.err"); // a damaged history, kept
inline const QString apuestas = QStringLiteral("apuestas.dat");
inline const QString apuestasTmp = QStringLiteral("apuestas.tmp");
inline const QString numsIni = QStringLiteral("nums.ini");
inline const QString www = QStringLiteral("www.txt");
inline const QString www2 = QStringLiteral("www2.txt");
inline const QString ovkPdf = QStringLiteral("ovk.pdf");     // the last prize report
inline const QString premios = QStringLiteral("premios.dat"); // prize amounts by draw
inline const QString ajustes = QStringLiteral("ajustes.ini"); // the user's settings

// The data directory with one trailing separator (a root keeps its own).
QString calculaRuta(const QString& directorio);

// Deletes the temporary copies ("numeros.dat.bolvera-Ab12Cd") that a rewrite
// killed half-way leaves beside the program's files; nothing else.
void borraTemporales(const QString& ruta);

} // namespace ficheros

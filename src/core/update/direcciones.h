#pragma once

#include <QDate>
#include <QString>
#include <QUrl>

namespace bolvera {

// The addresses of the operator's and the maker's pages.
namespace direcciones {

// The results search page for the 50 days up to `hoy` (dates as dd/MM/yyyy).
QUrl buscador(QDate hoy);
// The page of one draw, from the path the results page gave.
QUrl sorteo(const QString& rutasorteo);
// The results service's draws from `desde` to `hasta`, both included.
QUrl servicio(QDate desde, QDate hasta);
// The maker's news document.
QUrl noticias();
// The report PDF: the operator's host and `enlace`, when `enlace` is a plain
// absolute path or an address on the operator's own site; empty for anything
// else (another host, "//", "@", another scheme, blanks).
QString pdf(const QString& enlace);
// The PDF reader's download page.
QUrl lectorPdf();

} // namespace direcciones

} // namespace bolvera

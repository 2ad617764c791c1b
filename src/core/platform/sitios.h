#pragma once

#include <QString>

namespace bolvera {

// The web addresses the program uses, in one place. BOLVERA_OPERADOR_URL,
// BOLVERA_WEB_URL and BOLVERA_FUENTES_URL (scheme included) override the
// hosts, for tests.
namespace sitios {

QString operador();   // the lottery operator's site
QString web();        // the maker's site
QString correo();     // the maker's contact address
// The host of another source of results, `porDefecto` ("https://host"), or
// BOLVERA_FUENTES_URL for every one of them.
QString fuente(const QString& porDefecto);

} // namespace sitios

} // namespace bolvera

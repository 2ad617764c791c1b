#pragma once

#include <QString>

// The web addresses the program uses, in one place. BOLVERA_OPERADOR_URL and
// BOLVERA_WEB_URL (scheme included) override the hosts, for tests.
namespace sitios {

QString operador();   // the lottery operator's site
QString web();        // the maker's site
QString correo();     // the maker's contact address

} // namespace sitios

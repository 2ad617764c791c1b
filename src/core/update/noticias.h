#pragma once

#include <QDate>

namespace bolvera {

// When the maker's news is fetched and when it is announced.
namespace noticias {

// At start-up: only with a newest draw at least three days old.
bool toca(double ultimaFecha, QDate hoy);
// A changed length, and a message of at least 301 characters.
bool avisar(qsizetype antes, qsizetype despues);

} // namespace noticias

} // namespace bolvera

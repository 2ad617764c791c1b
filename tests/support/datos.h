#pragma once

#include "core/store/regpena.h"
#include "core/store/regsorteo.h"
#include "support/imprime.h"

#include <QDate>
#include <QString>

#include <initializer_list>
#include <iterator>
#include <type_traits>
#include <optional>
#include <vector>

using namespace bolvera;

// Builds the records and files that tests need.
namespace datos {

// Element `i` of what the code under test returned, or a default one when it
// has fewer: a failed expectation must never crash the test binary and hide
// every later result.
template <typename Lista>
auto elemento(const Lista& lista, std::ptrdiff_t i)
{
    using Tipo = std::decay_t<decltype(*std::begin(lista))>;
    const auto cuantos = static_cast<std::ptrdiff_t>(std::size(lista));
    return i >= 0 && i < cuantos ? Tipo(*(std::begin(lista) + i)) : Tipo{};
}
template <typename Lista>
auto ultimo(const Lista& lista)
{
    return elemento(lista, static_cast<std::ptrdiff_t>(std::size(lista)) - 1);
}

RegSorteo sorteo(QDate fecha, std::array<std::int16_t, 7> num = {1, 2, 3, 4, 5, 1, 2});

// A peña of simple bets; each bet is five numbers then two stars.
RegPena pena(const QString& nombre, const QString& dia, QDate creacion,
             std::initializer_list<std::array<std::int16_t, 7>> apuestas = {{1, 2, 3, 4, 5, 1, 2}});

void escribeSorteos(const QString& ruta, const std::vector<RegSorteo>& sorteos);
void escribePenas(const QString& ruta, const std::vector<RegPena>& penas);
void escribeBytes(const QString& ruta, const QByteArray& bytes);
QByteArray leeBytes(const QString& ruta);

// Every draw of the real history, oldest first; nothing when the shared data
// folder is absent.
std::optional<std::vector<RegSorteo>> historiaReal();

// `n` draws on consecutive Tuesdays and Fridays, the newest on or before `ultima`.
std::vector<RegSorteo> sorteosSeguidos(int n, QDate ultima);

} // namespace datos

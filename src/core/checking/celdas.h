#pragma once

#include "core/checking/filas.h"
#include "core/store/premios.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"

#include <QString>

#include <cstdint>
#include <map>
#include <vector>

namespace bolvera {

// What a results list shows in each cell of a row.
enum class Lista
{
    Sencillas, // item column, 5 numbers, 2 stars, comment
    Multiples, // item column, 10 numbers, 5 stars, comment
};

struct Celda
{
    QString texto;
    std::uint32_t color = 0; // 0xRRGGBB when `conColor`
    bool conColor = false;   // false: the list's default text colour
    bool negrita = false;
    std::int64_t centimos = -1; // a prize row's amount when known
};

// Columns including the item column: 9 for simple bets, 17 for multiple ones.
int columnas(Lista lista);

// The draws and peñas the rows point into.
struct Instantanea
{
    std::vector<RegSorteo> sorteos;
    std::vector<RegPena> penas;
    std::map<double, RegPremios> premios; // by draw date
};

Celda celda(Lista lista, const Fila& fila, int columna, const Instantanea& datos);

// A row as one sentence, for a listener: the peña, the draw, the bet with
// its hits and the prize ("4 + 2 estrellas, 212,34 €"); what colour alone
// tells on screen is said in words.
QString frase(Lista lista, const Fila& fila, const Instantanea& datos);

// The cell of number n (star e) of a bet, marked when the draw holds it.
Celda celdaNumero(std::int16_t n, bool acierto);
Celda celdaEstrella(std::int16_t e, bool acierto);

} // namespace bolvera

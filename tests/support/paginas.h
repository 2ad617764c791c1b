#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Pages shaped like the operator's, built by the tests.
namespace paginas_prueba {

struct Entrada
{
    QDate fecha;
    std::array<std::int16_t, 7> num; // five numbers, two stars, as listed
    QString ruta;                    // the draw page's identifier
    QString mes;                     // the month word; empty: the Spanish name
    QString numeroTexto;             // replaces the third number's text when set
};

// A results search page listing `entradas` newest first.
QByteArray resultados(const std::vector<Entrada>& entradas);

// A draw page with thirteen prize cells and a PDF link.
QByteArray sorteo(const std::array<QByteArray, 13>& premios, const QByteArray& enlace);

} // namespace paginas_prueba

#pragma once

#include <QString>

#include <array>

// The prize report cut out of a saved draw page.
struct Informe
{
    std::array<QString, 13> premios; // the prize of each category, 5+2 first
    QString enlace;                  // the PDF link as repaired; empty when none
    QString urlpdf;                  // the PDF's address; empty when none or not acceptable
};

Informe leeInforme(const QString& pagina);

// The notices of the "Sorteos" tab.
namespace avisos {
QString noDisponible();    // no data for the draw yet
QString sinLector();       // no PDF reader
QString sinConexion();     // the PDF could not be shown
} // namespace avisos

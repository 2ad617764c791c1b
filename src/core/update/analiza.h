#pragma once

#include "core/store/regsorteo.h"

#include <QDate>
#include <QString>

#include <vector>

namespace bolvera {

// What the results page yields: the draws newer than the newest stored one,
// and the path of one draw's page.
struct Analisis
{
    enum class Resultado
    {
        Nuevos,        // `anadir` holds the new draws
        NingunoNuevo,  // "Todavía no hay sorteos nuevos."
        DatosCorruptos, // "Error crítico": the page could not be read
        Conexion,      // the transfer was in error: "Error de conexión"
        SinDatos,      // "Aun no hay datos de sorteos del <year>."
        Ilegible,      // not a results page (a login or bot-block page, one cut short)
        Hueco,         // the new draws would leave the draw day `falta` missing
        Escritura,     // the history could not be written: `error`
    };

    Resultado resultado = Resultado::NingunoNuevo;
    std::vector<RegSorteo> anadir; // oldest first, to append after the newest stored draw
    int nuevos = 0;                // draws read; 1 when none (the newest is checked again)
    QString textoNuevos;               // "2 sorteos"; empty when none
    QString rutasorteo;            // the newest draw's page path; the kept one when none
    bool finfichero = false;       // the last search ran off the end of the page
    QDate falta;                   // Hueco: the first draw day missing
    int error = 0;                 // Escritura: the error number (errores.h)
};

// Reads the saved results page `pagina` (one character per byte). `ultima`
// is the date of the newest stored draw (0 for none); `rutasorteo` the path
// kept from an earlier update, used when the page names none; `errorConexion`
// the transfer's error state.
Analisis analiza(const QString& pagina, double ultima, const QString& rutasorteo,
                 bool errorConexion);

// The five numbers in ascending order; false for a number outside 1–50.
// Repeated values are written once, the slots after them keep their value.
bool ordena(RegSorteo& sorteo);

// The month number of a Spanish or English month name (any case); 0 if none.
int mes(const QString& nombre);

// The message boxes of each outcome: title and text (empty for none).
struct Aviso
{
    QString titulo;
    QString texto;
};
// `falta` is the missing draw day of Hueco.
Aviso aviso(Analisis::Resultado resultado, int anio, QDate falta = {});

// The notice of the "Sorteos" tab after an unreadable page.
QString avisoInterpretacion(const QString& correo);

} // namespace bolvera

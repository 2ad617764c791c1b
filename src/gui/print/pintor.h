#pragma once

#include "core/print/trabajo.h"

#include <QByteArray>

#include <vector>

class QPrinter;

namespace bolvera {

// Plays a print job on `impresora`: millimetres from the top-left corner of
// its printable area (of the page, for a full-page printer such as a PDF).
// False when the printer could not start.
bool pinta(const std::vector<Operacion>& trabajo, QPrinter& impresora);

// The job as an A4 PDF with no margins, as bolvera-cli imprimir --pdf and the
// print window without a printer save it (whole or not at all, by reescribe).
QByteArray pdfDe(const std::vector<Operacion>& trabajo);

// Prepares `impresora` to write an A4 PDF with no margins into `fichero`.
void preparaPdf(QPrinter& impresora, const QString& fichero);

} // namespace bolvera

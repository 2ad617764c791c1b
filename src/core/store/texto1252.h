#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace bolvera {

// The fixed text fields of the record files are 8-bit Windows-1252, so that
// files written by the Windows program and by this one are interchangeable.
// Every byte maps to one character and back (the five bytes that Windows-1252
// leaves undefined map to the C1 controls), so reading and writing a record
// never changes it.
namespace texto1252 {

QString decodifica(QByteArrayView bytes);

// Encodes `texto` in exactly `ancho` bytes: cut to `ancho` characters, padded
// with blanks. A character with no Windows-1252 byte becomes '?'.
QByteArray codifica(const QString& texto, qsizetype ancho);

// Whether Windows-1252 has a byte for `c`.
bool representable(QChar c);

} // namespace texto1252

} // namespace bolvera

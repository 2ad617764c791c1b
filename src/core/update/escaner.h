#pragma once

#include <QString>

namespace bolvera {

// A saved page read with a cursor: the scanners look for a start marker and
// cut the text up to an end marker, leaving the cursor where the operator's
// pages have always left it. Positions are 1-based.
class Escaner
{
public:
    explicit Escaner(QString pagina) : m_pagina(std::move(pagina)) {}

    // The text between the next `empieza` and the following `acaba` (both
    // compared without case). Not found: empty, and `finfichero` set. The end
    // of the page while collecting returns what was collected.
    QString busca(const QString& empieza, const QString& acaba);

    // The same for the prize report: the end marker is compared as given or
    // upper-cased; the end of the page while collecting gives an empty text;
    // a start marker not found leaves `finfichero` alone.
    QString busca2(const QString& empieza, const QString& acaba);

    qsizetype cursor() const { return m_cursor; }
    void ponCursor(qsizetype cursor) { m_cursor = cursor; }
    bool finfichero() const { return m_finfichero; }

private:
    // Moves past the next `empieza`; false when it is not on the page.
    bool buscaInicio(const QString& empieza);

    QString m_pagina;
    qsizetype m_cursor = 1;
    bool m_finfichero = false;
};

// The text without every character below "!" or above "z" (spaces, control
// characters, non-breaking spaces, the euro sign…).
QString raros(const QString& texto);

} // namespace bolvera

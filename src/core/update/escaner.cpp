#include "update/escaner.h"

namespace bolvera {

QStringView Escaner::ventana(qsizetype desde, qsizetype largo) const
{
    if (desde < 1 || desde > m_pagina.size())
        return {};
    return QStringView(m_pagina).mid(desde - 1, largo);
}

bool Escaner::buscaInicio(const QString& empieza)
{
    const QString marca = empieza.toUpper();
    const qsizetype le = marca.size();
    for (;;) {
        const qsizetype p = m_cursor;
        const QStringView trozo = ventana(p, le);
        m_cursor = p + 1;
        // The next window would pass the end: a marker ending on the page's
        // last character is never found.
        if (m_cursor + le - 1 > m_pagina.size())
            return false;
        if (trozo.compare(marca, Qt::CaseInsensitive) == 0) {
            m_cursor = p + le;
            return true;
        }
    }
}

QString Escaner::busca(const QString& empieza, const QString& acaba)
{
    m_finfichero = false;
    if (!buscaInicio(empieza)) {
        m_finfichero = true;
        return {};
    }
    const QString fin = acaba.toUpper();
    QString texto;
    for (;;) {
        const qsizetype q = m_cursor;
        const QStringView trozo = ventana(q, fin.size());
        m_cursor = q + 1;
        // At (or past) the end of the page the collected text is returned.
        if (m_cursor >= m_pagina.size() || trozo.compare(fin, Qt::CaseInsensitive) == 0)
            return texto;
        texto += trozo.front();
    }
}

QString Escaner::busca2(const QString& empieza, const QString& acaba)
{
    if (!buscaInicio(empieza))
        return {};
    const QString fin = acaba.toUpper();
    QString texto;
    for (;;) {
        const qsizetype q = m_cursor;
        const QStringView trozo = ventana(q, acaba.size());
        m_cursor = q + 1;
        if (trozo == acaba || trozo == fin)
            return texto;
        if (m_cursor + acaba.size() - 1 > m_pagina.size())
            return {};
        texto += trozo.front();
    }
}

QString raros(const QString& texto)
{
    QString limpio;
    for (const QChar c : texto)
        if (c.unicode() > 32 && c.unicode() < 123)
            limpio += c;
    return limpio;
}

} // namespace bolvera

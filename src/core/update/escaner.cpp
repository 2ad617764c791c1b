#include "update/escaner.h"

#include <algorithm>

namespace bolvera {

namespace {

// What a search without case compares: each code point's simple case fold,
// which never changes the length.
QString plegada(QString t)
{
    char16_t* p = reinterpret_cast<char16_t*>(t.data());
    const qsizetype n = t.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (QChar::isHighSurrogate(p[i]) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            const char32_t f = QChar::toCaseFolded(QChar::surrogateToUcs4(p[i], p[i + 1]));
            p[i] = QChar::highSurrogate(f);
            p[++i] = QChar::lowSurrogate(f);
        } else {
            p[i] = static_cast<char16_t>(QChar::toCaseFolded(char32_t{p[i]}));
        }
    }
    return t;
}

} // namespace

Escaner::Escaner(QString pagina) : m_pagina(std::move(pagina)), m_plegada(plegada(m_pagina)) {}

// Each search is one indexOf over the page; the cursor ends where the
// character-by-character reading of old left it.
bool Escaner::buscaInicio(const QString& empieza)
{
    const QString marca = empieza.toUpper();
    const qsizetype le = marca.size();
    const qsizetype n = m_pagina.size();
    // A marker ending on the page's last character is never found.
    const qsizetype i = m_cursor >= 1 ? QStringView(m_plegada).indexOf(plegada(marca), m_cursor - 1) : -1;
    if (i >= 0 && i + 1 + le <= n) {
        m_cursor = i + 1 + le;
        return true;
    }
    m_cursor = std::max(m_cursor, n - le + 1) + 1;
    return false;
}

QString Escaner::busca(const QString& empieza, const QString& acaba)
{
    m_finfichero = false;
    if (!buscaInicio(empieza)) {
        m_finfichero = true;
        return {};
    }
    // Up to the end marker or the page's last character, whichever comes first.
    const qsizetype desde = m_cursor;
    const qsizetype j = QStringView(m_plegada).indexOf(plegada(acaba.toUpper()), desde - 1);
    qsizetype fin = std::max(desde, m_pagina.size() - 1);
    if (j >= 0)
        fin = std::min(fin, j + 1);
    m_cursor = fin + 1;
    return m_pagina.mid(desde - 1, fin - desde);
}

QString Escaner::busca2(const QString& empieza, const QString& acaba)
{
    if (!buscaInicio(empieza))
        return {};
    // The end marker as given or upper-cased, whichever comes first.
    const qsizetype desde = m_cursor;
    const QStringView pagina(m_pagina);
    const qsizetype a = pagina.indexOf(acaba, desde - 1);
    const qsizetype b = pagina.indexOf(acaba.toUpper(), desde - 1);
    const qsizetype j = a < 0 ? b : (b < 0 ? a : std::min(a, b));
    if (j < 0) {
        m_cursor = std::max(desde, m_pagina.size() - acaba.size() + 1) + 1;
        return {};
    }
    m_cursor = j + 2;
    return m_pagina.mid(desde - 1, j + 1 - desde);
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

#include "core/update/escaner.h"

#include <algorithm>
#include <array>

namespace bolvera {

namespace {

// Where `marca` next starts from `desde`, compared without case, as Qt's own
// search finds it: its first character's candidates found by plain searches
// (both cases, and the only two characters beyond ASCII that fold into an
// ASCII letter, "ſ" and the Kelvin sign), each then compared whole. Qt's
// search folds every character it passes.
qsizetype buscaSinCaso(QStringView pagina, QStringView marca, qsizetype desde)
{
    if (marca.isEmpty() || marca.front().unicode() >= 128 || desde < 0)
        return pagina.indexOf(marca, desde, Qt::CaseInsensitive);
    const char16_t c = marca.front().unicode();
    std::array<char16_t, 3> variantes{c};
    std::size_t n = 1;
    if (c >= u'A' && c <= u'Z')
        variantes[n++] = char16_t(c + 32);
    else if (c >= u'a' && c <= u'z')
        variantes[n++] = char16_t(c - 32);
    if (c == u's' || c == u'S')
        variantes[n++] = u'\u017F';
    else if (c == u'k' || c == u'K')
        variantes[n++] = u'\u212A';
    std::array<qsizetype, 3> siguiente{-1, -1, -1};
    for (std::size_t k = 0; k < n; ++k)
        siguiente[k] = pagina.indexOf(QChar(variantes[k]), desde);
    for (;;) {
        qsizetype p = -1;
        for (const qsizetype s : siguiente)
            if (s >= 0 && (p < 0 || s < p))
                p = s;
        if (p < 0 || p + marca.size() > pagina.size())
            return -1;
        if (pagina.sliced(p, marca.size()).compare(marca, Qt::CaseInsensitive) == 0)
            return p;
        for (std::size_t k = 0; k < n; ++k)
            if (siguiente[k] == p)
                siguiente[k] = pagina.indexOf(QChar(variantes[k]), p + 1);
    }
}

bool ascii(QStringView t)
{
    return std::all_of(t.begin(), t.end(), [](QChar c) { return c.unicode() < 128; });
}

} // namespace

// Each search is one indexOf over the page; the cursor ends where the
// character-by-character reading of old left it.
bool Escaner::buscaInicio(const QString& empieza)
{
    // Upper-casing changes neither what an ASCII marker matches nor its
    // length: only another marker is copied.
    const QString marca = ascii(empieza) ? empieza : empieza.toUpper();
    const qsizetype le = marca.size();
    const qsizetype n = m_pagina.size();
    // A marker ending on the page's last character is never found.
    const qsizetype i = m_cursor >= 1 ? buscaSinCaso(m_pagina, marca, m_cursor - 1) : -1;
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
    const qsizetype j = buscaSinCaso(m_pagina, ascii(acaba) ? acaba : acaba.toUpper(), desde - 1);
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
    const QString mayusculas = acaba.toUpper();
    const qsizetype a = pagina.indexOf(acaba, desde - 1);
    const qsizetype b = mayusculas == acaba ? a : pagina.indexOf(mayusculas, desde - 1);
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

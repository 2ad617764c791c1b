#include "core/store/texto1252.h"

#include <array>
#include <cstring>

namespace bolvera {

namespace texto1252 {
namespace {

// 0x80–0x9F; the undefined bytes keep their own code point.
constexpr std::array<char16_t, 32> tabla80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of `c`, or -1 when Windows-1252 has none.
int byteDe(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < tabla80.size(); ++i)
        if (tabla80[i] == u)
            return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace

bool representable(QChar c) { return byteDe(c) >= 0; }

QString decodifica(QByteArrayView bytes)
{
    // Latin-1 is Windows-1252 but for 0x80–0x9F: Qt's fast conversion first,
    // then those bytes, found with memchr, as pages are large and hold few.
    if (bytes.isEmpty())
        return {};
    QString texto = QString::fromLatin1(bytes);
    QChar* destino = texto.data();
    const char* inicio = bytes.data();
    const char* const fin = inicio + bytes.size();
    for (std::size_t k = 0; k < tabla80.size(); ++k) {
        if (tabla80[k] == static_cast<char16_t>(0x80 + k))
            continue; // an undefined byte keeps its own code point
        const auto b = static_cast<int>(0x80 + k);
        for (const char* p = inicio; (p = static_cast<const char*>(std::memchr(p, b, static_cast<std::size_t>(fin - p)))); ++p)
            destino[p - inicio] = QChar(tabla80[k]);
    }
    return texto;
}

QByteArray codifica(const QString& texto, qsizetype ancho)
{
    QByteArray bytes(ancho, ' ');
    const qsizetype n = std::min(ancho, texto.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int b = byteDe(texto[i]);
        bytes[i] = static_cast<char>(b >= 0 ? b : '?');
    }
    return bytes;
}

} // namespace texto1252

} // namespace bolvera

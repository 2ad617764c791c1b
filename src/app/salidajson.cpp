#include "app/salidajson.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace bolvera {

namespace {

const char hex[] = "0123456789abcdef";

} // namespace

SalidaJson::SalidaJson(std::FILE* destino) : m_destino(destino), m_tanda(new char[capacidad]) {}

void SalidaJson::pon(const char* bytes, std::size_t n)
{
    if (n > capacidad) {
        vacia();
        std::fwrite(bytes, 1, n, m_destino);
        return;
    }
    sitio(n);
    std::memcpy(m_tanda.get() + m_usado, bytes, n);
    m_usado += n;
}

void SalidaJson::separa()
{
    if (m_trasClave) {
        m_trasClave = false;
        return;
    }
    if (!m_vacios.empty()) {
        if (!m_vacios.back())
            pon(',');
        m_vacios.back() = 0;
    }
}

SalidaJson& SalidaJson::abre(char signo)
{
    separa();
    pon(signo);
    m_vacios.push_back(1);
    return *this;
}

SalidaJson& SalidaJson::cierra(char signo)
{
    pon(signo);
    m_vacios.pop_back();
    return *this;
}

SalidaJson& SalidaJson::clave(std::string_view nombre)
{
    separa();
    sitio(nombre.size() + 3);
    char* p = m_tanda.get() + m_usado;
    *p++ = '"';
    std::memcpy(p, nombre.data(), nombre.size());
    p += nombre.size();
    *p++ = '"';
    *p++ = ':';
    m_usado = static_cast<std::size_t>(p - m_tanda.get());
    m_trasClave = true;
    return *this;
}

SalidaJson& SalidaJson::valor(QStringView texto)
{
    separa();
    cadena(texto);
    return *this;
}

SalidaJson& SalidaJson::valor(qint64 numero)
{
    separa();
    const std::string n = std::to_string(numero);
    pon(n.data(), n.size());
    return *this;
}

SalidaJson& SalidaJson::valor(bool si)
{
    separa();
    if (si)
        pon("true", 4);
    else
        pon("false", 5);
    return *this;
}

SalidaJson& SalidaJson::color(std::uint32_t rgb)
{
    separa();
    std::string texto;
    anadeColor(texto, rgb);
    pon(texto.data(), texto.size());
    return *this;
}

void SalidaJson::anadeColor(std::string& destino, std::uint32_t rgb)
{
    char texto[9] = {'"', '#'};
    for (int i = 0; i < 6; ++i)
        texto[2 + i] = hex[(rgb >> (20 - 4 * i)) & 0xf];
    texto[8] = '"';
    destino.append(texto, 9);
}

void SalidaJson::anadeCadena(std::string& destino, QStringView texto)
{
    const std::size_t antes = destino.size();
    destino.resize(antes + 2 + 6 * static_cast<std::size_t>(texto.size()));
    char* p = destino.data() + antes;
    *p++ = '"';
    p = escapa(p, texto);
    *p++ = '"';
    destino.resize(static_cast<std::size_t>(p - destino.data()));
}

void SalidaJson::cadena(QStringView texto)
{
    pon('"');
    // In pieces that fit the buffer at six bytes a UTF-16 unit at most
    // ("\u00XX", or three of UTF-8), never splitting a surrogate pair.
    constexpr qsizetype pieza = capacidad / 8;
    for (qsizetype i = 0; i < texto.size();) {
        qsizetype n = std::min(pieza, texto.size() - i);
        if (i + n < texto.size() && texto[i + n - 1].isHighSurrogate())
            --n;
        caracteres(texto.sliced(i, n));
        i += n;
    }
    pon('"');
}

void SalidaJson::caracteres(QStringView texto)
{
    sitio(6 * static_cast<std::size_t>(texto.size()));
    m_usado = static_cast<std::size_t>(escapa(m_tanda.get() + m_usado, texto) - m_tanda.get());
}

char* SalidaJson::escapa(char* p, QStringView texto)
{
    for (qsizetype i = 0; i < texto.size(); ++i) {
        char32_t u = texto[i].unicode();
        if (u >= 0x20 && u < 0x80 && u != '"' && u != '\\') {
            *p++ = static_cast<char>(u);
            continue;
        }
        if (u < 0x80) {
            *p++ = '\\';
            switch (u) {
            case '"': *p++ = '"'; break;
            case '\\': *p++ = '\\'; break;
            case '\b': *p++ = 'b'; break;
            case '\f': *p++ = 'f'; break;
            case '\n': *p++ = 'n'; break;
            case '\r': *p++ = 'r'; break;
            case '\t': *p++ = 't'; break;
            default:
                *p++ = 'u';
                *p++ = '0';
                *p++ = '0';
                *p++ = hex[u >> 4];
                *p++ = hex[u & 0xf];
            }
            continue;
        }
        // UTF-8, a surrogate pair as one code point.
        if (QChar::isHighSurrogate(u) && i + 1 < texto.size() && texto[i + 1].isLowSurrogate())
            u = QChar::surrogateToUcs4(static_cast<char16_t>(u), texto[++i].unicode());
        else if (QChar::isSurrogate(u))
            u = 0xFFFD;
        if (u < 0x800) {
            *p++ = static_cast<char>(0xC0 | (u >> 6));
        } else if (u < 0x10000) {
            *p++ = static_cast<char>(0xE0 | (u >> 12));
            *p++ = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        } else {
            *p++ = static_cast<char>(0xF0 | (u >> 18));
            *p++ = static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            *p++ = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        }
        *p++ = static_cast<char>(0x80 | (u & 0x3F));
    }
    return p;
}

void SalidaJson::anadeUtf8(std::string& destino, QStringView texto)
{
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t u = texto[i].unicode();
        if (u >= 0x80) {
            destino += texto.mid(i).toUtf8().toStdString();
            return;
        }
        destino += static_cast<char>(u);
    }
}

void SalidaJson::termina()
{
    pon("\n", 1);
    vacia();
    std::fflush(m_destino);
}

void SalidaJson::vacia()
{
    if (m_usado > 0)
        std::fwrite(m_tanda.get(), 1, m_usado, m_destino);
    m_usado = 0;
}

} // namespace bolvera

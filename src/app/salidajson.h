#pragma once

#include <QStringView>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bolvera {

// Writes JSON as it is produced, in the bytes QJsonDocument's compact form
// gives (the same escapes; the caller writes object keys in sorted order, as
// QJsonObject keeps them), so that a large answer never sits whole in memory.
class SalidaJson
{
public:
    explicit SalidaJson(std::FILE* destino = stdout);
    ~SalidaJson() { vacia(); }
    SalidaJson(const SalidaJson&) = delete;
    SalidaJson& operator=(const SalidaJson&) = delete;

    SalidaJson& abreObjeto() { return abre('{'); }
    SalidaJson& cierraObjeto() { return cierra('}'); }
    SalidaJson& abreLista() { return abre('['); }
    SalidaJson& cierraLista() { return cierra(']'); }
    // A key of plain ASCII letters, as the program's keys are.
    SalidaJson& clave(std::string_view nombre);
    SalidaJson& valor(QStringView texto);
    SalidaJson& valor(qint64 numero);
    SalidaJson& valor(bool si);
    SalidaJson& color(std::uint32_t rgb); // "#rrggbb"
    // Ends the document with a line break and writes what is pending.
    void termina();

    // Appends `texto` as UTF-8 (ASCII without a detour).
    static void anadeUtf8(std::string& destino, QStringView texto);
    // Appends `texto` as a JSON string, quotes included; `rgb` as "#rrggbb".
    static void anadeCadena(std::string& destino, QStringView texto);
    static void anadeColor(std::string& destino, std::uint32_t rgb);

private:
    SalidaJson& abre(char signo);
    SalidaJson& cierra(char signo);
    void separa();
    void cadena(QStringView texto);
    void caracteres(QStringView texto); // escaped, without the quotes
    // Writes `texto` escaped at `p`, which has room for six bytes a unit; returns the end.
    static char* escapa(char* p, QStringView texto);
    void pon(const char* bytes, std::size_t n);
    void pon(char byte)
    {
        sitio(1);
        m_tanda[m_usado++] = byte;
    }
    void sitio(std::size_t n) // room for n more bytes
    {
        if (m_usado + n > capacidad)
            vacia();
    }
    static constexpr std::size_t capacidad = 1 << 18;
    void vacia();

    std::FILE* m_destino;
    std::unique_ptr<char[]> m_tanda;
    std::size_t m_usado = 0;
    std::vector<char> m_vacios; // per open container: nothing written in it yet
    bool m_trasClave = false;
};

} // namespace bolvera

#pragma once

#include "core/checking/celdas.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bolvera {

// The rows of the results lists written as they come: in text a line a row,
// its cells between tabs and no empty cells at its end; in JSON a list of
// rows, each a list of cells {"b", "c", "euros", "t"}. What the lists repeat
// (numbers, bets, names, dates, comments) is formatted once, from the same
// cells the window shows, and the bytes go out in large writes.
class SalidaFilas
{
public:
    explicit SalidaFilas(bool json, std::FILE* destino = stdout);
    ~SalidaFilas() { vacia(); }
    SalidaFilas(const SalidaFilas&) = delete;
    SalidaFilas& operator=(const SalidaFilas&) = delete;

    // Bytes around the lists: titles, JSON keys.
    void pon(std::string_view bytes);
    // A list over `datos`, its rows given by `bloque` calls until it ends.
    void empiezaLista(Lista lista, const Instantanea& datos);
    void bloque(const Bloque& bloque);
    void terminaLista();
    // Writes what is pending.
    void vacia();

private:
    // A cell made once, in storage that can be read 64 bytes past its start.
    struct Pieza
    {
        const char* bytes = nullptr;
        std::uint32_t largo = 0;
    };
    std::string formatea(const Celda& c);
    std::string filaCon(std::string_view comentario) const; // a row whose only cell is the last
    void preparaApuestas();
    void sorteo(int d); // the draw of the rows that follow
    void bloqueTexto(const Bloque& b); // a block of simple bets in text
    void preparaCabeceras();
    Pieza comentarioLinea(int categoria);
    void fila(const Fila& f);
    static Pieza pieza(const std::string& acolchada); // what `acolchada` holds, less the room after it
    static Pieza tabuladores(int n);
    Pieza comentario(const Fila& f);
    void escribe(const Fila& f);
    void escribeLenta(const Fila& f);
    void anade(std::string_view bytes)
    {
        std::memcpy(m_tanda.get() + m_usado, bytes.data(), bytes.size());
        m_usado += bytes.size();
    }
    void anade(char byte) { m_tanda[m_usado++] = byte; }
    // Room for a row, written out first when the batch lacks it.
    void sitio()
    {
        if (m_usado + m_fila > capacidad)
            vacia();
    }
    // A short piece in one fixed-size copy: both ends have the room.
    void anade(const Pieza& p)
    {
        if (p.largo <= 32)
            std::memcpy(m_tanda.get() + m_usado, p.bytes, 32);
        else if (p.largo <= 64)
            std::memcpy(m_tanda.get() + m_usado, p.bytes, 64);
        else
            std::memcpy(m_tanda.get() + m_usado, p.bytes, p.largo);
        m_usado += p.largo;
    }

    static constexpr std::size_t capacidad = 1 << 18;

    bool m_json;
    std::FILE* m_destino;
    std::unique_ptr<char[]> m_tanda;
    std::size_t m_usado = 0;
    // Room kept for a row: no row comes near it (sixteen cells of at most a
    // name's 160 bytes), and it grows with any longer cell made.
    std::size_t m_fila = 1 << 14;
    std::string m_vacia;
    std::string m_almacen; // the table cells, one after another, and 64 bytes to spare
    Pieza m_piezaVacia;
    std::array<std::array<Pieza, 100>, 2> m_numeros;   // [marked][n]
    std::array<std::array<Pieza, 100>, 2> m_estrellas; // [marked][e]
    // The list being written.
    Lista m_lista = Lista::Sencillas;
    const Instantanea* m_datos = nullptr;
    int m_celdas = 0; // cells a row, without the item column
    bool m_primera = true;
    // Rows and comments made once are kept padded: read as pieces.
    std::string m_separador;         // the empty row
    // Every bet of the list's peñas, made once, in flat tables: bet b of peña
    // p is slot m_primerHueco[p] + b.
    static constexpr std::size_t sinForma = static_cast<std::size_t>(-1);
    std::vector<std::size_t> m_primerHueco; // [peña]; sinForma when its shape is unknown
    std::vector<std::uint8_t> m_valores;    // JSON, [slot * 16 + cell]: the number or star, 0 for none
    std::vector<std::uint8_t> m_lenta;      // JSON, [slot]: a value the tables do not hold (cell by cell)
    std::string m_lineas;                   // text: each slot's line without a comment, one after another
    std::vector<std::size_t> m_inicioLinea; // text, [slot]: where its line starts; one more at the end
    std::vector<std::array<std::uint16_t, 2>> m_largos; // text, [slot]: its cells, and up to the comment
    std::vector<std::optional<std::string>> m_nombres;           // [peña]: the name row
    std::string m_cabeceras;      // text: each peña's empty row and name row, one after another
    std::vector<Pieza> m_cabecera; // [peña]: its piece of them
    // The draw of the rows at hand: its date row, what it marks, and its
    // comments by category and count.
    int m_sorteo = -1;
    std::string m_fecha;
    std::uint64_t m_marcaNumeros = 0;
    std::uint64_t m_marcaEstrellas = 0;
    std::map<std::uint32_t, std::string> m_comentarios;
    std::array<std::string, 16> m_comentarioLinea; // text, simple bets: by category, the comment and '\n'
    std::uint32_t m_comentariosHechos = 0;          // which of them are this draw's
};

} // namespace bolvera

#include "app/salidafilas.h"

#include "app/ordenes.h"
#include "app/salidajson.h"
#include "core/checking/euros.h"
#include "core/checking/formas.h"

#include <algorithm>
#include <bit>
#include <charconv>

namespace bolvera {

namespace {

constexpr std::size_t holgura = 64; // what a short piece's copy may read or write past its end

// A piece kept with room to read past its end.
std::string acolchada(std::string bytes)
{
    bytes.append(holgura, '\0');
    return bytes;
}

} // namespace

// n tabs (at most 16, a row's cells), as a piece.
SalidaFilas::Pieza SalidaFilas::tabuladores(int n)
{
    static constexpr char tabs[] = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
                                   "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
    return {tabs, static_cast<std::uint32_t>(std::clamp(n, 0, 16))};
}

SalidaFilas::Pieza SalidaFilas::pieza(const std::string& acolchada)
{
    return {acolchada.data(), static_cast<std::uint32_t>(acolchada.size() - holgura)};
}

SalidaFilas::SalidaFilas(bool json, std::FILE* destino)
    : m_json(json), m_destino(destino), m_tanda(new char[capacidad + holgura])
{
    m_vacia = formatea({});
    // The cells of the tables in one block, then pointed into: the block
    // does not move once filled.
    std::vector<std::pair<Pieza*, std::size_t>> donde;
    const auto guarda = [&](Pieza& p, const std::string& texto) {
        donde.emplace_back(&p, m_almacen.size());
        p.largo = static_cast<std::uint32_t>(texto.size());
        m_almacen += texto;
    };
    guarda(m_piezaVacia, m_vacia);
    for (int marcada = 0; marcada < 2; ++marcada)
        for (std::int16_t n = 0; n < 100; ++n) {
            guarda(m_numeros[marcada][n], formatea(celdaNumero(n, marcada)));
            guarda(m_estrellas[marcada][n], formatea(celdaEstrella(n, marcada)));
        }
    m_almacen.append(holgura, '\0');
    for (const auto& [pieza, desde] : donde)
        pieza->bytes = m_almacen.data() + desde;
}

std::string SalidaFilas::formatea(const Celda& c)
{
    std::string r;
    if (!m_json) {
        SalidaJson::anadeUtf8(r, ordenes::paraTerminal(c.texto));
    } else {
        // The keys in sorted order, as the program's JSON writer keeps them.
        r += '{';
        if (c.negrita)
            r += "\"b\":true,";
        if (c.conColor) {
            r += "\"c\":";
            SalidaJson::anadeColor(r, c.color);
            r += ',';
        }
        if (c.centimos >= 0) {
            r += "\"euros\":";
            SalidaJson::anadeCadena(r, euros::decimal(c.centimos));
            r += ',';
        }
        r += "\"t\":";
        SalidaJson::anadeCadena(r, c.texto);
        r += '}';
    }
    // Room for a row of cells as long as this one, whatever it holds.
    m_fila = std::max(m_fila, 17 * (r.size() + 1) + 16);
    return r;
}

std::string SalidaFilas::filaCon(std::string_view comentario) const
{
    std::string r = m_json ? "[" : "";
    for (int k = 0; k + 1 < m_celdas; ++k) {
        if (m_json)
            r += m_vacia;
        r += m_json ? ',' : '\t';
    }
    r += comentario;
    if (m_json)
        r += ']';
    return r;
}

void SalidaFilas::pon(std::string_view bytes)
{
    if (m_usado + bytes.size() > capacidad)
        vacia();
    if (bytes.size() > capacidad) {
        std::fwrite(bytes.data(), 1, bytes.size(), m_destino);
        return;
    }
    anade(bytes);
}

void SalidaFilas::vacia()
{
    if (m_usado > 0)
        std::fwrite(m_tanda.get(), 1, m_usado, m_destino);
    m_usado = 0;
}

void SalidaFilas::empiezaLista(Lista lista, const Instantanea& datos)
{
    m_lista = lista;
    m_datos = &datos;
    m_celdas = columnas(lista) - 1;
    m_primera = true;
    m_separador = acolchada(m_json ? filaCon(m_vacia) : std::string());
    preparaApuestas();
    m_nombres.assign(datos.penas.size(), std::nullopt);
    m_sorteo = -1;
    if (m_json)
        pon("[");
}

void SalidaFilas::terminaLista()
{
    if (m_json)
        pon("]");
}

void SalidaFilas::preparaApuestas()
{
    const auto huecos = static_cast<std::size_t>(m_lista == Lista::Sencillas ? 5 : 10);
    const auto celdas = static_cast<std::size_t>(m_celdas - 1);
    m_primerHueco.assign(m_datos->penas.size(), sinForma);
    m_valores.clear();
    m_lenta.clear();
    m_largos.clear();
    m_lineas.clear();
    m_inicioLinea.clear();
    std::size_t huecosHechos = 0;
    std::size_t mayor = 0;
    for (std::size_t p = 0; p < m_datos->penas.size(); ++p) {
        const RegPena& pena = m_datos->penas[p];
        // Each list shows only its own peñas: the other shape would not fit its columns.
        const auto f = forma(pena.tipo);
        if (!f || f->multiple != (m_lista == Lista::Multiples))
            continue;
        m_primerHueco[p] = huecosHechos;
        huecosHechos += static_cast<std::size_t>(f->apuestas);
        for (int b = 0; b < f->apuestas; ++b) {
            // The bet's values by cell; none in the cells its shape leaves empty.
            std::array<std::optional<std::int16_t>, 16> celda;
            for (int i = 0; i < f->numeros; ++i)
                celda[static_cast<std::size_t>(i)] = pena.numeros[b][i];
            for (int j = 0; j < f->estrellas; ++j)
                celda[huecos + static_cast<std::size_t>(j)] = pena.estrellas[b][j];
            if (m_json) {
                // The cells of the tables, or, for a value they do not hold, made one by one.
                bool lenta = false;
                for (std::size_t k = 0; k < celdas; ++k) {
                    lenta = lenta || (celda[k] && (*celda[k] < 1 || *celda[k] > 62));
                    m_valores.push_back(static_cast<std::uint8_t>(celda[k] ? std::clamp<int>(*celda[k], 0, 63) : 0));
                }
                m_valores.resize(m_valores.size() + 16 - celdas, 0);
                m_lenta.push_back(lenta);
                continue;
            }
            // Text: its cells between tabs, no empty cells at its end; the
            // tabs up to the comment are counted, for a row that has one.
            const std::size_t inicio = m_lineas.size();
            m_inicioLinea.push_back(inicio);
            std::size_t usada = 0;
            for (std::size_t k = 0; k < celdas; ++k) {
                if (k > 0)
                    m_lineas += '\t';
                if (celda[k]) {
                    char cifras[8];
                    m_lineas.append(cifras, std::to_chars(cifras, cifras + sizeof cifras, *celda[k]).ptr);
                    usada = m_lineas.size() - inicio;
                }
            }
            const std::size_t conTabuladores = m_lineas.size() - inicio + 1;
            m_lineas.resize(inicio + usada);
            m_lineas += '\n';
            m_largos.push_back({static_cast<std::uint16_t>(usada), static_cast<std::uint16_t>(conTabuladores)});
            mayor = std::max(mayor, conTabuladores);
        }
    }
    // A piece's copy reads up to 64 bytes from its start, into the lines
    // after it: only the end needs the room.
    m_inicioLinea.push_back(m_lineas.size());
    m_lineas.append(holgura, '\0');
    m_fila = std::max(m_fila, 2 * (mayor + holgura) + 16);
    preparaCabeceras();
}

// Text: each peña's empty row and name row, made once, one after another.
void SalidaFilas::preparaCabeceras()
{
    m_cabeceras.clear();
    m_cabecera.assign(m_datos->penas.size(), Pieza{});
    if (m_json)
        return;
    std::vector<std::size_t> desde(m_datos->penas.size());
    for (std::size_t p = 0; p < m_datos->penas.size(); ++p) {
        if (m_primerHueco[p] == sinForma)
            continue;
        Fila nombre;
        nombre.pena = static_cast<std::uint16_t>(p);
        nombre.clase = ClaseFila::Nombre;
        desde[p] = m_cabeceras.size();
        m_cabeceras += '\n' + filaCon(formatea(celda(m_lista, nombre, m_celdas, *m_datos))) + '\n';
        m_cabecera[p].largo = static_cast<std::uint32_t>(m_cabeceras.size() - desde[p]);
    }
    m_cabeceras.append(holgura, '\0');
    for (std::size_t p = 0; p < m_datos->penas.size(); ++p)
        m_cabecera[p].bytes = m_cabeceras.data() + desde[p];
}

// Text, simple bets: the comment of category i in the draw at hand, and the end of its line.
SalidaFilas::Pieza SalidaFilas::comentarioLinea(int i)
{
    std::string& hecho = m_comentarioLinea[static_cast<std::size_t>(i)];
    if (!(m_comentariosHechos >> i & 1)) {
        Fila f;
        f.sorteo = static_cast<std::uint16_t>(m_sorteo);
        f.clase = ClaseFila::Apuesta;
        f.categoria = static_cast<std::uint8_t>(i);
        hecho = acolchada(formatea(celda(m_lista, f, m_celdas, *m_datos)) + '\n');
        m_comentariosHechos |= std::uint32_t{1} << i;
    }
    return pieza(hecho);
}

SalidaFilas::Pieza SalidaFilas::comentario(const Fila& f)
{
    const std::uint32_t clave = static_cast<std::uint32_t>(f.categoria) << 16 | f.cuenta;
    auto it = m_comentarios.find(clave);
    if (it == m_comentarios.end())
        it = m_comentarios.emplace(clave, acolchada(formatea(celda(m_lista, f, m_celdas, *m_datos)))).first;
    return pieza(it->second);
}

void SalidaFilas::sorteo(int d)
{
    m_sorteo = d;
    m_comentarios.clear();
    m_comentariosHechos = 0;
    Fila fecha;
    fecha.sorteo = static_cast<std::uint16_t>(d);
    fecha.clase = ClaseFila::Fecha;
    m_fecha = acolchada(filaCon(formatea(celda(m_lista, fecha, m_celdas, *m_datos))));
    const RegSorteo& s = m_datos->sorteos[static_cast<std::size_t>(d)];
    m_marcaNumeros = m_marcaEstrellas = 0;
    for (std::size_t i = 0; i < 7; ++i)
        if (s.num[i] >= 0 && s.num[i] < 63) // bit 63 marks nothing
            (i < 5 ? m_marcaNumeros : m_marcaEstrellas) |= std::uint64_t{1} << s.num[i];
}

void SalidaFilas::bloque(const Bloque& b)
{
    if (b.sorteo != m_sorteo)
        sorteo(b.sorteo);
    if (!m_json && b.apuestas != 0 && m_primerHueco[b.pena] != sinForma) {
        bloqueTexto(b);
        return;
    }
    b.paraCadaFila([&](const Fila& f) { fila(f); });
}

// The block's heading rows, then its bets: those without a prize that follow
// each other are lines that follow each other, written in one copy.
void SalidaFilas::bloqueTexto(const Bloque& b)
{
    sitio();
    anade(m_cabecera[b.pena]);
    anade(pieza(m_fecha));
    anade('\n');
    const std::uint32_t sinPremio = b.apuestas & ~b.premiadas;
    const std::size_t primera = m_primerHueco[b.pena];
    for (std::uint32_t resto = b.apuestas; resto != 0;) {
        sitio();
        const int a = std::countr_zero(resto);
        const std::size_t hueco = primera + static_cast<std::size_t>(a);
        const char* linea = m_lineas.data() + m_inicioLinea[hueco];
        if (b.premiadas >> a & 1) {
            anade(Pieza{linea, m_largos[hueco][0]});
            anade(tabuladores(m_largos[hueco][1] - m_largos[hueco][0]));
            anade(comentarioLinea(b.categorias[static_cast<std::size_t>(a)]));
            resto &= resto - 1;
            continue;
        }
        const int seguidas = std::countr_one(sinPremio >> a);
        const std::size_t largo = m_inicioLinea[hueco + static_cast<std::size_t>(seguidas)] - m_inicioLinea[hueco];
        if (m_usado + largo > capacidad)
            vacia();
        anade(std::string_view(linea, largo));
        resto &= ~(((std::uint32_t{1} << seguidas) - 1) << a);
    }
}

void SalidaFilas::fila(const Fila& f)
{
    sitio();
    if (m_json) {
        if (!m_primera)
            anade(',');
        m_primera = false;
    }
    escribe(f);
    if (!m_json)
        anade('\n');
}

void SalidaFilas::escribe(const Fila& f)
{
    switch (f.clase) {
    case ClaseFila::Separador:
        anade(pieza(m_separador));
        return;
    case ClaseFila::Nombre: {
        std::optional<std::string>& nombre = m_nombres[f.pena];
        if (!nombre)
            nombre = acolchada(filaCon(formatea(celda(m_lista, f, m_celdas, *m_datos))));
        anade(pieza(*nombre));
        return;
    }
    case ClaseFila::Fecha:
        anade(pieza(m_fecha));
        return;
    case ClaseFila::Apuesta:
    case ClaseFila::Linea:
        break;
    }
    std::optional<Pieza> con;
    if (f.categoria != 0)
        con = comentario(f);
    if (con && con->largo == 0)
        con.reset();
    const std::size_t primera = m_primerHueco[f.pena];
    if (f.clase != ClaseFila::Apuesta || primera == sinForma) {
        // Only the comment, if any.
        if (con)
            anade(filaCon(std::string_view(con->bytes, con->largo)));
        else
            anade(pieza(m_separador));
        return;
    }
    const std::size_t hueco = primera + f.apuesta;
    if (!m_json) {
        anade(Pieza{m_lineas.data() + m_inicioLinea[hueco], m_largos[hueco][0]});
        if (con) {
            anade(tabuladores(m_largos[hueco][1] - m_largos[hueco][0]));
            anade(*con);
        }
        return;
    }
    if (m_lenta[hueco]) {
        escribeLenta(f);
    } else {
        const std::uint8_t* valores = m_valores.data() + hueco * 16;
        const int huecos = m_lista == Lista::Sencillas ? 5 : 10;
        anade('[');
        for (int k = 0; k + 1 < m_celdas; ++k) {
            const std::uint8_t v = valores[k];
            if (v == 0)
                anade(m_piezaVacia);
            else if (k < huecos)
                anade(m_numeros[(m_marcaNumeros >> v) & 1][v]);
            else
                anade(m_estrellas[(m_marcaEstrellas >> v) & 1][v]);
            anade(',');
        }
    }
    anade(con ? *con : m_piezaVacia);
    anade(']');
}

// A bet with a value out of the tables, each of its cells made as the window makes it.
void SalidaFilas::escribeLenta(const Fila& f)
{
    const RegSorteo& s = m_datos->sorteos[f.sorteo];
    const RegPena& p = m_datos->penas[f.pena];
    const auto forma = bolvera::forma(p.tipo);
    const int huecos = m_lista == Lista::Sencillas ? 5 : 10;
    anade('[');
    for (int k = 0; k + 1 < m_celdas; ++k) {
        if (k < forma->numeros) {
            const std::int16_t v = p.numeros[f.apuesta][k];
            anade(formatea(celdaNumero(v, std::find(s.num.begin(), s.num.begin() + 5, v) != s.num.begin() + 5)));
        } else if (k >= huecos && k < huecos + forma->estrellas) {
            const std::int16_t v = p.estrellas[f.apuesta][k - huecos];
            anade(formatea(celdaEstrella(v, v == s.num[5] || v == s.num[6])));
        } else {
            anade(m_piezaVacia);
        }
        anade(',');
    }
}

} // namespace bolvera

#include "app/salidafilas.h"

#include "app/ordenes.h"
#include "app/salidajson.h"
#include "checking/euros.h"
#include "checking/formas.h"

#include <algorithm>

namespace bolvera {

namespace {

constexpr std::size_t capacidad = 1 << 20;
constexpr std::size_t holgura = 64; // what a short piece's copy may read or write past its end

// A piece kept with room to read past its end.
std::string acolchada(std::string bytes)
{
    bytes.append(holgura, '\0');
    return bytes;
}

} // namespace

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
    std::vector<std::string> textos;
    for (std::size_t p = 0; p < m_datos->penas.size(); ++p) {
        const RegPena& pena = m_datos->penas[p];
        // Each list shows only its own peñas: the other shape would not fit its columns.
        const auto f = forma(pena.tipo);
        if (!f || f->multiple != (m_lista == Lista::Multiples))
            continue;
        m_primerHueco[p] = m_lenta.size();
        for (int b = 0; b < f->apuestas; ++b) {
            std::vector<std::string> celda(celdas);
            bool lenta = false;
            m_valores.resize(m_valores.size() + 16, 0);
            std::uint8_t* valores = m_valores.data() + m_valores.size() - 16;
            for (int i = 0; i < f->numeros; ++i) {
                const std::int16_t v = pena.numeros[b][i];
                celda[static_cast<std::size_t>(i)] = std::to_string(v);
                lenta = lenta || v < 1 || v > 62;
                valores[i] = static_cast<std::uint8_t>(std::clamp<int>(v, 0, 63));
            }
            for (int j = 0; j < f->estrellas; ++j) {
                const std::int16_t v = pena.estrellas[b][j];
                celda[huecos + static_cast<std::size_t>(j)] = std::to_string(v);
                lenta = lenta || v < 1 || v > 62;
                valores[huecos + static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(std::clamp<int>(v, 0, 63));
            }
            std::string texto;
            std::size_t usada = 0;
            for (std::size_t k = 0; k < celdas; ++k) {
                if (k > 0)
                    texto += '\t';
                texto += celda[k];
                if (!celda[k].empty())
                    usada = texto.size();
            }
            texto += '\t';
            m_largos.push_back({static_cast<std::uint16_t>(usada), static_cast<std::uint16_t>(texto.size())});
            m_lenta.push_back(lenta);
            textos.push_back(std::move(texto));
        }
    }
    m_paso = holgura;
    for (const std::string& t : textos)
        m_paso = std::max(m_paso, t.size() + holgura);
    m_textos.assign(textos.size() * m_paso, '\0');
    m_lineas.clear();
    m_inicioLinea.clear();
    for (std::size_t i = 0; i < textos.size(); ++i) {
        m_textos.replace(i * m_paso, textos[i].size(), textos[i]);
        m_inicioLinea.push_back(m_lineas.size());
        m_lineas.append(textos[i], 0, m_largos[i][0]).append(1, '\n');
    }
    m_inicioLinea.push_back(m_lineas.size());
    m_fila = std::max(m_fila, 2 * m_paso + 16);
}

std::size_t SalidaFilas::lineasSeguidas(std::span<const Fila> filas)
{
    const Fila& f = filas.front();
    const std::size_t primera = m_primerHueco[f.pena];
    if (m_json || f.clase != ClaseFila::Apuesta || f.categoria != 0 || primera == sinForma)
        return 0;
    std::size_t n = 1;
    while (n < filas.size() && filas[n].clase == ClaseFila::Apuesta && filas[n].categoria == 0 &&
           filas[n].pena == f.pena && filas[n].sorteo == f.sorteo && filas[n].apuesta == f.apuesta + n)
        ++n;
    const std::size_t desde = m_inicioLinea[primera + f.apuesta];
    const std::size_t largo = m_inicioLinea[primera + f.apuesta + n] - desde;
    if (m_usado + largo + holgura > capacidad)
        vacia();
    if (largo > capacidad) {
        std::fwrite(m_lineas.data() + desde, 1, largo, m_destino);
        return n;
    }
    anade(std::string_view(m_lineas.data() + desde, largo));
    return n;
}

SalidaFilas::Pieza SalidaFilas::comentario(const Fila& f)
{
    const std::uint32_t clave = static_cast<std::uint32_t>(f.categoria) << 16 | f.cuenta;
    auto it = m_comentarios.find(clave);
    if (it == m_comentarios.end())
        it = m_comentarios.emplace(clave, acolchada(formatea(celda(m_lista, f, m_celdas, *m_datos)))).first;
    return pieza(it->second);
}

void SalidaFilas::filas(std::span<const Fila> filas)
{
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const Fila& f = filas[i];
        if (f.sorteo != m_sorteo) {
            m_sorteo = f.sorteo;
            m_comentarios.clear();
            Fila fecha = f;
            fecha.clase = ClaseFila::Fecha;
            m_fecha = acolchada(filaCon(formatea(celda(m_lista, fecha, m_celdas, *m_datos))));
            const RegSorteo& s = m_datos->sorteos[f.sorteo];
            m_marcaNumeros = m_marcaEstrellas = 0;
            for (std::size_t i = 0; i < 7; ++i)
                if (s.num[i] >= 0 && s.num[i] < 63) // bit 63 marks nothing
                    (i < 5 ? m_marcaNumeros : m_marcaEstrellas) |= std::uint64_t{1} << s.num[i];
        }
        // In text the bets without a prize that follow each other are lines
        // that follow each other: written in one copy.
        if (const std::size_t seguidas = lineasSeguidas(filas.subspan(i))) {
            i += seguidas - 1;
            continue;
        }
        if (m_usado + m_fila > capacidad)
            vacia();
        if (m_json) {
            if (!m_primera)
                anade(',');
            m_primera = false;
        }
        escribe(f);
        if (!m_json)
            anade('\n');
    }
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
        const char* texto = m_textos.data() + hueco * m_paso;
        if (con) {
            anade(Pieza{texto, m_largos[hueco][1]});
            anade(*con);
        } else {
            anade(Pieza{texto, m_largos[hueco][0]});
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

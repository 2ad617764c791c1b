// bolvera-cli: the prize check, the peñas and the multiple-bet breakdown.
#include "app/ordenes.h"
#include "app/salidafilas.h"
#include "core/store/categorias.h"
#include "core/checking/comprobacion.h"
#include "core/checking/desglose.h"
#include "core/checking/euros.h"
#include "core/store/ajustes.h"
#include "core/checking/formas.h"
#include "core/checking/recuento.h"
#include "core/checking/totales.h"
#include "core/checking/vistapena.h"
#include "core/store/cargasorteos.h"
#include "core/store/ficheros.h"
#include "core/store/listado.h"
#include "core/store/reescritura.h"

#include <QJsonArray>
#include <QTextStream>

#include <array>
#include <condition_variable>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <mutex>
#include <numeric>
#include <thread>
#include <utility>

namespace bolvera {

namespace ordenes {

namespace {

// Blocks of a check, copied out of the pass that made them: a block given
// row by row keeps its rows in the batch.
struct Lote
{
    std::vector<Bloque> bloques;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> tramos; // [block]: its rows in `filas`
    std::vector<Fila> filas;
    bool finLista = false;

    void anade(const Bloque& b)
    {
        bloques.push_back(b);
        tramos.emplace_back(static_cast<std::uint32_t>(filas.size()), static_cast<std::uint32_t>(b.filas.size()));
        filas.insert(filas.end(), b.filas.begin(), b.filas.end());
    }
    Bloque operator[](std::size_t i) const
    {
        Bloque b = bloques[i];
        if (b.apuestas == 0)
            b.filas = std::span<const Fila>(filas).subspan(tramos[i].first, tramos[i].second);
        return b;
    }
};

// Batches handed from the thread that checks to the one that writes; a few
// at most wait, so memory stays the same whatever the size of the check.
class Cola
{
public:
    static constexpr std::size_t porLote = 1024;

    void pon(Lote lote)
    {
        std::unique_lock cerrojo(m_mutex);
        m_sitio.wait(cerrojo, [&] { return m_lotes.size() < 4; });
        m_lotes.push_back(std::move(lote));
        m_hay.notify_one();
    }
    Lote toma()
    {
        std::unique_lock cerrojo(m_mutex);
        m_hay.wait(cerrojo, [&] { return !m_lotes.empty(); });
        Lote lote = std::move(m_lotes.front());
        m_lotes.pop_front();
        m_sitio.notify_one();
        return lote;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_hay;
    std::condition_variable m_sitio;
    std::deque<Lote> m_lotes;
};

} // namespace

int comprobar(const Contexto& c)
{
    const auto n = c.argumentos.isEmpty() ? std::nullopt : entero(c.argumentos.front());
    if (!n || *n < 0)
        return fallaUso(QStringLiteral("Indique cuántos sorteos comprobar: comprobar N"));
    Instantanea datos = leeDatos(c.ruta);
    // A history the listing rejects is never counted into the peñas.
    if (!listado::calcula(datos.sorteos).valido)
        return fallaHistoriaDanada();
    const int total = static_cast<int>(datos.sorteos.size());
    if (*n > total)
        return falla(QStringLiteral("Sólo hay %1 sorteos guardados.").arg(total));

    // The rows are written as the check makes them and the counters saved
    // after: a file that cannot take them is refused before anything is printed.
    const QString guardar = QStringLiteral("No se pudieron guardar los aciertos de las peñas.");
    if (cambiaContadores(datos, *n))
        if (const int error = reescribible(c.ruta + ficheros::apuestas))
            return fallaEscritura(guardar, error);
    // Each list in the order it is printed, after its heading; the closing bytes.
    const std::array<std::pair<Lista, const char*>, 2> listas =
        c.json ? std::array{std::pair{Lista::Multiples, "{\"multiples\":"}, std::pair{Lista::Sencillas, ",\"sencillas\":"}}
               : std::array{std::pair{Lista::Sencillas, "S E N C I L L A\n"}, std::pair{Lista::Multiples, "M Ú L T I P L E\n"}};
    const char* cierre = c.json ? "}\n" : "";

    // One thread checks, this one writes: both cores at work on a long check.
    // The checking thread alone moves the counters; the rows read nothing it changes.
    Pasada sencillas;
    Pasada multiples;
    Cola cola;
    std::thread comprobador([&] {
        Parpadeo parpadeo;
        const OpcionesPasada opciones{c.tiene("historico"), c.tiene("solo-premio"), false};
        for (const auto& [lista, titulo] : listas) {
            Lote lote;
            const auto pasada = lista == Lista::Sencillas ? pasadaSencillas : pasadaMultiples;
            (lista == Lista::Sencillas ? sencillas : multiples) =
                pasada(datos.sorteos, datos.penas, *n, opciones, parpadeo, [&](const Bloque& b) {
                    lote.anade(b);
                    if (lote.bloques.size() == Cola::porLote)
                        cola.pon(std::exchange(lote, {}));
                });
            lote.finLista = true;
            cola.pon(std::move(lote));
        }
    });
    SalidaFilas salida(c.json);
    for (const auto& [lista, titulo] : listas) {
        salida.pon(titulo);
        salida.empiezaLista(lista, datos);
        for (bool fin = false; !fin;) {
            const Lote lote = cola.toma();
            for (std::size_t i = 0; i < lote.bloques.size(); ++i)
                salida.bloque(lote[i]);
            fin = lote.finLista;
        }
        salida.terminaLista();
    }
    comprobador.join();
    salida.pon(cierre);
    salida.vacia();
    // Rows that could not be written can be shown again; the counters are
    // saved all the same, and both are said.
    const bool escritas = std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int numero = errno;
    if (const int error = guardaContadores(c.ruta, datos, {&sencillas, &multiples}))
        return fallaEscritura(guardar, error);
    if (!escritas)
        return falla(QStringLiteral("No se pudieron escribir las filas (%1); los aciertos de las peñas sí se han guardado.")
                         .arg(errorDeSalida(numero)));
    return 0;
}

int recontar(const Contexto& c)
{
    const QString uso = QStringLiteral("Uso: recontar [R]");
    if (c.argumentos.size() > 1)
        return fallaUso(uso);
    std::optional<int> r;
    if (!c.argumentos.isEmpty() && !(r = entero(c.argumentos.front())))
        return fallaUso(uso);
    const Recuento hecho = recuenta(c.ruta, r);
    if (hecho.rechazo)
        return falla(*hecho.rechazo);
    if (hecho.error)
        return fallaEscritura(QStringLiteral("No se pudieron recontar los premios de las peñas."), hecho.error);
    QTextStream salida(stdout);
    if (hecho.recontadas.empty())
        salida << "No hay peñas que recontar.\n";
    for (const RegPena& p : hecho.recontadas)
        salida << paraTerminal(p.nombreRecortado()) << ": " << std::accumulate(p.aciertos.begin(), p.aciertos.end(), 0)
               << " premios\n";
    return 0;
}

int listaPenas(const Contexto& c)
{
    const auto todas = penas(c);
    const int jugados = cuentaSorteosJugados(sorteos(c), todas);
    const Totales t = totalesPenas(todas, jugados);
    if (c.json) {
        QJsonArray filas;
        for (const QStringList& fila : t.filas)
            filas.append(QJsonArray::fromStringList(fila));
        imprime({{QStringLiteral("penas"), filas},
                 {QStringLiteral("premios"), t.premios},
                 {QStringLiteral("efectividad"), t.efectividad},
                 {QStringLiteral("sorteos"), t.sorteos}});
        return 0;
    }
    // Columns as wide as their widest cell, escapes included.
    std::vector<QStringList> escritas;
    std::vector<qsizetype> anchos;
    for (const QStringList& fila : t.filas) {
        QStringList celdas;
        for (const QString& celda : fila) {
            celdas << paraTerminal(celda);
            if (anchos.size() < static_cast<std::size_t>(celdas.size()))
                anchos.push_back(0);
            anchos[static_cast<std::size_t>(celdas.size() - 1)] =
                std::max(anchos[static_cast<std::size_t>(celdas.size() - 1)], celdas.back().size());
        }
        escritas.push_back(celdas);
    }
    QTextStream salida(stdout);
    for (QStringList& celdas : escritas) {
        for (qsizetype k = 0; k < celdas.size(); ++k)
            celdas[k] = celdas[k].leftJustified(anchos[static_cast<std::size_t>(k)]);
        salida << celdas.join(QStringLiteral(" | ")) << '\n';
    }
    salida << "Premios: " << t.premios << '\n' << t.efectividad << '\n' << t.sorteos << '\n';
    return 0;
}

int unaPena(const Contexto& c)
{
    const auto r = c.argumentos.isEmpty() ? std::nullopt : entero(c.argumentos.front());
    if (!r)
        return fallaUso(QStringLiteral("Indique el número de la peña: pena R"));
    const auto todas = penas(c);
    const auto historia = sorteos(c);
    const auto v = vistaPena(todas, historia, *r);
    if (!v)
        return falla(QStringLiteral("Error crítico: fichero apuestas.dat corrupto."));
    const premios::Lectura conocidos = premios::lee(c.ruta);
    const euros::Balance b = v->hayPena ? euros::balance(todas[static_cast<std::size_t>(*r - 1)], historia,
                                                         conocidos.porFecha, ajustes::precioApuesta(c.ruta))
                                        : euros::Balance{};
    QJsonArray aciertos;
    for (const QString& a : v->aciertos)
        aciertos.append(a);
    if (c.json) {
        imprime({{QStringLiteral("numeros"), QJsonArray::fromStringList(v->numeros)},
                 {QStringLiteral("estrellas"), QJsonArray::fromStringList(v->estrellas)},
                 {QStringLiteral("aciertos"), aciertos},
                 {QStringLiteral("jugados"), v->jugados},
                 {QStringLiteral("efectividad"), v->efectividad},
                 {QStringLiteral("grafico"), QJsonArray{v->sinPremio, v->conPremio}},
                 {QStringLiteral("euros"), QJsonObject{{QStringLiteral("ganado"), euros::decimal(b.ganado)},
                                                       {QStringLiteral("sin_importe"), b.sinImporte},
                                                       {QStringLiteral("jugado"), euros::decimal(b.jugado)},
                                                       {QStringLiteral("balance"), euros::decimal(b.balance())}}}});
        return 0;
    }
    QTextStream salida(stdout);
    for (qsizetype i = 0; i < v->numeros.size(); ++i)
        salida << v->numeros[i] << "   " << v->estrellas[i] << '\n';
    const QStringList etiquetas = {"2+0", "2+1", "1+2", "3+0", "3+1", "2+2", "3+2",
                                   "4+0", "4+1", "4+2", "5+0", "5+1", "5+2"};
    for (int k = 0; k < 13; ++k)
        salida << "-Aciertos de " << etiquetas[k] << ": " << v->aciertos[static_cast<std::size_t>(k)] << '\n';
    salida << "Sorteos participados: " << v->jugados << '\n' << "Efectividad: " << v->efectividad << '\n'
           << "Ganado: " << euros::texto(b.ganado) << '\n';
    if (b.sinImporte > 0)
        salida << euros::sinImporte(b.sinImporte) << '\n';
    salida << "Jugado: " << euros::texto(b.jugado) << '\n' << "Balance: " << euros::texto(b.balance()) << '\n';
    if (conocidos.danados > 0)
        QTextStream(stderr) << conocidos.danados << " registros dañados en premios.dat no se han tenido en cuenta.\n";
    return 0;
}

std::optional<int> validaDesglose(const Contexto& c)
{
    if (c.argumentos.size() != 3)
        return fallaUso(QStringLiteral("Uso: desglose TIPO H K"));
    const auto tipo = entero(c.argumentos[0]);
    const auto h = entero(c.argumentos[1]);
    const auto k = entero(c.argumentos[2]);
    if (!tipo || !h || !k || *h < 0 || *h > 5 || *k < 0 || *k > 2)
        return fallaUso(QStringLiteral("TIPO, H (0-5) y K (0-2) son números."));
    const auto f = forma(*tipo);
    if (!f || !f->multiple)
        return fallaUso(QStringLiteral("TIPO ha de ser el de una apuesta múltiple: 100 + 10 × números (5 a 10) + "
                                       "estrellas (2 a 5), más de 5 y 2, como 162 para 6 números y 2 estrellas; no «%1».")
                            .arg(c.argumentos[0]));
    return std::nullopt;
}

int unDesglose(const Contexto& c)
{
    // The line was checked before: a multiple bet and its hits.
    const auto f = forma(entero(c.argumentos[0]).value_or(0));
    if (!f)
        return 2;
    const Desglose desg = desglose(f->numeros, f->estrellas, entero(c.argumentos[1]).value_or(0), entero(c.argumentos[2]).value_or(0));
    QTextStream salida(stdout);
    for (int i = 1; i <= categorias::total; ++i)
        if (desg[i] != 0)
            salida << categorias::de(i).h << '+' << categorias::de(i).k << ": " << desg[i] << '\n';
    return 0;
}

} // namespace ordenes

} // namespace bolvera

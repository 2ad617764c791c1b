// bolvera-cli: the prize check, the peñas and the multiple-bet breakdown.
#include "app/ordenes.h"
#include "app/salidafilas.h"
#include "store/categorias.h"
#include "checking/comprobacion.h"
#include "checking/desglose.h"
#include "checking/euros.h"
#include "store/ajustes.h"
#include "checking/formas.h"
#include "checking/recuento.h"
#include "checking/totales.h"
#include "checking/vistapena.h"
#include "store/cargasorteos.h"
#include "store/listado.h"

#include <QJsonArray>
#include <QTextStream>

#include <cstdio>
#include <numeric>

namespace bolvera {

namespace ordenes {

namespace {

// One list's rows, made again from what the check read and written as they
// are made: a full history of many peñas is never held whole.
void escribeLista(SalidaFilas& salida, Lista lista, const Comprobacion& r, int n, const OpcionesPasada& opciones)
{
    salida.empiezaLista(lista, *r.datos);
    filasDe(lista, *r.datos, n, opciones, [&](std::span<const Fila> filas) { salida.filas(filas); });
    salida.terminaLista();
}

} // namespace

int comprobar(const Contexto& c)
{
    const auto n = c.argumentos.isEmpty() ? std::nullopt : entero(c.argumentos.front());
    if (!n || *n < 0)
        return fallaUso(QStringLiteral("Indique cuántos sorteos comprobar: comprobar N"));
    const auto guardados = sorteos(c);
    // A history the listing rejects is never counted into the peñas.
    if (!listado::calcula(guardados).valido)
        return fallaHistoriaDanada();
    const int total = static_cast<int>(guardados.size());
    if (*n > total)
        return falla(QStringLiteral("Sólo hay %1 sorteos guardados.").arg(total));

    // The counters first, without rows: nothing is printed when they cannot
    // be saved.
    Parpadeo parpadeo;
    const OpcionesPasada opciones{c.historico, c.soloPremio, false};
    const Comprobacion r = comprueba(c.ruta, *n, {.sinFilas = true}, parpadeo);
    if (r.error != 0)
        return fallaEscritura(QStringLiteral("No se pudieron guardar los aciertos de las peñas."), r.error);
    SalidaFilas salida(c.json);
    if (c.json) {
        salida.pon("{\"multiples\":");
        escribeLista(salida, Lista::Multiples, r, *n, opciones);
        salida.pon(",\"sencillas\":");
        escribeLista(salida, Lista::Sencillas, r, *n, opciones);
        salida.pon("}\n");
    } else {
        salida.pon("S E N C I L L A\n");
        escribeLista(salida, Lista::Sencillas, r, *n, opciones);
        salida.pon("M Ú L T I P L E\n");
        escribeLista(salida, Lista::Multiples, r, *n, opciones);
    }
    salida.vacia();
    std::fflush(stdout);
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

int unDesglose(const Contexto& c)
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
        return 0; // not a multiple bet: no breakdown
    const Desglose desg = desglose(f->numeros, f->estrellas, *h, *k);
    QTextStream salida(stdout);
    for (int i = 1; i <= categorias::total; ++i)
        if (desg[i] != 0)
            salida << categorias::de(i).h << '+' << categorias::de(i).k << ": " << desg[i] << '\n';
    return 0;
}

} // namespace ordenes

} // namespace bolvera

#include "core/store/fechas.h"
#include "core/store/texto1252.h"
#include "support/datos.h"
#include "support/paginas.h"
#include "core/update/analiza.h"
#include "core/update/informe.h"
#include "core/store/paginas.h"

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

using paginas_prueba::Entrada;
using R = Analisis::Resultado;

QString pagina(const std::vector<Entrada>& entradas)
{
    return texto1252::decodifica(paginas::guardada(paginas_prueba::resultados(entradas)));
}

// `n` entries on consecutive draw days back from `ultima`, newest first.
std::vector<Entrada> entradas(int n, QDate ultima = QDate(2026, 12, 4))
{
    std::vector<Entrada> e;
    for (const RegSorteo& s : datos::sorteosSeguidos(n, ultima))
        e.insert(e.begin(), Entrada{fechas::fechaDeDia(s.fecha), {40, 7, 23, 1, 50, 9, 3},
                                    QString::number(static_cast<qint64>(s.fecha)), {}, {}});
    return e;
}

double dia(QDate d) { return fechas::diaNumero(d); }

TEST(Analiza, newDrawsOldestFirstAndSorted)
{
    for (int n : {1, 2, 15}) {
        const auto e = entradas(n + 1);
        const Analisis a = analiza(pagina(e), dia(e.back().fecha), {}, false);
        ASSERT_EQ(a.resultado, R::Nuevos) << n;
        ASSERT_EQ(static_cast<int>(a.anadir.size()), n);
        EXPECT_EQ(a.nuevos, n);
        EXPECT_EQ(a.textoNuevos, n == 1 ? QStringLiteral("1 sorteo") : QStringLiteral("%1 sorteos").arg(n));
        EXPECT_EQ(datos::elemento(a.anadir, 0).fecha, dia(e[static_cast<std::size_t>(n - 1)].fecha));
        EXPECT_EQ(datos::ultimo(a.anadir).fecha, dia(e.front().fecha));
        EXPECT_EQ(datos::elemento(a.anadir, 0).num, (std::array<std::int16_t, 7>{1, 7, 23, 40, 50, 3, 9}));
        // The newest listed entry gives the draw page.
        EXPECT_EQ(a.rutasorteo, QStringLiteral("2026/") + e.front().ruta);
        EXPECT_FALSE(a.finfichero);
    }
}

TEST(Analiza, nothingNewChecksTheNewestAgain)
{
    const auto e = entradas(3);
    const Analisis a = analiza(pagina(e), dia(e.front().fecha), {}, false);
    EXPECT_EQ(a.resultado, R::NingunoNuevo);
    EXPECT_EQ(a.nuevos, 1);
    EXPECT_TRUE(a.anadir.empty());
    EXPECT_TRUE(a.textoNuevos.isEmpty());
    // The same-day entry still names the draw page, over a path kept from
    // before: the report is always the newest draw's.
    EXPECT_EQ(a.rutasorteo, QStringLiteral("2026/") + e.front().ruta);
    EXPECT_EQ(analiza(pagina(e), dia(e.front().fecha), QStringLiteral("2025/X"), false).rutasorteo,
              QStringLiteral("2026/") + e.front().ruta);
    EXPECT_EQ(analiza(pagina(e), dia(e.front().fecha) + 7, QStringLiteral("2025/X"), false).rutasorteo,
              QStringLiteral("2025/X"));
}

TEST(Analiza, datesAndMonths)
{
    std::vector<Entrada> e = {{QDate(2015, 11, 6), {1, 2, 3, 4, 5, 1, 2}, QStringLiteral("A"), {}, {}}};
    Analisis a = analiza(pagina(e), 0, {}, false);
    ASSERT_EQ(a.resultado, R::Nuevos);
    EXPECT_EQ(datos::elemento(a.anadir, 0).fecha, dia(QDate(2015, 11, 6)));

    e[0].mes = QStringLiteral("NOVEMBER");
    EXPECT_EQ(analiza(pagina(e), 0, {}, false).anadir.at(0).fecha, dia(QDate(2015, 11, 6)));

    // An unknown month takes the previous entry's; for the first one the page is unreadable.
    e = {{QDate(2015, 11, 10), {1, 2, 3, 4, 5, 1, 2}, QStringLiteral("B"), {}, {}},
         {QDate(2015, 11, 6), {1, 2, 3, 4, 5, 1, 2}, QStringLiteral("A"), QStringLiteral("Setiembre"), {}}};
    a = analiza(pagina(e), 0, {}, false);
    ASSERT_EQ(a.anadir.size(), 2u);
    EXPECT_EQ(datos::elemento(a.anadir, 0).fecha, dia(QDate(2015, 11, 6)));
    std::swap(e[0], e[1]);
    EXPECT_EQ(analiza(pagina(e), 0, {}, false).resultado, R::DatosCorruptos);
}

TEST(Analiza, aDrawNotOutYetStopsThePassQuietly)
{
    // A zero is a result still to come; anything else wrong is judged with
    // the whole batch before it is appended.
    struct Caso
    {
        const char* que;
        std::array<std::int16_t, 7> num;
        QString texto;
    };
    const Caso casos[] = {
        {"a number item without digits", {1, 2, 3, 4, 5, 1, 2}, QStringLiteral("x")},
        {"a star 0", {1, 2, 3, 4, 5, 0, 2}, {}},
    };
    for (const Caso& c : casos) {
        auto e = entradas(5);
        e[2].num = c.num; // the third new draw
        e[2].numeroTexto = c.texto;
        const Analisis a = analiza(pagina(e), dia(e.back().fecha), {}, false);
        EXPECT_EQ(a.resultado, R::Nuevos) << c.que;
        ASSERT_EQ(a.anadir.size(), 2u) << c.que;
        EXPECT_EQ(datos::ultimo(a.anadir).fecha, dia(e[0].fecha)) << c.que;
        EXPECT_EQ(a.textoNuevos, QStringLiteral("2 sorteos"));
    }
}

TEST(Analiza, failureOutcomes)
{
    // Sixteen draws are more than one page may bring; fifteen were read by then.
    auto e = entradas(17);
    EXPECT_EQ(analiza(pagina(e), dia(e.back().fecha), {}, false).resultado, R::SinDatos);
    // Fifty-one new dates: nothing was read yet.
    e = entradas(52);
    EXPECT_EQ(analiza(pagina(e), dia(e.back().fecha), {}, false).resultado, R::DatosCorruptos);
    // A number out of range after some draws were read.
    e = entradas(4);
    e[2].num = {1, 2, 3, 4, 60, 1, 2};
    Analisis a = analiza(pagina(e), dia(e.back().fecha), {}, false);
    EXPECT_EQ(a.resultado, R::SinDatos);
    EXPECT_TRUE(a.anadir.empty());
    EXPECT_EQ(aviso(a.resultado, 2026).texto, QStringLiteral("Aun no hay datos de sorteos del 2026."));
    EXPECT_EQ(aviso(a.resultado, 2026).titulo, QStringLiteral("Pruebe mas tarde"));
    // A value too large for 16 bits.
    e = entradas(2);
    e[0].numeroTexto = QStringLiteral("99999");
    EXPECT_EQ(analiza(pagina(e), dia(e.back().fecha), {}, false).resultado, R::DatosCorruptos);
    // With the transfer in error, the connection is blamed.
    e = entradas(52);
    EXPECT_EQ(analiza(pagina(e), dia(e.back().fecha), {}, true).resultado, R::Conexion);
}

TEST(Analiza, aPageWithoutTheResultsMarkersIsNotRead)
{
    // A login or bot-block page, or one cut short, is not "no new draws".
    const QString corta = texto1252::decodifica(paginas::guardada("<html>nada</html>"));
    const Analisis a = analiza(corta, 0, {}, false);
    EXPECT_EQ(a.resultado, R::Ilegible);
    EXPECT_TRUE(a.finfichero); // "-- while" was not found
    EXPECT_EQ(aviso(a.resultado, 2026).titulo, QStringLiteral("Error de conexión"));
    const QString sinEntradas = texto1252::decodifica(
        paginas::guardada("<html>" + QByteArray(4000, 'x') + "-- while -" + QByteArray(3000, 'y') + "</html>"));
    EXPECT_EQ(analiza(sinEntradas, 0, {}, false).resultado, R::Ilegible);
}

TEST(Ordena, sortsAndKeepsRepeats)
{
    RegSorteo s;
    s.num = {40, 7, 23, 1, 50, 9, 3};
    ASSERT_TRUE(ordena(s));
    EXPECT_EQ(s.num, (std::array<std::int16_t, 7>{1, 7, 23, 40, 50, 9, 3}));
    s.num = {7, 7, 20, 30, 40, 1, 2};
    ASSERT_TRUE(ordena(s));
    EXPECT_EQ(s.num, (std::array<std::int16_t, 7>{7, 20, 30, 40, 40, 1, 2}));
    s.num = {0, 7, 20, 30, 40, 1, 2};
    EXPECT_FALSE(ordena(s));
}

TEST(Mes, bothLanguagesAnyCase)
{
    EXPECT_EQ(mes(QStringLiteral("noviembre")), 11);
    EXPECT_EQ(mes(QStringLiteral("May")), 5);
    EXPECT_EQ(mes(QStringLiteral("SEPTIEMBRE")), 9);
    EXPECT_EQ(mes(QStringLiteral("Setiembre")), 0);
}

TEST(Informe, pricesAndLink)
{
    std::array<QByteArray, 13> premios;
    for (int i = 0; i < 13; ++i)
        premios[static_cast<std::size_t>(i)] = QByteArray::number(1000 * (13 - i)) + ",00";
    premios[0] = "1.234,56&nbsp;";
    // The link as a UTF-8 page read one byte per character.
    const QByteArray enlace = "/es/x/RESULTADOS-LOTER\xC3\x8D" "A/informe";
    const Informe i = leeInforme(texto1252::decodifica(paginas::guardada(paginas_prueba::sorteo(premios, enlace))));
    EXPECT_EQ(i.premios[0], QStringLiteral("1.234,56"));
    EXPECT_EQ(i.premios[12], QStringLiteral("1000,00"));
    EXPECT_EQ(i.enlace, QStringLiteral("/es/x/RESULTADOS-LOTERÍA/informe"));
    EXPECT_TRUE(i.urlpdf.endsWith(QStringLiteral("/es/x/RESULTADOS-LOTERÍA/informe.pdf")));
}

TEST(Informe, onlyPlainPathsBecomeAddresses)
{
    qputenv("BOLVERA_OPERADOR_URL", "https://operador.example");
    std::array<QByteArray, 13> premios;
    premios.fill("1,00");
    for (const QByteArray& malo : {QByteArray("https://otro.example/x"), QByteArray("//otro.example/x"),
                                   QByteArray("/x@otro/y"), QByteArray("javascript:alert(1)//"),
                                   QByteArray("/es/x/el informe"), QByteArray("/es/x/\tinforme"),
                                   QByteArray("http://operador.example/es/x"),
                                   QByteArray("https://operador.example.otro/es/x"),
                                   QByteArray("https://operador.example@otro.example/es/x")}) {
        const Informe i = leeInforme(texto1252::decodifica(paginas_prueba::sorteo(premios, malo)));
        EXPECT_FALSE(i.enlace.isEmpty()) << malo.constData();
        EXPECT_TRUE(i.urlpdf.isEmpty()) << malo.constData();
    }
    // An address on the operator's own site is its path.
    const Informe propia = leeInforme(texto1252::decodifica(paginas_prueba::sorteo(premios, "https://operador.example/es/x/informe")));
    EXPECT_EQ(propia.urlpdf, QStringLiteral("https://operador.example/es/x/informe.pdf"));
    qunsetenv("BOLVERA_OPERADOR_URL");
    const Informe nada = leeInforme(QStringLiteral("<html>sin marcas</html>"));
    EXPECT_TRUE(nada.enlace.isEmpty());
    for (const QString& p : nada.premios)
        EXPECT_TRUE(p.isEmpty());
}

} // namespace

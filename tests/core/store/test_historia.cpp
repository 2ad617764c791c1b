#include "core/store/csvsorteos.h"
#include "core/store/errores.h"
#include "core/store/estado.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/historia.h"
#include "core/store/listado.h"
#include "core/store/penas.h"
#include "core/store/reescritura.h"
#include "support/datos.h"
#include "support/sinprivilegios.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <sys/resource.h>

using namespace bolvera;

namespace {

using datos::sorteo;

TEST(Listasorteos, rowTexts)
{
    struct Caso
    {
        std::array<std::int16_t, 7> num;
        const char* numeros;
        const char* estrellas;
    };
    const Caso casos[] = {
        {{3, 14, 25, 40, 47, 2, 11}, " 3-14-25-40-47", "2 11"},
        {{3, 14, 25, 40, 47, 2, 9}, " 3-14-25-40-47", "2  9"},
        {{1, 2, 3, 4, 5, 10, 12}, " 1- 2- 3- 4-5", "10 12"},
        {{10, 20, 30, 40, 50, 1, 2}, "10-20-30-40-50", "1  2"},
    };
    for (const Caso& c : casos) {
        const RegSorteo s = sorteo({2026, 12, 4}, c.num);
        EXPECT_EQ(listado::textoNumeros(s), QString::fromLatin1(c.numeros));
        EXPECT_EQ(listado::textoEstrellas(s), QString::fromLatin1(c.estrellas));
    }
    EXPECT_EQ(listado::textoFecha(sorteo({2026, 12, 4})), QStringLiteral("04/12/2026  Viernes"));
}

TEST(Listasorteos, frequencyTables)
{
    const std::vector<RegSorteo> sorteos = {sorteo({2026, 12, 1}, {7, 14, 26, 40, 50, 3, 12}),
                                            sorteo({2026, 12, 4}, {7, 15, 27, 41, 49, 12, 3}),
                                            sorteo({2026, 12, 8}, {7, 16, 28, 42, 48, 1, 3})};
    const auto r = listado::calcula(sorteos);
    ASSERT_TRUE(r.valido);
    EXPECT_EQ(r.totalTexto, QStringLiteral("TOTAL: 3 sorteos."));
    EXPECT_EQ(r.tablanum1.cuentas[6], 3); // drawn every time
    EXPECT_EQ(r.tablanum1.cuentas[13], 1);
    EXPECT_FALSE(r.tablanum1.cuentas[0].has_value()); // never drawn: empty
    EXPECT_EQ(r.tablanum2.cuentas[0], 1);              // 26
    EXPECT_EQ(r.tablanum2.cuentas[24], 1);             // 50
    EXPECT_EQ(r.tablaest.cuentas[2], 3);               // first or second star alike
    EXPECT_EQ(r.tablaest.cuentas[11], 2);
    EXPECT_EQ(datos::elemento(r.tablanum1.etiquetas, 0), QStringLiteral("1"));
    EXPECT_EQ(datos::elemento(r.tablanum2.etiquetas, 0), QStringLiteral("26"));
    EXPECT_EQ(datos::ultimo(r.tablanum2.etiquetas), QStringLiteral("50"));
    EXPECT_EQ(datos::ultimo(r.tablaest.etiquetas), QStringLiteral("12"));

    const auto vacia = listado::calcula({});
    EXPECT_EQ(vacia.totalTexto, QStringLiteral("TOTAL: 0 sorteos."));
    for (const auto& c : vacia.tablaest.cuentas)
        EXPECT_FALSE(c.has_value());
}

TEST(Listasorteos, outOfRangeValuesMakeTheHistoryInvalid)
{
    for (const auto& num : std::vector<std::array<std::int16_t, 7>>{
             {0, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 51, 1, 2}, {1, 2, 3, 4, 5, 13, 2}, {1, 2, 3, 4, 5, 1, 0},
             {-300, 2, 3, 4, 5, 1, 2}}) {
        const auto r = listado::calcula({sorteo({2026, 12, 1}), sorteo({2026, 12, 4}, num)});
        EXPECT_FALSE(r.valido) << num[0] << " " << num[4] << " " << num[5] << " " << num[6];
    }
}

class Historia : public ::testing::Test
{
protected:
    Historia() : m_ruta(ficheros::calculaRuta(m_dir.path())) {}
    QString ruta(const QString& nombre) const { return m_dir.filePath(nombre); }
    std::vector<RegSorteo> guardados() const
    {
        return ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.dat"));
    }
    QTemporaryDir m_dir;
    QString m_ruta;
};

TEST_F(Historia, aDamagedHistoryIsKeptBeforeEmptying)
{
    datos::escribeBytes(ruta("numeros.err"), "older");
    const QByteArray danado = sorteo({2026, 12, 4}, {0, 2, 3, 4, 5, 1, 2}).aBytes() + "xy";
    datos::escribeBytes(ruta("numeros.dat"), danado);
    ASSERT_EQ(historia::guardaDanadoYVacia(m_ruta), 0);
    EXPECT_EQ(datos::leeBytes(ruta("numeros.err")), danado);
    EXPECT_TRUE(QFileInfo::exists(ruta("numeros.dat")));
    EXPECT_EQ(QFileInfo(ruta("numeros.dat")).size(), 0);
}

TEST_F(Historia, importAcceptsOnlyDrawFiles)
{
    const auto actuales = datos::sorteosSeguidos(3, QDate(2026, 12, 4));
    const auto nuevos = datos::sorteosSeguidos(6, QDate(2026, 12, 8));
    struct Caso
    {
        const char* que;
        QByteArray contenido;
        historia::Veredicto veredicto;
    };
    QByteArray bien;
    for (const RegSorteo& s : nuevos)
        bien += s.aBytes();
    QByteArray miercoles = sorteo({2026, 12, 2}).aBytes() + bien;
    QByteArray danadoLuego = bien + sorteo({2026, 12, 11}, {1, 2, 3, 4, 5, 1, 13}).aBytes();
    const auto conFecha = [&](double fecha) {
        RegSorteo s = nuevos.back();
        s.fecha = fecha;
        return bien + s.aBytes();
    };
    QByteArray alReves;
    for (auto s = nuevos.rbegin(); s != nuevos.rend(); ++s)
        alReves += s->aBytes();
    QByteArray tope;
    for (const RegSorteo& s : datos::sorteosSeguidos(32766, QDate(2330, 1, 4)))
        tope += s.aBytes();
    const Caso casos[] = {
        {"good", bien, historia::Veredicto::Importado},
        {"good with stray bytes", bien + "abc", historia::Veredicto::Importado},
        {"first draw on a Wednesday", miercoles, historia::Veredicto::Rechazado},
        {"empty", {}, historia::Veredicto::Rechazado},
        {"a later record out of range", danadoLuego, historia::Veredicto::Rechazado},
        {"dated 31/12/1899", sorteo({1899, 12, 31}).aBytes(), historia::Veredicto::Rechazado},
        {"a Friday before 1900", sorteo({1899, 12, 29}).aBytes() + bien, historia::Veredicto::Rechazado},
        {"32,766 draws, the cap", tope, historia::Veredicto::Importado},
        {"32,767 draws", tope + sorteo({2330, 1, 8}).aBytes(), historia::Veredicto::Rechazado},
        {"a later record dated 1e300", conFecha(1e300), historia::Veredicto::Rechazado},
        {"a later record dated NaN", conFecha(std::nan("")), historia::Veredicto::Rechazado},
        {"a later record half a day", conFecha(nuevos.back().fecha + 0.5), historia::Veredicto::Rechazado},
        {"a draw repeated", bien + nuevos.back().aBytes(), historia::Veredicto::Rechazado},
        {"newest first", alReves, historia::Veredicto::Rechazado},
        {"a draw before the first Euromillones", sorteo({2004, 2, 6}).aBytes() + bien, historia::Veredicto::Rechazado},
    };
    for (const Caso& c : casos) {
        datos::escribeSorteos(ruta("numeros.dat"), actuales);
        QFile::remove(ruta("numeros.bak"));
        datos::escribeBytes(ruta("elegido.dat"), c.contenido);
        const auto r = historia::importa(m_ruta, ruta("elegido.dat"));
        EXPECT_EQ(r.veredicto, c.veredicto) << c.que;
        if (c.veredicto == historia::Veredicto::Importado) {
            EXPECT_EQ(datos::leeBytes(ruta("numeros.dat")), c.contenido) << c.que;
            EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.bak")), actuales) << c.que;
        } else {
            EXPECT_EQ(guardados(), actuales) << c.que;
            EXPECT_FALSE(QFileInfo::exists(ruta("numeros.bak"))) << c.que;
        }
    }
    const auto r = historia::importa(m_ruta, ruta("no-existe.dat"));
    EXPECT_EQ(r.veredicto, historia::Veredicto::Error);
    EXPECT_EQ(r.error, errores::ficheroNoEncontrado);
    EXPECT_EQ(guardados(), actuales);
}

TEST_F(Historia, deletingOneDrawOrAll)
{
    const auto sorteos = datos::sorteosSeguidos(4, QDate(2026, 12, 4));
    datos::escribeSorteos(ruta("numeros.dat"), sorteos);
    ASSERT_EQ(historia::borraSorteo(m_ruta, 4), 0); // the newest
    EXPECT_EQ(guardados(), (std::vector<RegSorteo>{sorteos[0], sorteos[1], sorteos[2]}));
    ASSERT_EQ(historia::borraSorteo(m_ruta, 2), 0);
    EXPECT_EQ(guardados(), (std::vector<RegSorteo>{sorteos[0], sorteos[2]}));
    ASSERT_EQ(historia::vacia(m_ruta), 0);
    EXPECT_EQ(QFileInfo(ruta("numeros.dat")).size(), 0);
    // The emptied history is kept; emptying an empty one keeps that copy.
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.bak")), (std::vector<RegSorteo>{sorteos[0], sorteos[2]}));
    ASSERT_EQ(historia::vacia(m_ruta), 0);
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.bak")).size(), 2u);
}

TEST_F(Historia, resetMakesEveryPenaStartToday)
{
    RegPena a = datos::pena("A", "Todos", {2020, 1, 1}, {{1, 2, 3, 4, 5, 6, 7}});
    a.aciertos = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    a.contado = 46000;
    datos::escribePenas(ruta("apuestas.dat"), {a, a});
    ASSERT_EQ(historia::reseteaPenas(m_ruta, QDate(2026, 12, 8)), 0);
    for (const RegPena& p : ficheroregistros::leeTodos<RegPena>(ruta("apuestas.dat"))) {
        EXPECT_EQ(p.aciertos, (std::array<std::int16_t, 13>{}));
        EXPECT_EQ(p.contado, 0.0);
        EXPECT_EQ(p.creacion, fechas::diaNumero(QDate(2026, 12, 8)));
        EXPECT_EQ(p.numeros, a.numeros);
        EXPECT_EQ(p.nombre, a.nombre);
    }
}

TEST_F(Historia, aWriteThatFailsHalfwayLeavesTheOldFile)
{
    // The file size limit makes the write fail part-way, as a full disk would.
    const QByteArray antiguo(220, 'a');
    datos::escribeBytes(ruta("numeros.dat"), antiguo);
    const auto anterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit pequeno{4096, limite.rlim_max};
    setrlimit(RLIMIT_FSIZE, &pequeno);
    const int error = reescribe(ruta("numeros.dat"), QByteArray(100000, 'b'));
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, anterior);

    EXPECT_NE(error, 0);
    EXPECT_EQ(datos::leeBytes(ruta("numeros.dat")), antiguo);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"numeros.dat"});
}

TEST_F(Historia, aReadOnlyDataFileIsAPermissionError)
{
    // A folder the user owns with read-only files: every write is error 75,
    // the message that tells the user what to do, and nothing changes.
    datos::escribeSorteos(ruta("numeros.dat"), datos::sorteosSeguidos(2, QDate(2026, 12, 4)));
    datos::escribePenas(ruta("apuestas.dat"), {datos::pena("UNO", "Todos", {2020, 1, 1})});
    datos::escribeSorteos(ruta("otro.dat"), datos::sorteosSeguidos(3, QDate(2026, 12, 8)));
    sinprivilegios::cede(m_dir.path());
    for (const char* nombre : {"numeros.dat", "apuestas.dat"})
        QFile::setPermissions(ruta(nombre), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray numeros = datos::leeBytes(ruta("numeros.dat"));
    const QByteArray apuestas = datos::leeBytes(ruta("apuestas.dat"));
    const QString dir = ficheros::calculaRuta(m_dir.path());
    const RegPena pena = datos::pena("DOS", "Todos", {2020, 1, 1});

    const std::pair<const char*, std::function<int()>> casos[] = {
        {"delete a peña", [&] { return borraPena(ruta("apuestas.dat"), 1); }},
        {"add a peña", [&] { Estado e; e.ruta = dir; e.proxpena = 2; return anadePena(e, pena, {2026, 12, 8}); }},
        {"write counters", [&] { return ficheroregistros::actualiza(ruta("apuestas.dat"), RegPena::tamano, {{1, pena.aBytes()}}); }},
        {"write one record", [&] { return ficheroregistros::escribe(ruta("apuestas.dat"), RegPena::tamano, 1, pena.aBytes()); }},
        {"reset the peñas", [&] { return historia::reseteaPenas(dir, {2026, 12, 8}); }},
        {"import", [&] { return historia::importa(dir, ruta("otro.dat")).error; }},
        {"delete a draw", [&] { return historia::borraSorteo(dir, 1); }},
        {"delete every draw", [&] { return historia::vacia(dir); }},
    };
    for (const auto& [que, operacion] : casos) {
        EXPECT_EQ(sinprivilegios::ejecuta(operacion), errores::accesoRuta) << que;
        EXPECT_EQ(datos::leeBytes(ruta("numeros.dat")), numeros) << que;
        EXPECT_EQ(datos::leeBytes(ruta("apuestas.dat")), apuestas) << que;
    }
}

TEST_F(Historia, aNewDataDirectoryGetsTheShippedHistory)
{
    ASSERT_EQ(historia::preparaInicial(m_ruta), 0);
    const auto escritos = guardados();
    EXPECT_EQ(escritos.size(), 1980u);
    if (const auto real = datos::historiaReal()) {
        EXPECT_EQ(escritos, *real);
    }
    // An existing file, even an empty one, is never touched.
    datos::escribeBytes(ruta("numeros.dat"), {});
    ASSERT_EQ(historia::preparaInicial(m_ruta), 0);
    EXPECT_EQ(QFileInfo(ruta("numeros.dat")).size(), 0);
}

TEST_F(Historia, csvMergeInsertsSkipsEqualRowsAndRefusesContradictions)
{
    // Stored: 27 Nov and 4 Dec; 1 Dec is missing.
    const auto actuales = std::vector<RegSorteo>{sorteo({2026, 11, 27}, {1, 2, 3, 4, 5, 1, 2}),
                                                 sorteo({2026, 12, 4}, {3, 14, 25, 36, 47, 2, 9})};
    struct Caso
    {
        const char* que;
        QByteArray csv;
        std::optional<QString> rechazo; // nothing changes when set
        int insertados, iguales;
    };
    const Caso casos[] = {
        {"header, commas, ISO", "date,n1,n2,n3,n4,n5,s1,s2\n2026-12-01,10,20,30,40,50,3,4\n", {}, 1, 0},
        {"semicolons, Spanish dates, any order", "01/12/2026;50;40;30;20;10;4;3\r\n04/12/2026;47;36;25;14;3;9;2\r\n", {}, 1, 1},
        {"tabs, no header, only equal rows", "2026-11-27\t1\t2\t3\t4\t5\t1\t2\n", {}, 0, 1},
        {"a row that contradicts a stored draw", "2026-12-01,10,20,30,40,50,3,4\n2026-12-04,1,2,3,4,5,1,2\n",
         QStringLiteral("Línea 2: el sorteo del 04/12/2026 no coincide con el guardado"), 0, 0},
        {"a Wednesday", "2026-12-01,10,20,30,40,50,3,4\n2026-12-02,10,20,30,40,50,3,4\n",
         QStringLiteral("Línea 2: el 02/12/2026 (miércoles) no hubo sorteo"), 0, 0},
        {"a star 12 in 2015", "2015-11-06,1,2,3,4,5,1,12\n",
         QStringLiteral("Línea 1: el sorteo del 06/11/2015 no tiene dos estrellas distintas del 1 al 11"), 0, 0},
        {"a future draw", "2026-12-11,1,2,3,4,5,1,2\n", QStringLiteral("el sorteo del 11/12/2026 es posterior a hoy"), 0, 0},
        {"a short row", "2026-12-01,10,20,30,40,50,3\n",
         QStringLiteral("Línea 1: se esperaban la fecha, cinco números y dos estrellas"), 0, 0},
        {"a ninth value", "2026-12-01,10,20,30,40,50,3,4,5\n",
         QStringLiteral("Línea 1: se esperaban la fecha, cinco números y dos estrellas"), 0, 0},
        {"a Friday of 1999", "1999-01-01,1,2,3,4,5,1,2\n",
         QStringLiteral("Línea 1: el 01/01/1999 no hubo sorteo: el primero fue el 13/02/2004"), 0, 0},
        {"a Friday of 1900", "05/01/1900,1,2,3,4,5,1,2\n",
         QStringLiteral("Línea 1: el 05/01/1900 no hubo sorteo: el primero fue el 13/02/2004"), 0, 0},
        {"the Friday before the first draw", "2004-02-06,1,2,3,4,5,1,2\n",
         QStringLiteral("Línea 1: el 06/02/2004 no hubo sorteo: el primero fue el 13/02/2004"), 0, 0},
    };
    for (const Caso& c : casos) {
        datos::escribeSorteos(ruta("numeros.dat"), actuales);
        QFile::remove(ruta("numeros.bak"));
        const csvsorteos::Lectura l = csvsorteos::lee(c.csv);
        historia::Fusion f;
        if (l.error)
            f.rechazo = l.error;
        else
            f = historia::fusiona(m_ruta, l.sorteos, QDate(2026, 12, 8), true, l.lineas);
        EXPECT_EQ(f.error, 0) << c.que;
        if (c.rechazo) {
            ASSERT_TRUE(f.rechazo.has_value()) << c.que;
            EXPECT_TRUE(f.rechazo->endsWith(*c.rechazo)) << c.que << ": " << qPrintable(*f.rechazo);
            EXPECT_EQ(guardados(), actuales) << c.que;
            continue;
        }
        EXPECT_FALSE(f.rechazo.has_value()) << c.que;
        EXPECT_EQ(f.insertados, c.insertados) << c.que;
        EXPECT_EQ(f.iguales, c.iguales) << c.que;
        const auto despues = guardados();
        EXPECT_EQ(static_cast<int>(despues.size()), 2 + c.insertados) << c.que;
        EXPECT_TRUE(std::is_sorted(despues.begin(), despues.end(), [](auto& a, auto& b) { return a.fecha < b.fecha; })) << c.que;
        if (c.insertados > 0) {
            EXPECT_EQ(datos::elemento(despues, 1), sorteo({2026, 12, 1}, {10, 20, 30, 40, 50, 3, 4})) << c.que;
            EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.bak")), actuales) << c.que;
        }
    }

    // Export: the same layout, oldest first, read back the same.
    datos::escribeSorteos(ruta("numeros.dat"), actuales);
    const QByteArray csv = csvsorteos::escribe(guardados());
    EXPECT_TRUE(csv.startsWith("date,n1,n2,n3,n4,n5,s1,s2\n2026-11-27,1,2,3,4,5,1,2\n"));
    EXPECT_EQ(csvsorteos::lee(csv).sorteos, actuales);
}

TEST(Huecos, everyMissingDrawDayBetweenTheOldestAndTheNewest)
{
    // Fridays only before 10 May 2011, then Tuesdays and Fridays.
    const std::vector<RegSorteo> conHuecos = {sorteo({2011, 4, 29}), sorteo({2011, 5, 13}), sorteo({2011, 5, 17}),
                                              sorteo({2011, 5, 24})};
    EXPECT_EQ(historia::huecos(conHuecos), (std::vector<QDate>{{2011, 5, 6}, {2011, 5, 10}, {2011, 5, 20}}));
    EXPECT_TRUE(historia::huecos({}).empty());
    EXPECT_TRUE(historia::huecos(datos::sorteosSeguidos(50, QDate(2026, 12, 4))).empty());
    if (const auto real = datos::historiaReal()) {
        EXPECT_TRUE(historia::huecos(*real).empty());
    }
}

} // namespace

#include "core/store/errores.h"
#include "core/store/estado.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/numsini.h"
#include "core/store/penas.h"
#include "core/store/premios.h"
#include "core/store/reescritura.h"
#include "core/store/socios.h"
#include "support/datos.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

class Ficheros : public ::testing::Test
{
protected:
    QString ruta(const QString& nombre) const { return m_dir.filePath(nombre); }
    QTemporaryDir m_dir;
};

TEST_F(Ficheros, countsOnlyWholeRecords)
{
    struct Caso
    {
        int registros;
        int sobrantes;
    };
    for (const Caso c : {Caso{0, 0}, Caso{0, 10}, Caso{5, 0}, Caso{5, 10}, Caso{5, 21}}) {
        const auto sorteos = datos::sorteosSeguidos(c.registros, QDate(2026, 12, 4));
        QByteArray bytes;
        for (const RegSorteo& s : sorteos)
            bytes += s.aBytes();
        bytes += QByteArray(c.sobrantes, '\x7f');
        datos::escribeBytes(ruta("numeros.dat"), bytes);
        const auto leidos = ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.dat"));
        EXPECT_EQ(leidos, sorteos) << c.registros << " records + " << c.sobrantes << " bytes";
    }
    EXPECT_TRUE(ficheroregistros::leeTodos<RegPena>(ruta("missing.dat")).empty());
}

TEST_F(Ficheros, appendingThreeDrawsWritesThemAfterTheLast)
{
    const auto sorteos = datos::sorteosSeguidos(8, QDate(2026, 12, 4));
    datos::escribeSorteos(ruta("numeros.dat"), {sorteos.begin(), sorteos.begin() + 5});
    for (int k = 6; k <= 8; ++k)
        ASSERT_EQ(ficheroregistros::escribe(ruta("numeros.dat"), RegSorteo::tamano, k,
                                            sorteos[k - 1].aBytes()),
                  0);
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.dat")), sorteos);
}

TEST_F(Ficheros, appendingAPenaNumbersItAndResetsItsCounters)
{
    Estado estado;
    estado.ruta = ficheros::calculaRuta(m_dir.path());
    RegPena nueva = datos::pena(QStringLiteral("PRIMERA"), QStringLiteral("Todos"), QDate(2020, 1, 1));
    nueva.aciertos.fill(7);
    nueva.contado = 12345;

    // Empty file: proxpena is 0 and the peña goes to record 1.
    datos::escribeBytes(ruta("apuestas.dat"), {});
    ASSERT_EQ(anadePena(estado, nueva, QDate(2026, 12, 8)), 0);
    EXPECT_EQ(estado.proxpena, 2);
    EXPECT_TRUE(estado.penanueva);

    nueva.nombre = QStringLiteral("SEGUNDA");
    ASSERT_EQ(anadePena(estado, nueva, QDate(2026, 12, 9)), 0);
    EXPECT_EQ(estado.proxpena, 3);

    const auto penas = ficheroregistros::leeTodos<RegPena>(ruta("apuestas.dat"));
    ASSERT_EQ(penas.size(), 2u);
    EXPECT_EQ(penas[0].nombreRecortado(), QStringLiteral("PRIMERA"));
    EXPECT_EQ(penas[1].nombreRecortado(), QStringLiteral("SEGUNDA"));
    EXPECT_EQ(penas[0].creacion, fechas::diaNumero(QDate(2026, 12, 8)));
    EXPECT_EQ(penas[1].creacion, fechas::diaNumero(QDate(2026, 12, 9)));
    for (const RegPena& p : penas) {
        EXPECT_EQ(p.contado, 0.0);
        for (auto a : p.aciertos)
            EXPECT_EQ(a, 0);
    }
}

TEST_F(Ficheros, aFailedAppendChangesNoState)
{
    // A directory where the file should be: the write cannot happen, even as root.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("apuestas.dat")));
    Estado estado;
    estado.ruta = ficheros::calculaRuta(m_dir.path());
    estado.proxpena = 4;
    const int error = anadePena(estado, datos::pena(QStringLiteral("X"), QStringLiteral("Todos"), {}),
                                QDate(2026, 12, 8));
    EXPECT_NE(error, 0);
    EXPECT_EQ(estado.proxpena, 4);
    EXPECT_FALSE(estado.penanueva);
}

TEST_F(Ficheros, rewriteReplacesTheWholeFile)
{
    datos::escribeBytes(ruta("numeros.dat"), QByteArray(44, 'a'));
    ASSERT_EQ(reescribe(ruta("numeros.dat"), QByteArray(22, 'b')), 0);
    EXPECT_EQ(datos::leeBytes(ruta("numeros.dat")), QByteArray(22, 'b'));
    ASSERT_EQ(reescribe(ruta("numeros.dat"), {}), 0);
    EXPECT_TRUE(datos::leeBytes(ruta("numeros.dat")).isEmpty());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"numeros.dat"});
}

TEST_F(Ficheros, aFailedRewriteLeavesTheOldFileAndReportsIt)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("apuestas.dat")));
    EXPECT_NE(reescribe(ruta("apuestas.dat"), QByteArray(799, 'x')), 0);
    EXPECT_TRUE(QFileInfo(ruta("apuestas.dat")).isDir());
    EXPECT_EQ(reescribe(ruta("no/existe/apuestas.dat"), QByteArray(799, 'x')),
              errores::rutaNoEncontrada);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{});
}

TEST_F(Ficheros, numsIniGetsItsRecordOnceAndKeepsReservedBytes)
{
    const QString ini = ruta("nums.ini");
    datos::escribeBytes(ini, {});
    ASSERT_EQ(numsini::prepara(ini), 0);
    EXPECT_EQ(datos::leeBytes(ini), QByteArray(14, '\0'));

    QByteArray conReservados = QByteArray::fromHex("aabbccdd") + QByteArray(8, '\0') +
                               QByteArray::fromHex("eeff");
    datos::escribeBytes(ini, conReservados);
    ASSERT_EQ(numsini::prepara(ini), 0);
    EXPECT_EQ(datos::leeBytes(ini), conReservados); // a file with its record is left alone

    ASSERT_EQ(numsini::escribe(ini, {1.5f, -2.25f}), 0);
    const QByteArray escrito = datos::leeBytes(ini);
    EXPECT_EQ(escrito.left(4), conReservados.left(4));
    EXPECT_EQ(escrito.mid(12), conReservados.mid(12));
    EXPECT_EQ(escrito.mid(4, 4), QByteArray::fromHex("0000c03f")); // 1.5f, little-endian
    EXPECT_EQ(numsini::lee(ini).x, 1.5f);
    EXPECT_EQ(numsini::lee(ini).y, -2.25f);
}

TEST_F(Ficheros, deletingAPenaMovesTheLaterOnesDown)
{
    const std::vector<RegPena> tres = {datos::pena("UNO", "Todos", {2020, 1, 1}),
                                       datos::pena("DOS", "Martes", {2021, 1, 1}),
                                       datos::pena("TRES", "Viernes", {2022, 1, 1})};
    datos::escribePenas(ruta("apuestas.dat"), tres);
    ASSERT_EQ(borraPena(ruta("apuestas.dat"), 2), 0);
    EXPECT_EQ(ficheroregistros::leeTodos<RegPena>(ruta("apuestas.dat")),
              (std::vector<RegPena>{tres[0], tres[2]}));

    datos::escribePenas(ruta("apuestas.dat"), {tres[1]});
    ASSERT_EQ(borraPena(ruta("apuestas.dat"), 1), 0);
    EXPECT_EQ(QFileInfo(ruta("apuestas.dat")).size(), 0);
}

TEST_F(Ficheros, aFailedDeletionKeepsEveryPena)
{
    // Unreadable (a directory) or missing: never replaced by an empty file.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("apuestas.dat")));
    EXPECT_NE(borraPena(ruta("apuestas.dat"), 1), 0);
    EXPECT_TRUE(QFileInfo(ruta("apuestas.dat")).isDir());
    EXPECT_EQ(borraPena(ruta("otra.dat"), 1), errores::ficheroNoEncontrado);
    EXPECT_FALSE(QFileInfo::exists(ruta("otra.dat")));
}

TEST_F(Ficheros, updatingRecordsKeepsTheOthersAndStrayBytes)
{
    QByteArray original = QByteArray(3 * 22, 'a') + QByteArray("xyz");
    datos::escribeBytes(ruta("numeros.dat"), original);
    ASSERT_EQ(ficheroregistros::actualiza(ruta("numeros.dat"), 22, {{2, QByteArray(22, 'b')}}), 0);
    QByteArray esperado = original;
    esperado.replace(22, 22, QByteArray(22, 'b'));
    EXPECT_EQ(datos::leeBytes(ruta("numeros.dat")), esperado);
    EXPECT_EQ(ficheroregistros::actualiza(ruta("nada.dat"), 22, {{1, QByteArray(22, 'b')}}),
              errores::ficheroNoEncontrado);
}

TEST(Ruta, endsInOneSeparator)
{
    EXPECT_EQ(ficheros::calculaRuta(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(ficheros::calculaRuta(QStringLiteral("C:/")), QStringLiteral("C:/"));
    EXPECT_EQ(ficheros::calculaRuta(QStringLiteral("/opt/bolvera")), QStringLiteral("/opt/bolvera/"));
    EXPECT_EQ(ficheros::calculaRuta(QStringLiteral("/opt/bolvera/")), QStringLiteral("/opt/bolvera/"));
    EXPECT_EQ(ficheros::calculaRuta(QStringLiteral("/ab")), QStringLiteral("/ab/"));
}

} // namespace

namespace {

TEST(Socios, aFileThatIsNotOursIsDamagedAndWhatIsReadWritesBackTheSame)
{
    const QByteArray bueno = R"({"version": 1, "penas": [{"pena": {"nombre": "UNO", "creacion": "2026-01-01", "tipo": 1},
        "ultimoResumen": "2026-03-01",
        "socios": [{"nombre": "Ana", "participaciones": 2, "nota": "600", "pagos": [{"fecha": "2026-01-05", "centimos": -250}]}]}]})";
    struct Caso
    {
        const char* que;
        QByteArray texto;
        bool danado;
    };
    const Caso casos[] = {
        {"ours", bueno, false},
        {"no file content", "", true},
        {"not JSON", "{ no", true},
        {"another version", QByteArray(bueno).replace("\"version\": 1", "\"version\": 2"), true},
        {"no shares", QByteArray(bueno).replace("\"participaciones\": 2", "\"participaciones\": 0"), true},
        {"a payment in fractions of a cent", QByteArray(bueno).replace("-250", "-2.5"), true},
        {"a payment beyond any prize (found by fuzzing)", QByteArray(bueno).replace("-250", "2e126"), true},
        {"a payment a cent beyond the bound", QByteArray(bueno).replace("-250", "100000000001"), true},
        {"a correction of -2.000.000.000 €", QByteArray(bueno).replace("-250", "-200000000000"), true},
        // A field of another type is damage, never read as nothing.
        {"payments as an object", QByteArray(bueno).replace(R"("pagos": [{"fecha": "2026-01-05", "centimos": -250}])",
                                                            R"("pagos": {"fecha": "2026-01-05", "centimos": -250})"), true},
        {"members as a string", QByteArray(bueno).replace(R"("socios": [)", R"("socios": "x", "otros": [)"), true},
        {"shares as text", QByteArray(bueno).replace("\"participaciones\": 2", "\"participaciones\": \"2\""), true},
        {"a note as a number", QByteArray(bueno).replace("\"nota\": \"600\"", "\"nota\": 600"), true},
        {"peñas as an object", R"({"version": 1, "penas": {"x": []}})", true},
        {"a summary day that is no day", QByteArray(bueno).replace("2026-03-01", "ayer"), true},
        // Found by fuzzing: year 26 reads as a date but no peña can be of that day.
        {"a creation no peña can have", QByteArray(bueno).replace("2026-01-01", "0026-01-01"), true},
    };
    for (const Caso& c : casos) {
        const socios::Lectura l = socios::leeTexto(c.texto);
        EXPECT_EQ(l.error.has_value(), c.danado) << c.que;
        if (l.error)
            continue;
        const socios::Lectura otra = socios::leeTexto(socios::texto(l.grupos));
        ASSERT_FALSE(otra.error.has_value()) << c.que;
        ASSERT_EQ(otra.grupos.size(), 1u);
        EXPECT_EQ(otra.grupos[0].pena, datos::elemento(l.grupos, 0).pena);
        EXPECT_EQ(otra.grupos[0].ultimoResumen, QDate(2026, 3, 1));
        EXPECT_EQ(otra.grupos[0].socios[0].pagos[0].centimos, -250);
    }
}

// A family that plays the same bets twice: peñas of one name, day and shape
// each keep their own members, whichever of them is deleted.
TEST(Socios, twinsKeepTheirOwnMembersWhateverIsDeleted)
{
    const RegPena familia = datos::pena("FAMILIA", "Todos", {2026, 11, 1});
    const std::vector<RegPena> penas = {familia, datos::pena("OTRA", "Todos", {2026, 11, 1}), familia, familia};
    EXPECT_EQ(socios::claveDe(penas, 3).gemela, 2);
    const struct
    {
        std::size_t borrada;
        QStringList quedan; // the first member of each peña left, in order
    } casos[] = {
        {0, {"", "BEA", "CAR"}}, // the first twin: the others move up one place
        {2, {"ANA", "", "CAR"}},
        {1, {"ANA", "BEA", "CAR"}}, // another peña: the twins as they were
    };
    for (const auto& c : casos) {
        QTemporaryDir dir;
        const QString ruta = dir.path() + u'/';
        std::vector<socios::Grupo> grupos;
        socios::pon(grupos, socios::claveDe(penas, 0), {{"ANA", 1, {}, {}}});
        socios::pon(grupos, socios::claveDe(penas, 2), {{"BEA", 1, {}, {}}});
        socios::pon(grupos, socios::claveDe(penas, 3), {{"CAR", 1, {}, {}}});
        ASSERT_EQ(socios::guarda(ruta, grupos), 0);
        ASSERT_EQ(socios::apartaDe(ruta, penas, c.borrada, false), 0);
        std::vector<RegPena> quedan = penas;
        quedan.erase(quedan.begin() + static_cast<std::ptrdiff_t>(c.borrada));
        const socios::Lectura l = socios::lee(ruta);
        QStringList primeros;
        for (std::size_t i = 0; i < quedan.size(); ++i)
            primeros << datos::elemento(socios::de(l.grupos, socios::claveDe(quedan, i)), 0).nombre;
        EXPECT_EQ(primeros, c.quedan) << c.borrada;
    }
    // A peña without members leaves no members' file where there was none.
    QTemporaryDir vacia;
    ASSERT_EQ(socios::apartaDe(vacia.path() + u'/', penas, 1, false), 0);
    EXPECT_FALSE(QFileInfo::exists(vacia.filePath("socios.json")));
}

// The members' rules both front ends follow: each refused change leaves the
// list as it was and says why.
TEST(Socios, theRulesRefuseWhatTheFileCouldNotHoldAndChangeNothing)
{
    using M = socios::Motivo;
    const std::vector<socios::Socio> inicial = {{"Ana", 2, "600", {}}, {"José", 1, {}, {}}};
    const QDate dia(2026, 12, 8);
    const struct
    {
        const char* que;
        std::function<socios::Resultado(std::vector<socios::Socio>&)> hace;
        socios::Resultado motivo;
    } casos[] = {
        {"a new member", [](auto& l) { return socios::anade(l, {" Bea ", 1, {}, {}}); }, {}},
        {"a new member without a name", [](auto& l) { return socios::anade(l, {"  ", 1, {}, {}}); }, M::SinNombre},
        {"a name another member has, in capitals",
         [](auto& l) { return socios::anade(l, {"ANA", 1, {}, {}}); }, M::NombreRepetido},
        {"the same name with its accent typed apart",
         [](auto& l) { return socios::anade(l, {QStringLiteral("Jose\u0301"), 1, {}, {}}); }, M::NombreRepetido},
        {"no shares", [](auto& l) { return socios::anade(l, {"Bea", 0, {}, {}}); }, M::SinParticipaciones},
        {"a member keeps its own name in other capitals",
         [](auto& l) { return socios::cambia(l, 0, {"ANA", 3, {}, {}}); }, {}},
        {"renamed as another member", [](auto& l) { return socios::cambia(l, 0, {"JOSÉ", 2, {}, {}}); },
         M::NombreRepetido},
        {"shares down to none", [](auto& l) { return socios::cambia(l, 1, {"José", 0, {}, {}}); }, M::SinParticipaciones},
        {"a payment", [&](auto& l) { return socios::paga(l, 1, {dia, 1250}, false); }, {}},
        {"a payment of nothing", [&](auto& l) { return socios::paga(l, 1, {dia, 0}, false); }, M::ImporteNoValido},
        {"a payment beyond any prize",
         [&](auto& l) { return socios::paga(l, 1, {dia, premios::maximoCentimos + 1}, false); }, M::ImporteNoValido},
        {"a correction beyond any prize",
         [&](auto& l) { return socios::paga(l, 1, {dia, premios::maximoCentimos + 1}, true); }, M::ImporteNoValido},
    };
    for (const auto& c : casos) {
        std::vector<socios::Socio> lista = inicial;
        EXPECT_EQ(c.hace(lista), c.motivo) << c.que;
        if (c.motivo) {
            EXPECT_EQ(socios::texto({{{"P", 1, 1, 0}, lista, {}}}), socios::texto({{{"P", 1, 1, 0}, inicial, {}}})) << c.que;
        }
    }
    // What the accepted ones leave: a trimmed name, the payments kept, a correction stored as a negative entry.
    std::vector<socios::Socio> lista = inicial;
    ASSERT_FALSE(socios::anade(lista, {" Bea ", 1, {}, {}}));
    ASSERT_FALSE(socios::paga(lista, 0, {dia, 1000}, false));
    ASSERT_FALSE(socios::paga(lista, 0, {dia, 250}, true));
    ASSERT_FALSE(socios::cambia(lista, 0, {"ANA", 3, {}, {}}));
    ASSERT_EQ(lista.size(), 3u);
    EXPECT_EQ(lista[2].nombre, QStringLiteral("Bea"));
    EXPECT_EQ(lista[0].nombre, QStringLiteral("ANA"));
    EXPECT_EQ(lista[0].participaciones, 3);
    ASSERT_EQ(lista[0].pagos.size(), 2u);
    EXPECT_EQ(lista[0].pagos[1].centimos, -250);
    socios::quita(lista, 1);
    EXPECT_EQ(socios::busca(lista, QStringLiteral("bea")), std::optional<std::size_t>(1));
}

} // namespace

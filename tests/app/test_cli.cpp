#include "core/platform/cerrojo.h"
#include "core/programa/versionprograma.h"
#include "core/store/csvsorteos.h"
#include "core/store/penas.h"
#include "core/store/premios.h"
#include "core/store/socios.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "support/datos.h"
#include "support/paginas.h"
#include "support/servidor.h"
#include "support/sinprivilegios.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include <algorithm>
#include <csignal>
#include <functional>
#include <map>
#include <optional>

#include <sys/resource.h>

using namespace bolvera;

namespace {

struct Salida
{
    int estado;
    QByteArray out;
    QByteArray err;
};

Salida ejecuta(const QStringList& argumentos)
{
    QProcess p;
    p.start(QStringLiteral(BOLVERA_CLI), argumentos);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

TEST(CliEstado, jsonHoldsExactlyTheStatusKeys)
{
    QTemporaryDir dir;
    datos::escribeSorteos(dir.filePath("numeros.dat"), datos::sorteosSeguidos(10, QDate(2026, 11, 13)));
    datos::escribePenas(dir.filePath("apuestas.dat"),
                        {datos::pena("UNO", "Martes", {2020, 1, 1}), datos::pena("DOS", "Martes", {2020, 1, 1})});
    const Salida s = ejecuta({"estado", "--dir", dir.path(), "--hoy", "2026-12-08", "--json"});
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    const QJsonObject o = QJsonDocument::fromJson(s.out).object();
    EXPECT_EQ(o.keys(), (QStringList{"aviso", "carpeta", "penas", "proximo", "proxpena", "proxsorteo",
                                     "sorteosjugados", "ultima"}));
    EXPECT_EQ(o["carpeta"].toString(), QDir::toNativeSeparators(QDir(dir.path()).absolutePath() + u'/'));
    EXPECT_EQ(o["penas"].toInt(), 2);
    EXPECT_EQ(o["ultima"].toString(), QStringLiteral("Viernes, 13 de noviembre del 2026"));
    EXPECT_EQ(o["proximo"].toString(), QStringLiteral("Martes, 8 de diciembre del 2026"));
    EXPECT_EQ(o["aviso"].toString(), QStringLiteral("Faltan 3 semanas por actualizar"));
    EXPECT_EQ(o["sorteosjugados"].toInt(), 5);
    EXPECT_EQ(o["proxsorteo"].toInt(), 11);
    EXPECT_EQ(o["proxpena"].toInt(), 3);
    // Read-only: nothing is created in the data directory.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(CliEstado, readableLinesAndAnEmptyDirectory)
{
    QTemporaryDir dir;
    // A new directory gets the shipped history, as in the window.
    Salida s = ejecuta({"estado", "--dir", dir.path(), "--hoy", "2026-12-09"});
    EXPECT_TRUE(QString::fromUtf8(s.out).contains(QStringLiteral("Viernes, 11 de septiembre del 2026")));
    datos::escribeBytes(dir.filePath("numeros.dat"), {});
    s = ejecuta({"estado", "--dir", dir.path(), "--hoy", "2026-12-09"});
    ASSERT_EQ(s.estado, 0);
    const QString texto = QString::fromUtf8(s.out);
    EXPECT_TRUE(texto.contains(QStringLiteral("Fichero de datos vacío.")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Viernes, 11 de diciembre del 2026")));
    EXPECT_TRUE(texto.contains(QStringLiteral("No se ha actualizado nunca")));
}

// Every file of a folder with its bytes.
std::map<QString, QByteArray> contenido(const QString& dir)
{
    std::map<QString, QByteArray> ficheros;
    for (const QString& f : QDir(dir).entryList(QDir::Files | QDir::Hidden))
        ficheros[f] = datos::leeBytes(QDir(dir).filePath(f));
    return ficheros;
}

TEST(CliLinea, statusZeroDoneOneRefusedTwoNonsenseCheckedBeforeAnyWrite)
{
    QTemporaryDir dir;
    datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 12, 1}, {1, 2, 3, 4, 5, 1, 2}),
                                                        datos::sorteo({2026, 12, 4}, {1, 2, 3, 4, 6, 1, 3})});
    // A name with control bytes, as a damaged or hand-made file may hold.
    datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("A\x01" "B\tC", "Todos", {2020, 1, 1}),
                                                       datos::pena("OTRA", "Todos", {2020, 1, 1})});
    const QString pdf = dir.filePath("x.pdf");
    struct Caso
    {
        QStringList argumentos; // --dir is added when they have none
        int estado;
        QString mensaje;       // part of stderr, or of stdout for status 0
        bool ventana = true;   // the window holds the folder
    };
    const Caso casos[] = {
        {{"penas"}, 0, "A\\x01B\\tC "},
        {{"penas"}, 0, "OTRA" + QString(20, u' ') + " | "}, // the columns still line up
        {{"comprobar", "1"}, 0, "A\\x01B\\tC", false},
        {{"precio"}, 0, "Precio por apuesta: 2,50 €"},
        {{"comprobar", "1"}, 1, "está en uso por otro Bolvera"},
        {{"comprobar", "3"}, 1, "Sólo hay 2 sorteos", false},
        {{"pena", "9"}, 1, "corrupto"},
        {{"estado", "--dir", dir.filePath("no-existe")}, 1, "No existe el directorio"},
        {{}, 2, "Uso: bolvera-cli ORDEN"},
        {{"otra"}, 2, "Orden desconocida: otra"},
        {{"estado", "--foo"}, 2, "Opción desconocida: --foo"},
        {{"-x", "estado"}, 2, "Opción desconocida: -x"},
        {{"estado", "--json=si"}, 2, "--json no lleva valor"},
        {{"estado", "--hoy", "ayer"}, 2, "Fecha no válida: ayer"},
        {{"estado", "--hoy", "--json"}, 2, "Falta el valor de --hoy"},
        {{"estado", "--dir", "--json"}, 2, "Falta el valor de --dir"},
        {{"estado", "--papel", "normal"}, 2, "--papel no vale para estado"},
        {{"penas", "de", "mas"}, 2, "Sobra «de»"},
        {{"comprobar"}, 2, "Falta N"},
        {{"comprobar", "abc"}, 2, "N ha de ser un número de 0 en adelante, no «abc»"},
        {{"comprobar", "-1"}, 2, "no «-1»"},
        {{"comprobar", "1", "2"}, 2, "Sobra «2»"},
        {{"pena", "abc"}, 2, "R ha de ser"},
        {{"pena", "-3"}, 2, "no «-3»"},
        {{"recontar", "x"}, 2, "R ha de ser"},
        {{"desglose", "205", "6", "0"}, 2, "H ha de ser un número de 0 a 5"},
        {{"desglose", "999", "1", "1"}, 2, "TIPO ha de ser el de una apuesta múltiple"},
        {{"desglose", "5", "1", "1"}, 2, "no «5»"}, // five simple bets: no breakdown
        {{"precio", "abc"}, 2, "EUROS ha de ser un importe"},
        {{"precio", "-1"}, 2, "EUROS ha de ser un importe"},
        // A price is more than nothing, no more than a prize, in whole cents.
        {{"precio", "0,00"}, 2, "EUROS ha de ser un importe de más de 0,00 € en céntimos enteros, no «0,00»."},
        {{"precio", "2,505"}, 2, "no «2,505»"},
        {{"precio", "1000000000,01"}, 2, "no «1000000000,01»"},
        {{"precio", "99999999999999999999"}, 2, "no «99999999999999999999»"},
        // Nonsense that only the command itself could tell: said before anything is touched.
        {{"nueva-pena", "--nombre=", "1 2 3 4 5 + 1 2"}, 1, "¡¡¡No ha escrito el nombre de la peña!!!"},
        {{"nueva-pena", "--nombre", "X", "--dia=", "1 2 3 4 5 + 1 2"}, 2, "--dia no puede ir vacío"},
        {{"nueva-pena", "--nombre", "X", "1 2 3 + 1 2"}, 1, "Una apuesta múltiple va sola"},
        {{"nueva-pena", "--nombre", "X", "uno dos"}, 1, "Apuesta no válida"},
        {{"imprimir", "1", "--pdf="}, 2, "--pdf no puede ir vacío"},
        {{"socio-pago", "1", "ANA", "0"}, 2, "EUROS ha de ser un importe de más de 0,00 €"},
        {{"socio-anadir", "1", " ", "1"}, 2, "El socio necesita un nombre."},
        {{"socio-cambiar", "1", "ANA"}, 2, "Indique --nombre o --participaciones."},
        {{"nueva-pena", "--nombre", "X", "--dia", "Lunes", "1 2 3 4 5 + 1 2"}, 2, "--dia ha de ser Martes, Viernes o Todos"},
        {{"nueva-pena", "--nombre", "X"}, 2, "Falta \"1 2 3 4 5 + 1 2\""},
        {{"nueva-pena", "1 2 3 4 5 + 1 2"}, 2, "Falta --nombre"},
        {{"nueva-pena", "--nombre", "--dia", "Martes", "1 2 3 4 5 + 1 2"}, 2, "Falta el valor de --nombre"},
        {{"imprimir", "1", "--papel", "raro", "--pdf", pdf}, 2, "--papel ha de ser oficial o normal"},
        {{"imprimir", "1", "--pdf", pdf, "--dos-semanas", "tal vez"}, 2, "--dos-semanas ha de ser si o no"},
        {{"imprimir", "1"}, 2, "Falta --pdf"},
    };
    std::optional<Cerrojo> ventana;
    for (const Caso& c : casos) {
        if (!c.ventana) {
            ventana.reset();
        } else if (!ventana) {
            ASSERT_TRUE(ventana.emplace(dir.path() + u'/').toma());
        }
        const auto antes = contenido(dir.path());
        const Salida s = ejecuta(c.argumentos.contains("--dir") ? c.argumentos : c.argumentos + QStringList{"--dir", dir.path()});
        const QString donde = c.argumentos.join(' ');
        EXPECT_EQ(s.estado, c.estado) << qPrintable(donde) << "\n" << s.err.constData();
        EXPECT_FALSE(s.out.contains('\x01') || s.out.contains("B\tC")) << qPrintable(donde);
        if (c.estado == 0) {
            EXPECT_TRUE(QString::fromUtf8(s.out).contains(c.mensaje)) << qPrintable(donde) << "\n" << s.out.constData();
            continue;
        }
        EXPECT_TRUE(QString::fromUtf8(s.err).contains(c.mensaje)) << qPrintable(donde) << "\n" << s.err.constData();
        EXPECT_TRUE(s.out.isEmpty()) << qPrintable(donde);
        EXPECT_EQ(contenido(dir.path()), antes) << qPrintable(donde);
        // Nonsense never makes the files of a new folder either.
        if (c.estado == 2 && !c.argumentos.contains("--dir")) {
            QTemporaryDir nueva;
            EXPECT_EQ(ejecuta(c.argumentos + QStringList{"--dir", nueva.path()}).estado, 2) << qPrintable(donde);
            EXPECT_TRUE(contenido(nueva.path()).empty()) << qPrintable(donde);
        }
    }
    EXPECT_FALSE(QFileInfo::exists(pdf));

    const Salida v = ejecuta({"--version"});
    EXPECT_EQ(v.estado, 0);
    EXPECT_EQ(v.out, QByteArray("Bolvera " BOLVERA_VERSION "\n")); // project()'s, through the generated header
    const Salida a = ejecuta({"--help"});
    EXPECT_EQ(a.estado, 0);
    EXPECT_TRUE(a.out.startsWith("Uso: bolvera-cli ORDEN"));
    EXPECT_TRUE(a.out.contains("\n  comprobar N [--historico] [--solo-premio]"));
}

} // namespace

namespace {

class CliComprobar : public ::testing::Test
{
protected:
    CliComprobar()
    {
        datos::escribeSorteos(m_dir.filePath("numeros.dat"),
                              {datos::sorteo({2026, 12, 1}, {1, 2, 3, 4, 5, 1, 2}),
                               datos::sorteo({2026, 12, 4}, {3, 14, 25, 36, 47, 2, 9})});
        RegPena m = datos::pena("MULTI", "Todos", {2020, 1, 1});
        m.tipo = 162;
        m.numeros[0] = {3, 14, 25, 40, 41, 42};
        m.estrellas[0] = {5, 6};
        datos::escribePenas(m_dir.filePath("apuestas.dat"),
                            {datos::pena("SIMPLE", "Todos", {2020, 1, 1}, {{3, 14, 40, 41, 42, 5, 9}}), m});
    }
    QStringList con(QStringList argumentos) const { return argumentos << "--dir" << m_dir.path(); }
    QTemporaryDir m_dir;
};

TEST_F(CliComprobar, comprobarPrintsBothListsAndKeepsTheCounters)
{
    const Salida s = ejecuta(con({"comprobar", "1", "--json"}));
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    const QJsonObject o = QJsonDocument::fromJson(s.out).object();
    const QJsonArray sencillas = o["sencillas"].toArray();
    const QJsonArray multiples = o["multiples"].toArray();
    ASSERT_EQ(sencillas.size(), 4);
    ASSERT_EQ(multiples.size(), 5);
    EXPECT_EQ(sencillas[0].toArray().size(), 8);
    EXPECT_EQ(multiples[0].toArray().size(), 16);
    EXPECT_EQ(sencillas[0].toArray().at(0).toObject(), QJsonObject({{"t", ""}}));
    const QJsonArray apuesta = sencillas[3].toArray();
    EXPECT_EQ(apuesta[0].toObject(), QJsonObject({{"t", "3"}, {"c", "#ff0000"}}));
    EXPECT_EQ(apuesta[2].toObject(), QJsonObject({{"t", "40"}}));
    EXPECT_EQ(apuesta[5].toObject(), QJsonObject({{"t", "5"}, {"c", "#808080"}}));
    EXPECT_EQ(apuesta[7].toObject(), QJsonObject({{"t", "¡¡ Premio !! Hay 2 + 1 estrella."}, {"c", "#00c000"}}));
    EXPECT_EQ(multiples[4].toArray().at(15).toObject()["t"].toString(),
              QStringLiteral("¡¡ Premio !! Hay 3 apuestas de 2+0"));

    // Streamed, yet the very bytes of a compact QJsonDocument: escapes, UTF-8
    // and key order included (a name with quotes, a backslash, a tab, a
    // control byte and accents).
    auto raras = ficheroregistros::leeTodos<RegPena>(m_dir.filePath("apuestas.dat"));
    raras.at(0).nombre = QStringLiteral("A\"B\\C\tD\x01ÉÑ€").leftJustified(RegPena::largoNombre);
    datos::escribePenas(m_dir.filePath("apuestas.dat"), raras);
    for (const QStringList& orden : {QStringList{"comprobar", "2", "--json", "--historico"}, QStringList{"sorteos", "--json"}}) {
        const QByteArray salida = ejecuta(con(orden)).out;
        EXPECT_EQ(salida, QJsonDocument::fromJson(salida).toJson(QJsonDocument::Compact) + '\n') << qPrintable(orden.join(' '));
        EXPECT_TRUE(orden[0] != u"comprobar" || salida.contains("A\\\"B\\\\C\\tD\\u0001\xc3\x89"));
    }

    const Salida penas = ejecuta(con({"penas", "--json"}));
    const QJsonObject t = QJsonDocument::fromJson(penas.out).object();
    EXPECT_EQ(t["premios"].toInt(), 7);
    EXPECT_EQ(t["penas"].toArray().at(1).toArray().at(1).toString(), QStringLiteral("6"));
    EXPECT_EQ(t["sorteos"].toString(), QStringLiteral("en 2 sorteos"));

    // Checking the same draw again leaves the counters as they were.
    ejecuta(con({"comprobar", "2", "--historico", "--solo-premio"}));
    EXPECT_EQ(QJsonDocument::fromJson(ejecuta(con({"penas", "--json"})).out).object()["premios"].toInt(), 7);
}

// A folder of four peñas (simple, multiple, a day filter, a name with quotes
// and accents) over 30 real draws with some prizes known, and what the
// check printed for it before its output was streamed: the same bytes.
TEST(CliComprobarGuardado, printsTheBytesItAlwaysPrinted)
{
    const QString guardado = QStringLiteral(BOLVERA_FUENTES "/tests/app/comprobar/");
    const struct
    {
        QStringList argumentos;
        const char* esperado;
    } casos[] = {
        {{"30", "--historico"}, "historico.txt"},
        {{"30", "--historico", "--solo-premio"}, "historico-solo-premio.txt"},
        {{"12", "--json"}, "doce.json"},
        {{"30", "--json", "--historico", "--solo-premio"}, "historico-solo-premio.json"},
    };
    for (const auto& c : casos) {
        QTemporaryDir dir;
        for (const char* f : {"numeros.dat", "apuestas.dat", "premios.dat"})
            ASSERT_TRUE(QFile::copy(guardado + f, dir.filePath(f)));
        const Salida s = ejecuta(QStringList{"comprobar"} + c.argumentos + QStringList{"--dir", dir.path()});
        QFile esperado(guardado + c.esperado);
        ASSERT_TRUE(esperado.open(QIODevice::ReadOnly));
        EXPECT_EQ(s.estado, 0) << s.err.constData();
        EXPECT_TRUE(s.out == esperado.readAll()) << c.esperado;
    }
}

TEST_F(CliComprobar, penaShowsOneView)
{
    const Salida s = ejecuta(con({"pena", "2", "--json"}));
    ASSERT_EQ(s.estado, 0);
    const QJsonObject o = QJsonDocument::fromJson(s.out).object();
    EXPECT_EQ(o["numeros"].toArray(), QJsonArray({" 3-14-25-40-41-42"}));
    EXPECT_EQ(o["estrellas"].toArray(), QJsonArray({"5-6"}));
    EXPECT_EQ(o["jugados"].toString(), QStringLiteral("2"));
    EXPECT_EQ(o["aciertos"].toArray().size(), 13);
    EXPECT_EQ(o["grafico"].toArray().size(), 2);
}

TEST_F(CliComprobar, errorsEndWithStatus1)
{
    for (const auto& [argumentos, estado] : {std::pair{QStringList{"comprobar", "3"}, 1}, std::pair{QStringList{"comprobar", "-1"}, 2},
                                             std::pair{QStringList{"comprobar"}, 2}, std::pair{QStringList{"pena", "9"}, 1},
                                             std::pair{QStringList{"desglose", "205", "6", "0"}, 2}}) {
        const Salida s = ejecuta(con(argumentos));
        EXPECT_EQ(s.estado, estado) << qPrintable(argumentos.join(' '));
        EXPECT_FALSE(s.err.isEmpty());
    }
}

TEST(CliDesglose, linesInIndexOrder)
{
    const Salida s = ejecuta({"desglose", "183", "5", "2"});
    ASSERT_EQ(s.estado, 0);
    EXPECT_EQ(s.out, QByteArray("5+2: 1\n5+1: 2\n4+2: 15\n4+1: 30\n3+2: 30\n2+2: 10\n3+1: 60\n2+1: 20\n"));
    // 5 numbers and 2 stars is one simple bet, no multiple one.
    const Salida simple = ejecuta({"desglose", "152", "5", "2"});
    EXPECT_EQ(simple.estado, 2);
    EXPECT_TRUE(simple.out.isEmpty());
}

} // namespace

namespace {

TEST(CliSorteos, listFrequenciesAndImport)
{
    QTemporaryDir dir;
    const auto sorteos = datos::sorteosSeguidos(3, QDate(2026, 12, 4));
    datos::escribeSorteos(dir.filePath("numeros.dat"), sorteos);
    const QStringList conDir = {"--dir", dir.path(), "--json"};

    const QJsonObject lista = QJsonDocument::fromJson(ejecuta(QStringList{"sorteos"} + conDir).out).object();
    EXPECT_EQ(lista["total"].toString(), QStringLiteral("TOTAL: 3 sorteos."));
    ASSERT_EQ(lista["sorteos"].toArray().size(), 3);
    EXPECT_EQ(lista["sorteos"].toArray().at(0).toArray().at(2).toString(), QStringLiteral("04/12/2026  Viernes"));

    const QJsonObject f = QJsonDocument::fromJson(ejecuta(QStringList{"frecuencias"} + conDir).out).object();
    ASSERT_EQ(f["numeros"].toArray().size(), 50);
    ASSERT_EQ(f["estrellas"].toArray().size(), 12);
    EXPECT_EQ(f["numeros"].toArray().at(46).toInt(), 3); // 47 is in every draw
    EXPECT_EQ(f["estrellas"].toArray().at(11).toInt(), 3);
    EXPECT_EQ(f["numeros"].toArray().at(45).toInt(), 0);

    QTemporaryDir otra;
    datos::escribeSorteos(otra.filePath("numeros.dat"), datos::sorteosSeguidos(9, QDate(2026, 12, 8)));
    Salida s = ejecuta({"importar", otra.filePath("numeros.dat"), "--dir", dir.path()});
    EXPECT_EQ(s.estado, 0);
    EXPECT_EQ(s.out, QByteArray("Archivo de sorteos importado con éxito\n"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("numeros.bak")));

    datos::escribeBytes(otra.filePath("numeros.dat"), {});
    s = ejecuta({"importar", otra.filePath("numeros.dat"), "--dir", dir.path()});
    EXPECT_EQ(s.estado, 1);
    EXPECT_TRUE(s.err.startsWith("Fichero de sorteos no válido."));

    // A read-only history: the permission message, status 1, nothing replaced.
    datos::escribeSorteos(otra.filePath("numeros.dat"), datos::sorteosSeguidos(4, QDate(2026, 12, 8)));
    sinprivilegios::cede(dir.path());
    sinprivilegios::cede(otra.path());
    QFile::setPermissions(dir.filePath("numeros.dat"), QFile::ReadOwner | QFile::ReadOther);
    const QByteArray antes = datos::leeBytes(dir.filePath("numeros.dat"));
    QProcess p;
    sinprivilegios::prepara(p);
    p.start(QStringLiteral(BOLVERA_CLI), {"importar", otra.filePath("numeros.dat"), "--dir", dir.path()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    const QByteArray error = p.readAllStandardError();
    EXPECT_TRUE(error.startsWith("Para modificar el archivo necesita permiso de Administrador.\n")) << error.constData();
    EXPECT_EQ(datos::leeBytes(dir.filePath("numeros.dat")), antes);
    QFile::setPermissions(dir.filePath("numeros.dat"), QFile::ReadOwner | QFile::WriteOwner);

    // A damaged history: the message, status 1, and no file changed.
    const QByteArray danado = datos::sorteo({2026, 12, 4}, {0, 1, 2, 3, 4, 1, 2}).aBytes();
    datos::escribeBytes(dir.filePath("numeros.dat"), danado);
    s = ejecuta({"sorteos", "--dir", dir.path()});
    EXPECT_EQ(s.estado, 1);
    EXPECT_EQ(datos::leeBytes(dir.filePath("numeros.dat")), danado);
}

TEST(CliSorteos, csvManualEntryAndGaps)
{
    QTemporaryDir dir;
    // 27 Nov, 1 Dec (missing) and 4 Dec 2026.
    datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 11, 27}), datos::sorteo({2026, 12, 4})});
    const QStringList conDir = {"--dir", dir.path(), "--hoy", "2026-12-08"};

    Salida s = ejecuta(QStringList{"huecos", "--json"} + conDir);
    EXPECT_EQ(s.out, QByteArray("{\"huecos\":[\"2026-12-01\"]}\n"));

    datos::escribeBytes(dir.filePath("nuevos.csv"), "fecha;n1;n2;n3;n4;n5;e1;e2\n01/12/2026;5;4;3;2;1;2;1\n");
    s = ejecuta(QStringList{"importar-csv", dir.filePath("nuevos.csv"), "--json"} + conDir);
    EXPECT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_EQ(s.out, QByteArray("{\"iguales\":0,\"insertados\":1,\"total\":3}\n"));
    EXPECT_EQ(ejecuta(QStringList{"huecos", "--json"} + conDir).out, QByteArray("{\"huecos\":[]}\n"));

    // Manual entry: a date already stored, a Wednesday, a future day are refused.
    for (const QStringList& malo : {QStringList{"2026-12-04", "1 2 3 4 5 + 1 2"}, QStringList{"2026-12-02", "1 2 3 4 5 + 1 2"},
                                    QStringList{"2026-12-11", "1 2 3 4 5 + 1 2"}, QStringList{"2026-12-08", "1 2 3 4 + 1 2"}}) {
        s = ejecuta(QStringList{"anadir-sorteo"} + malo + conDir);
        EXPECT_EQ(s.estado, malo[1] == u"1 2 3 4 + 1 2" ? 2 : 1) << qPrintable(malo.join(' ')); // a malformed draw is a bad argument
        EXPECT_FALSE(s.err.isEmpty()) << qPrintable(malo.join(' '));
    }
    s = ejecuta(QStringList{"anadir-sorteo", "2026-12-08", "50 1 2 3 4 + 12 3"} + conDir);
    EXPECT_EQ(s.estado, 0) << s.err.constData();
    // A draw the operators moved to another day goes in when the user says so.
    datos::escribeBytes(dir.filePath("jueves.csv"), "2026-11-26,1,2,3,4,5,1,2\n");
    for (const QStringList& otroDia : {QStringList{"anadir-sorteo", "2026-12-02", "1 2 3 4 5 + 1 2"},
                                       QStringList{"importar-csv", dir.filePath("jueves.csv")}}) {
        s = ejecuta(otroDia + conDir);
        EXPECT_EQ(s.estado, 1) << qPrintable(otroDia[0]);
        EXPECT_TRUE(s.err.endsWith("Si el sorteo se cambió a ese día, añádalo con --otro-dia.\n")) << s.err.constData();
        s = ejecuta(otroDia + conDir + QStringList{"--otro-dia"});
        EXPECT_EQ(s.estado, 0) << qPrintable(otroDia[0]) << s.err.constData();
    }

    // Export: oldest first, in the shipped history's layout.
    s = ejecuta(QStringList{"exportar-csv", dir.filePath("todos.csv")} + conDir);
    EXPECT_EQ(s.estado, 0) << s.err.constData();
    const QByteArray csv = datos::leeBytes(dir.filePath("todos.csv"));
    EXPECT_TRUE(csv.startsWith("date,n1,n2,n3,n4,n5,s1,s2\n2026-11-26,1,2,3,4,5,1,2\n2026-11-27,"));
    EXPECT_TRUE(csv.contains("\n2026-12-02,1,2,3,4,5,1,2\n"));
    EXPECT_TRUE(csv.endsWith("2026-12-08,1,2,3,4,50,3,12\n"));
    EXPECT_EQ(csv.count('\n'), 7);
}

TEST(CliCerrojo, oneWriterAtATimeAndADeadHolderBlocksNothing)
{
    QTemporaryDir dir;
    datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 11, 27})});
    const QString ruta = dir.path() + u'/';
    const QStringList pena = {"nueva-pena", "--nombre", "X", "1 2 3 4 5 + 1 2", "--dir", dir.path(), "--hoy", "2026-12-08"};
    {
        // The window holds the folder: writers are refused, readers go on.
        Cerrojo ventana(ruta);
        ASSERT_TRUE(ventana.toma());
        const Salida s = ejecuta(pena);
        EXPECT_EQ(s.estado, 1);
        EXPECT_TRUE(QString::fromUtf8(s.err).contains(QStringLiteral("está en uso por otro Bolvera")));
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("apuestas.dat")) && QFileInfo(dir.filePath("apuestas.dat")).size() > 0);
        EXPECT_EQ(ejecuta({"estado", "--dir", dir.path()}).estado, 0);
    }
    EXPECT_EQ(ejecuta(pena).estado, 0);

    // A CLI writer holds it while it runs (an update waiting on a silent
    // server); killed, its lock is taken over by the next start.
    ServidorPrueba mudo;
    mudo.pon("/es/buscador", {200, {}, {}, true, false});
    QProcess actualiza;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("BOLVERA_OPERADOR_URL", mudo.url());
    entorno.insert("BOLVERA_FUENTES_URL", mudo.url());
    actualiza.setProcessEnvironment(entorno);
    actualiza.start(QStringLiteral(BOLVERA_CLI), {"actualizar", "--dir", dir.path(), "--hoy", "2026-12-08"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(dir.filePath("bolvera.lock")); }, 5000));
    EXPECT_EQ(ejecuta(pena).estado, 1);
    actualiza.kill();
    actualiza.waitForFinished(5000);
    EXPECT_EQ(ejecuta(pena).estado, 0);
    EXPECT_EQ(ficheroregistros::leeTodos<RegPena>(dir.filePath("apuestas.dat")).size(), 2u); // none lost, none doubled
}

TEST(CliPremios, euroWonFromTheImportedSpanishPrizes)
{
    QFile csv(QStringLiteral(BOLVERA_DATOS_COMPARTIDOS "/premios-es.csv"));
    const auto historia = datos::historiaReal();
    if (!csv.open(QIODevice::ReadOnly) || !historia)
        GTEST_SKIP() << "sin ../shared/data";
    // The amounts, read here on their own: date -> "h+k" -> cents.
    std::map<QDate, std::map<QString, qint64>> importes;
    for (const QByteArray& linea : csv.readAll().split('\n').mid(1)) {
        const QList<QByteArray> c = linea.trimmed().split(',');
        if (c.size() >= 6)
            importes[QDate::fromString(QString::fromLatin1(c[0]), Qt::ISODate)][QString::fromLatin1(c[3])] =
                qRound64(c[4].toDouble() * 100);
    }
    ASSERT_EQ(importes.size(), 12u);

    // One peña whose bets hit the draws of the CSV in several ways, counted
    // from 1 January to 11 September 2026.
    const QDate desde(2026, 1, 1), hasta(2026, 9, 11);
    std::vector<RegSorteo> delCsv;
    for (const RegSorteo& s : *historia)
        if (importes.contains(fechas::fechaDeDia(s.fecha)))
            delCsv.push_back(s);
    RegPena pena = datos::pena("PREMIADA", "Todos", desde);
    pena.tipo = 12;
    for (std::size_t b = 0; b < 12; ++b) {
        const RegSorteo& s = delCsv.at(b);
        const int numeros = 2 + static_cast<int>(b % 4), estrellas = static_cast<int>(b % 3);
        std::vector<std::int16_t> ns(s.num.begin(), s.num.begin() + numeros);
        for (std::int16_t n = 1; ns.size() < 5; ++n)
            if (std::find(s.num.begin(), s.num.begin() + 5, n) == s.num.begin() + 5 && std::find(ns.begin(), ns.end(), n) == ns.end())
                ns.push_back(n);
        std::sort(ns.begin(), ns.end());
        std::copy(ns.begin(), ns.end(), pena.numeros[b].begin());
        std::vector<std::int16_t> es(s.num.begin() + 5, s.num.begin() + 5 + estrellas);
        for (std::int16_t e = 1; es.size() < 2; ++e)
            if (e != s.num[5] && e != s.num[6] && std::find(es.begin(), es.end(), e) == es.end())
                es.push_back(e);
        std::sort(es.begin(), es.end());
        std::copy(es.begin(), es.end(), pena.estrellas[b].begin());
    }
    pena.contado = fechas::diaNumero(hasta);

    // What it must have won: every hit of two numbers, or of three and more,
    // priced from the CSV; a hit on a draw the CSV does not cover has no amount.
    qint64 ganado = 0;
    int sinImporte = 0, jugados = 0;
    for (const RegSorteo& s : *historia) {
        const QDate d = fechas::fechaDeDia(s.fecha);
        if (d < desde || d > hasta)
            continue;
        ++jugados;
        for (std::size_t b = 0; b < 12; ++b) {
            int h = 0, k = 0;
            for (int i = 0; i < 5; ++i)
                h += std::count(s.num.begin(), s.num.begin() + 5, pena.numeros[b][static_cast<std::size_t>(i)]) > 0;
            for (int j = 0; j < 2; ++j)
                k += pena.estrellas[b][static_cast<std::size_t>(j)] == s.num[5] || pena.estrellas[b][static_cast<std::size_t>(j)] == s.num[6];
            const QString categoria = QStringLiteral("%1+%2").arg(h).arg(k);
            const bool premio = (h >= 2) || (h == 1 && k == 2);
            if (!premio)
                continue;
            if (importes.contains(d))
                ganado += importes[d].at(categoria);
            else
                ++sinImporte;
        }
    }
    ASSERT_GT(ganado, 0);

    QTemporaryDir dir;
    datos::escribePenas(dir.filePath("apuestas.dat"), {pena});
    const QStringList conDir = {"--dir", dir.path(), "--hoy", "2026-12-08"};
    Salida s = ejecuta(QStringList{"importar-premios", csv.fileName()} + conDir);
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    const QJsonObject e = QJsonDocument::fromJson(ejecuta(QStringList{"pena", "1", "--json"} + conDir).out).object()["euros"].toObject();
    const auto decimal = [](qint64 c) { return QStringLiteral("%1.%2").arg(c / 100).arg(c % 100, 2, 10, QChar(u'0')); };
    EXPECT_EQ(e["ganado"].toString(), decimal(ganado));
    EXPECT_EQ(e["sin_importe"].toInt(), sinImporte);
    EXPECT_EQ(e["jugado"].toString(), decimal(12LL * jugados * 250));
    EXPECT_EQ(e["balance"].toString(), (ganado < 12LL * jugados * 250 ? QStringLiteral("-") : QString()) +
                                           decimal(std::abs(ganado - 12LL * jugados * 250)));

    // A prize row shows its amount only when it is known: never "0,00 €" for an unknown one.
    const QJsonObject filas = QJsonDocument::fromJson(ejecuta(QStringList{"comprobar", "80", "--json", "--historico"} + conDir).out).object();
    int conImporte = 0, sinEl = 0;
    for (const QJsonValue& fila : filas["sencillas"].toArray()) {
        const QJsonObject comentario = fila.toArray().last().toObject();
        if (!comentario["t"].toString().startsWith(QStringLiteral("¡¡ Premio")))
            continue;
        if (comentario.contains("euros")) {
            ++conImporte;
            EXPECT_TRUE(comentario["t"].toString().endsWith(QStringLiteral(" €")));
        } else {
            ++sinEl;
            EXPECT_FALSE(comentario["t"].toString().contains(u'€'));
        }
    }
    EXPECT_GT(conImporte, 0);
    EXPECT_GT(sinEl, 0);
}

} // namespace

namespace {

// Runs the CLI while this process keeps serving pages; `hijo` runs in the
// child before it starts.
Salida ejecutaSirviendo(const QStringList& argumentos, const QString& operador,
                        const std::map<QString, QString>& variables = {}, const std::function<void()>& hijo = {})
{
    QProcess p;
    if (hijo)
        p.setChildProcessModifier(hijo);
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    // The other sources on the same local server: never the network.
    entorno.insert("BOLVERA_OPERADOR_URL", operador);
    entorno.insert("BOLVERA_FUENTES_URL", operador);
    for (const auto& [nombre, valor] : variables)
        entorno.insert(nombre, valor);
    p.setProcessEnvironment(entorno);
    QEventLoop bucle;
    QObject::connect(&p, &QProcess::finished, &bucle, &QEventLoop::quit);
    QTimer::singleShot(30000, &bucle, &QEventLoop::quit);
    p.start(QStringLiteral(BOLVERA_CLI), argumentos);
    bucle.exec();
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

class CliActualizar : public ::testing::Test
{
protected:
    CliActualizar()
    {
        datos::escribeSorteos(m_dir.filePath("numeros.dat"),
                              {datos::sorteo({2026, 11, 24}), datos::sorteo({2026, 11, 27})});
        m_servidor.pon("/es/buscador", {200, paginas_prueba::resultados(m_entradas), {}, false, false});
        std::array<QByteArray, 13> premios;
        premios.fill("7,50&nbsp;");
        m_servidor.pon("/es/euromillones/sorteos/2026/ID4",
                       {200, paginas_prueba::sorteo(premios, "/es/x/informe"), {}, false, false});
        m_servidor.pon("/es/x/informe.pdf", {200, "%PDF-1.4 informe", {}, false, false});
    }
    QStringList con(QStringList argumentos) const
    {
        return argumentos << "--dir" << m_dir.path() << "--hoy" << "2026-12-08";
    }

    const std::vector<paginas_prueba::Entrada> m_entradas = {
        {{2026, 12, 4}, {40, 7, 23, 1, 50, 9, 3}, "ID4", {}, {}},
        {{2026, 12, 1}, {2, 4, 6, 8, 10, 1, 2}, "ID1", {}, {}},
        {{2026, 11, 27}, {1, 2, 3, 4, 5, 1, 2}, "ID27", {}, {}}};
    QTemporaryDir m_dir;
    ServidorPrueba m_servidor;
};

TEST_F(CliActualizar, bringsTheNewDrawsFromALocalServer)
{
    const Salida s = ejecutaSirviendo(con({"actualizar"}), m_servidor.url());
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_EQ(QString::fromUtf8(s.out), QStringLiteral(" 1- 7-23-40-50   3  9   04/12/2026  Viernes\n"
                                                       " 2- 4- 6- 8-10   1  2   01/12/2026  Martes\n"));
    // The service first; then the other sources (404 here), then the pages.
    ASSERT_GE(m_servidor.pedidas.size(), 2);
    EXPECT_TRUE(m_servidor.pedidas[0].startsWith(QStringLiteral("/servicios/buscadorSorteos?")));
    EXPECT_TRUE(m_servidor.pedidas.contains(
        QStringLiteral("/es/buscador?startDate=19/10/2026&gameId=02&type=search&endDate=08/12/2026")));
    EXPECT_EQ(datos::leeBytes(m_dir.filePath("ovk.pdf")), QByteArray("%PDF-1.4 informe"));
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(m_dir.filePath("numeros.dat")).size(), 4u);

    // Nothing new the second time, on a later day and on the very draw day.
    for (const char* hoy : {"2026-12-08", "2026-12-04"}) {
        const Salida otra = ejecutaSirviendo({"actualizar", "--dir", m_dir.path(), "--hoy", hoy}, m_servidor.url());
        EXPECT_EQ(otra.estado, 0) << hoy << otra.err.constData();
        EXPECT_TRUE(otra.out.contains("Todavía no hay sorteos nuevos.")) << hoy;
        EXPECT_FALSE(otra.err.contains("Error de fechas")) << hoy;
    }
}

// On a session bus of the test's own (tests/avisos.sh), never the user's.
class CliAvisos : public CliActualizar
{
protected:
    void SetUp() override
    {
        if (qEnvironmentVariable("BOLVERA_BUS_PROPIO") != u"1")
            GTEST_SKIP() << "sólo con tests/avisos.sh";
    }
};

TEST_F(CliAvisos, oneNotificationWithWhatEachPenaWonAndNeverAFailedUpdate)
{
    struct Caso
    {
        const char* nombre;
        bool servicio;
        bool bus;
        std::array<std::int16_t, 7> apuesta;
        const char* ajuste; // [avisos] sinPremio
        QStringList cuerpo; // the one notification's lines, or none
        QString titulo;
        QString error;      // on stderr
        bool roto = false;  // a service the bus knows, that cannot start
    };
    const Caso casos[] = {
        {"un premio", true, true, {1, 7, 23, 40, 50, 3, 9}, nullptr,
         {"Martes 01/12/2026: 2 4 6 8 10 + 1 2", "Viernes 04/12/2026: 1 7 23 40 50 + 3 9", "PEÑA UNO: 5+2 — 7,50 €"},
         "¡Premio en Euromillones! (2 sorteos nuevos)", {}},
        {"sin premio", true, true, {11, 12, 13, 14, 15, 11, 12}, nullptr,
         {"Martes 01/12/2026: 2 4 6 8 10 + 1 2", "Viernes 04/12/2026: 1 7 23 40 50 + 3 9"},
         "Sin premio (2 sorteos nuevos)", {}},
        {"sin premio, callado", true, true, {11, 12, 13, 14, 15, 11, 12}, "no", {}, {}, {}},
        {"sin servicio", false, true, {1, 7, 23, 40, 50, 3, 9}, nullptr, {}, {},
         "No se pudo avisar en el escritorio: no hay servicio de notificaciones.\n"},
        {"sin bus", true, false, {1, 7, 23, 40, 50, 3, 9}, nullptr, {}, {},
         "No se pudo avisar en el escritorio: no hay sesión de D-Bus.\n"},
        {"un servicio que no arranca", false, true, {1, 7, 23, 40, 50, 3, 9}, nullptr, {}, {},
         "No se pudo avisar en el escritorio: el servicio de notificaciones no ha podido arrancar.\n", true},
    };
    for (const Caso& caso : casos) {
        QTemporaryDir dir;
        datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 11, 24}), datos::sorteo({2026, 11, 27})});
        datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("PEÑA UNO", "Todos", {2026, 11, 30}, {caso.apuesta})});
        if (caso.ajuste)
            datos::escribeBytes(dir.filePath("ajustes.ini"), QByteArray("[avisos]\nsinPremio=") + caso.ajuste + '\n');
        const QString registro = dir.filePath("avisos.jsonl");
        QProcess servicio;
        if (caso.servicio) {
            servicio.start(QStringLiteral(BOLVERA_AVISOS_FALSOS), {registro});
            ASSERT_TRUE(servicio.waitForReadyRead(5000)) << caso.nombre;
        }
        std::map<QString, QString> variables;
        if (!caso.bus)
            variables["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=/nonexistent/bus";
        // In the bus's own service folder (tests/avisos.sh) for this case alone.
        const QString roto = qEnvironmentVariable("BOLVERA_SERVICIOS_BUS") + "/org.freedesktop.Notifications.service";
        if (caso.roto)
            datos::escribeBytes(roto, "[D-BUS Service]\nName=org.freedesktop.Notifications\nExec=/bin/false\n");
        const Salida s = ejecutaSirviendo({"actualizar", "--avisar", "--dir", dir.path(), "--hoy", "2026-12-08"},
                                          m_servidor.url(), variables);
        QFile::remove(roto);
        servicio.kill();
        servicio.waitForFinished();
        EXPECT_EQ(s.estado, 0) << caso.nombre << s.err.constData();
        EXPECT_EQ(QString::fromUtf8(s.err), caso.error) << caso.nombre;
        const QList<QByteArray> lineas = datos::leeBytes(registro).split('\n');
        const int avisos = static_cast<int>(lineas.size()) - 1;
        ASSERT_EQ(avisos, caso.cuerpo.isEmpty() ? 0 : 1) << caso.nombre;
        if (avisos == 1) {
            const QJsonObject o = QJsonDocument::fromJson(lineas[0]).object();
            EXPECT_EQ(o["titulo"].toString(), caso.titulo) << caso.nombre;
            EXPECT_EQ(o["cuerpo"].toString(), caso.cuerpo.join(u'\n')) << caso.nombre;
            EXPECT_EQ(o["desktop-entry"].toString(), QStringLiteral("es.bolvera.Bolvera"));
            EXPECT_EQ(o["acciones"].toArray().first().toString(), QStringLiteral("default"));
        }
    }
}

// What the update could not write is said, status 1, as for any other
// change; amounts not written are sought again by the next update.
TEST_F(CliActualizar, whatCouldNotBeWrittenIsSaidAndSoughtAgain)
{
    // The results service: 1 and 4 Dec, 4 Dec's 5+1 paying 181.127,33 €.
    m_servidor.pon("/servicios/buscadorSorteos",
                   {200,
                    "[{\"fecha_sorteo\": \"2026-12-04 00:00:00\", \"combinacion\": \"1 7 23 40 50 3 9\", \"escrutinio\": "
                    "[{\"tipo\": \"2\u00aa 5 + 1\", \"premio\": \"181127.33\", \"ganadores\": \"1\"}]}, "
                    "{\"fecha_sorteo\": \"2026-12-01 00:00:00\", \"combinacion\": \"2 4 6 8 10 1 2\"}]",
                    {}, false, false});
    const double viernes = datos::sorteo({2026, 12, 4}).fecha;
    for (const char* fichero : {"apuestas.dat", "premios.dat"}) {
        QTemporaryDir dir;
        datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 11, 24}), datos::sorteo({2026, 11, 27})});
        datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("A", "Todos", {2020, 1, 1}, {{1, 7, 23, 40, 50, 3, 9}})});
        datos::escribeBytes(dir.filePath("premios.dat"), {});
        sinprivilegios::cede(dir.path());
        QFile::setPermissions(dir.filePath(fichero), QFile::ReadOwner | QFile::ReadOther);
        const QStringList orden = {"actualizar", "--dir", dir.path(), "--hoy", "2026-12-08"};
        const Salida s = ejecutaSirviendo(orden, m_servidor.url(), {}, sinprivilegios::baja);
        EXPECT_EQ(s.estado, 1) << fichero;
        EXPECT_TRUE(s.err.contains("Para modificar el archivo necesita permiso de Administrador.")) << s.err.constData();
        EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(dir.filePath("numeros.dat")).size(), 4u) << fichero;
        const auto penas = ficheroregistros::leeTodos<RegPena>(dir.filePath("apuestas.dat"));
        EXPECT_EQ(penas.at(0).aciertos[0], QByteArray(fichero) == "apuestas.dat" ? 0 : 1) << fichero;
        EXPECT_EQ(premios::lee(dir.path() + u'/').porFecha.contains(viernes), QByteArray(fichero) != "premios.dat") << fichero;

        // Writable again: the next update brings what was left, and the
        // stored draws' amounts with it.
        QFile::setPermissions(dir.filePath(fichero), QFile::ReadOwner | QFile::WriteOwner);
        const Salida otra = ejecutaSirviendo(orden, m_servidor.url(), {}, sinprivilegios::baja);
        EXPECT_EQ(otra.estado, 0) << fichero << otra.err.constData();
        EXPECT_EQ(ficheroregistros::leeTodos<RegPena>(dir.filePath("apuestas.dat")).at(0).aciertos[0], 1) << fichero;
        EXPECT_EQ(premios::lee(dir.path() + u'/').porFecha[viernes].centimos[1], 18112733) << fichero;
    }
}

TEST_F(CliActualizar, theDrawPagesPrizesGoToTheirOwnCategories)
{
    // The page lists them 5+2 … 4+0, 3+2, 3+1, 2+2, 3+0 …: 1,00 € to 13,00 €.
    std::array<QByteArray, 13> premios;
    for (std::size_t i = 0; i < premios.size(); ++i)
        premios[i] = QByteArray::number(static_cast<int>(i) + 1) + ",00&nbsp;";
    m_servidor.pon("/es/euromillones/sorteos/2026/ID4", {200, paginas_prueba::sorteo(premios, "/es/x/informe"), {}, false, false});
    ASSERT_EQ(ejecutaSirviendo(con({"actualizar"}), m_servidor.url()).estado, 0);
    const RegPremios r = premios::lee(m_dir.path() + u'/').porFecha.at(datos::sorteo({2026, 12, 4}).fecha);
    // In the program's order: 4+0 is index 6, 3+2 index 7, 2+2 index 8, 3+1 index 9.
    const std::array<std::int64_t, 13> esperado = {100, 200, 300, 400, 500, 600, 700, 900, 800, 1000, 1100, 1200, 1300};
    EXPECT_EQ(r.centimos, esperado);
    EXPECT_EQ(r.fuente, RegPremios::Fuente::PaginaSorteo);
}

TEST_F(CliActualizar, aPdfLinkToAnotherHostIsNeverFetched)
{
    std::array<QByteArray, 13> premios;
    premios.fill("7,50&nbsp;");
    m_servidor.pon("/es/euromillones/sorteos/2026/ID4",
                   {200, paginas_prueba::sorteo(premios, "https://otro.example/es/x/informe"), {}, false, false});
    datos::escribeBytes(m_dir.filePath("ovk.pdf"), "%PDF anterior");
    const Salida s = ejecutaSirviendo(con({"actualizar"}), m_servidor.url());
    EXPECT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_EQ(m_servidor.pedidas.filter(QStringLiteral(".pdf")), QStringList{});
    // Without a usable link the saved report stays, as in the window (which
    // does not show it under the new draw: it has no address for it).
    EXPECT_EQ(datos::leeBytes(m_dir.filePath("ovk.pdf")), QByteArray("%PDF anterior"));
}

TEST_F(CliActualizar, aServerErrorIsAFailure)
{
    m_servidor.pon("/es/buscador", {500, "<html>error</html>", {}, false, false});
    const Salida s = ejecutaSirviendo(con({"actualizar"}), m_servidor.url());
    // Every server answered, none with draws: each is named with its answer.
    EXPECT_EQ(s.estado, 1);
    EXPECT_TRUE(QString::fromUtf8(s.err).startsWith(QStringLiteral("Fuentes de resultados: Ninguna fuente ha dado los sorteos nuevos.")))
        << s.err.constData();
    EXPECT_TRUE(QString::fromUtf8(s.err).contains(QStringLiteral("\nFrancia: error 404 del servidor\n")));
    EXPECT_TRUE(QString::fromUtf8(s.err).contains(QStringLiteral("\nPáginas de resultados: error 500 del servidor\n")));
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(m_dir.filePath("numeros.dat")).size(), 2u);
}

TEST_F(CliActualizar, savedPages)
{
    datos::escribeBytes(m_dir.filePath("pagina.html"), paginas_prueba::resultados(m_entradas));
    Salida s = ejecuta(con({"analizar", m_dir.filePath("pagina.html")}));
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_TRUE(s.out.contains("rutasorteo: 2026/ID4\n"));
    EXPECT_TRUE(s.out.contains("Label19: 2 sorteos\n"));

    std::array<QByteArray, 13> premios;
    premios.fill("1.234,56&nbsp;");
    datos::escribeBytes(m_dir.filePath("sorteo.html"), paginas_prueba::sorteo(premios, "/es/x/informe"));
    s = ejecuta(con({"informe", m_dir.filePath("sorteo.html"), "--json"}));
    ASSERT_EQ(s.estado, 0);
    const QJsonObject o = QJsonDocument::fromJson(s.out).object();
    EXPECT_EQ(o["premios"].toArray().size(), 13);
    EXPECT_EQ(o["premios"].toArray().at(0).toString(), QStringLiteral("1.234,56"));
    EXPECT_EQ(o["pdf"].toString(), QStringLiteral("https://www.loteriasyapuestas.es/es/x/informe.pdf"));
}

} // namespace

namespace {

TEST(CliNuevaPena, acceptedAndRejected)
{
    QTemporaryDir dir;
    auto en = [&](QStringList argumentos) { return ejecuta(argumentos << "--dir" << dir.path() << "--hoy" << "2026-12-08"); };
    Salida s = en({"nueva-pena", "--nombre", "peña ñoño", "--dia", "Martes", "3 15 22 40 41 + 11 3", "1 2 3 4 5 + 1 2"});
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    s = en({"nueva-pena", "--nombre", "MULTI", "1 2 3 4 5 6 7 8 + 1 2 3"});
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    auto penas = ficheroregistros::leeTodos<RegPena>(dir.filePath("apuestas.dat"));
    ASSERT_EQ(penas.size(), 2u);
    EXPECT_EQ(penas[0].nombreRecortado(), QStringLiteral("PEÑA ÑOÑO"));
    EXPECT_EQ(penas[0].diaRecortado(), QStringLiteral("Martes"));
    EXPECT_EQ(penas[0].tipo, 2);
    EXPECT_EQ(penas[0].estrellas[0][0], 3); // stored in ascending order
    EXPECT_EQ(penas[1].tipo, 183);
    const QByteArray antes = datos::leeBytes(dir.filePath("apuestas.dat"));

    const QStringList malas[] = {
        {"nueva-pena", "--nombre", "X", "1 2 3 4 + 1 2"},                     // four numbers
        {"nueva-pena", "--nombre", "X", "1 2 3 4 51 + 1 2"},                  // out of range
        {"nueva-pena", "--nombre", "X", "1 2 3 4 5 + 1 13"},
        {"nueva-pena", "--nombre", "X", "1 2 3 4 4 + 1 2"},                   // repeated
        {"nueva-pena", "--nombre", "X", "1 2 3 4 5 + 1 1"},                   // repeated stars
        {"nueva-pena", "--nombre", "X", "1 2 3 4 5 6 + 1 2", "1 2 3 4 5 + 1 2"}, // a multiple bet goes alone
        {"nueva-pena", "--nombre", "X", "1 2 3 4 5 6 7 8 9 10 11 + 1 2"},
        {"nueva-pena", "--nombre", "ABCDEFGHIJKLMNOPQRSTU", "1 2 3 4 5 + 1 2"},
        {"nueva-pena", "--nombre", "漢字", "1 2 3 4 5 + 1 2"},
        {"nueva-pena", "--nombre", "", "1 2 3 4 5 + 1 2"},
    };
    for (const QStringList& argumentos : malas) {
        const Salida m = en(argumentos);
        EXPECT_EQ(m.estado, 1) << qPrintable(argumentos.join(' '));
        EXPECT_FALSE(m.err.isEmpty()) << qPrintable(argumentos.join(' '));
    }
    QStringList veinticinco = {"nueva-pena", "--nombre", "MUCHAS"};
    for (int i = 0; i < 25; ++i)
        veinticinco << "1 2 3 4 5 + 1 2";
    EXPECT_EQ(en(veinticinco).estado, 1);
    {
        QTemporaryDir otra;
        veinticinco.removeLast(); // exactly 24 is a peña
        EXPECT_EQ(ejecuta(veinticinco << "--dir" << otra.path() << "--hoy" << "2026-12-08").estado, 0);
        EXPECT_EQ(ficheroregistros::leeTodos<RegPena>(otra.filePath("apuestas.dat")).at(0).tipo, 24);
    }
    EXPECT_EQ(QString::fromUtf8(en({"nueva-pena", "--nombre", "", "1 2 3 4 5 + 1 2"}).err),
              QStringLiteral("¡¡¡No ha escrito el nombre de la peña!!!\n"));
    // A draw dated after today blocks the peña, as in the editor.
    datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 12, 11})});
    EXPECT_TRUE(en({"nueva-pena", "--nombre", "X", "1 2 3 4 5 + 1 2"}).err.startsWith("Hay sorteos con fecha posterior"));
    EXPECT_EQ(datos::leeBytes(dir.filePath("apuestas.dat")), antes);
}

} // namespace

namespace {

int paginas(const QByteArray& pdf)
{
    int n = 0;
    for (qsizetype i = pdf.indexOf("/Type /Page"); i >= 0; i = pdf.indexOf("/Type /Page", i + 1))
        if (pdf.mid(i + 11, 1) != "s")
            ++n;
    return n;
}

TEST(CliSocios, membersPaymentsAndAccountsThatAddUp)
{
    QTemporaryDir dir;
    // A peña that won 3+2 (Spanish amount 50,00 €) on the only draw.
    datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 12, 4}, {1, 2, 3, 40, 41, 1, 2})});
    RegPena una = datos::pena("UNA", "Todos", {2026, 12, 1}, {{1, 2, 3, 4, 5, 1, 2}});
    una.contado = datos::sorteo({2026, 12, 4}).fecha;
    RegPena otra = datos::pena("OTRA", "Todos", {2026, 12, 1});
    datos::escribePenas(dir.filePath("apuestas.dat"), {una, otra});
    RegPremios conocidos;
    conocidos.fecha = una.contado;
    conocidos.fuente = RegPremios::Fuente::Csv;
    conocidos.centimos.fill(-1);
    conocidos.centimos[6] = 5000; // 3+2
    ASSERT_EQ(premios::guarda(dir.path() + u'/', {conocidos}), 0);
    auto en = [&](QStringList argumentos) { return ejecuta(argumentos << "--dir" << dir.path() << "--hoy" << "2026-12-08"); };
    const QByteArray penasAntes = datos::leeBytes(dir.filePath("apuestas.dat"));

    struct Paso
    {
        QStringList argumentos;
        int estado;
        QString salida; // part of stdout, or of stderr when it fails
    };
    const Paso pasos[] = {
        {{"socios", "1"}, 0, "Peña UNA: 0 socios"},
        {{"socio-anadir", "1", "Ana", "1", "--nota", "600 111 222"}, 0, "Socio Ana añadido con 1 participación."},
        {{"socio-anadir", "1", "Bea", "2"}, 0, "Socio Bea añadido"},
        {{"socio-anadir", "1", "Car", "3"}, 0, "Socio Car añadido"},
        {{"socio-anadir", "1", "ana", "1"}, 1, "Ya hay un socio ana"},
        {{"socio-anadir", "1", "Dan", "0"}, 2, "PARTICIPACIONES"},
        {{"socio-anadir", "3", "Dan", "1"}, 1, "No hay peña número 3."},
        {{"socio-pago", "1", "Bea", "10,00", "--fecha", "2026-12-02"}, 0, "Pago de 10,00 € de Bea el 02/12/2026."},
        {{"socio-pago", "1", "Bea", "1,50", "--correccion"}, 0, "Corrección de -1,50 € de Bea el 08/12/2026."},
        {{"socio-pago", "1", "Eva", "5"}, 1, "No hay ningún socio Eva"},
        {{"socio-pago", "1", "Bea", "diez"}, 2, "EUROS"},
        {{"socio-pago", "1", "Bea", "5", "--fecha", "ayer"}, 2, "Fecha no válida: ayer"},
        // 50,00 € won split 1:2:3 with its cent left over, 2,50 € staked.
        {{"socios", "1"}, 0, "Bea | 2 | pagado 8,50 € | apostado 0,83 € | ganado 16,67 € | balance 24,34 €"},
        {{"socios", "1"}, 0, "Ana | 1 | pagado 0,00 € | apostado 0,42 € | ganado 8,33 € | balance 7,91 €"},
        {{"socios", "1"}, 0, "TOTAL | - | pagado 8,50 € | apostado 2,50 € | ganado 50,00 € | balance 56,00 €"},
        {{"socios", "2"}, 0, "Peña OTRA: 0 socios"},
        // One name however its accent was typed; control bytes shown escaped, never sent raw.
        {{"socio-anadir", "2", QStringLiteral("Jos\u00e9"), "1"}, 0, QStringLiteral("Socio Jos\u00e9 añadido")},
        {{"socio-anadir", "2", QStringLiteral("JOSE\u0301"), "1"}, 1, "Ya hay un socio"},
        {{"socio-anadir", "2", "A\x1b[31mROJO", "1"}, 0, "Socio A\\x1b[31mROJO añadido"},
        {{"socio-quitar", "2", "A\x1b[31mROJO"}, 0, "Socio A\\x1b[31mROJO quitado"},
        {{"socio-quitar", "2", QStringLiteral("jose\u0301")}, 0, QStringLiteral("Socio Jos\u00e9 quitado")},
        // The summary to hand them, as text.
        {{"resumen", "1"}, 0, "04/12/2026  1-2-3-40-41 + 1 2  premios: 1 × 3+2 (50,00 €)"},
        {{"resumen", "1"}, 0, "  Bea: 2; 8,50 €; 0,83 €; 16,67 €; 24,34 €"},
        {{"resumen", "1", "--desde", "2026-12-05"}, 0, "Ningún sorteo jugado en el periodo."},
        {{"resumen", "1", "--hasta", "mañana"}, 2, "Fecha no válida: mañana"},
        {{"resumen", "1", "--pdf", dir.filePath("resumen.pdf")}, 0, "Resumen de la peña en "},
        {{"resumen", "1", "--pdf", dir.filePath("apuestas.dat")}, 1, "apuestas.dat"},
        {{"resumen", "1", "--pdf", dir.filePath("r2.pdf"), "--texto"}, 0, "  Bea: 2; 8,50 €"},
        {{"socio-cambiar", "1", "Car", "--participaciones", "4"}, 0, "Socio Car: 4 participaciones."},
        {{"socio-cambiar", "1", "Car", "--nombre", "Bea"}, 1, "Ya hay un socio Bea"},
        {{"socio-cambiar", "1", "Car", "--participaciones", "0"}, 2, "--participaciones ha de ser"},
        {{"socio-cambiar", "1", "Car", "--participaciones", "1"}, 0, "Socio Car: 1 participación."},
        {{"socio-cambiar", "1", "Car"}, 2, "Indique --nombre o --participaciones."},
        {{"socio-cambiar", "1", "Car", "--nombre", "Carla"}, 0, "Socio Carla: 1 participación."},
        {{"socio-quitar", "1", "Carla"}, 0, "Socio Carla quitado"},
        {{"socios", "1", "--json"}, 0, "\"nombre\":\"Bea\""},
    };
    for (const Paso& p : pasos) {
        const Salida r = en(p.argumentos);
        const QString donde = p.argumentos.join(' ');
        EXPECT_EQ(r.estado, p.estado) << qPrintable(donde) << "\n" << r.err.constData();
        EXPECT_TRUE(QString::fromUtf8(p.estado == 0 ? r.out : r.err).contains(p.salida))
            << qPrintable(donde) << "\n" << r.out.constData() << r.err.constData();
    }

    EXPECT_EQ(paginas(datos::leeBytes(dir.filePath("resumen.pdf"))), 1);
    EXPECT_EQ(datos::leeBytes(dir.filePath("apuestas.dat")), penasAntes);

    // After a summary handed out up to the draw, the next starts the day after.
    socios::Lectura l = socios::lee(dir.path() + u'/');
    socios::anotaResumen(l.grupos, socios::claveDe({una}, 0), {2026, 12, 4});
    ASSERT_EQ(socios::guarda(dir.path() + u'/', l.grupos), 0);
    EXPECT_TRUE(en({"resumen", "1"}).out.contains("Ningún sorteo jugado en el periodo."));
    EXPECT_TRUE(en({"resumen", "1", "--desde", "2026-12-01"}).out.contains("Sorteos del 04/12/2026 al 04/12/2026: 1"));

    // The members follow their peña, not its number: the first one deleted,
    // OTRA's are still OTRA's and UNA's are gone with UNA.
    ASSERT_EQ(en({"socio-anadir", "2", "Fin", "1"}).estado, 0);
    ASSERT_EQ(borraPena(dir.filePath("apuestas.dat"), 1), 0);
    Salida r = en({"socios", "1"});
    EXPECT_TRUE(r.out.contains("Peña OTRA: 1 socio\nFin | 1 |")) << r.out.constData();

    // A damaged members file says so and keeps the peñas working.
    datos::escribeBytes(dir.filePath("socios.json"), "{ no es json");
    r = en({"socios", "1"});
    EXPECT_EQ(r.estado, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("socios.json está dañado"))) << r.err.constData();
    EXPECT_EQ(en({"socio-anadir", "1", "Gil", "1"}).estado, 1);
    EXPECT_EQ(datos::leeBytes(dir.filePath("socios.json")), QByteArray("{ no es json"));
    EXPECT_EQ(en({"penas"}).estado, 0);

    // A pipe in a data file's place is never opened (it would wait for ever):
    // said, and left as it is.
    for (const char* fichero : {"socios.json", "ajustes.ini", "numeros.dat"}) {
        QFile::remove(dir.filePath(fichero));
        ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(fichero)).constData(), 0644), 0);
        for (const QStringList& orden : {QStringList{"socios", "1"}, QStringList{"socio-anadir", "1", "Zoe", "1"}}) {
            const Salida t = en(orden);
            EXPECT_EQ(t.estado, QByteArray(fichero) == "socios.json" ? 1 : 0) << fichero << " " << qPrintable(orden[0]) << t.err.constData();
        }
        EXPECT_EQ(std::filesystem::status(QFile::encodeName(dir.filePath(fichero)).toStdString()).type(),
                  std::filesystem::file_type::fifo) << fichero;
        QFile::remove(dir.filePath(fichero));
        QFile::remove(dir.filePath("socios.json"));
    }

    // Twins (the same peña twice) each keep their own members.
    QFile::remove(dir.filePath("socios.json"));
    datos::escribePenas(dir.filePath("apuestas.dat"), {una, una});
    ASSERT_EQ(en({"socio-anadir", "1", "Ana", "1"}).estado, 0);
    EXPECT_TRUE(en({"socios", "2"}).out.contains("Peña UNA: 0 socios"));
    EXPECT_EQ(en({"socio-quitar", "2", "Ana"}).estado, 1);
    EXPECT_TRUE(en({"socios", "1"}).out.contains("Peña UNA: 1 socio"));
}

TEST(CliImprimir, aPdfWithOnePageASlipOrTwoFormsASheet)
{
    QTemporaryDir dir;
    std::initializer_list<std::array<std::int16_t, 7>> doce = {
        {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2},
        {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2},
        {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2}};
    RegPena rara = datos::pena("RARA", "Todos", {2020, 1, 1});
    rara.tipo = 70;
    datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("DOCE", "Martes", {2020, 1, 1}, doce), rara});
    auto imprime = [&](QStringList argumentos) { return ejecuta(QStringList{"imprimir"} + argumentos + QStringList{"--dir", dir.path()}); };

    Salida s = imprime({"1", "--papel", "oficial", "--pdf", dir.filePath("oficial.pdf")});
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_EQ(paginas(datos::leeBytes(dir.filePath("oficial.pdf"))), 3);
    s = imprime({"1", "--papel", "normal", "--pdf", dir.filePath("normal.pdf"), "--dos-semanas", "si"});
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_EQ(paginas(datos::leeBytes(dir.filePath("normal.pdf"))), 2);

    for (const QStringList& malos : {QStringList{"3", "--pdf", dir.filePath("x.pdf")},
                                     QStringList{"2", "--pdf", dir.filePath("x.pdf")},
                                     QStringList{"1", "--pdf", dir.filePath("no/existe/x.pdf")}}) {
        const Salida m = imprime(malos);
        EXPECT_EQ(m.estado, 1) << qPrintable(malos.join(' '));
        EXPECT_FALSE(m.err.isEmpty());
    }
}

} // namespace

namespace {

// Runs the CLI with a changed child (no rights, a file size limit).
Salida ejecutaCon(const QStringList& argumentos, const std::function<void()>& hijo)
{
    QProcess p;
    p.setChildProcessModifier(hijo);
    p.start(QStringLiteral(BOLVERA_CLI), argumentos);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

int premiosTotales(const QString& dir)
{
    return QJsonDocument::fromJson(ejecuta({"penas", "--json", "--dir", dir}).out).object()["premios"].toInt();
}

TEST(CliContadores, everyDrawThatEntersIsCountedOnce)
{
    // The bet hits four numbers or more of every one of these draws: each
    // draw counted is one prize, so the counters must equal the draws seen
    // since the peña's creation, each once.
    const auto todos = datos::sorteosSeguidos(10, QDate(2026, 12, 4));
    QTemporaryDir dir;
    datos::escribeSorteos(dir.filePath("numeros.dat"), {todos.begin(), todos.begin() + 4});
    datos::escribePenas(dir.filePath("apuestas.dat"),
                        {datos::pena("UNA", "Todos", fechas::fechaDeDia(todos[3].fecha), {{47, 48, 49, 50, 1, 12, 11}})});
    const QStringList conDir = {"--dir", dir.path(), "--hoy", "2026-12-08"};
    ASSERT_EQ(ejecuta(QStringList{"comprobar", "1"} + conDir).estado, 0);
    EXPECT_EQ(premiosTotales(dir.path()), 1);

    // Five merged from a CSV: all five count, not only the newest.
    QByteArray csv;
    for (std::size_t i = 4; i < 9; ++i)
        csv += csvsorteos::escribe({todos[i]}).split('\n').at(1) + '\n';
    datos::escribeBytes(dir.filePath("cinco.csv"), csv);
    Salida s = ejecuta(QStringList{"importar-csv", dir.filePath("cinco.csv")} + conDir);
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_EQ(premiosTotales(dir.path()), 6);

    // An older history imported, then the current one: nothing counted twice.
    QTemporaryDir otra;
    datos::escribeSorteos(otra.filePath("viejo.dat"), {todos.begin(), todos.begin() + 6});
    QFile::copy(dir.filePath("numeros.dat"), otra.filePath("actual.dat"));
    for (const char* f : {"viejo.dat", "actual.dat"}) {
        ASSERT_EQ(ejecuta(QStringList{"importar", otra.filePath(f)} + conDir).estado, 0) << f;
        ASSERT_EQ(ejecuta(QStringList{"comprobar", "3"} + conDir).estado, 0) << f;
        EXPECT_EQ(premiosTotales(dir.path()), 6) << f;
    }

    // One typed: counted at once.
    const RegSorteo& ultimo = todos[9];
    QStringList combinacion;
    for (int k = 0; k < 5; ++k)
        combinacion << QString::number(ultimo.num[static_cast<std::size_t>(k)]);
    s = ejecuta(QStringList{"anadir-sorteo", fechas::fechaDeDia(ultimo.fecha).toString(Qt::ISODate),
                            combinacion.join(u' ') + QStringLiteral(" + %1 %2").arg(ultimo.num[5]).arg(ultimo.num[6])} + conDir);
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_EQ(premiosTotales(dir.path()), 7);
}

TEST(CliContadores, recontarCountsWhatEnteredBelowTheLastCountedDraw)
{
    // Same bet as above: one prize a draw counted. A hole at todos[4..5] is
    // filled after the check, below `contado`: only a recount takes it.
    const auto todos = datos::sorteosSeguidos(10, QDate(2026, 12, 4));
    std::vector<RegSorteo> conHueco = todos;
    conHueco.erase(conHueco.begin() + 4, conHueco.begin() + 6);
    QTemporaryDir dir;
    datos::escribeSorteos(dir.filePath("numeros.dat"), conHueco);
    const std::array<std::int16_t, 7> apuesta = {47, 48, 49, 50, 1, 12, 11};
    datos::escribePenas(dir.filePath("apuestas.dat"),
                        {datos::pena("UNA", "Todos", fechas::fechaDeDia(todos[2].fecha), {apuesta}),
                         datos::pena("DOS", "Viernes", {2020, 1, 1}, {apuesta})});
    const QStringList conDir = {"--dir", dir.path(), "--hoy", "2026-12-08"};
    ASSERT_EQ(ejecuta(QStringList{"comprobar", "1"} + conDir).estado, 0);
    const int antes = premiosTotales(dir.path());
    datos::escribeBytes(dir.filePath("hueco.csv"), csvsorteos::escribe({todos[4], todos[5]}));
    ASSERT_EQ(ejecuta(QStringList{"importar-csv", dir.filePath("hueco.csv")} + conDir).estado, 0);
    EXPECT_EQ(premiosTotales(dir.path()), antes);

    const auto viernes = std::count_if(todos.begin(), todos.end(), [](const RegSorteo& s) {
        return fechas::fechaDeDia(s.fecha).dayOfWeek() == Qt::Friday;
    });
    const QByteArray sinRecontar = datos::leeBytes(dir.filePath("apuestas.dat"));
    Salida s = ejecuta(QStringList{"recontar"} + conDir);
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_EQ(QString::fromUtf8(s.out), QStringLiteral("UNA: %1 premios\nDOS: %2 premios\n").arg(todos.size() - 2).arg(viernes));
    EXPECT_EQ(datos::leeBytes(dir.filePath("apuestas.bak")), sinRecontar);
    const QByteArray recontado = datos::leeBytes(dir.filePath("apuestas.dat"));

    Cerrojo ventana(dir.path() + u'/');
    const std::pair<QStringList, int> rechazos[] = {
        {{"recontar", "9"}, 1}, {{"recontar", "x"}, 2}, {{"recontar", "1", "2"}, 2},
        {{"recontar"}, 1}, // the window holds the folder
    };
    for (const auto& [argumentos, estado] : rechazos) {
        if (argumentos.size() == 1) {
            ASSERT_TRUE(ventana.toma());
        }
        s = ejecuta(argumentos + conDir);
        EXPECT_EQ(s.estado, estado) << qPrintable(argumentos.join(' '));
        EXPECT_FALSE(s.err.isEmpty()) << qPrintable(argumentos.join(' '));
        EXPECT_TRUE(s.out.isEmpty()) << qPrintable(argumentos.join(' '));
        EXPECT_EQ(datos::leeBytes(dir.filePath("apuestas.dat")), recontado);
    }
    EXPECT_TRUE(QString::fromUtf8(s.err).contains(QStringLiteral("está en uso por otro Bolvera")));
}

TEST(CliFicheros, refusalsThatProtectTheDataFolder)
{
    QTemporaryDir dir;
    datos::escribeSorteos(dir.filePath("numeros.dat"), datos::sorteosSeguidos(3, QDate(2026, 12, 4)));
    datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("UNA", "Todos", {2020, 1, 1}, {{1, 2, 3, 4, 5, 1, 2}})});
    datos::escribeBytes(dir.filePath("ajustes.ini"), "[General]\nprecioApuesta=300\n");
    QFile::link(dir.filePath("apuestas.dat"), dir.filePath("enlace.csv"));
    QFile::link(dir.filePath("bolvera.lock"), dir.filePath("cerrojo.pdf"));
    QFile::link(dir.filePath("socios.json"), dir.filePath("colgante.pdf"));
    QDir(dir.path()).mkdir("sub");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("tubo")).constData(), 0644), 0);
    const QByteArray numeros = datos::leeBytes(dir.filePath("numeros.dat"));
    const QByteArray apuestas = datos::leeBytes(dir.filePath("apuestas.dat"));
    QFile grande(dir.filePath("grande.csv"));
    ASSERT_TRUE(grande.open(QIODevice::WriteOnly));
    grande.resize(qint64(1) << 30); // 1 GB, sparse
    grande.close();
    datos::escribeBytes(dir.filePath("antiguo.csv"), "1999-01-01,1,2,3,4,5,1,2\n");
    const QStringList conDir = {"--dir", dir.path(), "--hoy", "2026-12-08"};
    struct Caso
    {
        QStringList argumentos;
        QString error; // the start of what stderr says
    };
    const Caso casos[] = {
        {{"exportar-csv", dir.filePath("apuestas.dat")}, dir.filePath("apuestas.dat") + " es uno de los ficheros de datos"},
        {{"exportar-csv", dir.filePath("enlace.csv")}, dir.filePath("enlace.csv") + " es uno de los ficheros de datos"},
        {{"imprimir", "1", "--pdf", dir.filePath("numeros.dat")}, dir.filePath("numeros.dat") + " es uno de los ficheros"},
        {{"imprimir", "1", "--pdf", dir.filePath("socios.json")}, dir.filePath("socios.json") + " es uno de los ficheros"},
        {{"resumen", "1", "--pdf", dir.filePath("socios.bak")}, dir.filePath("socios.bak") + " es uno de los ficheros"},
        {{"exportar-csv", dir.filePath("socios.json")}, dir.filePath("socios.json") + " es uno de los ficheros"},
        // By a side door: a link to a file not made yet, a detour through a folder.
        {{"imprimir", "1", "--pdf", dir.filePath("cerrojo.pdf")}, dir.filePath("cerrojo.pdf") + " es uno de los ficheros"},
        {{"resumen", "1", "--pdf", dir.filePath("colgante.pdf")}, dir.filePath("colgante.pdf") + " es uno de los ficheros"},
        {{"exportar-csv", dir.filePath("sub/../bolvera.lock")}, "bolvera.lock es uno de los ficheros"},
        // Something that is not a plain file is never replaced nor written into.
        {{"imprimir", "1", "--pdf", dir.filePath("tubo")}, dir.filePath("tubo") + " no es un fichero normal"},
        {{"resumen", "1", "--pdf", "/dev/null"}, "/dev/null no es un fichero normal"},
        {{"exportar-csv", dir.filePath("sub")}, dir.filePath("sub") + " no es un fichero normal"},
        {{"importar-csv", dir.filePath("grande.csv")}, dir.filePath("grande.csv") + " es demasiado grande (más de 16 MiB)"},
        {{"importar-csv", dir.filePath("no-hay.csv")}, dir.filePath("no-hay.csv") + " no existe."},
        {{"importar-csv", dir.filePath("no-hay/uno.csv")}, "La carpeta de " + dir.filePath("no-hay/uno.csv") + " no existe."},
        {{"importar-csv", dir.filePath("antiguo.csv")}, "Línea 1: el 01/01/1999 no hubo sorteo"},
        {{"anadir-sorteo", "1999-01-01", "1 2 3 4 5 + 1 2"}, "El 01/01/1999 no hubo sorteo"},
    };
    for (const Caso& c : casos) {
        const Salida s = ejecuta(c.argumentos + conDir);
        EXPECT_EQ(s.estado, 1) << qPrintable(c.argumentos.join(' '));
        EXPECT_TRUE(QString::fromUtf8(s.err).contains(c.error)) << s.err.constData();
        EXPECT_EQ(datos::leeBytes(dir.filePath("numeros.dat")), numeros);
        EXPECT_EQ(datos::leeBytes(dir.filePath("apuestas.dat")), apuestas);
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("socios.json")) || QFileInfo::exists(dir.filePath("socios.bak")));
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("bolvera.lock")));
    }
    EXPECT_EQ(std::filesystem::status(QFile::encodeName(dir.filePath("tubo")).toStdString()).type(), std::filesystem::file_type::fifo);
    EXPECT_EQ(std::filesystem::status("/dev/null").type(), std::filesystem::file_type::character);
    // The same for a user without root's rights, in a folder of theirs.
    sinprivilegios::cede(dir.path());
    const Salida sinRaiz = ejecutaCon({"imprimir", "1", "--pdf", dir.filePath("tubo"), "--dir", dir.path()}, sinprivilegios::baja);
    EXPECT_EQ(sinRaiz.estado, 1);
    EXPECT_TRUE(sinRaiz.err.contains("no es un fichero normal")) << sinRaiz.err.constData();
    // Through a pipe too: more than the cap is refused, never cut at it.
    datos::escribeBytes(dir.filePath("tuberia.csv"), "2026-12-08,1,2,3,4,5,1,2\n" + QByteArray(17 * 1024 * 1024, '\n'));
    QProcess tuberia;
    tuberia.start(QStringLiteral("bash"), {"-c", QStringLiteral("cat '%1' | '%2' importar-csv /dev/stdin --dir '%3' --hoy 2026-12-08")
                                                     .arg(dir.filePath("tuberia.csv"), QStringLiteral(BOLVERA_CLI), dir.path())});
    ASSERT_TRUE(tuberia.waitForFinished(30000));
    EXPECT_EQ(tuberia.exitCode(), 1);
    EXPECT_TRUE(tuberia.readAllStandardError().contains("es demasiado grande"));
    EXPECT_EQ(datos::leeBytes(dir.filePath("numeros.dat")), numeros);

    // ajustes.ini is written whole or not at all: a write that fails (a
    // file size limit stands in for a full disk) keeps the old price and says so.
    const QByteArray ajustes = datos::leeBytes(dir.filePath("ajustes.ini"));
    Salida s = ejecutaCon(QStringList{"precio", "4"} + conDir, [] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limite);
    });
    EXPECT_EQ(s.estado, 1);
    EXPECT_FALSE(s.err.isEmpty());
    EXPECT_EQ(datos::leeBytes(dir.filePath("ajustes.ini")), ajustes);
    // A line QSettings cannot read does not turn a written price into a failure.
    datos::escribeBytes(dir.filePath("ajustes.ini"), "[General]\nesto no es una clave\nprecioApuesta=300\n");
    s = ejecuta(QStringList{"precio", "3,5"} + conDir);
    EXPECT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_EQ(ejecuta(QStringList{"precio"} + conDir).out, QByteArray("Precio por apuesta: 3,50 €\n"));
    // An empty [General] group before another: the price goes into it, the other group stays.
    datos::escribeBytes(dir.filePath("ajustes.ini"), "[General]\n[avisos]\nsinPremio=no\n");
    ASSERT_EQ(ejecuta(QStringList{"precio", "4"} + conDir).estado, 0);
    EXPECT_EQ(ejecuta(QStringList{"precio"} + conDir).out, QByteArray("Precio por apuesta: 4,00 €\n"));
    EXPECT_TRUE(datos::leeBytes(dir.filePath("ajustes.ini")).endsWith("[avisos]\nsinPremio=no\n"));

    // A history that may not be written: the permission message, status 1.
    datos::escribeBytes(dir.filePath("uno.csv"), "2026-12-08,1,2,3,4,5,1,2\n");
    sinprivilegios::cede(dir.path());
    QFile::setPermissions(dir.filePath("numeros.dat"), QFile::ReadOwner | QFile::ReadOther);
    for (const QStringList& orden : {QStringList{"importar-csv", dir.filePath("uno.csv")},
                                     QStringList{"anadir-sorteo", "2026-12-08", "1 2 3 4 5 + 1 2"}}) {
        const Salida r = ejecutaCon(orden + conDir, sinprivilegios::baja);
        EXPECT_EQ(r.estado, 1) << qPrintable(orden.join(' '));
        EXPECT_TRUE(r.err.startsWith("Para modificar el archivo necesita permiso de Administrador.")) << r.err.constData();
        EXPECT_FALSE(r.out.contains("Insertados"));
        EXPECT_EQ(datos::leeBytes(dir.filePath("numeros.dat")), numeros);
    }
    QFile::setPermissions(dir.filePath("numeros.dat"), QFile::ReadOwner | QFile::WriteOwner);

    // comprobar prints its rows before it saves the counters: a peña file that
    // may not be written is refused before a row is printed, and once its
    // counters are current, it is only read.
    QFile::setPermissions(dir.filePath("apuestas.dat"), QFile::ReadOwner | QFile::ReadOther);
    const Salida antes = ejecutaCon(QStringList{"comprobar", "1"} + conDir, sinprivilegios::baja);
    EXPECT_EQ(antes.estado, 1);
    EXPECT_TRUE(antes.out.isEmpty()) << antes.out.constData();
    EXPECT_TRUE(antes.err.startsWith("Para modificar el archivo necesita permiso de Administrador.")) << antes.err.constData();
    EXPECT_EQ(datos::leeBytes(dir.filePath("apuestas.dat")), apuestas);
    QFile::setPermissions(dir.filePath("apuestas.dat"), QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(ejecuta(QStringList{"comprobar", "1"} + conDir).estado, 0);
    QFile::setPermissions(dir.filePath("apuestas.dat"), QFile::ReadOwner | QFile::ReadOther);
    const Salida despues = ejecutaCon(QStringList{"comprobar", "1"} + conDir, sinprivilegios::baja);
    EXPECT_EQ(despues.estado, 0) << despues.err.constData();
    EXPECT_TRUE(QString::fromUtf8(despues.out).contains(QStringLiteral("PEÑA UNA"))) << despues.out.constData();
    QFile::setPermissions(dir.filePath("apuestas.dat"), QFile::ReadOwner | QFile::WriteOwner);

    // A folder where numeros.dat should be is not a permission problem.
    QTemporaryDir carpeta;
    QDir(carpeta.path()).mkdir("numeros.dat");
    s = ejecuta({"importar-csv", dir.filePath("antiguo.csv"), "--dir", carpeta.path()});
    EXPECT_EQ(s.estado, 1);
    EXPECT_FALSE(s.err.contains("Administrador")) << s.err.constData();
    // Output that cannot be written is no success; comprobar still keeps the counters.
    datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("UNA", "Todos", {2020, 1, 1}, {{1, 2, 3, 4, 5, 1, 2}})});
    for (const QStringList& orden : {QStringList{"sorteos"}, QStringList{"penas"}, QStringList{"socios", "1"},
                                     QStringList{"resumen", "1", "--texto"}, QStringList{"comprobar", "1"}}) {
        QProcess lleno;
        lleno.setStandardOutputFile(QStringLiteral("/dev/full"));
        lleno.start(QStringLiteral(BOLVERA_CLI), orden + conDir);
        ASSERT_TRUE(lleno.waitForFinished(30000));
        EXPECT_EQ(lleno.exitCode(), 1) << qPrintable(orden[0]);
        EXPECT_TRUE(QString::fromUtf8(lleno.readAllStandardError()).contains(QStringLiteral("no queda espacio en el disco")))
            << qPrintable(orden[0]);
    }
    EXPECT_EQ(ficheroregistros::leeTodos<RegPena>(dir.filePath("apuestas.dat")).at(0).contado, datos::sorteosSeguidos(3, QDate(2026, 12, 4)).back().fecha);
}

TEST(CliFicheros, aFullDiskIsSaidSoAndChangesNothing)
{
    // A small disk of its own: a history of 1,300 draws fills most of it,
    // so the copy kept before a merge cannot be written.
    QTemporaryDir dir;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=40k", "tmpfs", dir.path()}) != 0)
        GTEST_SKIP() << "no se puede montar un disco pequeño";
    const auto desmonta = qScopeGuard([&] { QProcess::execute("umount", {dir.path()}); });
    datos::escribeSorteos(dir.filePath("numeros.dat"), datos::sorteosSeguidos(1300, QDate(2026, 12, 4)));
    const QByteArray antes = datos::leeBytes(dir.filePath("numeros.dat"));
    QTemporaryDir fuera;
    datos::escribeBytes(fuera.filePath("uno.csv"), "2026-12-08,1,2,3,4,5,1,2\n");
    datos::escribeBytes(fuera.filePath("pagina.html"),
                        paginas_prueba::resultados({{{2026, 12, 8}, {1, 2, 3, 4, 5, 1, 2}, "ID8", {}, {}},
                                                    {{2026, 12, 4}, {1, 2, 3, 4, 5, 1, 2}, "ID4", {}, {}}}));
    // A merge and a page read on a full disk: said so, never "no data" or "damaged".
    for (const QStringList& orden : {QStringList{"importar-csv", fuera.filePath("uno.csv")},
                                     QStringList{"analizar", fuera.filePath("pagina.html")}}) {
        const Salida s = ejecuta(orden + QStringList{"--dir", dir.path(), "--hoy", "2026-12-08"});
        EXPECT_EQ(s.estado, 1) << qPrintable(orden[0]);
        EXPECT_TRUE(QString::fromUtf8(s.err).contains(QStringLiteral("No queda espacio en el disco"))) << s.err.constData();
        EXPECT_EQ(datos::leeBytes(dir.filePath("numeros.dat")), antes);
    }

    // Filled to the last byte, the temporary folder on the same disk: the
    // price (with one page left for the lock), a PDF of slips and a summary
    // fail whole, said so, and the files they would replace stay as they were.
    ASSERT_TRUE(QFile::remove(dir.filePath("numeros.dat")));
    datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("UNA", "Todos", {2020, 1, 1})});
    datos::escribeBytes(dir.filePath("ajustes.ini"), "[General]\nprecioApuesta=310\n");
    datos::escribeBytes(dir.filePath("boletos.pdf"), "%PDF anterior");
    datos::escribeBytes(dir.filePath("resumen.pdf"), "%PDF anterior");
    datos::escribeBytes(dir.filePath("hueco"), QByteArray(4096, 'x'));
    {
        QFile relleno(dir.filePath("relleno"));
        ASSERT_TRUE(relleno.open(QIODevice::WriteOnly));
        const QByteArray trozo(4096, 'x');
        while (relleno.write(trozo) == trozo.size() && relleno.flush()) {
        }
    }
    const std::map<QString, QString> temporal = {{"TMPDIR", dir.path()}};
    for (const QStringList& orden : {QStringList{"imprimir", "1", "--pdf", dir.filePath("boletos.pdf")},
                                     QStringList{"resumen", "1", "--pdf", dir.filePath("resumen.pdf")},
                                     QStringList{"precio", "3,20"}}) {
        if (orden[0] == u"precio")
            QFile::remove(dir.filePath("hueco"));
        const Salida s = ejecutaSirviendo(orden + QStringList{"--dir", dir.path(), "--hoy", "2026-12-08"}, {}, temporal);
        EXPECT_EQ(s.estado, 1) << qPrintable(orden[0]);
        EXPECT_TRUE(QString::fromUtf8(s.err).contains(QStringLiteral("No queda espacio en el disco"))) << s.err.constData();
    }
    EXPECT_EQ(datos::leeBytes(dir.filePath("ajustes.ini")), QByteArray("[General]\nprecioApuesta=310\n"));
    EXPECT_EQ(datos::leeBytes(dir.filePath("boletos.pdf")), QByteArray("%PDF anterior"));
    EXPECT_EQ(datos::leeBytes(dir.filePath("resumen.pdf")), QByteArray("%PDF anterior"));
}

TEST(CliCerrojo, anUnreadableLockGoesStaleAndEveryWriterTakesIt)
{
    QTemporaryDir dir;
    datos::escribeSorteos(dir.filePath("numeros.dat"), datos::sorteosSeguidos(3, QDate(2026, 12, 4)));
    const QStringList comprobar = {"comprobar", "1", "--dir", dir.path(), "--hoy", "2026-12-08"};
    {
        // comprobar rewrites the counters: refused while the folder is held.
        Cerrojo ventana(dir.path() + u'/');
        ASSERT_TRUE(ventana.toma());
        const Salida s = ejecuta(comprobar);
        EXPECT_EQ(s.estado, 1);
        EXPECT_TRUE(QString::fromUtf8(s.err).contains(QStringLiteral("está en uso por otro Bolvera")));
    }
    // A lock left empty by a kill: held while it may be being written,
    // taken over once it is a few seconds old.
    datos::escribeBytes(dir.filePath("bolvera.lock"), {});
    EXPECT_EQ(ejecuta(comprobar).estado, 1);
    QFile lock(dir.filePath("bolvera.lock"));
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    lock.setFileTime(QDateTime::currentDateTime().addSecs(-Cerrojo::segundosSinDueno - 1), QFileDevice::FileModificationTime);
    lock.close();
    const Salida s = ejecuta(comprobar);
    EXPECT_EQ(s.estado, 0) << s.err.constData();
    // One dated in the future (a clock that went back) counts its age from
    // the first writer that finds it: held now, stale a few seconds later.
    datos::escribeBytes(dir.filePath("bolvera.lock"), {});
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    lock.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime);
    lock.close();
    EXPECT_EQ(ejecuta(comprobar).estado, 1);
    EXPECT_LE(QFileInfo(dir.filePath("bolvera.lock")).lastModified(), QDateTime::currentDateTime().addSecs(1));
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    lock.setFileTime(QDateTime::currentDateTime().addSecs(-Cerrojo::segundosSinDueno - 1), QFileDevice::FileModificationTime);
    lock.close();
    EXPECT_EQ(ejecuta(comprobar).estado, 0);

    // A folder that cannot be written is said so, not "en uso".
    sinprivilegios::cede(dir.path());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const Salida r = ejecutaCon(comprobar, sinprivilegios::baja);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(r.estado, 1);
    EXPECT_FALSE(QString::fromUtf8(r.err).contains(QStringLiteral("en uso"))) << r.err.constData();
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("No se puede escribir en la carpeta de datos"))) << r.err.constData();
}

} // namespace

namespace {

TEST(CliFuentes, eachSourceWithItsNewestDrawAndTheUpdateFromThem)
{
    QTemporaryDir dir;
    datos::escribeSorteos(dir.filePath("numeros.dat"),
                          {datos::sorteo({2026, 11, 27}, {1, 2, 3, 4, 5, 1, 2}), datos::sorteo({2026, 12, 1}, {6, 7, 8, 9, 10, 3, 4})});
    ServidorPrueba servidor;
    servidor.pon("/servicios/buscadorSorteos", {403, "<html>no</html>", {}, false, false});
    // The UK agrees with the stored 1 Dec and has 4 Dec; Austria has 4 Dec
    // too, and a different 27 Nov (shown, never written).
    const ServidorPrueba::Respuesta uk{200,
                                       "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Lucky Star 1,Lucky Star 2,DrawNumber\n"
                                       "04-Dec-2026,50,40,23,7,1,9,3,1\n01-Dec-2026,6,7,8,9,10,3,4,2\n",
                                       {}, false, false};
    servidor.pon("/results/euromillions/draw-history/csv", uk);
    servidor.pon("/espejo/results/euromillions/draw-history/csv", uk);
    servidor.pon("/media/NN_W2D_STAT_EUML_2026.csv",
                 {200, "Fr. 04.12.2026;1;7;23;40;50;3;9\r\nFr. 27.11.2026;1;2;3;4;6;1;2\r\n", {}, false, false});
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("BOLVERA_OPERADOR_URL", servidor.url());
    entorno.insert("BOLVERA_FUENTES_URL", servidor.url());
    p.setProcessEnvironment(entorno);
    const auto corre = [&](const QStringList& argumentos) {
        QEventLoop bucle;
        QObject::connect(&p, &QProcess::finished, &bucle, &QEventLoop::quit);
        QTimer::singleShot(90000, &bucle, &QEventLoop::quit);
        p.start(QStringLiteral(BOLVERA_CLI), argumentos + QStringList{"--dir", dir.path(), "--hoy", "2026-12-08"});
        bucle.exec();
        return Salida{p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    };

    Salida s = corre({"fuentes", "--json"});
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    QMap<QString, QJsonObject> porClave;
    for (const QJsonValue& v : QJsonDocument::fromJson(s.out).object()["fuentes"].toArray())
        porClave[v.toObject()["clave"].toString()] = v.toObject();
    EXPECT_EQ(porClave.keys(), (QStringList{"api", "austria", "belgica", "fdj", "reinounido"}));
    EXPECT_EQ(porClave["reinounido"]["ultimo"].toString(), QStringLiteral("2026-12-04"));
    EXPECT_EQ(porClave["reinounido"]["iguales"].toInt(), 1);
    EXPECT_TRUE(porClave["reinounido"]["direccion"].toString().startsWith(servidor.url()));
    EXPECT_EQ(porClave["austria"]["distintos"].toArray().size(), 1);
    EXPECT_FALSE(porClave["belgica"]["contesto"].toBool());
    // Belgium's address is that of its draws, not of its prizes.
    EXPECT_TRUE(porClave["belgica"]["direccion"].toString().endsWith("/euromillions-gamedata-NL-2026.csv"));
    // What an update would take now, and from whom.
    EXPECT_TRUE(QJsonDocument::fromJson(s.out).object()["prevision"].toString().startsWith(
        QStringLiteral("Una actualización añadiría ahora 1 sorteo (04/12/2026), confirmados por Reino Unido y Austria.")))
        << s.out.constData();
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(dir.filePath("numeros.dat")).size(), 2u);
    // The text says its times the Spanish way.
    const Salida t = corre({"fuentes"});
    EXPECT_TRUE(QRegularExpression(QStringLiteral("Tiempo: \\d+,\\d s")).match(QString::fromUtf8(t.out)).hasMatch())
        << t.out.constData();
    // The UK's server answers browsers only; the others hear the program's name.
    const qsizetype delReino = servidor.pedidas.indexOf(QStringLiteral("/results/euromillions/draw-history/csv"));
    ASSERT_GE(delReino, 0);
    EXPECT_TRUE(servidor.agentes.value(delReino).startsWith(QStringLiteral("Mozilla/5.0")))
        << qPrintable(servidor.agentes.value(delReino));
    EXPECT_TRUE(servidor.agentes.value(0).startsWith(QStringLiteral("Bolvera/")));

    // The update takes 4 Dec, confirmed by both, and says so.
    s = corre({"actualizar"});
    EXPECT_EQ(s.estado, 0) << s.err.constData();
    EXPECT_TRUE(s.out.contains("04/12/2026")) << s.out.constData();
    EXPECT_TRUE(s.err.contains("Sorteos nuevos: confirmados por Reino Unido y Austria.\n")) << s.err.constData();
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(dir.filePath("numeros.dat")).size(), 3u);
    // A source turned off in ajustes.ini (keys in any case) is not asked, a
    // mirror is asked under its own path, a key that names no source is
    // said; and with one source left nothing can be confirmed: status 1.
    datos::escribeSorteos(dir.filePath("numeros.dat"),
                          {datos::sorteo({2026, 11, 27}, {1, 2, 3, 4, 5, 1, 2}), datos::sorteo({2026, 12, 1}, {6, 7, 8, 9, 10, 3, 4})});
    datos::escribeBytes(dir.filePath("ajustes.ini"),
                        "[Fuentes]\nAUSTRIA=no\nReinoUnido=" + servidor.url().toUtf8() + "/espejo\nfdjx=no\n");
    const int antes = servidor.pedidas.size();
    s = corre({"actualizar"});
    EXPECT_EQ(s.estado, 1);
    EXPECT_TRUE(QString::fromUtf8(s.err).contains(QStringLiteral("El sorteo del 04/12/2026 no se ha podido confirmar")))
        << s.err.constData();
    EXPECT_TRUE(QString::fromUtf8(s.err).contains(QStringLiteral("«fdjx» no es ninguna fuente"))) << s.err.constData();
    EXPECT_TRUE(servidor.pedidas.mid(antes).filter(QStringLiteral("W2D")).isEmpty());
    EXPECT_TRUE(servidor.pedidas.mid(antes).contains(QStringLiteral("/espejo/results/euromillions/draw-history/csv")));
}

} // namespace

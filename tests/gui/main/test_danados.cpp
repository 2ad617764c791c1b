#include "gui/main/pestanageneral.h"
#include "gui/main/pestanapenas.h"
#include "core/checking/vistapena.h"
#include "core/print/trabajo.h"
#include "core/store/ficheroregistros.h"
#include "core/store/texto1252.h"
#include "support/datos.h"
#include "support/ventana.h"

#include <QApplication>
#include <QProcess>
#include <QTableView>

#include <gtest/gtest.h>

#include <limits>

using namespace bolvera;

namespace {

QByteArray sorteos(std::vector<RegSorteo> lista)
{
    QByteArray b;
    for (const RegSorteo& s : lista)
        b += s.aBytes();
    return b;
}

QByteArray penas(std::vector<RegPena> lista)
{
    QByteArray b;
    for (const RegPena& p : lista)
        b += p.aBytes();
    return b;
}

RegPena conTipo(int tipo)
{
    RegPena p = datos::pena("TIPO", "Todos", {2020, 1, 1}, {{1, 2, 3, 4, 5, 1, 2}});
    p.tipo = static_cast<std::int16_t>(tipo);
    return p;
}

RegSorteo fechaRara(double fecha)
{
    RegSorteo s = datos::sorteo({2026, 12, 4});
    s.fecha = fecha;
    return s;
}

// What the user sees of the peñas: names, shapes and bets, never changed by
// reading or checking damaged files.
std::vector<QByteArray> identidad(const QString& fichero)
{
    std::vector<QByteArray> r;
    const QByteArray b = ficheroregistros::leeEnteros(fichero, RegPena::tamano);
    for (qsizetype off = 0; off < b.size(); off += RegPena::tamano)
        r.push_back(b.mid(off, 740) + b.mid(off + 766, 17));
    return r;
}

class Danados : public PruebaVentana
{
};

TEST_F(Danados, damagedFilesNeverCrashAndLoseNothing)
{
    const auto buenos = datos::sorteosSeguidos(6, QDate(2026, 12, 4));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    RegPena nombres = datos::pena("x", "Todos", {2020, 1, 1});
    nombres.nombre = texto1252::decodifica(QByteArray::fromHex("00011f7f80819d9ffe41424300000000000a0d09"));
    RegPena futura = datos::pena("FUTURA", "Todos", {2030, 1, 1});
    RegPena creacionNan = datos::pena("NAN", "Todos", {});
    creacionNan.creacion = nan;
    creacionNan.contado = -inf;
    std::vector<RegSorteo> muchos;
    for (int i = 0; i < 32767; ++i)
        muchos.push_back(buenos[static_cast<std::size_t>(i % 6)]);

    struct Caso
    {
        const char* que;
        QByteArray numeros;
        QByteArray apuestas;
        bool historiaInvalida;
    };
    const QByteArray unaPena = penas({datos::pena("BUENA", "Todos", {2020, 1, 1})});
    const Caso casos[] = {
        {"a draw file cut short", sorteos(buenos).left(2 * 22 + 11), unaPena, false},
        {"a peña file of the wrong length", sorteos(buenos), unaPena + QByteArray(400, 'z'), false},
        {"number 51", sorteos({buenos[0], datos::sorteo({2026, 12, 8}, {1, 2, 3, 4, 51, 1, 2})}), unaPena, true},
        {"star 13", sorteos({datos::sorteo({2026, 12, 8}, {1, 2, 3, 4, 5, 1, 13})}), unaPena, true},
        {"number -32768", sorteos({datos::sorteo({2026, 12, 8}, {-32768, 2, 3, 4, 5, 1, 2})}), unaPena, true},
        {"tipo out of range", sorteos(buenos), penas({conTipo(0), conTipo(30), conTipo(300), conTipo(-5), conTipo(152)}), false},
        {"names with control bytes", sorteos(buenos), penas({nombres}), false},
        {"draw dates NaN, infinite, negative, huge",
         sorteos({fechaRara(nan), fechaRara(inf), fechaRara(-1e9), fechaRara(1e300), fechaRara(-inf)}), unaPena, true},
        {"a draw dated 1e300 after good ones", sorteos({buenos[0], buenos[1], fechaRara(1e300)}), unaPena, true},
        {"draws newest first", sorteos({buenos[1], buenos[0]}), unaPena, true},
        {"a peña dated in the future, another with NaN dates", sorteos(buenos), penas({futura, creacionNan}), false},
        {"32,767 draws: one past the cap", sorteos(muchos), unaPena, true},
    };
    for (const Caso& c : casos) {
        datos::escribeBytes(ruta("numeros.dat"), c.numeros);
        datos::escribeBytes(ruta("apuestas.dat"), c.apuestas);
        QFile::remove(ruta("numeros.err"));
        const auto antes = identidad(ruta("apuestas.dat"));

        Principal& v = abre();
        v.alActivarse();
        auto* lista = control<QTableView>("ListView1");
        for (int fila = 0; fila < lista->model()->rowCount(); ++fila) {
            v.gestor().eligePena(fila);
            v.gestor().imprimePena();
        }
        v.general().compsencillas(m_estado.proxsorteo - 1);
        const auto leidas = ficheroregistros::leeTodos<RegPena>(ruta("apuestas.dat"));
        for (const RegPena& p : leidas) {
            trabajoImpresion(p, Papel::Oficial, 10, 20, [] { return true; });
            trabajoImpresion(p, Papel::Normal, 0, 0, [] { return false; });
        }
        for (const char* orden : {"estado", "sorteos", "frecuencias", "penas", "pena"}) {
            QProcess p;
            QStringList argumentos = {QString::fromLatin1(orden), "--dir", m_dir.path()};
            if (QByteArray(orden) == "pena")
                argumentos.insert(1, QStringLiteral("1"));
            p.start(QStringLiteral(BOLVERA_CLI), argumentos);
            ASSERT_TRUE(p.waitForFinished(60000)) << c.que << " " << orden;
            EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << c.que << " " << orden;
            EXPECT_TRUE(p.exitCode() == 0 || !p.readAllStandardError().isEmpty()) << c.que << " " << orden;
        }

        EXPECT_EQ(identidad(ruta("apuestas.dat")), antes) << c.que;
        if (c.historiaInvalida) {
            EXPECT_EQ(QFileInfo(ruta("numeros.dat")).size(), 0) << c.que;
            EXPECT_EQ(datos::leeBytes(ruta("numeros.err")), c.numeros) << c.que;
        } else {
            EXPECT_EQ(datos::leeBytes(ruta("numeros.dat")), c.numeros) << c.que;
            EXPECT_FALSE(QFileInfo::exists(ruta("numeros.err"))) << c.que;
        }
        m_ventana.reset();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"Imprimir")
                delete w;
    }
}

} // namespace

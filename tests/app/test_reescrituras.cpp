#include "core/store/socios.h"
#include "core/store/cargasorteos.h"
#include "core/store/ficheroregistros.h"
#include "support/datos.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <map>

using namespace bolvera;

namespace {

constexpr int muertes = 200;

struct Operacion
{
    const char* nombre;
    std::vector<const char*> ficheros; // those it rewrites
};

// Large files, so that a write takes long enough to be cut (draws on
// every Tuesday and Friday from 2004 on, far into the future).
void prepara(const QString& dir)
{
    datos::escribeSorteos(dir + "/numeros.dat", datos::sorteosSeguidos(32766, QDate(2330, 1, 4)));
    std::vector<RegPena> penas;
    for (int i = 0; i < 500; ++i)
        penas.push_back(datos::pena(QStringLiteral("PEÑA %1").arg(i), "Todos", {2329, 6, 1},
                                    {{47, 48, 49, 50, 1, 12, 11}, {1, 2, 3, 4, 5, 1, 2}}));
    datos::escribePenas(dir + "/apuestas.dat", penas);
    std::vector<socios::Grupo> grupos;
    for (std::size_t i = 0; i < penas.size(); ++i)
        socios::pon(grupos, socios::claveDe(penas, i), {{"ANA", 1, "600 000 000", {{{2330, 1, 1}, 1000}}}, {"BEA", 2, {}, {}}, {"CAR", 3, {}, {}}});
    ASSERT_EQ(socios::guarda(dir + u'/', grupos), 0);
    datos::escribeSorteos(dir + "/elegido.dat", datos::sorteosSeguidos(3000, QDate(2036, 12, 5)));
    datos::escribeBytes(dir + "/ovk.pdf", "%PDF-1.4 " + QByteArray(512 * 1024, 'a'));
    datos::escribeBytes(dir + "/nuevo.pdf", "%PDF-1.4 " + QByteArray(512 * 1024, 'b'));
}

std::map<QString, QByteArray> lee(const QString& dir, const std::vector<const char*>& ficheros)
{
    std::map<QString, QByteArray> r;
    for (const char* f : ficheros)
        r[QString::fromLatin1(f)] = datos::leeBytes(dir + u'/' + QString::fromLatin1(f));
    return r;
}

void copia(const QString& de, const QString& a)
{
    QDir(a).removeRecursively();
    QDir().mkpath(a);
    for (const QString& f : QDir(de).entryList(QDir::Files))
        QFile::copy(de + u'/' + f, a + u'/' + f);
}

qint64 ejecuta(const char* op, const QString& dir, int matarTrasUs)
{
    QProcess p;
    QElapsedTimer reloj;
    reloj.start();
    p.start(QStringLiteral(BOLVERA_REESCRITOR), {QString::fromLatin1(op), dir});
    p.waitForStarted();
    if (matarTrasUs >= 0) {
        QThread::usleep(static_cast<unsigned long>(matarTrasUs));
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
    }
    p.waitForFinished(60000);
    return reloj.nsecsElapsed() / 1000;
}

TEST(Reescrituras, aKillLeavesTheOldFileOrTheNewOne)
{
    QTemporaryDir base;
    const QString original = base.filePath("original");
    QDir().mkpath(original);
    prepara(original);
    const std::vector<Operacion> operaciones = {
        {"borra-pena", {"apuestas.dat"}},
        {"borra-sorteo", {"numeros.dat"}},
        {"borra-todo", {"numeros.dat"}},
        {"importa", {"numeros.dat", "numeros.bak"}},
        {"resetea", {"apuestas.dat"}},
        {"contadores", {"apuestas.dat"}},
        {"descarga", {"ovk.pdf"}},
        {"socios", {"socios.json", "socios.bak"}},
    };
    auto* azar = QRandomGenerator::global();
    for (const Operacion& op : operaciones) {
        // The new content, from a run that is left alone.
        const QString trabajo = base.filePath(QStringLiteral("trabajo"));
        copia(original, trabajo);
        const auto viejo = lee(trabajo, op.ficheros);
        const qint64 duracion = ejecuta(op.nombre, trabajo, -1);
        const auto nuevo = lee(trabajo, op.ficheros);
        ASSERT_NE(viejo, nuevo) << op.nombre;

        int viejos = 0;
        int nuevos = 0;
        for (int i = 0; i < muertes; ++i) {
            copia(original, trabajo);
            ejecuta(op.nombre, trabajo, static_cast<int>(azar->bounded(static_cast<quint64>(duracion) + 1)));
            const auto ahora = lee(trabajo, op.ficheros);
            // numeros.bak and numeros.dat are replaced one after the other:
            // each file on its own is whole, old or new.
            for (const auto& [fichero, bytes] : ahora)
                ASSERT_TRUE(bytes == viejo.at(fichero) || bytes == nuevo.at(fichero))
                    << op.nombre << " kill " << i << ": " << qPrintable(fichero) << " is neither";
            viejos += ahora == viejo ? 1 : 0;
            nuevos += ahora == nuevo ? 1 : 0;
            // The program starts on what is left.
            const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(trabajo + "/numeros.dat");
            const auto penas = ficheroregistros::leeTodos<RegPena>(trabajo + "/apuestas.dat");
            estadoSorteos(sorteos, penas, QDate(2026, 12, 8));
        }
        std::printf("%s: %d kills, %d left the old files, %d the new, %d between two files\n", op.nombre,
                    muertes, viejos, nuevos, muertes - viejos - nuevos);
    }
}

} // namespace

// One harness a reader of outside input, each its own executable: the name
// it is built with (BOLVERA_LECTOR) picks the reader from this table. The
// input reaches the reader as it would from the disk or the network.
#include "store/ajustes.h"
#include "store/csvsorteos.h"
#include "store/premios.h"
#include "store/socios.h"
#include "update/fuentes.h"
#include "update/servicio.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string_view>

using namespace bolvera;

namespace {

// ajustes.ini is read by QSettings, from a file only, and QSettings keeps
// what it read of a file until its size or time changes: one scratch folder
// a process, and each run's file is given a time of its own.
QString carpetaAjustes()
{
    static const QString carpeta = [] {
        // In memory where there is a tmpfs: the file is written every run.
        const QString raiz = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString c = raiz + QStringLiteral("/bolvera-fuzz-ajustes-%1/").arg(QCoreApplication::applicationPid());
        QDir().mkpath(c);
        return c;
    }();
    return carpeta;
}

using Lector = void (*)(const QByteArray&);

const std::map<std::string_view, Lector> lectores = {
    {"socios", [](const QByteArray& b) {
         const socios::Lectura l = socios::leeTexto(b);
         // What was read must write back and read again the same.
         if (!l.error && socios::leeTexto(socios::texto(l.grupos)).error)
             std::abort();
     }},
    {"csvsorteos", [](const QByteArray& b) { (void)csvsorteos::lee(b); }},
    {"premioscsv", [](const QByteArray& b) { (void)premios::leeCsv(b); }},
    {"premiosdat", [](const QByteArray& b) {
         for (qsizetype o = 0; o + RegPremios::tamano <= b.size(); o += RegPremios::tamano) {
             const RegPremios r = RegPremios::desdeBytes(QByteArrayView(b).sliced(o, RegPremios::tamano));
             if (r.sano() && !(RegPremios::desdeBytes(r.aBytes()) == r))
                 std::abort();
         }
     }},
    {"servicio", [](const QByteArray& b) { (void)servicio::lee(b); }},
    {"fdj", [](const QByteArray& b) {
         (void)fuentes::leeFdj(b);
         (void)fuentes::enlaceFdj(b);
     }},
    {"belgica", [](const QByteArray& b) {
         const qsizetype corte = b.indexOf('\0');
         (void)fuentes::leeBelgica(b.left(corte < 0 ? b.size() : corte), corte < 0 ? QByteArray() : b.mid(corte + 1));
     }},
    {"reinounido", [](const QByteArray& b) { (void)fuentes::leeReinoUnido(b); }},
    {"austria", [](const QByteArray& b) { (void)fuentes::leeAustria(b); }},
    {"api", [](const QByteArray& b) { (void)fuentes::leeApi(b); }},
    {"ajustes", [](const QByteArray& b) {
         const QString carpeta = carpetaAjustes();
         QFile f(carpeta + QStringLiteral("ajustes.ini"));
         static qint64 vuelta = 0;
         if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(b) != b.size() ||
             !f.setFileTime(QDateTime::fromSecsSinceEpoch(946684800 + vuelta++), QFileDevice::FileModificationTime))
             return;
         f.close();
         (void)ajustes::precioApuesta(carpeta);
         (void)ajustes::fuente(carpeta, QStringLiteral("fdj"));
         (void)ajustes::avisoSinPremio(carpeta);
     }},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo)
{
    static const Lector lector = lectores.at(BOLVERA_LECTOR);
    // The readers take a QByteArray; this view shares the fuzzer's bytes, no copy.
    lector(QByteArray::fromRawData(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo)));
    return 0;
}

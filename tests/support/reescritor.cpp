// A child process for the crash tests: performs one whole-file rewrite of the
// data directory and exits. The test kills it at random moments.
#include "core/checking/comprobacion.h"
#include "core/store/ficheroregistros.h"
#include "core/store/historia.h"
#include "core/store/penas.h"
#include "core/store/reescritura.h"
#include "core/store/socios.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>

using namespace bolvera;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QByteArray op = argv[1];
    const QString ruta = QString::fromLocal8Bit(argv[2]) + u'/';
    if (op == "borra-pena")
        return borraPena(ruta + QStringLiteral("apuestas.dat"), 2);
    if (op == "borra-sorteo")
        return historia::borraSorteo(ruta, 3);
    if (op == "borra-todo")
        return historia::vacia(ruta);
    if (op == "importa")
        return static_cast<int>(historia::importa(ruta, ruta + QStringLiteral("elegido.dat")).veredicto);
    if (op == "resetea")
        return historia::reseteaPenas(ruta, QDate(2026, 12, 8));
    if (op == "contadores") {
        Parpadeo p;
        return comprueba(ruta, 200, {}, p).error;
    }
    if (op == "socios") // the first peña's members into socios.bak, then out of socios.json
        return socios::apartaDe(ruta, ficheroregistros::leeTodos<RegPena>(ruta + QStringLiteral("apuestas.dat")), 0, true);
    if (op == "descarga") {
        QFile nuevo(ruta + QStringLiteral("nuevo.pdf"));
        nuevo.open(QIODevice::ReadOnly);
        return reescribe(ruta + QStringLiteral("ovk.pdf"), nuevo.readAll());
    }
    return 2;
}

// Start-up of the main window: from the start of a new process to the main
// window's first paint, with 32,766 draws and 500 peñas and with empty files
// (offscreen). Each start is a fresh process; the medians are printed.
#include "azar.h"
#include "gui/main/principal.h"
#include "core/platform/dialogos.h"
#include "core/platform/escritorio.h"
#include "core/platform/plataforma.h"
#include "core/platform/red.h"
#include "core/platform/reloj.h"
#include "core/store/estado.h"
#include "core/store/fechas.h"
#include "core/store/ficheros.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace bolvera;

namespace {

// The world kept quiet: no box waits for a click, nothing leaves the machine.
class DialogosMudos final : public Dialogos
{
public:
    void mensaje(Icono, const QString&, const QString&) override {}
    bool pregunta(const QString&, const QString&, PorDefecto) override { return false; }
    QString abreFichero(const QString&, const QString&, const QString&) override { return {}; }
    QString guardaFichero(const QString&, const QString&, const QString&) override { return {}; }
    bool eligeImpresora(QPrinter&) override { return false; }
    bool hayImpresoras() override { return false; }
    std::optional<SorteoEscrito> pideSorteo(const SorteoEscrito&) override { return std::nullopt; }
};
class EscritorioMudo final : public Escritorio
{
public:
    bool abre(const QUrl&) override { return false; }
    QString nombreSistema() const override { return {}; }
    bool hayLectorPdf() const override { return true; }
    std::optional<bool> actualizacionAutomatica() override { return std::nullopt; }
    std::optional<QString> ponActualizacionAutomatica(bool) override { return QStringLiteral("sin systemd"); }
};
class DescargaMuda final : public Descarga
{
public:
    void cancela() override {}
};
class RedMuda final : public Red
{
public:
    Descarga* trae(const QUrl&) override { return new DescargaMuda; }
};

// The child: starts the window and says when it is first painted.
int arranca(const QString& ruta)
{
    int argc = 1;
    char nombre[] = "bench_arranque";
    char* argv[] = {nombre, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Estado estado;
    estado.ruta = ficheros::calculaRuta(ruta);
    RelojSistema reloj;
    DialogosMudos dialogos;
    EscritorioMudo escritorio;
    RedMuda red;
    Plataforma plataforma{reloj, dialogos, escritorio, red};
    Principal ventana(estado, plataforma);
    class Pintado final : public QObject
    {
    protected:
        bool eventFilter(QObject*, QEvent* evento) override
        {
            if (evento->type() == QEvent::Paint) {
                std::puts("pintada");
                std::fflush(stdout);
                std::_Exit(0);
            }
            return false;
        }
    } pintado;
    ventana.installEventFilter(&pintado);
    ventana.show();
    return QApplication::exec();
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--una")
        return arranca(QString::fromLocal8Bit(argv[2]));

    QTemporaryDir llena;
    QTemporaryDir vacia;
    QByteArray sorteos;
    QDate dia(2026, 12, 4);
    for (int n = 0; n < RegSorteo::maximo; dia = dia.addDays(-1)) {
        if (dia.dayOfWeek() != Qt::Tuesday && dia.dayOfWeek() != Qt::Friday)
            continue;
        RegSorteo s;
        s.num = {static_cast<std::int16_t>(1 + n % 45), 46, 47, 48, 49, static_cast<std::int16_t>(1 + n % 11), 12};
        s.fecha = fechas::diaNumero(dia);
        sorteos.prepend(s.aBytes());
        ++n;
    }
    QByteArray penas;
    for (int p = 0; p < 500; ++p) {
        RegPena pena;
        pena.nombre = QStringLiteral("PEÑA %1").arg(p).leftJustified(RegPena::largoNombre);
        pena.dia = QStringLiteral("Todos").leftJustified(RegPena::largoDia);
        pena.tipo = 24;
        pena.creacion = fechas::diaNumero(QDate(2020, 1, 1));
        for (std::size_t b = 0; b < 24; ++b) {
            pena.numeros[b] = {1, 2, 3, 4, static_cast<std::int16_t>(5 + b % 40)};
            pena.estrellas[b] = {1, 2};
        }
        penas += pena.aBytes();
    }
    escribeFichero(llena.filePath(QStringLiteral("numeros.dat")), sorteos);
    escribeFichero(llena.filePath(QStringLiteral("apuestas.dat")), penas);
    escribeFichero(vacia.filePath(QStringLiteral("numeros.dat")), {});
    escribeFichero(vacia.filePath(QStringLiteral("apuestas.dat")), {});

    const QString yo = QString::fromLocal8Bit(argv[0]);
    std::printf("main window, process start to first paint (offscreen), median of 7\n");
    double vaciaMs = 0;
    for (const auto& [nombre, dir] : {std::pair{"empty files", vacia.path()}, std::pair{"32,766 draws, 500 peñas", llena.path()}}) {
        std::vector<double> tiempos;
        for (int i = 0; i < 7; ++i) {
            QProcess p;
            QElapsedTimer reloj;
            reloj.start();
            p.start(yo, {QStringLiteral("--una"), dir});
            p.waitForReadyRead(30000);
            tiempos.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
            p.waitForFinished(30000);
        }
        const double ms = mediana(tiempos);
        if (vaciaMs == 0)
            vaciaMs = ms;
        std::printf("%-26s %8.1f ms  (%.2fx the empty start)\n", nombre, ms, ms / vaciaMs);
    }
    return 0;
}

// Saves a picture of every window and tab, for looking at the GUI without a
// screen: capturas --dir DATA --salida OUT [--oscuro] [--letra PUNTOS]
// (run with QT_QPA_PLATFORM=offscreen). --oscuro draws it as on a dark
// desktop, --letra with the desktop's font at that size.
#include "gui/main/pestanageneral.h"
#include "gui/main/pestanapenas.h"
#include "gui/main/principal.h"
#include "core/platform/plataforma.h"
#include "gui/platform/qt/dialogosqt.h"
#include "gui/platform/qt/escritorioqt.h"
#include "core/platform/redqt.h"
#include "core/platform/reloj.h"
#include "gui/shell/acercade.h"
#include "gui/create/crea.h"
#include "gui/create/creamenu.h"
#include "gui/print/imprimir.h"
#include "gui/shell/infor.h"
#include "gui/shell/presentacion.h"
#include "gui/comun/contraste.h"
#include "core/store/estado.h"
#include "core/store/ficheros.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QCheckBox>
#include <QStyleFactory>
#include <QEventLoop>
#include <QTabWidget>
#include <QTimer>

using namespace bolvera;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser opciones;
    const QCommandLineOption dir(QStringLiteral("dir"), QStringLiteral("data"), QStringLiteral("DIR"));
    const QCommandLineOption salida(QStringLiteral("salida"), QStringLiteral("out"), QStringLiteral("DIR"));
    const QCommandLineOption oscuro(QStringLiteral("oscuro"), QStringLiteral("dark desktop"));
    const QCommandLineOption letra(QStringLiteral("letra"), QStringLiteral("font size"), QStringLiteral("PUNTOS"));
    opciones.addOptions({dir, salida, oscuro, letra});
    opciones.process(app);
    if (opciones.isSet(oscuro)) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(contraste::paletaOscura());
    }
    if (opciones.isSet(letra)) {
        QFont f = QApplication::font();
        f.setPointSizeF(opciones.value(letra).toDouble());
        QApplication::setFont(f);
    }
    const QDir destino(opciones.value(salida));

    Estado estado;
    estado.ruta = ficheros::calculaRuta(opciones.value(dir));
    RelojSistema reloj;
    DialogosQt dialogos;
    EscritorioQt escritorio;
    RedQt red;
    Plataforma plataforma{reloj, dialogos, escritorio, red};

    Presentacion splash;
    splash.show();
    splash.grab().save(destino.filePath(QStringLiteral("presentacion.png")));
    Acercade acerca(escritorio);
    acerca.show();
    acerca.grab().save(destino.filePath(QStringLiteral("acercade.png")));
    acerca.hide();

    Principal principal(estado, plataforma);
    principal.show();
    auto* tabs = principal.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        // Charts and PDF pages are drawn a moment later.
        QEventLoop espera;
        QTimer::singleShot(400, &espera, &QEventLoop::quit);
        espera.exec();
        principal.grab().save(destino.filePath(QStringLiteral("principal-%1.png").arg(i)));
    }
    // The multiple-bet list, and every draw with "Histórico".
    principal.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(0);
    principal.general().muestraLista(1);
    QApplication::processEvents();
    principal.grab().save(destino.filePath(QStringLiteral("principal-multiples.png")));
    Creamenu menu(estado, plataforma, [](QWidget* editor) { editor->show(); });
    menu.show();
    for (int i = 0; i < 14; ++i)
        menu.dibujaMarca();
    menu.grab().save(destino.filePath(QStringLiteral("creamenu.png")));
    menu.findChild<QCheckBox*>(QStringLiteral("Check1_0"))->setChecked(true);
    menu.eligeTipo(0);
    menu.eligeNumeros(5);
    menu.grab().save(destino.filePath(QStringLiteral("creamenu-estrellas.png")));
    menu.hide();

    // An editor with two bets and a third one half marked.
    estado.modoApuesta = 0;
    Crea crea(estado, plataforma);
    crea.show();
    for (int celda : {2, 14, 21, 39, 40, 52, 60, 0, 9, 18, 27, 36, 50, 61, 4, 7, 33})
        crea.pulsaCasilla(celda), crea.avanza(), crea.avanza(), crea.avanza(),
            crea.avanza(), crea.avanza(), crea.avanza();
    crea.grab().save(destino.filePath(QStringLiteral("crea.png")));
    crea.hide();

    principal.gestor().eligePena(0);
    Imprimir imprimir(estado, plataforma);
    imprimir.show();
    imprimir.grab().save(destino.filePath(QStringLiteral("imprimir.png")));
    imprimir.hide();

    Infor infor(escritorio, estado.fichero(QStringLiteral("informe.dat")));
    infor.show();
    infor.grab().save(destino.filePath(QStringLiteral("infor.png")));
    return 0;
}

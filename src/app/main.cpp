#include "core/store/directorio.h"
#include "gui/main/principal.h"
#include "gui/main/servidorventana.h"
#include "core/platform/canal.h"
#include "core/platform/cerrojo.h"
#include "core/platform/plataforma.h"
#include "core/programa/version.h"
#include "gui/platform/qt/dialogosqt.h"
#include "gui/platform/qt/escritorioqt.h"
#include "core/platform/redqt.h"
#include "core/platform/reloj.h"
#include "gui/shell/presentacion.h"
#include "core/store/estado.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocalSocket>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace bolvera;

int main(int argc, char* argv[])
{
    // Answered before any window system is needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Bolvera %s\n", qPrintable(versionPaquete));
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Uso: bolvera [--dir DIR]\n"
                        "Comprueba las peñas de Euromillones contra los sorteos.\n"
                        "  --dir DIR   la carpeta de datos (también BOLVERA_DIR); sin ella, la del programa si\n"
                        "              tiene los datos, si no ~/.local/share/Bolvera\n"
                        "  --version   la versión\n"
                        "  --help      esta ayuda\n");
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bolvera"));

    // Standard buttons in Spanish ("Sí", "No") whatever the system language.
    QTranslator qtEspanol;
    if (qtEspanol.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtEspanol);

    QCommandLineParser opciones;
    const QCommandLineOption dir(QStringLiteral("dir"), QStringLiteral("Carpeta de datos."), QStringLiteral("DIR"));
    opciones.addOption(dir);
    if (!opciones.parse(QApplication::arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(opciones.errorText()));
        return 2;
    }
    const DirectorioDatos datos =
        directorioDatos(opciones.value(dir), QApplication::applicationDirPath());
    if (!datos.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(datos.error));
        return 1;
    }

    // One window a data folder: a second start brings the first one up.
    const QString canal = canalVentana(datos.ruta);
    // Every box goes through the platform's dialogs, the lock's two as well.
    DialogosQt dialogos;
    Dialogos& cajas = dialogos;
    Cerrojo cerrojo(datos.ruta);
    if (!cerrojo.toma() && cerrojo.fallo() != Cerrojo::Fallo::Ocupado) {
        cajas.mensaje(Dialogos::Icono::Critico, QStringLiteral("Bolvera"), cerrojo.motivo());
        return 1;
    }
    if (cerrojo.fallo() == Cerrojo::Fallo::Ocupado) {
        if (cajas.pregunta(
                QStringLiteral("Bolvera"),
                QStringLiteral("Bolvera ya está abierto con esta carpeta de datos:\n%1\n\n¿Quiere ir a esa ventana?")
                    .arg(QDir::toNativeSeparators(datos.ruta)))) {
            QLocalSocket aviso;
            aviso.connectToServer(canal);
            if (aviso.waitForConnected(2000)) {
                aviso.write("muestra\n");
                aviso.waitForBytesWritten(2000);
            }
        }
        return 0;
    }
    Estado estado;
    estado.ruta = datos.ruta;
    RelojSistema reloj;
    EscritorioQt escritorio;
    RedQt red;
    Plataforma plataforma{reloj, dialogos, escritorio, red};

    std::unique_ptr<Principal> principal;
    ServidorVentana servidor(datos.ruta, [&] { return principal.get(); });
    servidor.escucha();
    auto* presentacion = new Presentacion;
    presentacion->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(presentacion, &Presentacion::entrar, [&] {
        principal = std::make_unique<Principal>(estado, plataforma);
        dialogos.setPadre(principal.get());
        principal->show();
        presentacion->close();
    });
    presentacion->show();
    return QApplication::exec();
}

#include "app/opciones.h"
#include "main/principal.h"
#include "platform/plataforma.h"
#include "platform/qt/dialogosqt.h"
#include "platform/qt/escritorioqt.h"
#include "platform/redqt.h"
#include "platform/reloj.h"
#include "shell/presentacion.h"
#include "store/estado.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bolvera"));

    // Standard buttons in Spanish ("Sí", "No") whatever the system language.
    QTranslator qtEspanol;
    if (qtEspanol.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtEspanol);

    QCommandLineParser opciones;
    opciones.addHelpOption();
    const QCommandLineOption dir(QStringLiteral("dir"),
                                 QStringLiteral("Directorio de datos (por defecto, el del programa)."),
                                 QStringLiteral("DIR"));
    opciones.addOption(dir);
    opciones.process(app);

    const DirectorioDatos datos =
        directorioDatos(opciones.value(dir), QApplication::applicationDirPath());
    if (!datos.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(datos.error));
        return 1;
    }

    Estado estado;
    estado.ruta = datos.ruta;
    RelojSistema reloj;
    DialogosQt dialogos;
    EscritorioQt escritorio;
    RedQt red;
    Plataforma plataforma{reloj, dialogos, escritorio, red};

    std::unique_ptr<Principal> principal;
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

#include "gui/main/principal.h"

#include "gui/main/crecimiento.h"
#include "gui/main/pestanaestadisticas.h"
#include "gui/main/pestanageneral.h"
#include "gui/main/pestanapenas.h"
#include "gui/main/pestanasocios.h"
#include "gui/main/pestanasorteos.h"
#include "gui/main/piezas.h"
#include "gui/main/secundarias.h"
#include "gui/comun/twips.h"
#include "core/platform/dialogos.h"
#include "core/platform/escritorio.h"
#include "core/platform/plataforma.h"
#include "core/platform/reloj.h"
#include "core/platform/sitios.h"
#include "gui/create/creamenu.h"
#include "gui/shell/acercade.h"
#include "core/programa/version.h"
#include "core/store/ajustes.h"
#include "core/store/cargasorteos.h"
#include "core/store/estado.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/historia.h"
#include "core/store/premios.h"
#include "core/store/numsini.h"
#include "core/store/socios.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace bolvera {

namespace {

const QString bienvenida = QStringLiteral(
    "Bienvenido a Bolvera. Vaya a la pestaña 'Gestor de Peñas' y cree una. La peña creada "
    "empezará a almacenar resultados a partir de hoy. Si quieres ver los resultados de la peña "
    "en sorteos anteriores, marque la casilla 'Histórico' de la pestaña 'General'.");


} // namespace

Principal::Principal(Estado& estado, Plataforma& plataforma, QWidget* padre)
    : QMainWindow(padre), m_estado(estado), m_plataforma(plataforma)
{
    setObjectName(QStringLiteral("Principal"));
    setWindowTitle(QStringLiteral("Bolvera - Comprueba tus Euromillones por internet. ") +
                   versionPrograma);
    auto* cuerpo = new QWidget;
    m_c = construyeControles(cuerpo);
    m_general = new PestanaGeneral(m_estado, m_plataforma, *this, this);
    m_c.pestanas->insertTab(0, m_general->pagina(), QStringLiteral("General"));
    m_pestanaSorteos = new PestanaSorteos(m_estado, m_plataforma, this);
    m_c.pestanas->insertTab(1, m_pestanaSorteos->pagina(), QStringLiteral("Sorteos"));
    m_gestor = new PestanaPenas(m_estado, m_plataforma, *this, this);
    m_c.pestanas->insertTab(2, m_gestor->pagina(), QStringLiteral("Gestor de peñas"));
    m_estadisticas = new PestanaEstadisticas(m_estado, m_plataforma, *this, this);
    m_c.pestanas->addTab(m_estadisticas->pagina(), QStringLiteral("Estadísticas"));
    m_socios = new PestanaSocios(m_estado, m_plataforma, *this, this);
    m_c.pestanas->addTab(m_socios->pagina(), QStringLiteral("Socios"));
    setCentralWidget(cuerpo);
    Crecimiento::desplazables(m_c.pestanas);
    new Crecimiento(this, m_c.pestanas);
    // A small screen gets what it has room for; the tabs scroll inside.
    QSize tamano(980, 720);
    if (const QScreen* pantalla = screen())
        tamano = tamano.boundedTo(pantalla->availableGeometry().size() - QSize(px(25), px(50) + 40));
    resize(tamano);

    m_secundarias = new Secundarias(this);
    m_temporizadorActualizacion = piezas::temporizador(this, QStringLiteral("Timer1"), 1000);
    m_temporizadorAviso = piezas::temporizador(this, QStringLiteral("Timer2"), 500);
    m_temporizadorAviso->start();

    construyeMenus();
    conecta();
    arranca();
    // The focus starts on the tabs, never on the first button of the window
    // ("Eliminar peña"): a Space or Enter at start-up must change nothing.
    m_c.pestanas->setFocus(Qt::OtherFocusReason);
}

void Principal::construyeMenus()
{
    // Each action is connected where it is made; the usual keys of a
    // desktop program go with it.
    auto accion = [this](QMenu* menu, const QString& nombre, const QString& texto, QKeySequence tecla = {}) {
        QAction* a = menu->addAction(texto);
        a->setObjectName(nombre);
        a->setShortcut(tecla);
        return a;
    };

    QMenu* general = menuBar()->addMenu(QStringLiteral("&General"));
    connect(accion(general, QStringLiteral("Baja"), QStringLiteral("&Bajar Sorteos nuevos"), QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, &Principal::bajaSorteos);
    m_accionFuentes = accion(general, QStringLiteral("Fuentes"), QStringLiteral("&Fuentes de resultados..."));
    connect(m_accionFuentes, &QAction::triggered, this, &Principal::muestraFuentes);
    m_accionAutomatica = accion(general, QStringLiteral("automatica"), QStringLiteral("Ac&tualizar automáticamente"));
    m_accionAutomatica->setCheckable(true);
    // The timer may be switched from outside too: its state is asked each time the menu opens.
    connect(general, &QMenu::aboutToShow, this, [this] {
        const QSignalBlocker callado(m_accionAutomatica);
        m_accionAutomatica->setChecked(m_plataforma.escritorio.actualizacionAutomatica().value_or(false));
    });
    connect(m_accionAutomatica, &QAction::triggered, this, &Principal::cambiaAutomatica);
    connect(accion(general, QStringLiteral("crear"), QStringLiteral("&Crear peña nueva"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &Principal::creaPena);
    connect(accion(general, QStringLiteral("borrar"), QStringLiteral("B&orrar sorteos almacenados/Reset aciertos peñas")),
            &QAction::triggered, m_estadisticas, &PestanaEstadisticas::borraTodos);
    connect(accion(general, QStringLiteral("importarcsv"), QStringLiteral("&Importar sorteos de un CSV..."),
                   QKeySequence(Qt::CTRL | Qt::Key_I)),
            &QAction::triggered, m_estadisticas, &PestanaEstadisticas::importaCsv);
    connect(accion(general, QStringLiteral("exportarcsv"), QStringLiteral("&Exportar sorteos a un CSV..."),
                   QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, m_estadisticas, &PestanaEstadisticas::exportaCsv);
    connect(accion(general, QStringLiteral("anadirsorteo"), QStringLiteral("&Añadir sorteo..."), QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, m_estadisticas, &PestanaEstadisticas::anadeSorteo);
    connect(accion(general, QStringLiteral("Recontar"), QStringLiteral("&Recontar premios...")),
            &QAction::triggered, m_estadisticas, &PestanaEstadisticas::recuentaPremios);
    general->addSeparator();
    // The lists' filters: which list, and the boxes they set (unset: left as they are).
    const struct
    {
        const char* nombre;
        QString texto;
        std::optional<bool> soloPremio;
        std::optional<bool> historico;
    } filtros[2][4] = {
        {{"sencillas", QStringLiteral("&Todos los resultados"), {}, {}},
         {"verpremio", QStringLiteral("Sólo si hay &premio"), true, false},
         {"verhisto", QStringLiteral("&Histórico (resultados sorteos anteriores a la fecha de creación de las peñas)"),
          false, true},
         {"verprehi", QStringLiteral("Sólo si hay premios + h&istórico"), true, true}},
        {{"Multiples", QStringLiteral("&Todos los resultados"), {}, {}},
         {"verpremiom", QStringLiteral("Sólo si hay &premio"), true, false},
         {"verhistom", QStringLiteral("&Histórico (resultados sorteos anteriores a la fecha de creacón de las peñas)"),
          false, true},
         {"verpreim", QStringLiteral("Sólo si hay premios + h&istórico"), true, true}},
    };
    const QString listas[2] = {QStringLiteral("&Sencillas"), QStringLiteral("&Múltiples")};
    for (int lista = 0; lista < 2; ++lista) {
        QMenu* menu = general->addMenu(listas[lista]);
        for (const auto& f : filtros[lista])
            connect(accion(menu, QString::fromLatin1(f.nombre), f.texto), &QAction::triggered, this,
                    [this, lista, f] { m_general->filtro(lista, f.soloPremio, f.historico); });
    }
    general->addSeparator();
    connect(accion(general, QStringLiteral("salir"), QStringLiteral("Sa&lir"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &QWidget::close);

    QMenu* ver = menuBar()->addMenu(QStringLiteral("&Ver"));
    const QStringList pestanas = {QStringLiteral("Pestaña &General"),
                                  QStringLiteral("Pestaña Último &sorteo"),
                                  QStringLiteral("Pestaña Gestor de &peñas"),
                                  QStringLiteral("Pestaña &Estadísticas"),
                                  QStringLiteral("Pestaña S&ocios")};
    const QStringList nombres = {QStringLiteral("general"), QStringLiteral("ultimo"),
                                 QStringLiteral("gestor"), QStringLiteral("estadisticas"),
                                 QStringLiteral("socios")};
    for (int i = 0; i < 5; ++i) {
        // Ctrl+1 to Ctrl+5, a tab each.
        const QKeySequence tecla(Qt::CTRL | Qt::Key(Qt::Key_1 + i));
        connect(accion(ver, nombres[i], pestanas[i], tecla), &QAction::triggered, this,
                [this, i] { m_c.pestanas->setCurrentIndex(i); });
    }

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("A&yuda"));
    connect(accion(ayuda, QStringLiteral("Leer"), QStringLiteral("&Leer mensaje del Jefe")), &QAction::triggered, this,
            &Principal::muestraInfor);
    connect(accion(ayuda, QStringLiteral("web"), QStringLiteral("&Web del programa")),
            &QAction::triggered, this,
            [this] { m_plataforma.escritorio.abre(QUrl(sitios::web())); });
    connect(accion(ayuda, QStringLiteral("acerca"), QStringLiteral("&Acerca de..."), QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &Principal::muestraAcercade);

    // F10 opens the menu bar, as on other desktops.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty())
            menuBar()->setActiveAction(menuBar()->actions().front());
    });
}

void Principal::conecta()
{
    connect(m_temporizadorAviso, &QTimer::timeout, this, &Principal::parpadeaAviso);
    connect(m_c.eliminarPena, &QToolButton::clicked, m_gestor, &PestanaPenas::eliminaPena);
    connect(m_c.crearPena, &QToolButton::clicked, this, &Principal::creaPena);
    connect(m_c.imprimir, &QToolButton::clicked, m_gestor, &PestanaPenas::imprimePena);
    conectaActualizacion();
    connect(m_c.pestanas, &QTabWidget::currentChanged, this, &Principal::cambiaPestana);
    connect(m_c.borrarSorteos, &QToolButton::clicked, this, [this] {
        if (m_estadisticas->puedeBorrarTodo())
            m_estadisticas->borraTodos();
    });
    connect(m_c.anadirSorteos, &QToolButton::clicked, m_estadisticas, &PestanaEstadisticas::anadeTodos);
}

void Principal::arranca()
{
    if (const QScreen* pantalla = screen())
        move(pantalla->availableGeometry().topLeft() + QPoint(px(25), px(50)));

    // Leftovers of rewrites cut short: the classic temporary name, and the
    // temporary copies the atomic rewrites make beside each file.
    QFile::remove(m_estado.fichero(ficheros::apuestasTmp));
    ficheros::borraTemporales(m_estado.ruta);
    // A new data directory starts with the history the program ships, and
    // its files exist from the first start on. A folder that cannot take
    // them leaves the views empty; each change says so when it fails.
    (void)historia::preparaInicial(m_estado.ruta);
    for (const QString& nombre : {ficheros::apuestas, ficheros::numeros, ficheros::www, ficheros::www2})
        (void)ficheroregistros::asegura(m_estado.fichero(nombre));
    (void)numsini::prepara(m_estado.fichero(ficheros::numsIni));

    cargasorteos();
    if (const auto l = socios::lee(m_estado.ruta); l.error)
        m_plataforma.dialogos.mensaje(Dialogos::Icono::Exclamacion, QStringLiteral("socios.json"),
                                      *l.error + QStringLiteral(" El fichero se conserva tal cual; las peñas no cambian."));
    if (m_premiosDanados > 0)
        m_plataforma.dialogos.mensaje(Dialogos::Icono::Exclamacion, QStringLiteral("premios.dat"),
                                      QStringLiteral("%1 registros dañados en premios.dat no se tienen en cuenta: "
                                                     "sus premios se muestran sin importe.").arg(m_premiosDanados));
    refresca();
    m_pestanaSorteos->cargainforme(m_sorteo, PestanaSorteos::Pdf::Guardado);
    m_general->muestraLista(0);
    noticias();
    actualizaSiToca();
}

void Principal::cargasorteos()
{
    const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(m_estado.fichero(ficheros::numeros));
    const auto penas = ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas));
    // The amounts and the price the peña view shows, read once a reload.
    premios::Lectura premios = premios::lee(m_estado.ruta);
    m_premiosDanados = premios.danados;
    const std::int64_t precio = ajustes::precioApuesta(m_estado.ruta);
    m_socios->ponImportes(premios.porFecha, precio);
    m_gestor->ponImportes(std::move(premios.porFecha), precio);
    const EstadoSorteos e = estadoSorteos(sorteos, penas, m_plataforma.reloj.hoy());

    m_sorteosjugados = e.sorteosjugados;
    m_estado.proxsorteo = e.proxsorteo;
    m_sorteo = e.sorteo;

    m_general->muestraEstado(e);
    if (e.aviso.isEmpty())
        m_temporizadorAviso->stop();
    else
        m_temporizadorAviso->start();

    muestraPenas(sorteos, penas);
}

void Principal::muestraPenas(const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas)
{
    m_general->muestraNumeroPenas(m_gestor->cargapenas(sorteos, penas, m_sorteosjugados));
    m_socios->cargapenas(sorteos, penas);
}

void Principal::refresca()
{
    // The listing judges the history first: a history it rejects is never
    // counted into the peñas. Its recovery refreshes everything itself.
    if (m_estadisticas->listasorteos())
        m_general->compruebaMostrados();
}

bool Principal::anadiendo() const { return m_actualizacion && m_actualizacion->contando(); }
bool Principal::hayNuevos() const { return m_hayNuevos; }
void Principal::olvidaNuevos() { ponNuevos(QString()); }

void Principal::ponNuevos(const QString& texto)
{
    m_hayNuevos = !texto.isEmpty();
    m_c.nuevos->setText(texto);
    m_c.nuevos->repaint();
}

void Principal::recompruebaUltimo()
{
    if (m_general->recompruebaUltimo())
        m_estadisticas->alPrincipio();
}

void Principal::parpadeaAviso() { m_general->alternaAviso(); }

void Principal::changeEvent(QEvent* evento)
{
    QMainWindow::changeEvent(evento);
    // Run at once, as the activation happens: a click that activated the
    // window is handled after it, so a window it opens is not unloaded.
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        alActivarse(true);
}

void Principal::alActivarse(bool avisoDiferido)
{
    ++m_focos;
    if (m_focos == 1 &&
        ficheroregistros::leeEnteros(m_estado.fichero(ficheros::apuestas), RegPena::tamano).isEmpty()) {
        auto aviso = [this] {
            m_plataforma.dialogos.mensaje(Dialogos::Icono::Informacion,
                                          QStringLiteral("Fichero de peñas vacío"), bienvenida);
        };
        // From an activation the box waits for the event to end: a modal box
        // does not open inside the activation itself.
        if (avisoDiferido)
            QMetaObject::invokeMethod(this, aviso, Qt::QueuedConnection);
        else
            aviso();
    }

    if (m_estado.penanueva) {
        recompruebaUltimo();
        m_estado.penanueva = false;
        cargasorteos();
    }
    descargaSecundarias();
}

void Principal::descargaSecundarias() { m_secundarias->alActivarPrincipal(); }

void Principal::abreSecundaria(QWidget* ventana) { m_secundarias->abre(ventana, !isActiveWindow()); }

void Principal::creaPena()
{
    // The editor the menu opens is a secondary window like the menu itself.
    abreSecundaria(new Creamenu(m_estado, m_plataforma,
                                [this](QWidget* editor) { m_secundarias->abre(editor, false); }));
}

void Principal::muestraAcercade() { abreSecundaria(new Acercade(m_plataforma.escritorio, m_estado.ruta)); }

void Principal::cambiaPestana(int nueva)
{
    m_general->paraparpadeo();
    // The report cannot be opened while an update runs.
    if (nueva == 1 && m_actualizacion && m_actualizacion->enCurso()) {
        const QSignalBlocker sinAviso(m_c.pestanas);
        m_c.pestanas->setCurrentIndex(m_pestana);
        return;
    }
    m_pestana = nueva;
    if (nueva == 1)
        m_pestanaSorteos->alMostrar(m_sorteo);
    // The members shown are those of the peña chosen in the peña tab, when one was.
    if (m_c.pestanas->widget(nueva) == m_socios->pagina() || m_c.pestanas->widget(nueva)->isAncestorOf(m_socios->pagina()))
        m_socios->eligePena(m_gestor->penasel());
}

void Principal::closeEvent(QCloseEvent* evento)
{
    // Every change is already on disk: closing ends the program at once.
    evento->accept();
    QApplication::quit();
}

} // namespace bolvera

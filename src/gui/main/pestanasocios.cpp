// The main window's members tab: one peña's people and their accounts.
#include "gui/main/pestanasocios.h"

#include "core/checking/cuentas.h"
#include "core/checking/euros.h"
#include "core/checking/resumen.h"
#include "gui/comun/errorpermiso.h"
#include "gui/comun/nombra.h"
#include "gui/main/anfitrion.h"
#include "gui/main/dialogossocios.h"
#include "gui/main/piezas.h"
#include "core/platform/dialogos.h"
#include "core/platform/plataforma.h"
#include "core/platform/reloj.h"
#include "core/store/ajustes.h"
#include "core/store/estado.h"
#include "core/store/fechas.h"
#include "core/store/ficheros.h"
#include "gui/comun/contraste.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace bolvera {

using namespace piezas;

namespace {

const QString vayaHombre = QStringLiteral("¡Vaya hombre!");

QList<QStandardItem*> fila(const QStringList& celdas, int desdeNumeros)
{
    QList<QStandardItem*> items;
    for (qsizetype c = 0; c < celdas.size(); ++c) {
        auto* item = new QStandardItem(celdas[c]);
        if (c >= desdeNumeros)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    return items;
}

} // namespace

PestanaSocios::PestanaSocios(Estado& estado, Plataforma& plataforma, Anfitrion& anfitrion, QObject* padre)
    : QObject(padre), m_estado(estado), m_plataforma(plataforma), m_anfitrion(anfitrion)
{
    m_pagina = construye();
    connect(m_elegirPena, &QComboBox::currentIndexChanged, this, [this] { muestra(); });
    connect(m_listaSocios->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { muestraPagos(); });
    connect(m_listaSocios, &QAbstractItemView::doubleClicked, this, &PestanaSocios::modificaSocio);
    connect(m_precio, &QLineEdit::editingFinished, this, &PestanaSocios::cambiaPrecio);
    connect(m_anadir, &QPushButton::clicked, this, &PestanaSocios::anadeSocio);
    connect(m_modificar, &QPushButton::clicked, this, &PestanaSocios::modificaSocio);
    connect(m_quitar, &QPushButton::clicked, this, &PestanaSocios::quitaSocio);
    connect(m_pagar, &QPushButton::clicked, this, &PestanaSocios::anotaPago);
    connect(m_hacerResumen, &QPushButton::clicked, this, &PestanaSocios::resumen);
    connect(m_recuperar, &QPushButton::clicked, this, &PestanaSocios::recuperaSocios);
}

QWidget* PestanaSocios::construye()
{
    auto* pestana = new QWidget;
    auto* col = new QVBoxLayout(pestana);

    auto* arriba = new QHBoxLayout;
    auto* etiquetaPena = new QLabel(QStringLiteral("P&eña:"));
    m_elegirPena = nombra(new QComboBox, QStringLiteral("ComboPena"));
    m_elegirPena->setMinimumContentsLength(24);
    etiquetaPena->setBuddy(m_elegirPena);
    arriba->addWidget(etiquetaPena);
    arriba->addWidget(m_elegirPena);
    arriba->addStretch(1);
    auto* etiquetaPrecio = new QLabel(QStringLiteral("P&recio por apuesta (€):"));
    m_precio = nombra(new QLineEdit, QStringLiteral("TextPrecio"));
    m_precio->setFixedWidth(80);
    m_precio->setAlignment(Qt::AlignRight);
    etiquetaPrecio->setBuddy(m_precio);
    arriba->addWidget(etiquetaPrecio);
    arriba->addWidget(m_precio);
    col->addLayout(arriba);

    const QFont sans = letra(QStringLiteral("MS Sans Serif"), 9, QFont::SansSerif);
    m_modelo = modeloCabeceras({QStringLiteral("Socio"), QStringLiteral("Participaciones"), QStringLiteral("Pagado"),
                                QStringLiteral("Apostado"), QStringLiteral("Ganado"), QStringLiteral("Neto"),
                                QStringLiteral("Balance"), QStringLiteral("Nota")});
    m_listaSocios = dice(listaInforme(QStringLiteral("ListaSocios"), m_modelo, {}, sans), QStringLiteral("Socios de la peña"),
                       QStringLiteral("Cada socio con sus participaciones y sus cuentas."));
    // The amounts as wide as they are; the names and notes share the rest.
    for (int c = 0; c < m_modelo->columnCount(); ++c)
        m_listaSocios->horizontalHeader()->setSectionResizeMode(
            c, c == 0 || c == 7 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    m_listaSocios->setMinimumHeight(110);

    auto* centro = new QHBoxLayout;
    centro->addWidget(m_listaSocios, 3);
    auto* pagos = nombra(new QGroupBox(QStringLiteral("Pagos del socio")), QStringLiteral("FramePagos"));
    auto* rp = new QVBoxLayout(pagos);
    m_pagos = modeloCabeceras({QStringLiteral("Fecha"), QStringLiteral("Importe")});
    m_listaPagos = dice(listaInforme(QStringLiteral("ListaPagos"), m_pagos, {}, sans), QStringLiteral("Pagos del socio elegido"));
    m_listaPagos->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_listaPagos->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_listaPagos->setSelectionMode(QAbstractItemView::NoSelection);
    m_listaPagos->setFocusPolicy(Qt::NoFocus);
    rp->addWidget(m_listaPagos);
    pagos->setMinimumWidth(200);
    centro->addWidget(pagos, 1);
    col->addLayout(centro, 1);

    m_cuentas = etiqueta(QStringLiteral("LabelCuentas"), QString());
    m_cuentas->setWordWrap(true);
    m_cuentas->setTextFormat(Qt::PlainText);
    col->addWidget(m_cuentas);

    auto* botones = new QHBoxLayout;
    m_anadir = boton(QStringLiteral("CommandAnadir"), QStringLiteral("&Añadir socio..."));
    m_modificar = boton(QStringLiteral("CommandModificar"), QStringLiteral("&Modificar..."));
    m_quitar = boton(QStringLiteral("CommandQuitar"), QStringLiteral("&Quitar socio"));
    m_pagar = boton(QStringLiteral("CommandPago"), QStringLiteral("Anotar &pago..."));
    m_hacerResumen = boton(QStringLiteral("CommandResumen"), QStringLiteral("Resumen para los &socios..."));
    for (QPushButton* b : {m_anadir, m_modificar, m_quitar, m_pagar})
        botones->addWidget(b);
    botones->addStretch(1);
    m_recuperar = boton(QStringLiteral("CommandRecuperar"), QStringLiteral("Rec&uperar socios..."));
    m_recuperar->setToolTip(QStringLiteral("Trae a esta peña los socios de una peña borrada, guardados en socios.bak."));
    botones->addWidget(m_recuperar);
    botones->addWidget(m_hacerResumen);
    col->addLayout(botones);
    return pestana;
}

void PestanaSocios::ponImportes(std::map<double, RegPremios> premios, std::int64_t precioApuesta)
{
    m_premios = std::move(premios);
    m_precioApuesta = precioApuesta;
    m_precio->setText(euros::texto(precioApuesta).remove(QStringLiteral(" €")));
}

void PestanaSocios::cargapenas(const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas)
{
    m_sorteos = sorteos;
    m_penas = penas;
    const int antes = m_elegirPena->currentIndex();
    {
        const QSignalBlocker callado(m_elegirPena);
        m_elegirPena->clear();
        for (const RegPena& p : m_penas)
            m_elegirPena->addItem(p.nombreRecortado());
        m_elegirPena->setCurrentIndex(antes >= 0 && antes < m_elegirPena->count() ? antes : 0);
    }
    muestra();
}

void PestanaSocios::eligePena(int r)
{
    if (r >= 1 && r <= m_elegirPena->count())
        m_elegirPena->setCurrentIndex(r - 1);
}

const RegPena* PestanaSocios::pena() const
{
    const int i = m_elegirPena->currentIndex();
    return i >= 0 && i < static_cast<int>(m_penas.size()) ? &m_penas[static_cast<std::size_t>(i)] : nullptr;
}

socios::Clave PestanaSocios::clave() const
{
    return socios::claveDe(m_penas, static_cast<std::size_t>(m_elegirPena->currentIndex()));
}

void PestanaSocios::muestra()
{
    const int elegido = m_listaSocios->currentIndex().row();
    m_modelo->removeRows(0, m_modelo->rowCount());
    m_socios.clear();
    socios::Lectura l = socios::lee(m_estado.ruta);
    m_danado = l.error.has_value();
    m_grupos = std::move(l.grupos);
    const RegPena* p = pena();
    for (QPushButton* b : {m_anadir, m_modificar, m_quitar, m_pagar, m_recuperar})
        b->setEnabled(p && !m_danado);
    m_hacerResumen->setEnabled(p != nullptr);
    if (m_danado) {
        m_cuentas->setText(*l.error);
        muestraPagos();
        return;
    }
    if (!p) {
        m_cuentas->setText(QStringLiteral("No hay peñas: cree una en «Gestor de peñas»."));
        muestraPagos();
        return;
    }
    m_socios = socios::de(m_grupos, clave());
    const cuentas::Cuentas c =
        cuentas::calcula(cuentas::jugadas(*p, m_sorteos, m_premios, m_precioApuesta), m_socios);
    const bool retenido = c.pena.neto != c.pena.ganado;
    for (std::size_t i = 0; i < m_socios.size(); ++i) {
        const cuentas::Cuenta& k = c.socios[i];
        m_modelo->appendRow(fila({m_socios[i].nombre, QString::number(m_socios[i].participaciones),
                                  euros::texto(k.pagado), euros::texto(k.apostado), euros::texto(k.ganado),
                                  euros::texto(k.neto), euros::texto(k.balance()), m_socios[i].nota},
                                 1));
        m_modelo->item(static_cast<int>(i), 7)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (k.balance() < 0)
            m_modelo->item(static_cast<int>(i), 6)->setForeground(contraste::tinta(QColor(192, 0, 0), QPalette::Base));
    }
    m_listaSocios->setColumnHidden(5, !retenido);
    if (!m_socios.empty())
        m_listaSocios->selectRow(std::clamp(elegido, 0, static_cast<int>(m_socios.size()) - 1));

    QStringList cuentas{
        QStringLiteral("Desde la creación de la peña: apostado %1, ganado %2, pagado %3, balance %4.")
            .arg(euros::texto(c.pena.apostado), euros::texto(c.pena.ganado), euros::texto(c.pena.pagado),
                 euros::texto(c.pena.balance()))};
    if (retenido)
        cuentas << QStringLiteral("Neto: %1 tras la retención del 20 % sobre lo que pasa de 40.000 € por apuesta.")
                       .arg(euros::texto(c.pena.neto));
    if (c.sinImporte > 0)
        cuentas << euros::sinImporte(c.sinImporte) + u'.';
    if (m_socios.empty())
        cuentas << QStringLiteral("La peña no tiene socios: añádalos para repartir lo apostado y lo ganado.");
    m_cuentas->setText(cuentas.join(u'\n'));
    // Rows that come after the list was shown do not widen its columns by themselves.
    m_listaSocios->resizeColumnsToContents();
    muestraPagos();
}

void PestanaSocios::muestraPagos()
{
    m_pagos->removeRows(0, m_pagos->rowCount());
    const int i = m_listaSocios->currentIndex().row();
    if (i < 0 || i >= static_cast<int>(m_socios.size()))
        return;
    for (const socios::Pago& p : m_socios[static_cast<std::size_t>(i)].pagos)
        m_pagos->appendRow(fila({p.fecha.toString(QStringLiteral("dd/MM/yyyy")),
                                 euros::texto(p.centimos) + (p.centimos < 0 ? QStringLiteral(" (corrección)") : QString())},
                                1));
    m_listaPagos->resizeColumnsToContents();
}

int PestanaSocios::socioElegido(bool avisa)
{
    const int i = m_listaSocios->currentIndex().row();
    if (i >= 0 && i < static_cast<int>(m_socios.size()))
        return i;
    if (avisa)
        m_plataforma.dialogos.mensaje(Dialogos::Icono::Informacion, QStringLiteral("¡Nooooo!"),
                                      QStringLiteral("Seleccione un socio primero..."));
    return -1;
}

int PestanaSocios::indiceDe(const QString& nombre) const
{
    // The list may have been read again while a dialog was open.
    for (std::size_t j = 0; j < m_socios.size(); ++j)
        if (m_socios[j].nombre == nombre)
            return static_cast<int>(j);
    return -1;
}

bool PestanaSocios::guarda(std::vector<socios::Socio> lista)
{
    const RegPena* p = pena();
    if (!p || m_danado)
        return false;
    socios::pon(m_grupos, clave(), std::move(lista));
    const int error = socios::guarda(m_estado.ruta, m_grupos);
    errorEscritura(m_plataforma.dialogos, error, m_estado.fichero(ficheros::socios),
                   QStringLiteral("No se pudieron guardar los socios."));
    muestra();
    return error == 0;
}

void PestanaSocios::abre(QDialog* dialogo, std::function<void()> alAceptar)
{
    // Modal to the main window, without a loop of its own: the window keeps painting.
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    if (alAceptar)
        connect(dialogo, &QDialog::accepted, this, std::move(alAceptar));
    dialogo->open();
}

void PestanaSocios::anadeSocio()
{
    if (!pena() || m_danado)
        return;
    auto* ficha = new FichaSocio(QStringLiteral("Añadir socio"), m_socios, {}, m_pagina->window());
    abre(ficha, [this, ficha] {
        // The list may have been read again while the dialog was open.
        auto lista = m_socios;
        if (socios::anade(lista, ficha->socio()))
            return;
        if (guarda(std::move(lista)))
            m_listaSocios->selectRow(static_cast<int>(m_socios.size()) - 1);
    });
}

void PestanaSocios::modificaSocio()
{
    const int i = socioElegido(true);
    if (i < 0 || m_danado)
        return;
    auto* ficha = new FichaSocio(QStringLiteral("Modificar socio"), m_socios, static_cast<std::size_t>(i),
                                 m_pagina->window());
    abre(ficha, [this, ficha, nombre = m_socios[static_cast<std::size_t>(i)].nombre] {
        const int j = indiceDe(nombre);
        if (j < 0)
            return;
        auto lista = m_socios;
        if (socios::cambia(lista, static_cast<std::size_t>(j), ficha->socio()))
            return;
        if (guarda(std::move(lista)))
            m_listaSocios->selectRow(j);
    });
}

void PestanaSocios::quitaSocio()
{
    const int i = socioElegido(true);
    if (i < 0 || m_danado)
        return;
    const socios::Socio& s = m_socios[static_cast<std::size_t>(i)];
    if (!m_plataforma.dialogos.pregunta(QStringLiteral("Quitar socio"),
                                        QStringLiteral("¿Seguro que quieres quitar a ") + s.nombre +
                                            QStringLiteral(" de la peña? Se pierden sus pagos anotados."),
                                        Dialogos::PorDefecto::No))
        return;
    auto lista = m_socios;
    socios::quita(lista, static_cast<std::size_t>(i));
    guarda(std::move(lista));
}

void PestanaSocios::anotaPago()
{
    const int i = socioElegido(true);
    if (i < 0 || m_danado)
        return;
    auto* dialogo = new PagoSocio(m_socios[static_cast<std::size_t>(i)].nombre, m_plataforma.reloj.hoy(), m_pagina->window());
    abre(dialogo, [this, dialogo, nombre = m_socios[static_cast<std::size_t>(i)].nombre] {
        const int j = indiceDe(nombre);
        if (j < 0)
            return;
        auto lista = m_socios;
        if (socios::paga(lista, static_cast<std::size_t>(j), dialogo->pago(), dialogo->correccion()))
            return;
        if (guarda(std::move(lista)))
            m_listaSocios->selectRow(j);
    });
}

void PestanaSocios::recuperaSocios()
{
    if (!pena() || m_danado)
        return;
    const socios::Lectura copia = socios::apartados(m_estado.ruta);
    if (copia.error || copia.grupos.empty()) {
        m_plataforma.dialogos.mensaje(Dialogos::Icono::Informacion, QStringLiteral("Recuperar socios"),
                                      copia.error.value_or(QStringLiteral("No hay socios apartados de peñas borradas.")));
        return;
    }
    // Newest first, one question each: the first Yes brings that group.
    for (std::size_t i = copia.grupos.size(); i-- > 0;) {
        const socios::Grupo& g = copia.grupos[i];
        QStringList nombres;
        for (const socios::Socio& s : g.socios)
            nombres << s.nombre;
        if (!m_plataforma.dialogos.pregunta(
                QStringLiteral("Recuperar socios"),
                QStringLiteral("¿Traer a la peña ") + pena()->nombreRecortado() + QStringLiteral(" los socios de la peña borrada ") +
                    g.pena.nombre + QStringLiteral(" (creada el ") + fechas::fechaDeDia(g.pena.creacion).toString(QStringLiteral("dd/MM/yyyy")) +
                    QStringLiteral("): ") + nombres.join(QStringLiteral(", ")) + QStringLiteral("?"),
                Dialogos::PorDefecto::No))
            continue;
        int traidos = 0;
        const int error = socios::recupera(m_estado.ruta, i, clave(), traidos);
        muestra();
        if (errorEscritura(m_plataforma.dialogos, error, m_estado.fichero(ficheros::socios),
                           QStringLiteral("No se pudieron recuperar los socios.")))
            return;
        if (traidos < static_cast<int>(g.socios.size()))
            m_plataforma.dialogos.mensaje(
                Dialogos::Icono::Informacion, QStringLiteral("Recuperar socios"),
                QStringLiteral("Se han traído %1 de %2 socios: los demás tienen el nombre de un socio de esta peña y "
                               "siguen en socios.bak.").arg(traidos).arg(g.socios.size()));
        return;
    }
}

void PestanaSocios::resumen()
{
    const RegPena* p = pena();
    if (!p)
        return;
    const RegPena elegida = *p;
    const socios::Clave suya = clave();
    // From where the last summary ended (or the peña's creation) to today:
    // the payments made since the last draw count too.
    QDate desde = socios::siguienteResumen(m_grupos, suya);
    if (!desde.isValid())
        desde = fechas::fechaDeDia(elegida.creacion);
    const QDate hasta = m_plataforma.reloj.hoy();
    const auto calcula = [this, elegida, suya](QDate d, QDate h) {
        return bolvera::resumen(elegida, m_sorteos, m_premios, m_precioApuesta, socios::de(m_grupos, suya),
                                fechas::diaNumero(d), fechas::diaNumero(h));
    };
    // Handing a summary out marks where the next one starts; a damaged file is left alone.
    const auto hecho = [this, suya](QDate h) {
        if (m_danado)
            return;
        socios::anotaResumen(m_grupos, suya, h);
        errorEscritura(m_plataforma.dialogos, socios::guarda(m_estado.ruta, m_grupos), m_estado.fichero(ficheros::socios),
                       QStringLiteral("No se pudieron guardar los socios."));
    };
    // A summary handed out today makes the next one start tomorrow: it is offered up to today, never later.
    abre(new ResumenSocios(m_plataforma.dialogos, m_estado.ruta, std::min(desde, hasta), hasta, calcula, hecho,
                           m_pagina->window()),
         {});
}

void PestanaSocios::cambiaPrecio()
{
    const auto centimos = ajustes::leePrecio(m_precio->text());
    if (centimos && *centimos == m_precioApuesta)
        return;
    if (!centimos) {
        // The old price is back before the box takes the focus: leaving the box must not ask again.
        const QString escrito = m_precio->text();
        m_precio->setText(euros::texto(m_precioApuesta).remove(QStringLiteral(" €")));
        m_plataforma.dialogos.mensaje(Dialogos::Icono::Exclamacion, vayaHombre,
                                      QStringLiteral("Precio no válido: %1").arg(escrito));
        return;
    }
    if (errorEscritura(m_plataforma.dialogos, ajustes::ponPrecioApuesta(m_estado.ruta, *centimos),
                       m_estado.fichero(ficheros::ajustes), QStringLiteral("No se pudo guardar el precio.")))
        return;
    // Every euro the window shows depends on it.
    m_anfitrion.cargasorteos();
}

} // namespace bolvera

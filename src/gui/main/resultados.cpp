// The main window's results tab: the checking passes, the two lists, their
// filters and the prize blink.
#include "checking/comprobacion.h"
#include "comun/errorpermiso.h"
#include "store/ficheros.h"
#include "main/modeloresultados.h"
#include "main/pestanaestadisticas.h"
#include "main/principal.h"
#include "platform/plataforma.h"
#include "store/errores.h"
#include "store/estado.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace {

const QString captions[] = {QStringLiteral("S E N C I L L A"), QStringLiteral("M Ú L T I P L E")};

} // namespace

void Principal::compsencillas(int n)
{
    ++m_pasadas;
    const OpcionesPasada opciones{m_c.Check1->isChecked(), m_c.Check2->isChecked(),
                                  !m_c.Label19->text().isEmpty()};
    Parpadeo parpadeo = m_parpadeo;
    parpadeo.activo = m_timer3->isActive();
    Comprobacion c = comprueba(m_estado.ruta, n, opciones, parpadeo);
    errorEscritura(m_plataforma.dialogos, c.error, m_estado.fichero(ficheros::apuestas),
                   QStringLiteral("No se pudieron guardar los aciertos de las peñas."));

    // The working draw is left at the oldest draw of the pass.
    const auto& sorteos = c.datos->sorteos;
    const int revisados = std::clamp(n, 0, static_cast<int>(sorteos.size()));
    if (revisados > 0)
        m_sorteo = sorteos[sorteos.size() - static_cast<std::size_t>(revisados)];

    // Counters that moved show in the peña list and its totals at once.
    if (!c.sencillas.cambiadas.empty() || !c.multiples.cambiadas.empty())
        muestraPenas(sorteos, c.datos->penas);

    m_c.modeloSencillas->pon(c.datos, std::move(c.sencillas.filas));
    m_c.modeloMultiples->pon(c.datos, std::move(c.multiples.filas));

    m_parpadeo = parpadeo;
    if (parpadeo.activo && !m_timer3->isActive())
        m_timer3->start();
}

void Principal::Command1_Click(int indice)
{
    paraparpadeo();
    QTableView* mostrar = indice == 1 ? m_c.Listview4 : m_c.ListView2;
    QTableView* ocultar = indice == 1 ? m_c.ListView2 : m_c.Listview4;
    if (!mostrar->isHidden())
        return;
    mostrar->show();
    ocultar->hide();
}

void Principal::pintaBoton(int indice, bool premio)
{
    QPushButton* boton = m_c.Command1[indice];
    boton->setProperty("premio", premio);
    boton->setStyleSheet(premio ? QStringLiteral("background-color: rgb(255, 0, 0);") : QString());
    boton->setText(premio ? QStringLiteral("P R E M I O") : captions[indice]);
}

void Principal::paraparpadeo()
{
    if (!m_timer3->isActive())
        return;
    m_timer3->stop();
    m_c.Label19->clear();
    pintaBoton(0, false);
    pintaBoton(1, false);
}

void Principal::Timer3_Timer()
{
    if (m_parpadeo.sencillas && m_parpadeo.multiples) {
        const bool rojo = m_c.Command1[0]->property("premio").toBool();
        pintaBoton(0, !rojo);
        pintaBoton(1, !rojo);
    } else if (m_parpadeo.sencillas || m_parpadeo.multiples) {
        const int i = m_parpadeo.sencillas ? 0 : 1;
        pintaBoton(i, !m_c.Command1[i]->property("premio").toBool());
    }
}

void Principal::Check1_Click()
{
    m_c.Label19->clear();
    refresca();
}

void Principal::Check2_Click() { refresca(); }

void Principal::filtro(int lista, std::optional<bool> soloPremio, std::optional<bool> historico)
{
    m_c.SSTab1->setCurrentIndex(0);
    Command1_Click(lista);
    // A box that changes reruns the check through its own handler.
    if (soloPremio)
        m_c.Check2->setChecked(*soloPremio);
    if (historico)
        m_c.Check1->setChecked(*historico);
}

void Principal::recompruebaUltimo()
{
    if (m_c.HScroll1->value() == 1) {
        compsencillas(1);
    } else {
        m_c.HScroll1->setValue(1);
        m_estadisticas->alPrincipio();
    }
}

void Principal::conectaResultados()
{
    for (int i = 0; i < 2; ++i)
        connect(m_c.Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    connect(m_timer3, &QTimer::timeout, this, &Principal::Timer3_Timer);
    connect(m_c.Check1, &QCheckBox::toggled, this, &Principal::Check1_Click);
    connect(m_c.Check2, &QCheckBox::toggled, this, &Principal::Check2_Click);

    struct Item
    {
        const char* nombre;
        int lista;
        std::optional<bool> soloPremio;
        std::optional<bool> historico;
    };
    const Item items[] = {
        {"sencillas", 0, {}, {}},     {"verpremio", 0, true, false},
        {"verhisto", 0, false, true}, {"verprehi", 0, true, true},
        {"Multiples", 1, {}, {}},     {"verpremiom", 1, true, false},
        {"verhistom", 1, false, true}, {"verpreim", 1, true, true},
    };
    for (const Item& item : items)
        connect(findChild<QAction*>(QString::fromLatin1(item.nombre)), &QAction::triggered, this,
                [this, item] { filtro(item.lista, item.soloPremio, item.historico); });
}

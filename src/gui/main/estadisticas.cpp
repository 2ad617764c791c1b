// The main window's statistics tab: the draw list and the frequency chart.
#include "comun/errorpermiso.h"
#include "main/graficos.h"
#include "main/modelosorteos.h"
#include "main/principal.h"
#include "platform/dialogos.h"
#include "platform/plataforma.h"
#include "store/errores.h"
#include "store/estado.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"
#include "store/historia.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

bool Principal::listasorteos()
{
    auto sorteos = ficheroregistros::leeTodos<RegSorteo>(m_estado.fichero(ficheros::numeros));
    m_tablas = listado::calcula(sorteos);
    if (!m_tablas.valido) {
        m_c.modeloSorteos->pon({});
        m_plataforma.dialogos.mensaje(
            Dialogos::Icono::Exclamacion, QStringLiteral("Error de lectura"),
            QStringLiteral("Archivo de números ganadores no válido. ¡Se perderán los sorteos grabados!."));
        // The damaged file is kept as numeros.err; if that cannot be done
        // nothing is emptied, and the next refresh reports it again.
        const int error = historia::guardaDanadoYVacia(m_estado.ruta);
        if (errorEscritura(m_plataforma.dialogos, error, m_estado.fichero(ficheros::numeros),
                           QStringLiteral("No se pudo guardar la copia del histórico dañado.")))
            return false;
        m_sorteo = {};
        cargasorteos();
        refresca();
        return false;
    }
    const auto faltan = historia::huecos(sorteos).size();
    m_c.LabelHuecos->setText(faltan == 1 ? QStringLiteral("Falta 1 sorteo en el histórico")
                                         : QStringLiteral("Faltan %1 sorteos en el histórico").arg(faltan));
    m_c.LabelHuecos->setVisible(faltan > 0);
    m_c.modeloSorteos->pon(std::move(sorteos));
    m_c.Label7->setText(m_tablas.totalTexto);
    // Back to the numbers chart, as a click on "Números" does: the option
    // marked and the 26–50 scroll bar usable again.
    m_c.Option1[0]->setChecked(true);
    Option1_Click(0);
    return true;
}

void Principal::muestraTabla(int tabla)
{
    m_tablaMostrada = tabla;
    const listado::Tabla& t = tabla == 1   ? m_tablas.tablanum1
                                   : tabla == 2 ? m_tablas.tablanum2
                                                : m_tablas.tablaest;
    muestraBarras(m_c.MSChart1, t.etiquetas, t.cuentas,
                  tabla == 3 ? QColor(0, 192, 0) : QColor(30, 110, 200));
}

void Principal::Option1_Click(int indice)
{
    m_c.HScroll2->setEnabled(indice == 0);
    muestraTabla(indice == 0 ? 1 : 3);
}

void Principal::HScroll2_Change(int valor) { muestraTabla(valor == 1 ? 1 : 2); }

void Principal::conectaEstadisticas()
{
    for (int i = 0; i < 2; ++i)
        connect(m_c.Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    connect(m_c.HScroll2, &QScrollBar::valueChanged, this, &Principal::HScroll2_Change);
}

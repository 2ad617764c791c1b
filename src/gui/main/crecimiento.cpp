#include "gui/main/crecimiento.h"

#include "gui/comun/nombra.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace bolvera {

void Crecimiento::desplazables(QTabWidget* pestanas)
{
    for (int i = 0; i < pestanas->count(); ++i) {
        QWidget* pagina = pestanas->widget(i);
        const QString titulo = pestanas->tabText(i);
        auto* zona = new QScrollArea;
        zona->setObjectName(QStringLiteral("Desplazable%1").arg(i));
        dice(zona, QString(titulo).remove(u'&'));
        zona->setFrameShape(QFrame::NoFrame);
        // The page is sized here, not by the scroll area: a page with a
        // word-wrapped label would be given its preferred height instead of
        // its least, and scroll on screens it fits.
        zona->setWidgetResizable(false);
        pestanas->removeTab(i);
        zona->setWidget(pagina);
        pestanas->insertTab(i, zona, titulo);
    }
    pestanas->setCurrentIndex(0);
}

Crecimiento::Crecimiento(QWidget* ventana, QTabWidget* pestanas)
    : QObject(ventana), m_ventana(ventana), m_pestanas(pestanas)
{
    for (int i = 0; i < pestanas->count(); ++i)
        if (auto* zona = qobject_cast<QScrollArea*>(pestanas->widget(i))) {
            zona->widget()->installEventFilter(this);
            zona->viewport()->installEventFilter(this);
        }
    ventana->installEventFilter(this);
    connect(pestanas, &QTabWidget::currentChanged, this, &Crecimiento::pide);
}

// The least size of a page at the width it is given: a wrapped label may
// need more lines than its least size tells.
static QSize menor(QWidget* pagina, int ancho)
{
    QSize m = pagina->minimumSizeHint();
    if (const QLayout* l = pagina->layout(); l && l->hasHeightForWidth())
        m.setHeight(std::max(m.height(), l->minimumHeightForWidth(std::max(ancho, m.width()))));
    return m;
}

// The page fills the visible part and never shrinks below its least size.
static void encaja(QScrollArea* zona)
{
    QWidget* pagina = zona->widget();
    const QSize visible = zona->viewport()->size();
    const QSize tamano = visible.expandedTo(menor(pagina, visible.width()));
    if (pagina->size() != tamano)
        pagina->resize(tamano);
}

bool Crecimiento::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::Resize || evento->type() == QEvent::LayoutRequest)
        for (int i = 0; i < m_pestanas->count(); ++i)
            if (auto* zona = qobject_cast<QScrollArea*>(m_pestanas->widget(i));
                zona && (objeto == zona->viewport() || objeto == zona->widget()))
                encaja(zona);
    if (evento->type() == QEvent::LayoutRequest || (objeto == m_ventana && evento->type() == QEvent::Show))
        pide();
    return QObject::eventFilter(objeto, evento);
}

// Once per turn of the event loop: the layouts settle first.
void Crecimiento::pide()
{
    if (m_pedido)
        return;
    m_pedido = true;
    QTimer::singleShot(0, this, [this] {
        m_pedido = false;
        ajusta();
    });
}

void Crecimiento::ajusta()
{
    auto* zona = qobject_cast<QScrollArea*>(m_pestanas->currentWidget());
    if (!zona || !m_ventana->isVisible() || (m_ventana->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QSize visible = zona->viewport()->size();
    const QSize falta = (menor(zona->widget(), visible.width()) - visible).expandedTo(QSize(0, 0));
    if (falta.isNull())
        return;
    const QScreen* pantalla = m_ventana->screen();
    if (!pantalla)
        return;
    // Never past the free area of the screen, frame included.
    const QRect libre = pantalla->availableGeometry();
    const QSize marco = m_ventana->frameGeometry().size() - m_ventana->size();
    const QSize nuevo = (m_ventana->size() + falta).boundedTo(libre.size() - marco);
    if (nuevo == m_ventana->size())
        return;
    m_ventana->resize(nuevo);
    QRect fuera = m_ventana->frameGeometry();
    fuera.setSize(nuevo + marco);
    if (!libre.contains(fuera)) {
        fuera.moveRight(std::min(fuera.right(), libre.right()));
        fuera.moveBottom(std::min(fuera.bottom(), libre.bottom()));
        m_ventana->move(std::max(fuera.left(), libre.left()), std::max(fuera.top(), libre.top()));
    }
}

} // namespace bolvera

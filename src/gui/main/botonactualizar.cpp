#include "gui/main/botonactualizar.h"

#include "gui/main/iconos.h"
#include "gui/comun/twips.h"

#include <QMouseEvent>

namespace bolvera {

BotonActualizar::BotonActualizar(QWidget* padre) : QLabel(padre)
{
    setObjectName(QStringLiteral("Picture2"));
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Bajar Sorteos nuevos"));
    ponImagen(2);
}

void BotonActualizar::ponImagen(int imagen)
{
    if (imagen == m_imagen)
        return;
    m_imagen = imagen;
    setPixmap(iconos::actualizar(imagen));
}

void BotonActualizar::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton)
        ponImagen(2);
}

void BotonActualizar::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::LeftButton)
        return;
    ponImagen(1);
    if (rect().contains(evento->position().toPoint()))
        emit pulsado();
}

void BotonActualizar::mouseMoveEvent(QMouseEvent* evento)
{
    // Lit only over the middle of the picture.
    const QPointF p = evento->position();
    const bool dentro = p.x() > px(240) && p.x() < px(1600) && p.y() > px(240) && p.y() < px(1080);
    ponImagen(dentro ? 1 : 2);
}

void BotonActualizar::leaveEvent(QEvent*) { ponImagen(2); }

} // namespace bolvera

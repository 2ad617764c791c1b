#include "gui/main/secundarias.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QWindow>

namespace bolvera {

Secundarias::Secundarias(QObject* padre) : QObject(padre)
{
    // A window losing the focus to nothing (between two windows) changes
    // nothing: what counts is the last window that had it. The main window's
    // activation is handled before this signal, so it still sees the window
    // that had the focus before it.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* ventana) {
        if (ventana)
            m_vieneDeDialogo = qobject_cast<QDialog*>(QApplication::activeWindow()) != nullptr;
    });
}

void centraSobre(QWidget* ventana, QWidget* principal)
{
    if (!principal)
        return;
    ventana->adjustSize();
    const QScreen* pantalla = principal->screen();
    const QRect libre = pantalla ? pantalla->availableGeometry() : QRect();
    QRect r(QPoint(), ventana->frameGeometry().size().boundedTo(libre.isValid() ? libre.size() : QSize(1 << 20, 1 << 20)));
    r.moveCenter(principal->frameGeometry().center());
    if (libre.isValid()) {
        r.moveRight(std::min(r.right(), libre.right()));
        r.moveBottom(std::min(r.bottom(), libre.bottom()));
        r.moveLeft(std::max(r.left(), libre.left()));
        r.moveTop(std::max(r.top(), libre.top()));
    }
    ventana->move(r.topLeft());
}

void Secundarias::abre(QWidget* ventana, bool reciente)
{
    std::erase_if(m_abiertas, [](const Abierta& a) { return a.ventana.isNull(); });
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    centraSobre(ventana, qobject_cast<QWidget*>(parent()));
    m_abiertas.push_back({ventana, reciente});
    ventana->show();
    ventana->activateWindow();
}

void Secundarias::alActivarPrincipal()
{
    if (m_vieneDeDialogo)
        return;
    std::vector<Abierta> quedan;
    for (const Abierta& a : m_abiertas) {
        if (a.ventana.isNull())
            continue;
        if (a.reciente)
            quedan.push_back({a.ventana, false}); // spared once, from this activation
        else if (!a.ventana->close())
            quedan.push_back({a.ventana, false}); // it asks first: it may stay
    }
    m_abiertas = std::move(quedan);
}

} // namespace bolvera

#include "main/secundarias.h"

#include <QApplication>
#include <QDialog>
#include <QWindow>

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

void Secundarias::abre(QWidget* ventana, bool reciente)
{
    std::erase_if(m_abiertas, [](const Abierta& a) { return a.ventana.isNull(); });
    ventana->setAttribute(Qt::WA_DeleteOnClose);
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

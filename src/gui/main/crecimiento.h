#pragma once

#include <QObject>

class QTabWidget;
class QWidget;

namespace bolvera {

// Each tab scrolls when the screen is too small to show it whole (a laptop
// at 125 %). Where the screen has room, the window grows to show the tab
// instead, as it did before the tabs scrolled: no scroll bar appears on a
// big screen.
class Crecimiento final : public QObject
{
public:
    Crecimiento(QWidget* ventana, QTabWidget* pestanas);

    // Each page of `pestanas` wrapped in a scroll area, with the same title.
    static void desplazables(QTabWidget* pestanas);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void pide();
    void ajusta();

    QWidget* m_ventana;
    QTabWidget* m_pestanas;
    bool m_pedido = false;
};

} // namespace bolvera

#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace bolvera {

// The secondary windows (bet type menu, peña editor, print window, About) and
// the rule that unloads them when the main window becomes active again: the
// user's going back to the main window closes them all, but not
//  - the main window's activation that follows the closing of a message box
//    or dialog (a window's own box must never cost the user its work), nor
//  - the activation caused by the very click that opened a window.
// Centres `ventana` over `principal`, inside the screen's available area.
// No transient parent: a window manager would hand the focus back to the main
// window whenever one closes, and the unload rule would close the others.
void centraSobre(QWidget* ventana, QWidget* principal);

class Secundarias final : public QObject
{
public:
    explicit Secundarias(QObject* padre = nullptr);

    // Shows `ventana` modeless, deleted on close. `reciente`: opened by a
    // click on the inactive main window, whose activation is still to come.
    void abre(QWidget* ventana, bool reciente);

    // The main window has just become active: closes what the rule says.
    void alActivarPrincipal();

private:
    struct Abierta
    {
        QPointer<QWidget> ventana;
        bool reciente; // opened by the click that activates the main window
    };
    std::vector<Abierta> m_abiertas;
    bool m_vieneDeDialogo = false;
};

} // namespace bolvera

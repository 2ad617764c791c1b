#pragma once

class QWidget;

// What a tab asks of the main window that hosts it: every change to the
// files ends with a reload, and the windows a tab opens are the main
// window's secondary windows.
class Anfitrion
{
public:
    // Recounts the draw file, refreshes the status block and the peña list.
    virtual void cargasorteos() = 0;
    // Rechecks the newest draws and refills the draw list.
    virtual void refresca() = 0;
    // Checks the newest draw again (after a peña changed).
    virtual void recompruebaUltimo() = 0;
    // Shows a secondary window, modeless, until the main window unloads it.
    virtual void abreSecundaria(QWidget* ventana) = 0;
    // The bet type menu, then the peña editor.
    virtual void creaPena() = 0;

protected:
    ~Anfitrion() = default;
};

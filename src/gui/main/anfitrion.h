#pragma once

#include <vector>

class QWidget;

namespace bolvera {

struct RegPena;
struct RegSorteo;

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
    // The working draw: the oldest one the last check went through.
    virtual void ponSorteo(const RegSorteo& sorteo) = 0;
    // The peña tab and the count, from the files as just read.
    virtual void muestraPenas(const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas) = 0;
    // The update just added draws (its count shows); clearing it ends that.
    virtual bool hayNuevos() const = 0;
    virtual void olvidaNuevos() = 0;
    // The update is appending draws: the scroll bar moves without a check.
    virtual bool anadiendo() const = 0;
    // The "General" tab to the front.
    virtual void muestraGeneral() = 0;
    // Shows a secondary window, modeless, until the main window unloads it.
    virtual void abreSecundaria(QWidget* ventana) = 0;
    // The bet type menu, then the peña editor.
    virtual void creaPena() = 0;

protected:
    ~Anfitrion() = default;
};

} // namespace bolvera

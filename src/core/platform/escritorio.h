#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace bolvera {

// The desktop around the program: the browser and mail program, the system.
class Escritorio
{
public:
    virtual ~Escritorio() = default;
    // Opens a web or mailto address in the user's program; false on failure.
    virtual bool abre(const QUrl& direccion) = 0;
    // The running system's name, as the About window shows it.
    virtual QString nombreSistema() const = 0;
    // Whether PDF files can be shown.
    virtual bool hayLectorPdf() const = 0;
    // The scheduled update (a systemd user timer): on or off, or nothing
    // where this system cannot run it.
    virtual std::optional<bool> actualizacionAutomatica() = 0;
    // Switches it on or off; the reason when that could not be done.
    virtual std::optional<QString> ponActualizacionAutomatica(bool activa) = 0;
};

} // namespace bolvera

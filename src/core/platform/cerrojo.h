#pragma once

#include <QLockFile>
#include <QString>

namespace bolvera {

// One writer at a time in a data folder: the window holds it for its whole
// run, a bolvera-cli command that writes for as long as it runs. A lock left
// by a process that died (killed, crashed) is taken over, and so is one whose
// holder cannot be read (a kill between creating it and writing it) once it
// is a few seconds old.
class Cerrojo
{
public:
    enum class Fallo
    {
        Ninguno,
        Ocupado,    // another running program holds the folder
        SinPermiso, // the folder cannot be written
        Otro,
    };

    explicit Cerrojo(const QString& ruta);
    // False when the folder could not be taken: `fallo` says why.
    bool toma();
    Fallo fallo() const { return m_fallo; }
    // Why the folder could not be taken, in the user's words.
    QString motivo() const;
    // "La carpeta de datos … está en uso por otro Bolvera…"
    static QString ocupado(const QString& ruta);

    // How old an unreadable lock must be before it is taken over.
    static constexpr int segundosSinDueno = 5;

private:
    bool sinDueno() const;

    QString m_ruta;
    QLockFile m_fichero;
    Fallo m_fallo = Fallo::Ninguno;
};

} // namespace bolvera

#pragma once

#include <QLockFile>
#include <QString>

// One writer at a time in a data folder: the window holds it for its whole
// run, a bolvera-cli command that writes for as long as it runs. A lock left
// by a process that died (killed, crashed) is taken over.
class Cerrojo
{
public:
    explicit Cerrojo(const QString& ruta);
    // False when another running program holds the folder.
    bool toma();
    // "La carpeta de datos … está en uso por otro Bolvera…"
    static QString ocupado(const QString& ruta);

private:
    QLockFile m_fichero;
};

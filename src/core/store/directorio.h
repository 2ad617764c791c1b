#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace bolvera {

// The data directory: `--dir DIR`, else `BOLVERA_DIR`, else the executable's
// directory when it holds the data files, else $XDG_DATA_HOME/Bolvera (made
// when missing). Empty with `error` set when the chosen one does not exist.
struct DirectorioDatos
{
    QString ruta;
    QString error;
};

DirectorioDatos directorioDatos(const QString& dirOpcion, const QString& dirEjecutable);

} // namespace bolvera

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The data directory: `--dir DIR` when given, else the executable's directory.
// Empty with `error` set when the directory does not exist.
struct DirectorioDatos
{
    QString ruta;
    QString error;
};

DirectorioDatos directorioDatos(const QString& dirOpcion, const QString& dirEjecutable);

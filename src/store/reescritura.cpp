#include "store/reescritura.h"

#include "store/errores.h"

#include <QSaveFile>

int reescribe(const QString& ruta, const QByteArray& contenido)
{
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        return errores::deFallo(f, true);
    if (f.write(contenido) != contenido.size()) {
        const int error = errores::deFallo(f, true);
        f.cancelWriting();
        return error;
    }
    if (!f.commit())
        return errores::deFallo(f, true);
    return errores::ninguno;
}

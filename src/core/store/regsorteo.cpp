#include "core/store/regsorteo.h"

#include "core/store/binario.h"

namespace bolvera {

RegSorteo RegSorteo::desdeBytes(QByteArrayView bytes)
{
    Q_ASSERT(bytes.size() >= tamano);
    const char* p = bytes.data();
    RegSorteo r;
    for (int i = 0; i < 7; ++i)
        r.num[i] = binario::leeEntero(p + 2 * i);
    r.fecha = binario::leeDoble(p + 14);
    return r;
}

QByteArray RegSorteo::aBytes() const
{
    QByteArray bytes(tamano, '\0');
    char* p = bytes.data();
    for (int i = 0; i < 7; ++i)
        binario::escribeEntero(p + 2 * i, num[i]);
    binario::escribeDoble(p + 14, fecha);
    return bytes;
}

} // namespace bolvera

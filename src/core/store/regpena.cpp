#include "core/store/regpena.h"

#include "core/store/binario.h"
#include "core/store/texto1252.h"

#include <cstring>

namespace bolvera {

namespace {

constexpr int offNombre = 0;
constexpr int offNumeros = 20;
constexpr int offEstrellas = 500;
constexpr int offAciertos = 740;
constexpr int offDia = 766;
constexpr int offTipo = 781;
constexpr int offCreacion = 783;
constexpr int offContado = 791;

// Trims blanks only: other characters are part of the stored text.
QString sinBlancos(const QString& texto)
{
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && texto[inicio] == u' ')
        ++inicio;
    while (fin > inicio && texto[fin - 1] == u' ')
        --fin;
    return texto.sliced(inicio, fin - inicio);
}

} // namespace

QString RegPena::nombreRecortado() const { return sinBlancos(nombre); }
QString RegPena::diaRecortado() const { return sinBlancos(dia); }

RegPena RegPena::desdeBytes(QByteArrayView bytes)
{
    Q_ASSERT(bytes.size() >= tamano);
    const char* p = bytes.data();
    RegPena r;
    r.nombre = texto1252::decodifica(bytes.sliced(offNombre, largoNombre));
    for (int b = 0; b < maxApuestas; ++b) {
        for (int i = 0; i < 10; ++i)
            r.numeros[b][i] = binario::leeEntero(p + offNumeros + 20 * b + 2 * i);
        for (int j = 0; j < 5; ++j)
            r.estrellas[b][j] = binario::leeEntero(p + offEstrellas + 10 * b + 2 * j);
    }
    for (int k = 0; k < 13; ++k)
        r.aciertos[k] = binario::leeEntero(p + offAciertos + 2 * k);
    r.dia = texto1252::decodifica(bytes.sliced(offDia, largoDia));
    r.tipo = binario::leeEntero(p + offTipo);
    r.creacion = binario::leeDoble(p + offCreacion);
    r.contado = binario::leeDoble(p + offContado);
    return r;
}

QByteArray RegPena::aBytes() const
{
    QByteArray bytes(tamano, '\0');
    char* p = bytes.data();
    std::memcpy(p + offNombre, texto1252::codifica(nombre, largoNombre).constData(), largoNombre);
    for (int b = 0; b < maxApuestas; ++b) {
        for (int i = 0; i < 10; ++i)
            binario::escribeEntero(p + offNumeros + 20 * b + 2 * i, numeros[b][i]);
        for (int j = 0; j < 5; ++j)
            binario::escribeEntero(p + offEstrellas + 10 * b + 2 * j, estrellas[b][j]);
    }
    for (int k = 0; k < 13; ++k)
        binario::escribeEntero(p + offAciertos + 2 * k, aciertos[k]);
    std::memcpy(p + offDia, texto1252::codifica(dia, largoDia).constData(), largoDia);
    binario::escribeEntero(p + offTipo, tipo);
    binario::escribeDoble(p + offCreacion, creacion);
    binario::escribeDoble(p + offContado, contado);
    return bytes;
}

} // namespace bolvera

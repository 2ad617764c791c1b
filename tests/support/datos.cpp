#include "support/datos.h"

#include "core/store/fechas.h"

#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

#include <algorithm>

using namespace bolvera;

namespace datos {

RegSorteo sorteo(QDate fecha, std::array<std::int16_t, 7> num)
{
    RegSorteo s;
    s.num = num;
    s.fecha = fechas::diaNumero(fecha);
    return s;
}

RegPena pena(const QString& nombre, const QString& dia, QDate creacion,
             std::initializer_list<std::array<std::int16_t, 7>> apuestas)
{
    RegPena p;
    p.nombre = nombre.leftJustified(RegPena::largoNombre, u' ', true);
    p.dia = dia.leftJustified(RegPena::largoDia, u' ', true);
    p.creacion = fechas::diaNumero(creacion);
    int b = 0;
    for (const auto& apuesta : apuestas) {
        std::copy_n(apuesta.begin(), 5, p.numeros[b].begin());
        std::copy_n(apuesta.begin() + 5, 2, p.estrellas[b].begin());
        ++b;
    }
    p.tipo = static_cast<std::int16_t>(b);
    return p;
}

void escribeBytes(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(ruta);
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray leeBytes(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escribeSorteos(const QString& ruta, const std::vector<RegSorteo>& sorteos)
{
    QByteArray bytes;
    for (const RegSorteo& s : sorteos)
        bytes += s.aBytes();
    escribeBytes(ruta, bytes);
}

void escribePenas(const QString& ruta, const std::vector<RegPena>& penas)
{
    QByteArray bytes;
    for (const RegPena& p : penas)
        bytes += p.aBytes();
    escribeBytes(ruta, bytes);
}

std::optional<std::vector<RegSorteo>> historiaReal()
{
    QFile f(QStringLiteral(BOLVERA_DATOS_COMPARTIDOS "/euromillones.csv"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream entrada(&f);
    entrada.readLine(); // column names
    std::vector<RegSorteo> sorteos;
    while (!entrada.atEnd()) {
        const QStringList campos = entrada.readLine().split(u',');
        if (campos.size() != 8)
            continue;
        std::array<std::int16_t, 7> num{};
        for (int i = 0; i < 7; ++i)
            num[i] = static_cast<std::int16_t>(campos[i + 1].toInt());
        sorteos.push_back(sorteo(QDate::fromString(campos[0], Qt::ISODate), num));
    }
    return sorteos;
}

std::vector<RegSorteo> sorteosSeguidos(int n, QDate ultima)
{
    std::vector<RegSorteo> sorteos;
    QDate d = ultima;
    while (static_cast<int>(sorteos.size()) < n) {
        if (d.dayOfWeek() == Qt::Tuesday || d.dayOfWeek() == Qt::Friday) {
            const auto k = static_cast<std::int16_t>(sorteos.size());
            sorteos.push_back(sorteo(d, {static_cast<std::int16_t>(1 + k % 46), 47, 48, 49, 50,
                                         static_cast<std::int16_t>(1 + k % 11), 12}));
        }
        d = d.addDays(-1);
    }
    std::reverse(sorteos.begin(), sorteos.end());
    return sorteos;
}

} // namespace datos

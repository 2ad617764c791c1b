#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

// The benchmarks' data: the same pseudo-random bets and draws every run.
class Azar
{
public:
    // `cuantos` distinct values of 1..`tope`, ascending.
    std::vector<std::int16_t> distintos(int cuantos, int tope)
    {
        std::vector<std::int16_t> v(static_cast<std::size_t>(tope));
        std::iota(v.begin(), v.end(), std::int16_t(1));
        std::shuffle(v.begin(), v.end(), m_motor);
        v.resize(static_cast<std::size_t>(cuantos));
        std::sort(v.begin(), v.end());
        return v;
    }

private:
    std::mt19937 m_motor{7};
};

inline void escribeFichero(const QString& fichero, const QByteArray& bytes)
{
    QFile f(fichero);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

namespace bolvera {

// One draw: five numbers then two stars, as stored, and the draw date.
struct RegSorteo
{
    static constexpr qsizetype tamano = 22;
    // The most draws a history holds: record numbers and the result rows are
    // 16-bit, so more would point at other draws.
    static constexpr int maximo = 32766;

    std::array<std::int16_t, 7> num{}; // num[0..4] numbers, num[5..6] stars
    double fecha = 0;                  // day number; 0 = no draw

    // `bytes` must hold at least `tamano` bytes.
    static RegSorteo desdeBytes(QByteArrayView bytes);
    QByteArray aBytes() const;

    bool operator==(const RegSorteo&) const = default;
};

} // namespace bolvera

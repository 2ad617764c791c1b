#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

// One draw: five numbers then two stars, as stored, and the draw date.
struct RegSorteo
{
    static constexpr qsizetype tamano = 22;

    std::array<std::int16_t, 7> num{}; // num[0..4] numbers, num[5..6] stars
    double fecha = 0;                  // day number; 0 = no draw

    // `bytes` must hold at least `tamano` bytes.
    static RegSorteo desdeBytes(QByteArrayView bytes);
    QByteArray aBytes() const;

    bool operator==(const RegSorteo&) const = default;
};

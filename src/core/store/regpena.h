#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>

namespace bolvera {

// One peña: up to 24 simple bets or one multiple bet, its day filter, its
// creation date and its prize counters. Arrays are 0-based here; on disk bet b,
// slot i (both from 1) sits at 20 + 20·(b−1) + 2·(i−1).
struct RegPena
{
    static constexpr qsizetype tamano = 799;
    static constexpr int maxApuestas = 24;
    static constexpr int largoNombre = 20;
    static constexpr int largoDia = 15;

    QString nombre; // as stored: 20 characters, blank-padded
    std::array<std::array<std::int16_t, 10>, maxApuestas> numeros{};
    std::array<std::array<std::int16_t, 5>, maxApuestas> estrellas{};
    std::array<std::int16_t, 13> aciertos{}; // by prize category, 5+2 first
    QString dia;                             // "Martes", "Viernes" or "Todos", blank-padded
    std::int16_t tipo = 0;                   // 1–24 simple bets, or 100 + 10·n + s
    double creacion = 0;                     // day number
    double contado = 0;                      // newest draw already counted; 0 = none

    // `bytes` must hold at least `tamano` bytes.
    static RegPena desdeBytes(QByteArrayView bytes);
    QByteArray aBytes() const;

    bool esMultiple() const { return tipo >= 100; }
    // The text fields with their padding blanks trimmed, for comparing and showing.
    QString nombreRecortado() const;
    QString diaRecortado() const;

    bool operator==(const RegPena&) const = default;
};

} // namespace bolvera

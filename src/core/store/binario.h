#pragma once

#include <QtEndian>

#include <bit>
#include <cstdint>

namespace bolvera {

// Little-endian fields at byte offsets of a record buffer.
namespace binario {

inline std::int16_t leeEntero(const char* p) { return qFromLittleEndian<qint16>(p); }
inline void escribeEntero(char* p, std::int16_t v) { qToLittleEndian<qint16>(v, p); }

inline double leeDoble(const char* p) { return std::bit_cast<double>(qFromLittleEndian<quint64>(p)); }
inline void escribeDoble(char* p, double v) { qToLittleEndian<quint64>(std::bit_cast<quint64>(v), p); }

inline float leeSimple(const char* p) { return std::bit_cast<float>(qFromLittleEndian<quint32>(p)); }
inline void escribeSimple(char* p, float v) { qToLittleEndian<quint32>(std::bit_cast<quint32>(v), p); }

} // namespace binario

} // namespace bolvera

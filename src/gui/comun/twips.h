#pragma once

#include <QtGlobal>

namespace bolvera {

// Screen sizes of the classic layout are in twips; 15 twips make a pixel.
constexpr int px(int twips) { return (twips + 7) / 15; }

} // namespace bolvera

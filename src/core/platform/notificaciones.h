#pragma once

#include <QString>

#include <optional>

namespace bolvera {

// One desktop notification through the freedesktop notification service on
// the session bus. Clicking it opens the program through its menu entry.
// The reason when it could not be shown (no session bus, no service).
std::optional<QString> notifica(const QString& titulo, const QString& cuerpo);

} // namespace bolvera

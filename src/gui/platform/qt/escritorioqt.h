#pragma once

#include "core/platform/escritorio.h"

namespace bolvera {

// The user's desktop through Qt.
class EscritorioQt final : public Escritorio
{
public:
    bool abre(const QUrl& direccion) override;
    QString nombreSistema() const override;
    bool hayLectorPdf() const override { return true; } // Qt PDF is built in
    // Through `systemctl --user` and the installed bolvera-actualizar.timer.
    std::optional<bool> actualizacionAutomatica() override;
    std::optional<QString> ponActualizacionAutomatica(bool activa) override;
};

} // namespace bolvera

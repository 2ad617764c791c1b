#pragma once

#include "core/store/regpena.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace bolvera {

struct Estado;
struct Plataforma;

// "Imprimir Boletos": the selected peña's bets onto official slips or plain
// paper, with the printer calibration kept in nums.ini.
class Imprimir final : public QWidget
{
    Q_OBJECT

public:
    Imprimir(Estado& estado, Plataforma& plataforma, QWidget* padre = nullptr);

    void imprimeOficial(); // official slips
    void imprimeNormal(); // plain paper
    void cambiaCalibracion(int indice);
    void dejaCalibracion(int indice);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void imprime(int papel);
    void muestraCalibracion();

    Estado& m_estado;
    Plataforma& m_plataforma;
    RegPena m_pena;
    float m_x = 0;
    float m_y = 0;
    bool m_calibracionAvisada = false;
    QLineEdit* m_calibracion[2] = {nullptr, nullptr};
    QPushButton* m_oficial = nullptr;
    QPushButton* m_normal = nullptr;
};

} // namespace bolvera

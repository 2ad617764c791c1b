#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QRadioButton;
class QTimer;

namespace bolvera {

struct Estado;
struct Plataforma;

// "Menú creación": simple bets, or one multiple bet of n numbers and s stars.
// The choice goes to the editor in `modoApuesta`.
class Creamenu final : public QWidget
{
    Q_OBJECT

public:
    // `abreEditor` shows the editor window made for the choice.
    Creamenu(Estado& estado, Plataforma& plataforma, std::function<void(QWidget*)> abreEditor,
             QWidget* padre = nullptr);

    void dibujaMarca();
    void eligeTipo(int indice);  // 1 "Sencilla", 0 "Múltiple"
    void eligeNumeros(int indice); // n numbers
    void eligeEstrellas(int indice); // s stars
    int marcas() const { return m_marcas; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void abreEditor(int modo);

    Estado& m_estado;
    Plataforma& m_plataforma;
    std::function<void(QWidget*)> m_abreEditor;
    QList<QCheckBox*> m_tipos;       // 0 Múltiple, 1 Sencilla
    QList<QRadioButton*> m_opcionesNumeros;   // indexes 5–10 at 0–5
    QList<QRadioButton*> m_opcionesEstrellas;   // indexes 2–5 at 0–3
    QList<QLabel*> m_cruces;          // the 14 marks
    QFrame* m_marcoNumeros = nullptr;
    QFrame* m_marcoEstrellas = nullptr;
    QLabel* m_lapiz = nullptr;
    QTimer* m_temporizador = nullptr;
    int m_marcas = 0;
    int m_n = 0;
};

} // namespace bolvera

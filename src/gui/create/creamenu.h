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

    void Timer1_Timer();
    void Check1_Click(int indice);  // 1 "Sencilla", 0 "Múltiple"
    void Option1_Click(int indice); // n numbers
    void Option2_Click(int indice); // s stars
    int marcas() const { return m_marcas; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void abreEditor(int modo);

    Estado& m_estado;
    Plataforma& m_plataforma;
    std::function<void(QWidget*)> m_abreEditor;
    QList<QCheckBox*> m_check1;       // 0 Múltiple, 1 Sencilla
    QList<QRadioButton*> m_option1;   // indexes 5–10 at 0–5
    QList<QRadioButton*> m_option2;   // indexes 2–5 at 0–3
    QList<QLabel*> m_label1;          // the 14 marks
    QFrame* m_shape2 = nullptr;
    QFrame* m_shape4 = nullptr;
    QLabel* m_image1 = nullptr;
    QTimer* m_timer1 = nullptr;
    int m_marcas = 0;
    int m_n = 0;
};

} // namespace bolvera

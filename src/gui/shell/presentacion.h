#pragma once

#include <QWidget>

class QPushButton;
class QTimer;

namespace bolvera {

// The splash window: the program's artwork and "Entrar". After 9.5 s, or
// when "Entrar" is pressed, it asks for the main window, exactly once.
class Presentacion final : public QWidget
{
    Q_OBJECT

public:
    explicit Presentacion(QWidget* padre = nullptr);

    void cuenta();
    void entra();
    int ticks() const { return m_ticks; }

signals:
    void entrar();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QTimer* m_temporizador = nullptr;
    QPushButton* m_command1 = nullptr;
    int m_ticks = 2;
    bool m_entrado = false;
};

} // namespace bolvera

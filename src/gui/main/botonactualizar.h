#pragma once

#include <QLabel>

namespace bolvera {

// The update button: a picture that lights up while the pointer is over its
// middle and reacts to the press like a button.
class BotonActualizar final : public QLabel
{
    Q_OBJECT

public:
    explicit BotonActualizar(QWidget* padre = nullptr);
    // Picture 1 (lit) or 2 (normal).
    void ponImagen(int imagen);
    int imagen() const { return m_imagen; }

signals:
    void pulsado();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

private:
    int m_imagen = 0;
};

} // namespace bolvera

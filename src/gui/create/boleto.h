#pragma once

#include <QLabel>
#include <QList>
#include <QWidget>

class QFrame;

namespace bolvera {

class EditorPena;

// The betting slip drawn by the program: 50 number cells in six columns of
// nine, 12 star cells in three columns of four, the phase bar and the cover
// of the star area. It shows an editor's state and reports clicks; with the
// focus, the arrows move a focus cell and Space or Enter presses it. A
// screen reader meets each cell as a check box ("Número 17", "Estrella 3").
class Boleto final : public QWidget
{
    Q_OBJECT

public:
    explicit Boleto(QWidget* padre = nullptr);
    void muestra(const EditorPena& editor);
    int foco() const { return m_foco; }

    // What a screen reader is told of a cell: its name, and what stands in
    // its way (the cover of the stars, the prompt to mark them).
    static QString nombreCelda(int celda);
    QString descripcion(int celda) const;
    QWidget* casilla(int celda) const { return m_casillas[celda]; }
    // The cell as a click on it.
    void pulsa(int celda);
    void enfoca(int celda);

signals:
    void pulsada(int celda);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    void avisaFoco();

    QList<QLabel*> m_casillas; // Image1_0 … Image1_61
    QFrame* m_barra = nullptr; // Shape3
    QFrame* m_tapa = nullptr;  // Shape4
    QLabel* m_tapaTexto = nullptr; // Label6
    QLabel* m_aviso = nullptr;     // Label5
    int m_foco = 0;                // the cell the keyboard marks with Space
    double m_escala = 0;           // pixels per twip
    bool m_estrellas = false;      // the stars were open at the last muestra
};

} // namespace bolvera

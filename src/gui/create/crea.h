#pragma once

#include "core/create/editorpena.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimer;

namespace bolvera {

struct Estado;
struct Plataforma;
class Boleto;

// "Crear peña nueva...": the name, the draw days, the list of bets marked on
// the slip, and the buttons to delete the last bet, fill one at random and
// save the peña.
class Crea final : public QWidget
{
    Q_OBJECT

public:
    Crea(Estado& estado, Plataforma& plataforma, QWidget* padre = nullptr);

    void pulsaCasilla(int celda);
    void graba(); // "Grabar"
    void borraUltima(); // "Borrar"
    void aleatoria(); // "Aleatorio"
    void avanza();
    const EditorPena& editor() const { return m_editor; }

    // Bets marked on the slip or listed that were not saved.
    bool sinGrabar() const;

protected:
    void showEvent(QShowEvent* evento) override;
    // With bets not saved, asks first ("¿Descartar las apuestas sin grabar?").
    void closeEvent(QCloseEvent* evento) override;

private:
    void cambiaNombre(const QString& texto);
    void aviso(const std::optional<MensajeEditor>& mensaje);
    void pinta();

    Estado& m_estado;
    Plataforma& m_plataforma;
    EditorPena m_editor;
    Boleto* m_boleto = nullptr;
    QLineEdit* m_nombre = nullptr;
    QLabel* m_numeroApuesta = nullptr;
    QLabel* m_instrucciones = nullptr;
    QRadioButton* m_martes = nullptr;
    QRadioButton* m_viernes = nullptr;
    QTextEdit* m_lista = nullptr;
    QPushButton* m_grabar = nullptr;
    QPushButton* m_borrar = nullptr;
    QPushButton* m_aleatorio = nullptr;
    QTimer* m_temporizador = nullptr;
    bool m_activada = false;
    bool m_preguntando = false;
    bool m_descartar = false;
};

} // namespace bolvera

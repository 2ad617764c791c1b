#pragma once

#include <QWidget>

class QLabel;
class QTextBrowser;
class QTimer;

namespace bolvera {

class Escritorio;

// "Noticias del jefe...": the maker's news, always on top, with the maker's
// address sliding to and fro.
class Infor final : public QWidget
{
    Q_OBJECT

public:
    // `informe` is the news file shown.
    Infor(Escritorio& escritorio, const QString& informe, QWidget* padre = nullptr);

    void desliza();
    void abreDireccion();
    int izquierdaTwips() const { return m_izquierda; }
    int paso() const { return m_paso; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    Escritorio& m_escritorio;
    QLabel* m_direccion = nullptr;
    QTextBrowser* m_navegador = nullptr;
    int m_paso = 100;
    int m_izquierda = 360; // twips
};

} // namespace bolvera

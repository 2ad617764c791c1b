#pragma once

#include <QWidget>

class QLabel;

namespace bolvera {

class Escritorio;

// The About window: the running system's name and the maker's addresses.
class Acercade final : public QWidget
{
    Q_OBJECT

public:
    // `carpeta`: the data folder in use, shown to the user.
    explicit Acercade(Escritorio& escritorio, const QString& carpeta = {}, QWidget* padre = nullptr);

    void abreWeb();
    void escribeCorreo();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Escritorio& m_escritorio;
};

} // namespace bolvera

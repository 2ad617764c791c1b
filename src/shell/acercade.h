#pragma once

#include <QWidget>

class Escritorio;
class QLabel;

// The About window: the running system's name and the maker's addresses.
class Acercade final : public QWidget
{
    Q_OBJECT

public:
    explicit Acercade(Escritorio& escritorio, QWidget* padre = nullptr);

    void Label2_Click();
    void Label3_Click();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Escritorio& m_escritorio;
};

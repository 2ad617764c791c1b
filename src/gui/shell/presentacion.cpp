#include "gui/shell/presentacion.h"

#include "gui/shell/arte.h"
#include "core/programa/version.h"

#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace bolvera {

Presentacion::Presentacion(QWidget* padre) : QWidget(padre, Qt::Window)
{
    setObjectName(QStringLiteral("Presentacion"));
    setWindowTitle(QStringLiteral("Presentación"));
    setFixedSize(520, 340);

    m_command1 = new QPushButton(QStringLiteral("Entrar"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(400, 290, 100, 32);
    m_command1->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &Presentacion::entra);

    m_temporizador = new QTimer(this);
    m_temporizador->setObjectName(QStringLiteral("Timer1"));
    m_temporizador->setInterval(250);
    connect(m_temporizador, &QTimer::timeout, this, &Presentacion::cuenta);
    m_temporizador->start();
}

void Presentacion::cuenta()
{
    ++m_ticks;
    if (m_ticks == 40)
        entra();
}

void Presentacion::entra()
{
    // The timer stops first, so that it cannot open the main window again.
    m_temporizador->stop();
    if (m_entrado)
        return;
    m_entrado = true;
    emit entrar();
}

void Presentacion::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    arte::pintaPortada(p, rect(), versionPrograma);
}

} // namespace bolvera

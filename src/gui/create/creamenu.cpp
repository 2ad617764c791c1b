#include "create/creamenu.h"

#include "checking/formas.h"
#include "create/crea.h"
#include "store/estado.h"

#include <QShortcut>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>

namespace bolvera {

namespace {

constexpr int xOpciones = 250;
constexpr int yOpciones = 70;
constexpr int altoOpcion = 26;

// Where the 14 marks fall on the drawn ticket.
QPoint sitioMarca(int i) { return {28 + (i % 7) * 26, 120 + (i / 7) * 60 + (i % 3) * 12}; }

} // namespace

Creamenu::Creamenu(Estado& estado, Plataforma& plataforma, std::function<void(QWidget*)> abreEditor,
                   QWidget* padre)
    : QWidget(padre, Qt::Window), m_estado(estado), m_plataforma(plataforma),
      m_abreEditor(std::move(abreEditor))
{
    // Esc closes it, as any secondary window (the editor asks first when it holds bets).
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setObjectName(QStringLiteral("Creamenu"));
    setWindowTitle(QStringLiteral("Menú creación"));
    setFixedSize(430, 300);

    auto* titulo = new QLabel(QStringLiteral("SELECCIONE UN MODO DE APUESTA:"), this);
    titulo->setObjectName(QStringLiteral("Label2"));
    titulo->setStyleSheet(QStringLiteral("font-weight: bold;"));
    titulo->setGeometry(16, 10, 400, 20);

    for (int i = 0; i < 14; ++i) {
        auto* marca = new QLabel(QStringLiteral("x"), this);
        marca->setObjectName(QStringLiteral("Label1_%1").arg(i));
        marca->setStyleSheet(QStringLiteral("color: rgb(20, 20, 140); font-weight: bold; font-size: 14px;"));
        marca->move(sitioMarca(i));
        marca->hide();
        m_label1.append(marca);
    }

    const char* cajas[] = {"Múltiple", "Sencilla"};
    for (int i = 0; i < 2; ++i) {
        auto* caja = new QCheckBox(QString::fromUtf8(cajas[i]), this);
        caja->setObjectName(QStringLiteral("Check1_%1").arg(i));
        caja->setGeometry(xOpciones - 130, i == 1 ? 40 : 66, 110, 22);
        // On toggled, not clicked: a screen reader's "toggle" does not click.
        connect(caja, &QCheckBox::toggled, this, [this, i](bool marcada) {
            if (marcada || i == 0)
                Check1_Click(i);
        });
        m_check1.append(caja);
    }

    m_shape2 = new QFrame(this);
    m_shape2->setObjectName(QStringLiteral("Shape2"));
    m_shape2->setFrameShape(QFrame::Box);
    m_shape2->setGeometry(xOpciones - 8, yOpciones - 6, 160, 6 * altoOpcion + 12);
    m_shape2->hide();
    m_shape4 = new QFrame(this);
    m_shape4->setObjectName(QStringLiteral("Shape4"));
    m_shape4->setFrameShape(QFrame::Box);
    m_shape4->setGeometry(xOpciones - 8, yOpciones - 6, 160, 4 * altoOpcion + 12);
    m_shape4->hide();

    for (int n = 5; n <= 10; ++n) {
        auto* opcion = new QRadioButton(QStringLiteral("%1 números").arg(n), this);
        opcion->setObjectName(QStringLiteral("Option1_%1").arg(n));
        opcion->setGeometry(xOpciones, yOpciones + (n - 5) * altoOpcion, 140, 22);
        opcion->hide();
        connect(opcion, &QRadioButton::toggled, this, [this, n](bool marcada) {
            if (marcada)
                Option1_Click(n);
        });
        m_option1.append(opcion);
    }
    for (int s = 2; s <= 5; ++s) {
        auto* opcion = new QRadioButton(QStringLiteral("%1 estrellas").arg(s), this);
        opcion->setObjectName(QStringLiteral("Option2_%1").arg(s));
        opcion->setGeometry(xOpciones, yOpciones + 6 * altoOpcion + 20 + (s - 2) * altoOpcion, 140, 22);
        opcion->hide();
        connect(opcion, &QRadioButton::toggled, this, [this, s](bool marcada) {
            if (marcada)
                Option2_Click(s);
        });
        m_option2.append(opcion);
    }

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    QPixmap lapiz(48, 48);
    lapiz.fill(Qt::transparent);
    {
        QPainter p(&lapiz);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(120, 80, 20), 2));
        p.setBrush(QColor(250, 200, 60));
        p.drawPolygon(QPolygonF({QPointF(8, 40), QPointF(36, 8), QPointF(42, 14), QPointF(14, 46)}));
        p.setBrush(QColor(40, 40, 40));
        p.drawPolygon(QPolygonF({QPointF(8, 40), QPointF(14, 46), QPointF(4, 46)}));
    }
    m_image1->setPixmap(lapiz);
    m_image1->setGeometry(xOpciones - 120, 120, 48, 48);
    m_image1->hide();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(500);
    connect(m_timer1, &QTimer::timeout, this, &Creamenu::Timer1_Timer);
    m_timer1->start();
}

void Creamenu::Timer1_Timer()
{
    if (m_marcas < 14)
        m_label1[m_marcas++]->show();
    if (m_marcas >= 14)
        m_timer1->stop();
}

void Creamenu::Check1_Click(int indice)
{
    m_image1->show();
    m_timer1->stop();
    if (indice == 1) {
        abreEditor(0);
        return;
    }
    if (m_check1[0]->isChecked()) {
        m_shape2->show();
        for (QRadioButton* o : m_option1)
            o->show();
        return;
    }
    m_shape2->hide();
    m_shape4->hide();
    for (QRadioButton* o : m_option1)
        o->hide();
    for (QRadioButton* o : m_option2)
        o->hide();
    m_image1->hide();
    if (m_marcas < 14)
        m_timer1->start();
}

void Creamenu::Option1_Click(int indice)
{
    m_n = indice;
    m_shape2->hide();
    // The star choices take the places of the first four number choices.
    for (int i = 0; i < 4; ++i)
        m_option2[i]->move(m_option1[0]->x(), m_option1[i]->y());
    m_shape4->show();
    for (QRadioButton* o : m_option2)
        o->show();
    for (QRadioButton* o : m_option1) {
        o->hide();
        o->setEnabled(false);
    }
    // Five numbers and two stars is a simple bet.
    m_option2[0]->setEnabled(m_n != 5);
}

void Creamenu::Option2_Click(int indice) { abreEditor(codigoMultiple(m_n, indice)); }

void Creamenu::abreEditor(int modo)
{
    m_estado.modoApuesta = modo;
    m_abreEditor(new Crea(m_estado, m_plataforma));
    close();
}

void Creamenu::paintEvent(QPaintEvent*)
{
    // A ticket in the background, where the marks fall.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect ticket(16, 110, 200, 150);
    p.setPen(QPen(QColor(210, 40, 60), 2));
    p.setBrush(QColor(255, 246, 240));
    p.drawRoundedRect(ticket, 6, 6);
    p.setPen(QPen(QColor(210, 40, 60), 1));
    for (int c = 0; c < 7; ++c)
        for (int f = 0; f < 5; ++f)
            p.drawRect(QRect(24 + c * 26, 120 + f * 26, 16, 18));
}

} // namespace bolvera

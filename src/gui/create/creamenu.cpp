#include "gui/create/creamenu.h"

#include "core/checking/formas.h"
#include "gui/create/crea.h"
#include "core/store/estado.h"

#include <QButtonGroup>
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
        m_cruces.append(marca);
    }

    const char* cajas[] = {"Múltiple", "Sencilla"};
    for (int i = 0; i < 2; ++i) {
        auto* caja = new QCheckBox(QString::fromUtf8(cajas[i]), this);
        caja->setObjectName(QStringLiteral("Check1_%1").arg(i));
        caja->setGeometry(xOpciones - 130, i == 1 ? 40 : 66, 110, 22);
        // On toggled, not clicked: a screen reader's "toggle" does not click.
        connect(caja, &QCheckBox::toggled, this, [this, i](bool marcada) {
            if (marcada || i == 0)
                eligeTipo(i);
        });
        m_tipos.append(caja);
    }

    m_marcoNumeros = new QFrame(this);
    m_marcoNumeros->setObjectName(QStringLiteral("Shape2"));
    m_marcoNumeros->setFrameShape(QFrame::Box);
    m_marcoNumeros->setGeometry(xOpciones - 8, yOpciones - 6, 160, 6 * altoOpcion + 12);
    m_marcoNumeros->hide();
    m_marcoEstrellas = new QFrame(this);
    m_marcoEstrellas->setObjectName(QStringLiteral("Shape4"));
    m_marcoEstrellas->setFrameShape(QFrame::Box);
    m_marcoEstrellas->setGeometry(xOpciones - 8, yOpciones - 6, 160, 4 * altoOpcion + 12);
    m_marcoEstrellas->hide();

    // Two groups, not one: Tab enters a group at its checked option, and the
    // checked number is hidden once the stars show.
    auto* grupoNumeros = new QButtonGroup(this);
    auto* grupoEstrellas = new QButtonGroup(this);
    for (int n = 5; n <= 10; ++n) {
        auto* opcion = new QRadioButton(QStringLiteral("%1 números").arg(n), this);
        opcion->setObjectName(QStringLiteral("Option1_%1").arg(n));
        opcion->setGeometry(xOpciones, yOpciones + (n - 5) * altoOpcion, 140, 22);
        opcion->hide();
        connect(opcion, &QRadioButton::toggled, this, [this, n](bool marcada) {
            if (marcada)
                eligeNumeros(n);
        });
        grupoNumeros->addButton(opcion);
        m_opcionesNumeros.append(opcion);
    }
    for (int s = 2; s <= 5; ++s) {
        auto* opcion = new QRadioButton(QStringLiteral("%1 estrellas").arg(s), this);
        opcion->setObjectName(QStringLiteral("Option2_%1").arg(s));
        opcion->setGeometry(xOpciones, yOpciones + 6 * altoOpcion + 20 + (s - 2) * altoOpcion, 140, 22);
        opcion->hide();
        connect(opcion, &QRadioButton::toggled, this, [this, s](bool marcada) {
            if (marcada)
                eligeEstrellas(s);
        });
        grupoEstrellas->addButton(opcion);
        m_opcionesEstrellas.append(opcion);
    }

    m_lapiz = new QLabel(this);
    m_lapiz->setObjectName(QStringLiteral("Image1"));
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
    m_lapiz->setPixmap(lapiz);
    m_lapiz->setGeometry(xOpciones - 120, 120, 48, 48);
    m_lapiz->hide();

    m_temporizador = new QTimer(this);
    m_temporizador->setObjectName(QStringLiteral("Timer1"));
    m_temporizador->setInterval(500);
    connect(m_temporizador, &QTimer::timeout, this, &Creamenu::dibujaMarca);
    m_temporizador->start();
}

void Creamenu::dibujaMarca()
{
    if (m_marcas < 14)
        m_cruces[m_marcas++]->show();
    if (m_marcas >= 14)
        m_temporizador->stop();
}

void Creamenu::eligeTipo(int indice)
{
    m_lapiz->show();
    m_temporizador->stop();
    if (indice == 1) {
        abreEditor(0);
        return;
    }
    if (m_tipos[0]->isChecked()) {
        m_marcoNumeros->show();
        for (QRadioButton* o : m_opcionesNumeros)
            o->show();
        return;
    }
    m_marcoNumeros->hide();
    m_marcoEstrellas->hide();
    for (QRadioButton* o : m_opcionesNumeros)
        o->hide();
    for (QRadioButton* o : m_opcionesEstrellas)
        o->hide();
    m_lapiz->hide();
    if (m_marcas < 14)
        m_temporizador->start();
}

void Creamenu::eligeNumeros(int indice)
{
    m_n = indice;
    m_marcoNumeros->hide();
    // The star choices take the places of the first four number choices.
    for (int i = 0; i < 4; ++i)
        m_opcionesEstrellas[i]->move(m_opcionesNumeros[0]->x(), m_opcionesNumeros[i]->y());
    m_marcoEstrellas->show();
    for (QRadioButton* o : m_opcionesEstrellas)
        o->show();
    for (QRadioButton* o : m_opcionesNumeros) {
        o->hide();
        o->setEnabled(false);
    }
    // Five numbers and two stars is a simple bet.
    m_opcionesEstrellas[0]->setEnabled(m_n != 5);
    // The focus was on a number choice, now hidden: it goes to the stars,
    // once the arrow key that chose the number has put it back on that choice.
    QTimer::singleShot(0, this, [this] { m_opcionesEstrellas[m_n == 5 ? 1 : 0]->setFocus(Qt::OtherFocusReason); });
}

void Creamenu::eligeEstrellas(int indice) { abreEditor(codigoMultiple(m_n, indice)); }

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

#include "gui/create/boleto.h"

#include "core/create/editorpena.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace bolvera {

namespace {

// Slip positions are given in twips; the slip is drawn a little larger than
// the paper one so that the cells are easy to hit, and smaller on a screen
// too short for it (a laptop at 125 %).
constexpr double escalaComoda = 1.4 / 15.0;
constexpr double escalaMenor = 1.0 / 15.0;
constexpr int cabecera = 56; // the band with the title and the phase bar
constexpr int altoTwips = 6250;
constexpr int anchoTwips = 2250;

double escalaPara(int altoLibre)
{
    // The window's frame and margins take about 80 pixels besides the slip.
    return std::clamp((altoLibre - 80 - cabecera) / double(altoTwips), escalaMenor, escalaComoda);
}

QRect rectCelda(int celda, double escala)
{
    const auto pxs = [escala](int twips) { return static_cast<int>(twips * escala + 0.5); };
    if (celda < 50) {
        const int columna = celda / 9;
        const int fila = celda % 9;
        return {pxs(225 + 315 * columna), cabecera + pxs(180 + 430 * fila), pxs(195), pxs(270)};
    }
    const int estrella = celda - 50;
    const int xs[] = {210, 840, 1485};
    const int ys[] = {4530, 4950, 5370, 5805};
    return {pxs(xs[estrella / 4]), cabecera + pxs(ys[estrella % 4]), pxs(240), pxs(240)};
}

// A text on the slip takes the desktop's font where it fits and a smaller
// one where it does not (a smaller slip, a large desktop font): never clipped.
void cabe(QLabel* etiqueta, QSize sitio, bool negrita = false)
{
    QFont letra = etiqueta->font();
    letra.setBold(negrita);
    const auto medida = [&] {
        return QFontMetrics(letra).boundingRect(QRect(QPoint(), sitio), Qt::AlignCenter, etiqueta->text()).size();
    };
    while (letra.pointSizeF() > 6 && (medida().width() > sitio.width() || medida().height() > sitio.height()))
        letra.setPointSizeF(letra.pointSizeF() - 0.5);
    etiqueta->setFont(letra);
}

// The cell an arrow key leads to: the nearest one lying that way, preferring
// the same row or column; the cell itself when none does.
int vecina(int celda, QPoint direccion)
{
    const QPoint desde = rectCelda(celda, escalaComoda).center();
    int mejor = celda;
    int menor = std::numeric_limits<int>::max();
    for (int c = 0; c < EditorPena::celdas; ++c) {
        const QPoint d = rectCelda(c, escalaComoda).center() - desde;
        const int avance = d.x() * direccion.x() + d.y() * direccion.y();
        if (c == celda || avance <= 0)
            continue;
        const int desvio = std::abs(d.x() * direccion.y() - d.y() * direccion.x());
        if (avance + 3 * desvio < menor) {
            menor = avance + 3 * desvio;
            mejor = c;
        }
    }
    return mejor;
}

class Casilla final : public QLabel
{
public:
    Casilla(int celda, QRect sitio, QWidget* padre) : QLabel(padre), m_celda(celda)
    {
        setObjectName(QStringLiteral("Image1_%1").arg(celda));
        setGeometry(sitio);
        setCursor(Qt::PointingHandCursor);
    }
    void ponMarca(bool marcada)
    {
        if (marcada != m_marcada) {
            m_marcada = marcada;
            update();
            QAccessible::State cambio;
            cambio.checked = true;
            QAccessibleStateChangeEvent evento(this, cambio);
            QAccessible::updateAccessibility(&evento);
        }
    }
    int celda() const { return m_celda; }
    bool marcada() const { return m_marcada; }
    std::function<void(int)> alPulsar;

protected:
    void mousePressEvent(QMouseEvent* evento) override
    {
        if (evento->button() == Qt::LeftButton && alPulsar)
            alPulsar(m_celda);
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const bool estrella = m_celda >= 50;
        const QColor tinta = estrella ? QColor(200, 150, 0) : QColor(210, 40, 60);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.setPen(QPen(tinta, 1));
        // A star is filled pale and numbered in dark bold: its outline crosses
        // the digits, which must still read at a glance.
        p.setBrush(estrella ? QColor(255, 238, 180) : QColor(Qt::white));
        if (estrella) {
            QPolygonF puntas;
            for (int i = 0; i < 10; ++i) {
                const double radio = (i % 2 == 0 ? 0.5 : 0.28) * r.width();
                const double a = -M_PI / 2 + i * M_PI / 5;
                puntas << r.center() + QPointF(radio * std::cos(a), radio * std::sin(a));
            }
            p.drawPolygon(puntas);
        } else {
            p.drawRect(r);
        }
        QFont f(QStringLiteral("Arial"), 7);
        f.setStyleHint(QFont::SansSerif);
        const QString texto = QString::number(estrella ? m_celda - 49 : m_celda + 1);
        if (estrella) {
            f.setBold(true);
            // Two digits (10 to 12) fit inside the star's body as one does.
            for (int tamano = 11; tamano > 6; --tamano) {
                f.setPixelSize(tamano);
                if (QFontMetricsF(f).horizontalAdvance(texto) <= 0.56 * r.width())
                    break;
            }
        }
        p.setFont(f);
        p.setPen(estrella ? QColor(100, 60, 0) : tinta);
        p.drawText(r, Qt::AlignCenter, texto);
        if (m_marcada) {
            // The mark, as a pen would make it.
            p.setPen(QPen(QColor(20, 20, 140), 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(r.topLeft() + QPointF(2, 2), r.bottomRight() - QPointF(2, 2));
            p.drawLine(r.topRight() + QPointF(-2, 2), r.bottomLeft() + QPointF(2, -2));
        }
    }

private:
    int m_celda;
    bool m_marcada = false;
};

// A cell as a screen reader meets it: a check box named after its number,
// focused when the keyboard's focus cell is on it.
class CasillaAccesible final : public QAccessibleWidget
{
public:
    CasillaAccesible(Casilla* casilla, Boleto* boleto)
        : QAccessibleWidget(casilla, QAccessible::CheckBox), m_celda(casilla->celda()), m_boleto(boleto)
    {
    }
    QString text(QAccessible::Text que) const override
    {
        if (que == QAccessible::Name)
            return Boleto::nombreCelda(m_celda);
        if (que == QAccessible::Description)
            return m_boleto->descripcion(m_celda);
        return QAccessibleWidget::text(que);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<const Casilla*>(widget())->marcada();
        s.focusable = true;
        s.focused = m_boleto->hasFocus() && m_boleto->foco() == m_celda;
        return s;
    }
    QStringList actionNames() const override { return {toggleAction(), setFocusAction()}; }
    void doAction(const QString& accion) override
    {
        if (accion == toggleAction() || accion == pressAction())
            m_boleto->pulsa(m_celda);
        else if (accion == setFocusAction())
            m_boleto->enfoca(m_celda);
    }

private:
    int m_celda;
    Boleto* m_boleto;
};

// The slip holds the cells; the one the keyboard is on is its focused child.
class BoletoAccesible final : public QAccessibleWidget
{
public:
    explicit BoletoAccesible(Boleto* boleto) : QAccessibleWidget(boleto, QAccessible::Grouping) {}
    QAccessibleInterface* focusChild() const override
    {
        const auto* boleto = static_cast<const Boleto*>(widget());
        return boleto->hasFocus() ? QAccessible::queryAccessibleInterface(boleto->casilla(boleto->foco())) : nullptr;
    }
};

QAccessibleInterface* accesible(const QString&, QObject* objeto)
{
    if (auto* boleto = qobject_cast<Boleto*>(objeto))
        return new BoletoAccesible(boleto);
    if (auto* casilla = dynamic_cast<Casilla*>(objeto))
        return new CasillaAccesible(casilla, static_cast<Boleto*>(casilla->parentWidget()));
    return nullptr;
}

} // namespace

Boleto::Boleto(QWidget* padre) : QWidget(padre)
{
    // Before any cell exists: a screen reader's view of an object is made once.
    static const bool instalada = (QAccessible::installFactory(&accesible), true);
    (void)instalada;
    setObjectName(QStringLiteral("Picture1"));
    const QScreen* pantalla = padre ? padre->screen() : QGuiApplication::primaryScreen();
    m_escala = pantalla ? escalaPara(pantalla->availableGeometry().height()) : escalaComoda;
    setFixedSize(static_cast<int>(anchoTwips * m_escala + 0.5), cabecera + static_cast<int>(altoTwips * m_escala + 0.5));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Boleto"));

    m_barra = new QFrame(this);
    m_barra->setObjectName(QStringLiteral("Shape3"));
    m_barra->setStyleSheet(QStringLiteral("background-color: rgb(210, 40, 60);"));

    for (int c = 0; c < EditorPena::celdas; ++c) {
        auto* casilla = new Casilla(c, rectCelda(c, m_escala), this);
        casilla->alPulsar = [this](int celda) { pulsa(celda); };
        m_casillas.append(casilla);
    }

    const QRect estrellas = rectCelda(50, m_escala).united(rectCelda(61, m_escala)).adjusted(-6, -6, 6, 6);
    m_tapa = new QFrame(this);
    m_tapa->setObjectName(QStringLiteral("Shape4"));
    m_tapa->setGeometry(estrellas);
    m_tapa->setStyleSheet(QStringLiteral("background-color: rgba(230, 230, 230, 235); border: 1px solid gray;"));
    m_tapaTexto = new QLabel(QStringLiteral("Marque primero\nlos números"), m_tapa);
    m_tapaTexto->setObjectName(QStringLiteral("Label6"));
    m_tapaTexto->setAlignment(Qt::AlignCenter);
    m_tapaTexto->setGeometry(m_tapa->rect());
    m_tapaTexto->setStyleSheet(QStringLiteral("background: transparent; border: none; color: rgb(90, 90, 90);"));
    cabe(m_tapaTexto, m_tapa->size() - QSize(8, 8));

    m_aviso = new QLabel(this);
    m_aviso->setObjectName(QStringLiteral("Label5"));
    m_aviso->setStyleSheet(QStringLiteral("color: rgb(150, 100, 0); font-weight: bold;"));
    m_aviso->setGeometry(estrellas.left(), estrellas.top() - 22, width() - estrellas.left() - 4, 18);
    m_aviso->hide();
}

QString Boleto::nombreCelda(int celda)
{
    return celda < 50 ? QStringLiteral("Número %1").arg(celda + 1) : QStringLiteral("Estrella %1").arg(celda - 49);
}

QString Boleto::descripcion(int celda) const
{
    if (celda < 50)
        return {};
    if (m_tapa->isVisibleTo(this))
        return m_tapaTexto->text().replace(u'\n', u' ');
    return m_aviso->isVisibleTo(this) ? m_aviso->text() : QString();
}

void Boleto::pulsa(int celda)
{
    enfoca(celda);
    emit pulsada(celda);
}

void Boleto::enfoca(int celda)
{
    if (celda == m_foco)
        return;
    m_foco = celda;
    update();
    avisaFoco();
}

// A screen reader follows the focus cell as it would a focused control.
void Boleto::avisaFoco()
{
    if (!hasFocus())
        return;
    QAccessibleEvent evento(m_casillas[m_foco], QAccessible::Focus);
    QAccessible::updateAccessibility(&evento);
}

void Boleto::muestra(const EditorPena& editor)
{
    for (int c = 0; c < EditorPena::celdas; ++c)
        static_cast<Casilla*>(m_casillas[c])->ponMarca(editor.marcada(c));
    // The bar grows with the phase: 6 after a bet, 263 with the stars open.
    m_barra->setGeometry(8, 8, 10, 4 + editor.altoBarra() * (cabecera - 16) / 263);
    m_tapa->setVisible(editor.tapaVisible());
    m_tapa->raise();
    m_aviso->setText(editor.textoAvisoEstrellas());
    cabe(m_aviso, m_aviso->size(), true);
    m_aviso->setVisible(editor.avisoEstrellas());
    // The focus follows the phase: to the stars when they open, back to the
    // numbers when they close again.
    const bool estrellas = editor.faseEstrellas() && !editor.tapaVisible();
    setAccessibleDescription(editor.instrucciones() +
                             QStringLiteral(" Las flechas llevan de una casilla a otra; Espacio la marca o la desmarca."));
    if (estrellas != m_estrellas) {
        m_estrellas = estrellas;
        enfoca(estrellas ? 50 : 0);
    }
}

void Boleto::keyPressEvent(QKeyEvent* evento)
{
    const std::pair<int, QPoint> flechas[] = {
        {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
    for (const auto& [tecla, direccion] : flechas)
        if (evento->key() == tecla) {
            enfoca(vecina(m_foco, direccion));
            return;
        }
    if (evento->key() == Qt::Key_Space || evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        emit pulsada(m_foco);
        return;
    }
    QWidget::keyPressEvent(evento);
}

void Boleto::focusInEvent(QFocusEvent* evento)
{
    QWidget::focusInEvent(evento);
    update();
    avisaFoco();
}

void Boleto::focusOutEvent(QFocusEvent* evento)
{
    QWidget::focusOutEvent(evento);
    update();
}

void Boleto::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(255, 246, 240));
    p.setPen(QPen(QColor(210, 40, 60), 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
    QFont titulo(QStringLiteral("Arial"), 10, QFont::Bold);
    titulo.setStyleHint(QFont::SansSerif);
    p.setFont(titulo);
    p.drawText(QRect(24, 6, width() - 30, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("EUROMILLONES"));
    QFont pie(QStringLiteral("Arial"), 7);
    pie.setStyleHint(QFont::SansSerif);
    p.setFont(pie);
    p.drawText(QRect(24, 28, width() - 30, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Bloque de apuesta"));
    p.setPen(QPen(QColor(200, 150, 0), 1, Qt::DashLine));
    const QRect estrellas = rectCelda(50, m_escala).united(rectCelda(61, m_escala)).adjusted(-6, -6, 6, 6);
    p.drawRect(estrellas);
    if (hasFocus()) {
        // The focus ring sits in the gap around the cell, where the cell's own
        // painting cannot cover it.
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rectCelda(m_foco, m_escala).adjusted(-3, -3, 3, 3));
    }
}

} // namespace bolvera

#include "gui/shell/infor.h"

#include "gui/comun/nombra.h"
#include "gui/comun/twips.h"
#include "core/platform/escritorio.h"
#include "core/platform/sitios.h"
#include "core/store/ficheroregistros.h"
#include "core/store/texto1252.h"
#include "gui/comun/contraste.h"

#include <QShortcut>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

namespace bolvera {

namespace {

// The news is shown as it came, but nothing in it reaches the network.
class NavegadorLocal final : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

// HTML names its own encoding; otherwise UTF-8 when it is valid, else Windows-1252.
QString textoNoticias(const QByteArray& bytes)
{
    if (const auto declarada = QStringConverter::encodingForHtml(bytes)) {
        QStringDecoder decodificador(*declarada);
        return decodificador(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8(bytes);
    return utf8.hasError() ? texto1252::decodifica(bytes) : texto;
}

QPixmap sobre()
{
    QPixmap lienzo(64, 48);
    lienzo.fill(Qt::transparent);
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 90, 20), 2));
    p.setBrush(QColor(250, 230, 160));
    p.drawRect(QRectF(4, 6, 56, 36));
    p.drawPolyline(QPolygonF({QPointF(4, 6), QPointF(32, 28), QPointF(60, 6)}));
    return lienzo;
}

} // namespace

Infor::Infor(Escritorio& escritorio, const QString& informe, QWidget* padre)
    : QWidget(padre, Qt::Window | Qt::WindowStaysOnTopHint), m_escritorio(escritorio)
{
    // Esc closes it, as any secondary window (the editor asks first when it holds bets).
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setObjectName(QStringLiteral("Infor"));
    setWindowTitle(QStringLiteral("Noticias del jefe..."));
    setFixedSize(520, 420);
    move(0, 0);

    auto* imagen = new QLabel(this);
    imagen->setObjectName(QStringLiteral("Image1"));
    imagen->setPixmap(sobre());
    dice(imagen, QStringLiteral("Sobre de noticias"));
    imagen->setGeometry(10, 8, 64, 48);

    m_navegador = new NavegadorLocal(this);
    m_navegador->setObjectName(QStringLiteral("WebBrowser1"));
    m_navegador->setGeometry(10, 64, 500, 300);
    m_navegador->setOpenLinks(false);
    connect(m_navegador, &QTextBrowser::anchorClicked, this, [this](const QUrl& enlace) {
        const QString esquema = enlace.scheme();
        if (esquema == u"http" || esquema == u"https" || esquema == u"mailto")
            m_escritorio.abre(enlace);
    });
    QByteArray contenido;
    ficheroregistros::leeTodo(informe, contenido);
    if (contenido.size() > 10)
        m_navegador->setHtml(textoNoticias(contenido));
    else
        m_navegador->hide();

    m_direccion = new QLabel(sitios::correo(), this);
    m_direccion->setObjectName(QStringLiteral("Label1"));
    m_direccion->setStyleSheet(contraste::css(QColor(0, 0, 160)) + QStringLiteral(" font-weight: bold;"));
    m_direccion->setCursor(Qt::PointingHandCursor);
    m_direccion->adjustSize();
    m_direccion->move(px(m_izquierda), 380);
    m_direccion->installEventFilter(this);

    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(100);
    connect(timer, &QTimer::timeout, this, &Infor::desliza);
    timer->start();
}

void Infor::desliza()
{
    m_izquierda += m_paso;
    if (m_izquierda > 3700)
        m_paso = -100;
    if (m_izquierda < 360)
        m_paso = 100;
    m_direccion->move(px(m_izquierda), m_direccion->y());
}

void Infor::abreDireccion()
{
    m_escritorio.abre(QUrl(QStringLiteral("mailto:") + sitios::correo()));
    close();
}

bool Infor::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_direccion && evento->type() == QEvent::MouseButtonRelease) {
        abreDireccion();
        return true;
    }
    return QWidget::eventFilter(objeto, evento);
}

} // namespace bolvera

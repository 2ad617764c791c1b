#include "gui/shell/acercade.h"

#include "core/platform/escritorio.h"
#include "core/platform/sitios.h"
#include "gui/shell/arte.h"
#include "core/programa/version.h"

#include <QShortcut>
#include <QLabel>
#include <QDir>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

namespace bolvera {

namespace {

QLabel* enlace(QWidget* padre, const QString& nombre, const QString& texto)
{
    auto* l = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#ffffff;\">%1</a>")
                             .arg(texto.toHtmlEscaped()),
                         padre);
    l->setObjectName(nombre);
    l->setTextFormat(Qt::RichText);
    l->setCursor(Qt::PointingHandCursor);
    // Reached by Tab and opened with Enter, as by a click.
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    l->setFocusPolicy(Qt::StrongFocus);
    return l;
}

} // namespace

Acercade::Acercade(Escritorio& escritorio, const QString& carpeta, QWidget* padre)
    : QWidget(padre, Qt::Window), m_escritorio(escritorio)
{
    // Esc closes it, as any secondary window (the editor asks first when it holds bets).
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setObjectName(QStringLiteral("Acercade"));
    setWindowTitle(QStringLiteral("Acerca de Bolvera ") + versionPrograma);
    setFixedSize(460, 340);

    auto* col = new QVBoxLayout(this);
    col->addStretch(1);
    auto* sistema = new QLabel(QStringLiteral("S.O: ") + escritorio.nombreSistema(), this);
    sistema->setObjectName(QStringLiteral("Label4"));
    sistema->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    col->addWidget(sistema);
    if (!carpeta.isEmpty()) {
        auto* datos = new QLabel(QStringLiteral("Datos: ") + QDir::toNativeSeparators(carpeta), this);
        datos->setObjectName(QStringLiteral("LabelCarpeta"));
        datos->setStyleSheet(QStringLiteral("color: white;"));
        datos->setTextInteractionFlags(Qt::TextSelectableByMouse);
        col->addWidget(datos);
    }

    auto* web = enlace(this, QStringLiteral("Label2"), sitios::web());
    connect(web, &QLabel::linkActivated, this, &Acercade::abreWeb);
    col->addWidget(web);
    auto* correo = enlace(this, QStringLiteral("Label3"), sitios::correo());
    connect(correo, &QLabel::linkActivated, this, &Acercade::escribeCorreo);
    col->addWidget(correo);
}

void Acercade::abreWeb() { m_escritorio.abre(QUrl(sitios::web())); }

void Acercade::escribeCorreo()
{
    QUrl direccion(QStringLiteral("mailto:") + sitios::correo());
    direccion.setQuery(QStringLiteral("Subject=Bolvera ") + versionPrograma);
    m_escritorio.abre(direccion);
}

void Acercade::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    arte::pintaPortada(p, QRect(0, 0, width(), height() - 90), versionPrograma);
    p.fillRect(QRect(0, height() - 90, width(), 90), QColor(20, 60, 140));
}

} // namespace bolvera

#include "gui/print/imprimir.h"

#include "core/checking/formas.h"
#include "gui/comun/contraste.h"
#include "gui/comun/errorpermiso.h"
#include "gui/comun/nombra.h"
#include "core/platform/dialogos.h"
#include "core/platform/plataforma.h"
#include "gui/print/pintor.h"
#include "core/print/trabajo.h"
#include "core/store/estado.h"
#include "core/store/ficheros.h"
#include "core/store/numsini.h"
#include "core/store/reescritura.h"
#include "core/store/errores.h"

#include <QShortcut>
#include <QEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace bolvera {

namespace {

QLabel* etiqueta(const QString& nombre, const QString& texto)
{
    auto* l = new QLabel(texto);
    l->setObjectName(nombre);
    return l;
}

const QLocale espanol(QLocale::Spanish, QLocale::Spain);

// How the slip goes into the printer: drawn by the program.
QPixmap entradaImpresora()
{
    QPixmap lienzo(180, 130);
    lienzo.fill(Qt::white);
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(QRectF(20, 60, 140, 50), 6, 6); // the printer
    p.setBrush(QColor(255, 246, 240));
    p.setPen(QPen(QColor(210, 40, 60), 1.5));
    p.drawRect(QRectF(55, 10, 70, 60)); // the slip, going in
    for (int c = 0; c < 5; ++c)
        p.drawLine(QPointF(62 + c * 12, 18), QPointF(62 + c * 12, 50));
    p.setPen(QPen(QColor(20, 20, 140), 2));
    p.drawLine(QPointF(150, 20), QPointF(150, 55));
    p.drawLine(QPointF(150, 55), QPointF(144, 47));
    p.drawLine(QPointF(150, 55), QPointF(156, 47));
    return lienzo;
}

} // namespace

Imprimir::Imprimir(Estado& estado, Plataforma& plataforma, QWidget* padre)
    : QWidget(padre, Qt::Window), m_estado(estado), m_plataforma(plataforma), m_pena(estado.pena)
{
    // Esc closes it, as any secondary window (the editor asks first when it holds bets).
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setObjectName(QStringLiteral("Imprimir"));
    setWindowTitle(QStringLiteral("Imprimir Boletos"));

    const auto forma = formaValida(m_pena);
    const int apuestas = !forma ? 0 : forma->multiple ? 1 : forma->apuestas;

    auto* col = new QVBoxLayout(this);
    auto* titulo = etiqueta(QStringLiteral("Label9"), QStringLiteral("IMPRESIÓN DE LOS NÚMEROS DE LA PEÑA:"));
    titulo->setStyleSheet(QStringLiteral("font-weight: bold;"));
    col->addWidget(titulo);
    auto* nombre = etiqueta(QStringLiteral("Label10"), m_pena.nombreRecortado());
    nombre->setStyleSheet(contraste::css(QColor(128, 0, 0)) + QStringLiteral(" font-weight: bold; font-size: 14pt;"));
    col->addWidget(nombre);

    auto* datos = new QGridLayout;
    const QStringList rotulos = {QStringLiteral("-Total apuestas:"),
                                 QStringLiteral("-Nº de boletos oficiales que necesita:"),
                                 QStringLiteral("-Asegúrese que el papel sea para jugar los:")};
    const QStringList valores = {QString::number(apuestas), QString::number(boletosNecesarios(m_pena)),
                                 m_pena.diaRecortado()};
    for (int i = 0; i < 3; ++i) {
        datos->addWidget(etiqueta(QStringLiteral("Label1_%1").arg(i), rotulos[i]), i, 0);
        auto* valor = etiqueta(QStringLiteral("Label2_%1").arg(i), valores[i]);
        valor->setStyleSheet(QStringLiteral("font-weight: bold;"));
        datos->addWidget(valor, i, 1);
    }
    col->addLayout(datos);

    auto* calibracion = new QGridLayout;
    auto* margen = etiqueta(QStringLiteral("Label8"), QStringLiteral("Corrección margen impresora:"));
    margen->setStyleSheet(QStringLiteral("font-weight: bold;"));
    calibracion->addWidget(margen, 0, 0, 1, 4);
    for (int i = 0; i < 2; ++i) {
        calibracion->addWidget(new QLabel(i == 0 ? QStringLiteral("X") : QStringLiteral("Y")), 1, i * 3);
        m_calibracion[i] = new QLineEdit;
        m_calibracion[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        dice(m_calibracion[i], i == 0 ? QStringLiteral("Corrección horizontal X, en milímetros")
                                : QStringLiteral("Corrección vertical Y, en milímetros"),
             QStringLiteral("Sólo en papel oficial."));
        m_calibracion[i]->setFixedWidth(70);
        m_calibracion[i]->installEventFilter(this);
        calibracion->addWidget(m_calibracion[i], 1, i * 3 + 1);
        calibracion->addWidget(new QLabel(QStringLiteral("mm.")), 1, i * 3 + 2);
        connect(m_calibracion[i], &QLineEdit::textEdited, this, [this, i] { cambiaCalibracion(i); });
    }
    calibracion->addWidget(new QLabel(QStringLiteral("Sólo en papel oficial")), 1, 6);
    calibracion->setColumnStretch(7, 1);
    col->addLayout(calibracion);

    auto* instrucciones = new QHBoxLayout;
    auto* textos = new QVBoxLayout;
    auto* cabecera = etiqueta(QStringLiteral("Label3"), QStringLiteral("Instrucciones para papel oficial:"));
    cabecera->setStyleSheet(QStringLiteral("font-weight: bold;"));
    textos->addWidget(cabecera);
    auto* detalle = etiqueta(
        QStringLiteral("Label4"),
        QStringLiteral("Inserte el papel oficial en la impresora de la forma indicada en la imagen. Tenga "
                       "en cuenta que tendrá que modificar los valores X e Y, según modelo de impresora. "
                       "X=Distancia horizontal al centro de la casilla Nº 1 - margen X por defecto de la "
                       "impresora. Y= Distancia vertical al centro de la casilla Nº1 - margen Y por defecto "
                       "de tu impresora."));
    detalle->setWordWrap(true);
    textos->addWidget(detalle);
    instrucciones->addLayout(textos, 1);
    auto* dibujo = new QVBoxLayout;
    auto* imagen = dice(new QLabel, QStringLiteral("Cómo entra el boleto oficial en la impresora"));
    imagen->setPixmap(entradaImpresora());
    dibujo->addWidget(imagen);
    dibujo->addWidget(new QLabel(QStringLiteral("Entrada impresora")), 0, Qt::AlignHCenter);
    instrucciones->addLayout(dibujo);
    col->addLayout(instrucciones);

    auto* botones = new QHBoxLayout;
    m_oficial = new QPushButton(QStringLiteral("Imprimir en papel oficial"));
    m_oficial->setObjectName(QStringLiteral("Command1"));
    m_normal = new QPushButton(QStringLiteral("Imprimir en papel normal"));
    m_normal->setObjectName(QStringLiteral("Command2"));
    botones->addWidget(m_oficial);
    botones->addWidget(m_normal);
    col->addLayout(botones);
    connect(m_oficial, &QPushButton::clicked, this, &Imprimir::imprimeOficial);
    connect(m_normal, &QPushButton::clicked, this, &Imprimir::imprimeNormal);
    // A damaged record has nothing sound to print.
    m_oficial->setEnabled(forma.has_value());
    m_normal->setEnabled(forma.has_value());

    const numsini::Calibracion c = numsini::lee(m_estado.fichero(ficheros::numsIni));
    m_x = c.x;
    m_y = c.y;
    muestraCalibracion();
    // Its width is fixed, wider where a large desktop font needs it; the
    // wrapped instructions then take the height they need at that width.
    const int ancho = std::max(560, minimumSizeHint().width());
    setFixedWidth(ancho);
    setMinimumHeight(col->totalHeightForWidth(ancho));
}

void Imprimir::muestraCalibracion()
{
    m_calibracion[0]->setText(espanol.toString(m_x));
    m_calibracion[1]->setText(espanol.toString(m_y));
}

void Imprimir::cambiaCalibracion(int indice)
{
    const QString texto = m_calibracion[indice]->text().trimmed();
    if (const auto valor = numsini::milimetros(texto))
        (indice == 0 ? m_x : m_y) = *valor;
    else if (!texto.isEmpty())
        muestraCalibracion();
    const QString fichero = m_estado.fichero(ficheros::numsIni);
    // Written at every keystroke: a failure is said once a window.
    if (const int error = numsini::escribe(fichero, {m_x, m_y}); error && !std::exchange(m_calibracionAvisada, true))
        errorEscritura(m_plataforma.dialogos, error, fichero, QStringLiteral("No se pudo guardar la calibración de la impresora."));
}

void Imprimir::dejaCalibracion(int indice)
{
    if (m_calibracion[indice]->text().trimmed().isEmpty())
        m_plataforma.dialogos.mensaje(Dialogos::Icono::Critico, QStringLiteral("EHEHEHH"),
                                      QStringLiteral("Te has dejado una coordenada en blanco. Introduce un número válido."));
}

bool Imprimir::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::FocusOut)
        for (int i = 0; i < 2; ++i)
            if (objeto == m_calibracion[i])
                dejaCalibracion(i);
    return QWidget::eventFilter(objeto, evento);
}

void Imprimir::imprimeOficial() { imprime(0); }
void Imprimir::imprimeNormal() { imprime(1); }

void Imprimir::imprime(int papel)
{
    // The job works on copies: a dialog's nested event loop may see this
    // window unloaded while it runs, and nothing after it may touch `this`.
    QPrinter impresora(QPrinter::HighResolution);
    Dialogos& d = m_plataforma.dialogos;
    const QString ruta = m_estado.ruta;
    const RegPena pena = m_pena;
    const float x = m_x;
    const float y = m_y;
    QString pdf;
    if (!d.hayImpresoras()) {
        // Without a printer the slips go into a PDF, laid out as bolvera-cli
        // imprimir --pdf lays them out, to print later.
        d.mensaje(Dialogos::Icono::Informacion, QStringLiteral("Imprimir Boletos"),
                  QStringLiteral("No hay ninguna impresora instalada: los boletos se guardarán en un PDF."));
        pdf = d.guardaFichero(QDir::homePath() + QStringLiteral("/boletos.pdf"), QStringLiteral("Guardar los boletos en un PDF"),
                              QStringLiteral("Documentos PDF (*.pdf)"));
        if (pdf.isEmpty())
            return;
        if (const auto motivo = ficheros::motivoSalida(ruta, pdf)) {
            d.mensaje(Dialogos::Icono::Exclamacion, QStringLiteral("¡Vaya hombre!"), *motivo);
            return;
        }
    } else if (!d.eligeImpresora(impresora)) {
        return;
    }
    const auto trabajo = trabajoImpresion(pena, papel == 0 ? Papel::Oficial : Papel::Normal, x, y, [&d] {
        return d.pregunta(
            QStringLiteral("Opción Dos semanas"),
            QStringLiteral("¿Quiere marcar el boleto para jugar DOS SEMANAS. En caso contrario, se marcará "
                           "para jugar la SEMANA EN CURSO."));
    });
    if (pdf.isEmpty()) {
        pinta(trabajo, impresora);
        return;
    }
    const QByteArray bytes = pdfDe(trabajo);
    const QString nombre = QDir::toNativeSeparators(pdf);
    if (errorEscritura(d, bytes.isEmpty() ? errores::entradaSalida : reescribe(pdf, bytes), pdf,
                       QStringLiteral("No se pudo escribir %1.").arg(nombre)))
        return;
    d.mensaje(Dialogos::Icono::Informacion, QStringLiteral("Imprimir Boletos"),
              QStringLiteral("Boletos guardados en %1. Imprímalo a tamaño real (100 %, sin «ajustar a la "
                             "página») para que las marcas caigan en las casillas.")
                  .arg(nombre));
}

} // namespace bolvera

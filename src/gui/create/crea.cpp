#include "gui/create/crea.h"

#include "gui/create/boleto.h"
#include "gui/comun/errorpermiso.h"
#include "gui/comun/nombra.h"
#include "core/platform/dialogos.h"
#include "core/platform/plataforma.h"
#include "core/platform/reloj.h"
#include "core/store/errores.h"
#include "core/store/estado.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/penas.h"
#include "core/store/regsorteo.h"
#include "gui/comun/contraste.h"

#include <QShortcut>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace bolvera {

Crea::Crea(Estado& estado, Plataforma& plataforma, QWidget* padre)
    : QWidget(padre, Qt::Window), m_estado(estado), m_plataforma(plataforma),
      m_editor(estado.modoApuesta)
{
    // Esc closes it, as any secondary window (the editor asks first when it holds bets).
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setObjectName(QStringLiteral("Crea"));
    setWindowTitle(QStringLiteral("Crear peña nueva..."));

    auto* fila = new QHBoxLayout(this);
    m_boleto = new Boleto;
    fila->addWidget(m_boleto, 0, Qt::AlignTop);

    auto* col = new QVBoxLayout;
    auto* datos = new QGridLayout;
    auto* etiquetaNombre = nombra(new QLabel(QStringLiteral("Nombre de la Peña:")), QStringLiteral("Label1"));
    datos->addWidget(etiquetaNombre, 0, 0);
    m_nombre = dice(nombra(new QLineEdit, QStringLiteral("Text1")), QStringLiteral("Nombre de la peña"),
                    QStringLiteral("Hasta 20 letras."));
    etiquetaNombre->setBuddy(m_nombre);
    datos->addWidget(m_nombre, 0, 1);
    datos->addWidget(nombra(new QLabel(QStringLiteral("-Apuesta nº:")), QStringLiteral("Label2")), 1, 0);
    m_numeroApuesta = nombra(new QLabel(QStringLiteral("1")), QStringLiteral("Label3"));
    m_numeroApuesta->setStyleSheet(QStringLiteral("font-weight: bold;"));
    datos->addWidget(m_numeroApuesta, 1, 1);
    col->addLayout(datos);
    m_instrucciones = nombra(new QLabel, QStringLiteral("Label4"));
    m_instrucciones->setStyleSheet(contraste::css(QColor(128, 0, 0)) + QStringLiteral(" font-weight: bold;"));
    col->addWidget(m_instrucciones);

    auto* dias = new QHBoxLayout;
    m_martes = nombra(new QRadioButton(QStringLiteral("Sólo martes")), QStringLiteral("Option1"));
    m_viernes = nombra(new QRadioButton(QStringLiteral("Sólo viernes")), QStringLiteral("Option2"));
    auto* todos = nombra(new QRadioButton(QStringLiteral("Toda la semana")), QStringLiteral("Option3"));
    todos->setChecked(true);
    dias->addWidget(m_martes);
    dias->addWidget(m_viernes);
    dias->addWidget(todos);
    col->addLayout(dias);

    m_lista = dice(nombra(new QTextEdit, QStringLiteral("RichTextBox1")), QStringLiteral("Apuestas marcadas"));
    m_lista->setReadOnly(true);
    QFont courier(QStringLiteral("Courier"), 10);
    courier.setStyleHint(QFont::Monospace);
    m_lista->setFont(courier);
    m_lista->setLineWrapMode(QTextEdit::NoWrap);
    col->addWidget(m_lista, 1);

    auto* botones = new QHBoxLayout;
    m_grabar = nombra(new QPushButton(QStringLiteral("Grabar")), QStringLiteral("Command1"));
    m_borrar = nombra(new QPushButton(QStringLiteral("Borrar")), QStringLiteral("Command2"));
    m_aleatorio = nombra(new QPushButton(QStringLiteral("Aleatorio")), QStringLiteral("Command3"));
    botones->addWidget(m_aleatorio);
    botones->addWidget(m_borrar);
    botones->addStretch(1);
    botones->addWidget(m_grabar);
    col->addLayout(botones);
    fila->addLayout(col, 1);
    resize(700, m_boleto->height() + 24);
    // The keyboard goes as the eye reads: the name, the days, the slip, the buttons.
    QWidget* const orden[] = {m_nombre, m_martes, m_viernes, todos, m_boleto, m_aleatorio, m_borrar, m_grabar, m_lista};
    for (std::size_t i = 1; i < std::size(orden); ++i)
        setTabOrder(orden[i - 1], orden[i]);
    m_nombre->setFocus();

    m_temporizador = new QTimer(this);
    m_temporizador->setObjectName(QStringLiteral("Timer1"));
    m_temporizador->setInterval(100);

    connect(m_boleto, &Boleto::pulsada, this, &Crea::pulsaCasilla);
    connect(m_grabar, &QPushButton::clicked, this, &Crea::graba);
    connect(m_borrar, &QPushButton::clicked, this, &Crea::borraUltima);
    connect(m_aleatorio, &QPushButton::clicked, this, &Crea::aleatoria);
    connect(m_temporizador, &QTimer::timeout, this, &Crea::avanza);
    connect(m_nombre, &QLineEdit::textEdited, this, &Crea::cambiaNombre);
    pinta();
}

void Crea::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (!m_activada) {
        m_activada = true;
        m_editor.activa();
    }
}

bool Crea::sinGrabar() const { return m_editor.apuestas() > 0 || m_editor.marcadas() > 0; }

void Crea::closeEvent(QCloseEvent* evento)
{
    // Bets marked and not saved go only when the user says so. The question
    // waits for the event to end: the close may come from the main window's
    // activation, inside which no modal box opens.
    if (!sinGrabar() || m_descartar) {
        QWidget::closeEvent(evento);
        return;
    }
    evento->ignore();
    if (m_preguntando)
        return;
    m_preguntando = true;
    QMetaObject::invokeMethod(this, [this] {
        m_descartar = m_plataforma.dialogos.pregunta(QStringLiteral("Crear peña nueva"),
                                                     QStringLiteral("¿Descartar las apuestas sin grabar?"),
                                                     Dialogos::PorDefecto::No);
        m_preguntando = false;
        if (m_descartar) {
            close();
            return;
        }
        raise();
        activateWindow();
    }, Qt::QueuedConnection);
}

void Crea::aviso(const std::optional<MensajeEditor>& mensaje)
{
    if (!mensaje)
        return;
    m_plataforma.dialogos.mensaje(mensaje->exclamacion ? Dialogos::Icono::Exclamacion
                                                       : Dialogos::Icono::Informacion,
                                  QStringLiteral("Error"), mensaje->texto);
}

void Crea::pulsaCasilla(int celda)
{
    aviso(m_editor.pulsa(celda));
    pinta();
}

void Crea::avanza()
{
    m_editor.tic();
    pinta();
}

void Crea::aleatoria()
{
    aviso(m_editor.aleatorio([](int k) { return static_cast<int>(QRandomGenerator::global()->bounded(k)); }));
    pinta();
}

void Crea::borraUltima()
{
    m_editor.borra();
    pinta();
}

void Crea::cambiaNombre(const QString& texto)
{
    const auto mensaje = m_editor.ponNombre(texto);
    if (m_nombre->text() != m_editor.nombre()) {
        // Upper-casing keeps the cursor where the user is typing.
        const int cursor = m_nombre->cursorPosition();
        m_nombre->setText(m_editor.nombre());
        m_nombre->setCursorPosition(std::min<int>(cursor, static_cast<int>(m_editor.nombre().size())));
    }
    aviso(mensaje);
}

void Crea::graba()
{
    const auto penas = ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas));
    const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(m_estado.fichero(ficheros::numeros));
    const QDate hoy = m_plataforma.reloj.hoy();
    const QString dia = m_martes->isChecked()    ? QStringLiteral("Martes")
                        : m_viernes->isChecked() ? QStringLiteral("Viernes")
                                                 : QStringLiteral("Todos");
    const EditorPena::Grabacion g =
        m_editor.grabar(penas.empty() ? 0 : penas.front().creacion,
                        sorteos.empty() ? 0 : sorteos.back().fecha, fechas::diaNumero(hoy), dia);
    aviso(g.mensaje);
    if (g.grabar) {
        const int error = anadePena(m_estado, g.registro, hoy);
        // On a failure the bets stay in the editor: nothing typed is lost.
        if (!errorEscritura(m_plataforma.dialogos, error, m_estado.fichero(ficheros::apuestas),
                            QStringLiteral("No se pudo grabar la peña.")))
            m_editor.carga();
    }
    pinta();
}

void Crea::pinta()
{
    m_boleto->muestra(m_editor);
    if (!m_editor.transicion())
        m_temporizador->stop();
    else if (!m_temporizador->isActive())
        m_temporizador->start();
    if (m_nombre->text() != m_editor.nombre())
        m_nombre->setText(m_editor.nombre());
    m_numeroApuesta->setText(m_editor.numeroApuesta());
    m_instrucciones->setText(m_editor.instrucciones());
    // A button that goes off while it has the focus would hand it to the next
    // one ("Aleatorio" to "Borrar": a second Space deletes a bet): the slip takes it.
    for (auto [boton, activo] : {std::pair{m_grabar, m_editor.grabarActivo()}, std::pair{m_borrar, m_editor.borrarActivo()},
                                 std::pair{m_aleatorio, m_editor.aleatorioActivo()}}) {
        if (!activo && boton->hasFocus())
            m_boleto->setFocus(Qt::OtherFocusReason);
        boton->setEnabled(activo);
    }

    if (m_lista->toPlainText() != m_editor.lista() || m_lista->document()->isEmpty()) {
        m_lista->setPlainText(m_editor.lista());
        for (const Tramo& t : m_editor.colorea()) {
            QTextCursor cursor(m_lista->document());
            cursor.setPosition(t.inicio);
            cursor.setPosition(std::min<int>(t.inicio + t.largo, static_cast<int>(m_editor.lista().size())),
                               QTextCursor::KeepAnchor);
            QTextCharFormat formato;
            formato.setFontWeight(QFont::Bold);
            formato.setForeground(contraste::tinta(QColor(QRgb(t.color)), QPalette::Base));
            cursor.mergeCharFormat(formato);
        }
    }
}

} // namespace bolvera

#include "gui/main/pestanageneral.h"
#include "gui/main/dialogossocios.h"
#include "gui/main/pestanapenas.h"
#include "gui/main/pestanasocios.h"
#include "gui/main/modeloresultados.h"
#include "support/ventana.h"
#include "core/platform/plataforma.h"
#include "core/store/premios.h"
#include "core/store/socios.h"
#include "core/store/estado.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ajustes.h"
#include "core/store/fechas.h"
#include "core/store/ficheros.h"
#include "support/datos.h"
#include "support/falsos.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace bolvera;

namespace {

using datos::pena;

class Comprobar : public PruebaVentana
{
protected:
    Comprobar()
    {
        // Friday 4 December 2026: 3 14 25 36 47, stars 2 9, and the Tuesday before.
        datos::escribeSorteos(ruta("numeros.dat"),
                              {datos::sorteo({2026, 12, 1}, {1, 2, 3, 4, 5, 1, 2}),
                               datos::sorteo({2026, 12, 4}, {3, 14, 25, 36, 47, 2, 9})});
    }
    std::vector<RegPena> penas() const
    {
        return ficheroregistros::leeTodos<RegPena>(ruta("apuestas.dat"));
    }
    // The dialog the last step opened over the window.
    template <typename T>
    T* abierto()
    {
        for (T* d : m_ventana->findChildren<T*>())
            if (d->isVisible())
                return d;
        ADD_FAILURE() << "sin diálogo abierto";
        return nullptr;
    }
    std::vector<socios::Socio> socios() { return socios::de(socios::lee(m_estado.ruta).grupos, socios::claveDe(penas(), 0)); }
};

TEST_F(Comprobar, startUpChecksTheNewestDrawAndKeepsTheCounters)
{
    RegPena m = pena("MULTI", "Todos", {2020, 1, 1});
    m.tipo = 162;
    m.numeros[0] = {3, 14, 25, 40, 41, 42};
    m.estrellas[0] = {5, 6};
    datos::escribePenas(ruta("apuestas.dat"),
                        {pena("SIMPLE", "Todos", {2020, 1, 1}, {{3, 14, 40, 41, 42, 5, 9}}), m,
                         pena("NADA", "Todos", {2020, 1, 1}, {{40, 41, 42, 43, 44, 5, 6}})});
    abre();
    EXPECT_EQ(control<QTableView>("ListView2")->model()->rowCount(), 8);
    EXPECT_EQ(control<QTableView>("Listview4")->model()->rowCount(), 5);
    EXPECT_FALSE(control<QTableView>("ListView2")->isHidden());
    EXPECT_TRUE(control<QTableView>("Listview4")->isHidden());
    const auto guardadas = penas();
    EXPECT_EQ(datos::elemento(guardadas, 0).aciertos[11], 1);
    EXPECT_EQ(datos::elemento(guardadas, 1).aciertos[9], 3);
    EXPECT_EQ(datos::elemento(guardadas, 1).aciertos[12], 3);
    EXPECT_EQ(m_ventana->sorteo().fecha, datos::sorteo({2026, 12, 4}).fecha);
    // A peña without a prize has still counted the draw: on disk, or a
    // restart would count it again.
    EXPECT_EQ(datos::elemento(guardadas, 2).contado, datos::sorteo({2026, 12, 4}).fecha);

    // A second start checks the same draw again: the counters do not grow.
    abre();
    EXPECT_EQ(penas(), guardadas);
    EXPECT_EQ(control<QLabel>("Label13")->text(), QStringLiteral("7"));
}

TEST_F(Comprobar, viewButtonsMenusAndBoxesRerunTheCheckOncePerChange)
{
    datos::escribePenas(ruta("apuestas.dat"), {pena("A", "Todos", {2020, 1, 1})});
    Principal& v = abre();
    auto* historico = control<QCheckBox>("Check1");
    auto* soloPremio = control<QCheckBox>("Check2");

    const int inicio = v.general().pasadas();
    control<QPushButton>("Command1_1")->click();
    EXPECT_FALSE(control<QTableView>("Listview4")->isHidden());
    EXPECT_TRUE(control<QTableView>("ListView2")->isHidden());
    control<QPushButton>("Command1_0")->click();
    EXPECT_FALSE(control<QTableView>("ListView2")->isHidden());
    EXPECT_EQ(v.general().pasadas(), inicio);

    struct Paso
    {
        const char* item;
        int reruns;
        bool soloPremio;
        bool historico;
        bool multiple;
    };
    const Paso pasos[] = {
        {"verprehi", 2, true, true, false},   {"verprehi", 0, true, true, false},
        {"verpremiom", 1, true, false, true}, {"Multiples", 0, true, false, true},
        {"verhisto", 2, false, true, false},  {"sencillas", 0, false, true, false},
    };
    control<QTabWidget>("SSTab1")->setCurrentIndex(3);
    for (const Paso& p : pasos) {
        const int antes = v.general().pasadas();
        control<QAction>(QString::fromLatin1(p.item))->trigger();
        EXPECT_EQ(v.general().pasadas() - antes, p.reruns) << p.item;
        EXPECT_EQ(soloPremio->isChecked(), p.soloPremio) << p.item;
        EXPECT_EQ(historico->isChecked(), p.historico) << p.item;
        EXPECT_EQ(control<QTableView>("Listview4")->isHidden(), !p.multiple) << p.item;
        EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 0);
    }
    int antes = v.general().pasadas();
    historico->click();
    soloPremio->click();
    EXPECT_EQ(v.general().pasadas() - antes, 2);

    // Dragging the draw count checks once, where the drag settles; an arrow
    // step checks at once.
    auto* sorteos = control<QScrollBar>("HScroll1");
    antes = v.general().pasadas();
    sorteos->setSliderDown(true);
    for (int valor : {2, 1, 2})
        sorteos->setSliderPosition(valor);
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), QStringLiteral("2"));
    sorteos->setSliderDown(false);
    EXPECT_EQ(v.general().pasadas() - antes, 1);
    sorteos->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(v.general().pasadas() - antes, 2);
}

TEST_F(Comprobar, aSelectedRowKeepsItsHitColours)
{
    datos::escribePenas(ruta("apuestas.dat"), {pena("A", "Todos", {2020, 1, 1}, {{3, 14, 40, 41, 42, 5, 9}})});
    Principal& v = abre();
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    auto* lista = control<QTableView>("ListView2");
    int apuesta = -1;
    for (int fila = 0; fila < lista->model()->rowCount(); ++fila)
        if (lista->model()->index(fila, 1).data().toString() == u"3")
            apuesta = fila;
    ASSERT_GE(apuesta, 0);
    lista->selectRow(apuesta);
    // The hit number 3 is still drawn red on the selected row.
    const QRect celda = lista->visualRect(lista->model()->index(apuesta, 1));
    const QImage imagen = lista->viewport()->grab(celda).toImage();
    bool rojo = false;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) {
            const QColor c = imagen.pixelColor(x, y);
            rojo = rojo || (c.red() > 200 && c.green() < 90 && c.blue() < 90);
        }
    EXPECT_TRUE(rojo);
}

TEST_F(Comprobar, prizeAfterAnUpdateBlinksUntilAViewButtonIsClicked)
{
    datos::escribePenas(ruta("apuestas.dat"), {pena("A", "Todos", {2020, 1, 1}, {{3, 14, 1, 2, 4, 5, 6}})});
    Principal& v = abre();
    auto* timer = control<QTimer>("Timer3");
    EXPECT_FALSE(timer->isActive()); // no update yet: no blink

    v.ponNuevos(QStringLiteral("1 sorteo"));
    v.general().compsencillas(1);
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(v.general().parpadeo().sencillas && !v.general().parpadeo().multiples);
    auto* sencilla = control<QPushButton>("Command1_0");
    auto* multiple = control<QPushButton>("Command1_1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return sencilla->text() == u"P R E M I O"; }, 2000));
    EXPECT_EQ(multiple->text(), QStringLiteral("M Ú L T I P L E"));

    multiple->click(); // any view button stops it
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(sencilla->text(), QStringLiteral("S E N C I L L A"));
    EXPECT_TRUE(control<QLabel>("Label19")->text().isEmpty());
}

TEST_F(Comprobar, penaTabShowsTheListTotalsAndTheClickedPena)
{
    RegPena a = pena("PRIMERA", "Todos", {2020, 1, 1}, {{1, 2, 3, 4, 5, 1, 2}, {6, 7, 8, 9, 10, 3, 4}});
    RegPena b = pena("SEGUNDA", "Martes", {2020, 1, 1}, {{11, 12, 13, 14, 15, 5, 6}});
    b.aciertos[12] = 4;
    datos::escribePenas(ruta("apuestas.dat"), {a, b});
    Principal& v = abre();
    auto* lista = control<QTableView>("ListView1");
    ASSERT_EQ(lista->model()->rowCount(), 2);
    EXPECT_EQ(lista->model()->index(1, 0).data().toString(), QStringLiteral("SEGUNDA").leftJustified(20));
    EXPECT_EQ(lista->model()->index(0, 1).data().toString(), QStringLiteral("2"));
    EXPECT_EQ(control<QLabel>("Label9_2")->text(), QStringLiteral("2"));
    EXPECT_EQ(control<QListWidget>("List1")->count(), 2);
    EXPECT_EQ(control<QListWidget>("List1")->item(0)->text(), QStringLiteral(" 1- 2- 3- 4- 5"));

    v.gestor().eligePena(1);
    EXPECT_EQ(v.gestor().penasel(), 2);
    EXPECT_EQ(control<QListWidget>("List1")->count(), 1);
    EXPECT_EQ(control<QListWidget>("List2")->item(0)->text(), QStringLiteral("5-6"));
    EXPECT_EQ(control<QLabel>("Label3_0")->text(), QStringLiteral("4"));
    EXPECT_EQ(control<QLabel>("Label17")->text(), QStringLiteral("1"));
    EXPECT_EQ(control<QLabel>("Label16")->text(), QStringLiteral("400 %"));

    // Every bet shows, without a scroll bar: 24 simple bets, then 9.
    for (int apuestas : {24, 9}) {
        RegPena grande = pena("GRANDE", "Todos", {2020, 1, 1});
        grande.tipo = static_cast<std::int16_t>(apuestas);
        for (int b = 0; b < apuestas; ++b) {
            grande.numeros[static_cast<std::size_t>(b)] = {1, 2, 3, 4, static_cast<std::int16_t>(5 + b)};
            grande.estrellas[static_cast<std::size_t>(b)] = {1, 2};
        }
        datos::escribePenas(ruta("apuestas.dat"), {grande});
        Principal& w = abre();
        control<QTabWidget>("SSTab1")->setCurrentIndex(2);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.gestor().eligePena(0);
        QApplication::processEvents();
        for (const char* nombre : {"List1", "List2"}) {
            auto* lista = control<QListWidget>(nombre);
            ASSERT_EQ(lista->count(), apuestas);
            ASSERT_TRUE(lista->isVisible());
            EXPECT_EQ(lista->verticalScrollBar()->maximum(), 0) << nombre << " " << apuestas;
            EXPECT_LE(lista->visualItemRect(lista->item(apuestas - 1)).bottom(), lista->viewport()->height())
                << nombre << " " << apuestas;
        }
    }
}

TEST_F(Comprobar, deletingThePenaNamedInTheQuestionOnly)
{
    datos::escribePenas(ruta("apuestas.dat"), {pena("UNO", "Todos", {2020, 1, 1}),
                                               pena("DOS", "Todos", {2020, 1, 1}),
                                               pena("TRES", "Todos", {2020, 1, 1})});
    Principal& v = abre();
    control<QPushButton>("Command3")->click();
    ASSERT_EQ(m_dialogos.cajas.size(), 1);
    EXPECT_EQ(m_dialogos.caja(0).titulo, QStringLiteral("¡Nooooo!"));
    EXPECT_EQ(m_dialogos.caja(0).texto, QStringLiteral("Seleccione una peña primero..."));

    v.gestor().eligePena(1);
    m_dialogos.respuestas = {false};
    control<QPushButton>("Command3")->click();
    EXPECT_EQ(m_dialogos.ultima().titulo, QStringLiteral("Borrar..."));
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("¿Seguro que quieres eliminar la Peña DOS?"));
    EXPECT_EQ(penas().size(), 3u);

    // DOS and TRES have members; DOS's go to socios.bak when the user keeps them.
    const auto antes = penas();
    std::vector<socios::Grupo> grupos;
    socios::pon(grupos, socios::claveDe(antes, 1), {{"ANA", 1, {}, {}}});
    socios::pon(grupos, socios::claveDe(antes, 2), {{"BEA", 2, {}, {}}});
    ASSERT_EQ(socios::guarda(m_estado.ruta, grupos), 0);
    m_dialogos.respuestas = {true, false};
    control<QToolButton>("Image1_0")->click();
    ASSERT_EQ(penas().size(), 2u);
    EXPECT_EQ(datos::elemento(penas(), 1).nombreRecortado(), QStringLiteral("TRES"));
    EXPECT_EQ(m_dialogos.ultima().texto,
              QStringLiteral("La peña tiene un socio. ¿Borrarlo también? Si responde No, se guarda en socios.bak y puede "
                             "traerlo a otra peña con «Recuperar socios...» en la pestaña Socios."));
    EXPECT_TRUE(socios::de(socios::lee(m_estado.ruta).grupos, socios::claveDe(antes, 1)).empty());
    EXPECT_EQ(socios::de(socios::lee(m_estado.ruta).grupos, socios::claveDe(penas(), 1)).size(), 1u);
    QByteArray copia;
    ASSERT_EQ(ficheroregistros::leeEntrada(ruta("socios.bak"), copia), 0);
    EXPECT_EQ(datos::elemento(socios::de(socios::leeTexto(copia).grupos, socios::claveDe(antes, 1)), 0).nombre, QStringLiteral("ANA"));
    EXPECT_EQ(control<QLabel>("Label9_2")->text(), QStringLiteral("2"));

    // A second press without a new click must not delete "TRES".
    m_dialogos.respuestas = {true};
    control<QPushButton>("Command3")->click();
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("Seleccione una peña primero..."));
    EXPECT_EQ(penas().size(), 2u);

    // Nor after any reload, which shows record 1 again: neither deleting nor
    // printing acts on a peña the user did not choose.
    v.gestor().eligePena(1);
    v.cargasorteos();
    for (const char* boton : {"Command3", "Command2"}) {
        m_dialogos.respuestas = {true};
        control<QPushButton>(boton)->click();
        EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("Seleccione una peña primero...")) << boton;
        EXPECT_EQ(penas().size(), 2u) << boton;
    }

    // The way back: the kept member joins UNO, with her payments, and leaves the copy.
    v.pestanaSocios().eligePena(1);
    m_dialogos.respuestas = {true};
    control<QPushButton>("CommandRecuperar")->click();
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("¿Traer a la peña UNO los socios de la peña borrada DOS "
                                                        "(creada el 01/01/2020): ANA?"));
    ASSERT_EQ(socios::de(socios::lee(m_estado.ruta).grupos, socios::claveDe(penas(), 0)).size(), 1u);
    EXPECT_TRUE(socios::apartados(m_estado.ruta).grupos.empty());
    EXPECT_EQ(control<QTableView>("ListaSocios")->model()->index(0, 0).data().toString(), QStringLiteral("ANA"));
    control<QPushButton>("CommandRecuperar")->click();
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("No hay socios apartados de peñas borradas."));
}

TEST_F(Comprobar, theMembersTabAddsPaysRemovesAndHandsOutTheSummary)
{
    // A 5+2 of 50.000 € on Tuesday: 2.000 € of it goes to the state.
    datos::escribePenas(ruta("apuestas.dat"), {pena("UNO", "Todos", {2026, 11, 30})});
    RegPremios bote;
    bote.fecha = fechas::diaNumero({2026, 12, 1});
    bote.centimos[0] = 5'000'000;
    ASSERT_EQ(premios::guarda(m_estado.ruta, {bote}), 0);
    Principal& v = abre();
    v.findChild<QTabWidget*>()->setCurrentIndex(4); // shown empty, then filled
    QApplication::processEvents();
    auto* tabla = control<QTableView>("ListaSocios");
    const auto celda = [&](int f, int c) { return tabla->model()->index(f, c).data().toString(); };
    EXPECT_EQ(texto("LabelCuentas").section(u'\n', 2),
              QStringLiteral("La peña no tiene socios: añádalos para repartir lo apostado y lo ganado."));

    // Two members by their cards; a second "ana" is refused while typed.
    for (const auto& [nombre, participaciones] : {std::pair{"Ana", 1}, std::pair{"Bea", 3}}) {
        v.pestanaSocios().anadeSocio();
        {
            FichaSocio* f = abierto<FichaSocio>();
            ASSERT_TRUE(f);
            f->findChild<QLineEdit*>("TextNombre")->setText(QString::fromUtf8(nombre));
            f->findChild<QSpinBox*>("SpinParticipaciones")->setValue(participaciones);
            f->accept();
        }
    }
    v.pestanaSocios().anadeSocio();
    {
        FichaSocio* f = abierto<FichaSocio>();
        ASSERT_TRUE(f);
        f->findChild<QLineEdit*>("TextNombre")->setText(QStringLiteral(" ana "));
        EXPECT_EQ(f->findChild<QLabel*>("LabelAviso")->text(), QStringLiteral("Ya hay un socio con ese nombre."));
        EXPECT_FALSE(f->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
        f->reject();
    }
    ASSERT_EQ(socios().size(), 2u);
    ASSERT_EQ(tabla->model()->rowCount(), 2);
    // Two draws of one bet at 2,50 €; the prize and its net by shares.
    EXPECT_EQ(celda(0, 3), QStringLiteral("1,25 €"));
    EXPECT_EQ(celda(1, 4), QStringLiteral("37.500,00 €"));
    EXPECT_EQ(celda(1, 5), QStringLiteral("36.000,00 €"));
    EXPECT_FALSE(tabla->isColumnHidden(5));

    // A payment, then its correction: two entries, never an edit.
    tabla->selectRow(1);
    for (const auto& [importe, correccion] : {std::pair{"10,00", false}, std::pair{"2,5", true}}) {
        v.pestanaSocios().anotaPago();
        {
            PagoSocio* d = abierto<PagoSocio>();
            ASSERT_TRUE(d);
            d->findChild<QLineEdit*>("TextImporte")->setText(QString::fromUtf8(importe));
            d->findChild<QCheckBox*>("CheckCorreccion")->setChecked(correccion);
            d->findChild<QDateEdit*>("FechaPago")->setDate({2026, 12, 2});
            d->accept();
        }
    }
    ASSERT_EQ(datos::elemento(socios(), 1).pagos.size(), 2u);
    EXPECT_EQ(datos::elemento(socios(), 1).pagos[1].centimos, -250);
    EXPECT_EQ(celda(1, 2), QStringLiteral("7,50 €"));
    // Amounts and dates whole, never "37.…" or "02/…", once rows came after the tab was shown.
    for (QTableView* t : {tabla, control<QTableView>("ListaPagos")})
        for (int f = 0; f < t->model()->rowCount(); ++f)
            for (int c = 0; c < t->model()->columnCount(); ++c)
                if (!t->isColumnHidden(c) && c != 7) {
                    EXPECT_GE(t->columnWidth(c), t->fontMetrics().horizontalAdvance(t->model()->index(f, c).data().toString()))
                        << t->objectName().toStdString() << " " << f << "," << c;
                }
    EXPECT_EQ(control<QTableView>("ListaPagos")->model()->index(1, 1).data().toString(),
              QStringLiteral("-2,50 € (corrección)"));

    // The summary: copied text, then a PDF; the next one starts after it.
    v.pestanaSocios().resumen();
    {
        ResumenSocios* d = abierto<ResumenSocios>();
        ASSERT_TRUE(d);
        EXPECT_EQ(d->findChild<QDateEdit*>("FechaDesde")->date(), QDate(2026, 11, 30));
        EXPECT_EQ(d->findChild<QDateEdit*>("FechaHasta")->date(), QDate(2026, 12, 8));
        d->copia();
        // Never onto the members' backup.
        datos::escribeBytes(ruta("socios.bak"), "{}");
        m_dialogos.ficheroGuardado = ruta("socios.bak");
        d->guardaPdf();
        EXPECT_EQ(datos::leeBytes(ruta("socios.bak")), QByteArray("{}"));
        m_dialogos.ficheroGuardado = ruta("resumen.pdf");
        d->guardaPdf();
        d->reject();
    }
    const QString copiado = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copiado.contains(QStringLiteral("  Bea: 3; 7,50 €; 3,75 €; 37.500,00 € (36.000,00 € neto); 37.503,75 €")))
        << qPrintable(copiado);
    EXPECT_TRUE(datos::leeBytes(ruta("resumen.pdf")).startsWith("%PDF"));
    EXPECT_EQ(socios::siguienteResumen(socios::lee(m_estado.ruta).grupos, socios::claveDe(penas(), 0)), QDate(2026, 12, 9));

    // The price per bet, then a removal asked first.
    auto* precio = control<QLineEdit>("TextPrecio");
    precio->setText(QStringLiteral("3,00"));
    Q_EMIT precio->editingFinished();
    EXPECT_EQ(celda(0, 3), QStringLiteral("1,50 €"));
    // Nothing is no price, here as in bolvera-cli precio.
    precio->setText(QStringLiteral("0,00"));
    Q_EMIT precio->editingFinished();
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("Precio no válido: 0,00"));
    EXPECT_EQ(precio->text(), QStringLiteral("3,00"));
    EXPECT_EQ(ajustes::precioApuesta(m_estado.ruta), 300);
    m_dialogos.respuestas = {false, true};
    for (int vez = 0; vez < 2; ++vez) {
        tabla->selectRow(1);
        v.pestanaSocios().quitaSocio();
    }
    EXPECT_EQ(m_dialogos.ultima().texto,
              QStringLiteral("¿Seguro que quieres quitar a Bea de la peña? Se pierden sus pagos anotados."));
    ASSERT_EQ(socios().size(), 1u);
    EXPECT_EQ(datos::elemento(socios(), 0).nombre, QStringLiteral("Ana"));
    EXPECT_EQ(tabla->currentIndex().row(), 0); // the last row gone, the one before it is chosen
}

TEST_F(Comprobar, aDamagedMembersFileIsReportedAndNeverWrittenOver)
{
    datos::escribePenas(ruta("apuestas.dat"), {pena("UNO", "Todos", {2026, 11, 30})});
    datos::escribeBytes(ruta("socios.json"), "{\"version\": 1, \"penas\": [{\"pena\": 3}]}");
    Principal& v = abre();
    ASSERT_FALSE(m_dialogos.cajas.isEmpty());
    EXPECT_EQ(m_dialogos.caja(0).titulo, QStringLiteral("socios.json"));
    EXPECT_EQ(control<QTableView>("ListView1")->model()->rowCount(), 1); // the peñas are all there
    EXPECT_TRUE(texto("LabelCuentas").startsWith(QStringLiteral("socios.json está dañado")));
    for (const char* boton : {"CommandAnadir", "CommandModificar", "CommandQuitar", "CommandPago"})
        EXPECT_FALSE(control<QPushButton>(boton)->isEnabled()) << boton;
    v.pestanaSocios().anadeSocio();
    EXPECT_EQ(datos::leeBytes(ruta("socios.json")), QByteArray("{\"version\": 1, \"penas\": [{\"pena\": 3}]}"));
}

TEST_F(Comprobar, printNeedsASelectedPena)
{
    datos::escribePenas(ruta("apuestas.dat"), {pena("UNO", "Todos", {2020, 1, 1})});
    abre();
    control<QPushButton>("Command2")->click();
    ASSERT_EQ(m_dialogos.cajas.size(), 1);
    EXPECT_EQ(m_dialogos.caja(0).texto, QStringLiteral("Seleccione una peña primero..."));
}

TEST_F(Comprobar, noPenasShowsVacioAndDisablesDeleteAndPrint)
{
    abre();
    auto* lista = control<QTableView>("ListView1");
    ASSERT_EQ(lista->model()->rowCount(), 1);
    EXPECT_EQ(lista->model()->index(0, 0).data().toString(), QStringLiteral("VACÍO"));
    EXPECT_FALSE(control<QPushButton>("Command2")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("Command3")->isEnabled());
    EXPECT_EQ(control<QLineEdit>("Text4")->text(), QStringLiteral("¡Nunca has acertado nada!"));
    EXPECT_TRUE(control<QLineEdit>("Text5")->text().isEmpty());
    EXPECT_EQ(control<QLabel>("Label3_12")->text(), QStringLiteral("0"));
    EXPECT_EQ(control<QLabel>("Label16")->text(), QStringLiteral("-"));
}

TEST_F(Comprobar, aDamagedPenaIsReportedWhenShown)
{
    RegPena rara = pena("RARA", "Todos", {2020, 1, 1});
    rara.tipo = 50;
    datos::escribePenas(ruta("apuestas.dat"), {rara});
    abre();
    ASSERT_FALSE(m_dialogos.cajas.isEmpty());
    EXPECT_EQ(m_dialogos.ultima().titulo, QStringLiteral("¡Vaya hombre!"));
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("Error crítico: fichero apuestas.dat corrupto."));
    EXPECT_EQ(datos::leeBytes(ruta("apuestas.dat")).mid(0, 781), rara.aBytes().mid(0, 781));
}

// A long check shows its newest rows and makes the rest as the view asks for
// them: all of them, in order, the same as one whole pass makes.
TEST(ModeloResultados, rowsMadeInPiecesAreTheRowsOfOnePass)
{
    auto datos = std::make_shared<Instantanea>();
    datos->sorteos = datos::sorteosSeguidos(1500, {2026, 12, 4});
    // Draw k holds 1 + k % 46, 47..50 and stars 1 + k % 11 and 12: one peña
    // wins every draw, the other now and then.
    RegPena siempre = pena("SIEMPRE", "Todos", {2000, 1, 1}, {});
    RegPena aVeces = pena("A VECES", "Martes", {2000, 1, 1}, {});
    siempre.tipo = aVeces.tipo = 24;
    for (std::size_t b = 0; b < 24; ++b) {
        const auto n = static_cast<std::int16_t>(b);
        siempre.numeros[b] = {47, 48, static_cast<std::int16_t>(10 + n), 35, 36};
        siempre.estrellas[b] = {12, 3};
        aVeces.numeros[b] = {static_cast<std::int16_t>(1 + n), 49, 37, 38, 39};
        aVeces.estrellas[b] = {4, 5};
    }
    datos->penas = {siempre, aVeces};
    for (const OpcionesPasada opciones : {OpcionesPasada{.historico = true}, OpcionesPasada{.soloPremio = true}}) {
        for (const int n : {1500, 1}) {
            std::vector<RegPena> penas = datos->penas;
            Parpadeo p;
            const Pasada entera = pasadaSencillas(datos->sorteos, penas, n, opciones, p);
            penas = datos->penas;
            FilasCompactas primeras;
            primeras.limita(ModeloResultados::trozo);
            pasadaSencillas(datos->sorteos, penas, n, opciones, p, [&](const Bloque& b) { primeras.anade(b); });
            ModeloResultados modelo(Lista::Sencillas, {});
            modelo.pon(datos, std::move(primeras), n, opciones);
            EXPECT_LE(static_cast<std::size_t>(modelo.rowCount()), ModeloResultados::trozo + 3 * 27);
            int piezas = 0;
            while (modelo.canFetchMore({})) {
                const int antes = modelo.rowCount();
                modelo.fetchMore({});
                EXPECT_GT(modelo.rowCount(), antes);
                ++piezas;
            }
            EXPECT_EQ(piezas > 0, entera.filas.size() > ModeloResultados::trozo + 3 * 27) << n;
            ASSERT_EQ(static_cast<std::size_t>(modelo.rowCount()), entera.filas.size()) << n;
            for (int fila = 0; fila < modelo.rowCount(); ++fila)
                for (int columna : {1, 6, 8})
                    ASSERT_EQ(modelo.index(fila, columna).data().toString(),
                              celda(Lista::Sencillas, entera.filas[static_cast<std::size_t>(fila)], columna, *datos).texto)
                        << fila << ' ' << columna;
        }
    }
}

} // namespace

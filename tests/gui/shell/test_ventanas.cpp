#include "core/programa/versionprograma.h"
#include "support/datos.h"
#include "support/imprime.h"
#include "gui/shell/acercade.h"
#include "gui/shell/presentacion.h"
#include "support/falsos.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

TEST(Presentacion, opensTheMainWindowAfter38Ticks)
{
    Presentacion splash;
    EXPECT_EQ(splash.windowTitle(), QStringLiteral("Presentación"));
    auto* timer = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 250);
    EXPECT_TRUE(timer->isActive());

    QSignalSpy entrar(&splash, &Presentacion::entrar);
    for (int i = 0; i < 37; ++i)
        splash.cuenta();
    EXPECT_EQ(entrar.count(), 0);
    splash.cuenta(); // the 38th tick: 9.5 s
    EXPECT_EQ(entrar.count(), 1);
    EXPECT_FALSE(timer->isActive());
    splash.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(entrar.count(), 1);
}

TEST(Presentacion, entrarOpensOnceAndStopsTheTimer)
{
    Presentacion splash;
    QSignalSpy entrar(&splash, &Presentacion::entrar);
    auto* boton = splash.findChild<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_NE(boton, nullptr);
    EXPECT_EQ(boton->text(), QStringLiteral("Entrar"));
    QTest::mouseClick(boton, Qt::LeftButton);
    QTest::mouseClick(boton, Qt::LeftButton);
    EXPECT_EQ(entrar.count(), 1);
    EXPECT_FALSE(splash.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    for (int i = 0; i < 40; ++i)
        splash.cuenta();
    EXPECT_EQ(entrar.count(), 1);
}

TEST(Acercade, namesTheSystemAndOpensTheMakersAddresses)
{
    EscritorioGrabado escritorio;
    escritorio.nombre = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    Acercade acerca(escritorio);
    EXPECT_EQ(acerca.windowTitle(), QStringLiteral("Acerca de Bolvera v." BOLVERA_VERSION)); // the version of project()
    EXPECT_EQ(acerca.findChild<QLabel*>(QStringLiteral("Label4"))->text(),
              QStringLiteral("S.O: Debian GNU/Linux 12 (bookworm)"));

    for (const char* enlace : {"Label2", "Label3"})
        Q_EMIT acerca.findChild<QLabel*>(QString::fromLatin1(enlace))->linkActivated(QStringLiteral("#"));
    ASSERT_EQ(escritorio.abiertas.size(), 2);
    EXPECT_EQ(datos::elemento(escritorio.abiertas, 0).scheme(), QStringLiteral("https"));
    EXPECT_EQ(datos::elemento(escritorio.abiertas, 1).scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(datos::elemento(escritorio.abiertas, 1).query().startsWith(QStringLiteral("Subject=")));
    // Both links are reached by Tab and opened with Enter.
    for (const char* enlace : {"Label2", "Label3"}) {
        auto* l = acerca.findChild<QLabel*>(QString::fromLatin1(enlace));
        EXPECT_EQ(l->focusPolicy(), Qt::StrongFocus) << enlace;
        EXPECT_TRUE(l->textInteractionFlags() & Qt::LinksAccessibleByKeyboard) << enlace;
    }
}

} // namespace

#pragma once

#include "gui/main/principal.h"
#include "core/platform/plataforma.h"
#include "core/store/estado.h"
#include "core/store/ficheros.h"
#include "support/falsos.h"
#include "support/imprime.h"

#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace bolvera;

// A main window over a fresh data directory, with every seam faked: today is
// Tuesday 8 December 2026.
class PruebaVentana : public ::testing::Test
{
protected:
    PruebaVentana() { m_estado.ruta = ficheros::calculaRuta(m_dir.path()); }

    QString ruta(const QString& nombre) const { return m_dir.filePath(nombre); }

    Principal& abre()
    {
        m_ventana = std::make_unique<Principal>(m_estado, m_plataforma);
        return *m_ventana;
    }

    template <typename T>
    T* control(const QString& nombre)
    {
        T* c = m_ventana->findChild<T*>(nombre);
        EXPECT_NE(c, nullptr) << qPrintable(nombre);
        return c;
    }
    QString texto(const QString& etiqueta) { return control<QLabel>(etiqueta)->text(); }

    QTemporaryDir m_dir;
    Estado m_estado;
    RelojFijo m_reloj{QDate(2026, 12, 8)};
    DialogosGrabados m_dialogos;
    EscritorioGrabado m_escritorio;
    RedFalsa m_red;
    Plataforma m_plataforma{m_reloj, m_dialogos, m_escritorio, m_red};
    std::unique_ptr<Principal> m_ventana;
};

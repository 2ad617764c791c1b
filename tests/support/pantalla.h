#pragma once

#include "update/actualizacion.h"

#include <QList>
#include <QStringList>
#include <QTest>

#include <functional>

using namespace bolvera;

// Records what the update shows.
class PantallaGrabada final : public PantallaActualizacion
{
public:
    void muestraEstado(const QString& t) override { label6.append(t); }
    void muestraProgreso(int v) override { progreso.append(v); }
    void muestraBytes(const QString& t) override { label58 = t; }
    void muestraAnadidos(const QString& t) override { label19 = t; }
    void mensaje(Dialogos::Icono, const QString& titulo, const QString& texto) override
    {
        mensajes.append(titulo + QStringLiteral(" | ") + texto);
        // A modal box keeps the events flowing while the user reads it.
        if (esperaEnMensaje > 0)
            QTest::qWait(esperaEnMensaje);
    }
    void avisoSorteos(const QString& t) override { aviso = t; }
    void muestraGeneral() override {}
    void cargasorteos() override { ++recuentos; }
    void compruebaNuevos(int n) override
    {
        comprobados.append(n);
        if (alComprobar)
            alComprobar(n);
    }
    void refrescaTodo() override { ++refrescos; }
    void terminada() override { ++terminadas; }

    QStringList label6;
    QList<int> progreso;
    QString label58;
    QString label19;
    QStringList mensajes;
    int esperaEnMensaje = 0; // ms
    QString aviso;
    int recuentos = 0;
    QList<int> comprobados;
    std::function<void(int)> alComprobar; // the real check, when a test wants it
    int refrescos = 0;
    int terminadas = 0;
};

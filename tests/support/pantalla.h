#pragma once

#include "core/update/actualizacion.h"

#include <QList>
#include <QStringList>
#include <QTest>


using namespace bolvera;

// Records what the update shows.
class PantallaGrabada final : public PantallaActualizacion
{
public:
    void muestraEstado(const QString& t) override { label6.append(t); }
    void muestraProgreso(int v) override { progreso.append(v); }
    void muestraBytes(const QString& t) override { label58 = t; }
    void muestraAnadidos(const QString& t) override { textoNuevos = t; }
    void mensaje(Dialogos::Icono, const QString& titulo, const QString& texto) override
    {
        mensajes.append(titulo + QStringLiteral(" | ") + texto);
        // A modal box keeps the events flowing while the user reads it.
        if (esperaEnMensaje > 0)
            QTest::qWait(esperaEnMensaje);
    }
    bool pregunta(const QString& titulo, const QString& texto, const QString&) override
    {
        preguntas.append(titulo + QStringLiteral(" | ") + texto);
        return respuesta;
    }
    void avisoSorteos(const QString& t) override { aviso = t; }
    void muestraGeneral() override {}
    void cargasorteos() override { ++recuentos; }
    void muestraNuevos(int n) override { comprobados.append(n); }
    void refrescaTodo() override { ++refrescos; }
    void terminada(const FinActualizacion& f) override
    {
        ++terminadas;
        fin = f;
    }

    QStringList label6;
    QList<int> progreso;
    QString label58;
    QString textoNuevos;
    QStringList mensajes;
    int esperaEnMensaje = 0; // ms
    QString aviso;
    int recuentos = 0;
    QStringList preguntas;
    bool respuesta = false;
    QList<int> comprobados; // the draws shown after each count
    int refrescos = 0;
    int terminadas = 0;
    FinActualizacion fin;
};

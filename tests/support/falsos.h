#pragma once

#include "platform/dialogos.h"
#include "platform/escritorio.h"
#include "platform/reloj.h"

#include <QList>
#include <QUrl>

#include <deque>

// A clock fixed at one day.
class RelojFijo final : public Reloj
{
public:
    explicit RelojFijo(QDate hoy) : m_hoy(hoy) {}
    QDate hoy() const override { return m_hoy; }
    QDateTime ahora() const override { return QDateTime(m_hoy, QTime(12, 0)); }
    void fija(QDate hoy) { m_hoy = hoy; }

private:
    QDate m_hoy;
};

// Records every box shown; answers questions from a script (No when it runs out).
class DialogosGrabados final : public Dialogos
{
public:
    struct Caja
    {
        Icono icono;
        QString titulo;
        QString texto;
        bool pregunta = false;
    };

    void mensaje(Icono icono, const QString& titulo, const QString& texto) override
    {
        cajas.append({icono, titulo, texto, false});
    }
    bool pregunta(const QString& titulo, const QString& texto) override
    {
        cajas.append({Icono::Informacion, titulo, texto, true});
        if (respuestas.empty())
            return false;
        const bool si = respuestas.front();
        respuestas.pop_front();
        return si;
    }
    QString abreFichero(const QString&, const QString&, const QString&) override
    {
        return ficheroElegido;
    }
    bool eligeImpresora(QPrinter&) override { return false; }

    QList<Caja> cajas;
    std::deque<bool> respuestas;
    QString ficheroElegido;
};

// Records every address opened.
class EscritorioGrabado final : public Escritorio
{
public:
    bool abre(const QUrl& direccion) override
    {
        abiertas.append(direccion);
        return true;
    }
    QString nombreSistema() const override { return nombre; }

    QList<QUrl> abiertas;
    QString nombre = QStringLiteral("Sistema de pruebas 1.0");
};

#pragma once

#include <QBuffer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QPdfDocument;
class QPdfView;
class QTextEdit;
class QWidget;

namespace bolvera {

class Descarga;
struct Estado;
struct Plataforma;
struct RegSorteo;

// The "Sorteos" tab: the prize report of the working draw and its PDF.
class PestanaSorteos final : public QObject
{
public:
    PestanaSorteos(Estado& estado, Plataforma& plataforma, QObject* padre);
    QWidget* pagina() const { return m_pagina; }

    // The report of `sorteo`, its PDF downloaded again or the copy on disk.
    enum class Pdf { Bajar, Guardado };
    void cargainforme(const RegSorteo& sorteo, Pdf pdf);
    // The tab comes to the front: the report read again while a notice shows.
    void alMostrar(const RegSorteo& sorteo);
    // A notice in place of the PDF.
    void aviso(const QString& texto);
    void pulsaAviso();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* construye();
    void bajapdf(const QString& url);
    void muestrapdf();

    Estado& m_estado;
    Plataforma& m_plataforma;
    QWidget* m_pagina = nullptr;

    QLabel* m_cabecera = nullptr;        // the report's heading
    QList<QLabel*> m_premios;          // 0–12, the prizes
    QPdfView* m_visor = nullptr; // the report PDF
    QTextEdit* m_aviso = nullptr;      // the notice shown instead

    QPointer<Descarga> m_descargaPdf;
    QPdfDocument* m_pdf = nullptr;
    QBuffer m_pdfBytes; // the report the PDF view reads
    QString m_urlpdf;
    bool m_sinlector = false; // the notice says there is no PDF reader: a click offers one
};

} // namespace bolvera

#pragma once

#include "core/checking/resumen.h"
#include "core/store/socios.h"

#include <QDate>
#include <QDialog>
#include <QStringList>

#include <optional>
#include <vector>

#include <functional>

class QCheckBox;
class QDateEdit;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace bolvera {

class Dialogos;

// A member's name, shares and note, new or to change: member `i` of
// `lista`, or a new one. The name must be one the members' rules take.
class FichaSocio final : public QDialog
{
public:
    FichaSocio(const QString& titulo, std::vector<socios::Socio> lista, std::optional<std::size_t> i, QWidget* padre);
    // What was typed, with the payments the member already had.
    socios::Socio socio() const;

private:
    void valida();

    std::vector<socios::Socio> m_lista;
    std::optional<std::size_t> m_indice;
    QLineEdit* m_nombre = nullptr;
    QSpinBox* m_participaciones = nullptr;
    QLineEdit* m_nota = nullptr;
    QLabel* m_aviso = nullptr;
    QDialogButtonBox* m_botones = nullptr;
};

// One payment of a member: an amount, its day, and whether it corrects
// (takes back) an earlier one.
class PagoSocio final : public QDialog
{
public:
    PagoSocio(const QString& nombre, QDate hoy, QWidget* padre);
    socios::Pago pago() const; // the amount as typed, more than nothing
    bool correccion() const;

private:
    QLineEdit* m_importe = nullptr;
    QDateEdit* m_fecha = nullptr;
    QCheckBox* m_correccion = nullptr;
    QDialogButtonBox* m_botones = nullptr;
};

// The summary of a period for the members: a preview, a PDF to save and the
// text to paste into a message. `hecho` is told the period's last day each
// time the summary is handed out, so that the next one starts after it.
class ResumenSocios final : public QDialog
{
public:
    using Calcula = std::function<Resumen(QDate desde, QDate hasta)>;
    ResumenSocios(Dialogos& dialogos, const QString& ruta, QDate desde, QDate hasta, Calcula calcula,
                  std::function<void(QDate)> hecho, QWidget* padre);
    void guardaPdf();
    void copia();

private:
    void actualiza();

    Dialogos& m_dialogos;
    QString m_ruta;
    Calcula m_calcula;
    std::function<void(QDate)> m_hecho;
    Resumen m_resumen;
    QDateEdit* m_desde = nullptr;
    QDateEdit* m_hasta = nullptr;
    QPlainTextEdit* m_texto = nullptr;
    QLabel* m_estado = nullptr;
};

} // namespace bolvera

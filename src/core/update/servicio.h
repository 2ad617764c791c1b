#pragma once

#include "core/platform/red.h"
#include "core/store/regsorteo.h"

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace bolvera {

// The operator's results service: draws in a date window, as JSON. Nothing in
// its answers is trusted: every field may be missing, a string or a number,
// and the answer may not be JSON at all.
namespace servicio {

// One category of a draw's prize breakdown in Spain.
struct Premio
{
    std::int64_t centimos = -1; // per winning bet; -1 when not given
    std::int32_t ganadores = -1; // Spanish winning bets; -1 when not given
};

struct SorteoServicio
{
    RegSorteo sorteo;
    QString id;                   // id_sorteo
    std::array<Premio, 13> premios; // by the program's category index 1–13, at 0–12
};

struct Respuesta
{
    enum class Estado
    {
        Sorteos,      // the answer lists draws (maybe none)
        NoDisponible, // not the service's kind of answer: ask elsewhere
        Invalida,     // a draw that cannot be read: the whole answer is refused
    };
    Estado estado = Estado::NoDisponible;
    std::vector<SorteoServicio> sorteos;
    QString motivo;         // why it was refused, or not there
    bool respondio = false; // its server answered, whatever it said
    qint64 bytes = 0;       // received
};

// Reads one answer: an array of draws, or an object holding one in "data"; a
// bare string is the service's way of saying "no draws in this window".
Respuesta lee(const QByteArray& cuerpo);

// The windows of at most one year that cover `desde` to `hasta`.
std::vector<std::pair<QDate, QDate>> ventanas(QDate desde, QDate hasta);

} // namespace servicio

// Asks the service for a list of date windows, one after the other, and
// reports once: the draws of every window, or why the service could not be used.
class ConsultaServicio final : public QObject
{
    Q_OBJECT

public:
    // A request that gets no answer at all within `esperaMs` means the
    // service is not there: the pages are asked without more waiting.
    // All the windows together get `totalMs`: past it the service counts as
    // not there, however many are left.
    ConsultaServicio(Red& red, std::vector<std::pair<QDate, QDate>> ventanas, int esperaMs = 5000,
                     QObject* padre = nullptr, int totalMs = 40000);
    void empieza();
    void cancela();

signals:
    void terminada(const servicio::Respuesta& respuesta);

private:
    void siguiente();

    Red& m_red;
    std::vector<std::pair<QDate, QDate>> m_ventanas;
    std::size_t m_pedidas = 0;
    int m_esperaMs;
    int m_totalMs;
    bool m_emitida = false;
    QPointer<Descarga> m_descarga;
    servicio::Respuesta m_total;
};

} // namespace bolvera

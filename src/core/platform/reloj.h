#pragma once

#include <QDate>
#include <QDateTime>

namespace bolvera {

// Today's date and the time, as the program sees them.
class Reloj
{
public:
    virtual ~Reloj() = default;
    virtual QDate hoy() const = 0;
    virtual QDateTime ahora() const = 0;
};

// The system clock; BOLVERA_HOY=YYYY-MM-DD in the environment fixes "today"
// (for demos and screenshots).
class RelojSistema final : public Reloj
{
public:
    RelojSistema();
    QDate hoy() const override;
    QDateTime ahora() const override;

private:
    QDate m_hoyFijo;
};

} // namespace bolvera

#include "core/platform/reloj.h"

namespace bolvera {

RelojSistema::RelojSistema()
    : m_hoyFijo(QDate::fromString(qEnvironmentVariable("BOLVERA_HOY"), Qt::ISODate))
{
}

QDate RelojSistema::hoy() const
{
    return m_hoyFijo.isValid() ? m_hoyFijo : QDate::currentDate();
}

QDateTime RelojSistema::ahora() const
{
    QDateTime ahora = QDateTime::currentDateTime();
    if (m_hoyFijo.isValid())
        ahora.setDate(m_hoyFijo);
    return ahora;
}

} // namespace bolvera

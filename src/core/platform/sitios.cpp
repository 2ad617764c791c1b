#include "core/platform/sitios.h"

namespace bolvera {

namespace sitios {
namespace {

QString entornoO(const char* variable, const QString& porDefecto)
{
    QString valor = qEnvironmentVariable(variable);
    while (valor.endsWith(u'/'))
        valor.chop(1);
    return valor.isEmpty() ? porDefecto : valor;
}

} // namespace

QString operador()
{
    return entornoO("BOLVERA_OPERADOR_URL", QStringLiteral("https://www.loteriasyapuestas.es"));
}

QString web() { return entornoO("BOLVERA_WEB_URL", QStringLiteral("https://www.bolvera.es")); }

QString fuente(const QString& porDefecto) { return entornoO("BOLVERA_FUENTES_URL", porDefecto); }

QString correo() { return QStringLiteral("jefe@bolvera.es"); }

} // namespace sitios

} // namespace bolvera

#include "update/confirmacion.h"

#include "store/fechas.h"
#include "store/validacion.h"

#include <algorithm>
#include <map>

namespace bolvera {

namespace fuentes {

QString nombre(Id id)
{
    switch (id) {
    case Id::Fdj:
        return QStringLiteral("Francia");
    case Id::Belgica:
        return QStringLiteral("Bélgica");
    case Id::ReinoUnido:
        return QStringLiteral("Reino Unido");
    case Id::Austria:
        return QStringLiteral("Austria");
    case Id::Api:
        return QStringLiteral("servicio de terceros");
    }
    return {};
}

QString clave(Id id)
{
    switch (id) {
    case Id::Fdj:
        return QStringLiteral("fdj");
    case Id::Belgica:
        return QStringLiteral("belgica");
    case Id::ReinoUnido:
        return QStringLiteral("reinounido");
    case Id::Austria:
        return QStringLiteral("austria");
    case Id::Api:
        return QStringLiteral("api");
    }
    return {};
}

QString combinacion(const RegSorteo& s)
{
    QStringList n;
    for (int i = 0; i < 5; ++i)
        n << QString::number(s.num[static_cast<std::size_t>(i)]);
    return n.join(u' ') + QStringLiteral(" + %1 %2").arg(s.num[5]).arg(s.num[6]);
}

QString enumera(const QStringList& nombres)
{
    if (nombres.size() < 2)
        return nombres.join(QString());
    return nombres.mid(0, nombres.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") + nombres.back();
}

namespace {

bool oficial(Id id) { return id == Id::Fdj || id == Id::Belgica; }

const SorteoFuente* de(const Respuesta& r, double fecha)
{
    const auto& v = r.lectura.sorteos;
    const auto it = std::find_if(v.begin(), v.end(), [&](const SorteoFuente& s) { return s.sorteo.fecha == fecha; });
    return it == v.end() ? nullptr : &*it;
}

// What each source says of `dia`, one line each.
QString detalle(const std::vector<Respuesta>& respuestas, QDate dia)
{
    QStringList lineas;
    const double fecha = fechas::diaNumero(dia);
    for (const Respuesta& r : respuestas) {
        QString dice;
        if (r.desactivada)
            dice = QStringLiteral("desactivada");
        else if (!r.lectura.disponible)
            dice = QStringLiteral("no disponible (%1)").arg(r.lectura.motivo);
        else if (!r.apartada.isEmpty())
            dice = QStringLiteral("no se tiene en cuenta (%1)").arg(r.apartada);
        else if (const SorteoFuente* s = de(r, fecha))
            dice = combinacion(s->sorteo);
        else
            dice = QStringLiteral("todavía no lo tiene");
        lineas << QStringLiteral("%1: %2").arg(validacion::comoFrase(nombre(r.id)), dice);
    }
    return lineas.join(u'\n');
}

// The amounts of `fecha` that two sources back: the service's to the cent,
// an official one rounded down to 0.10 €.
std::optional<RegPremios> premiosDe(const std::vector<Respuesta>& respuestas, double fecha)
{
    const auto api = std::find_if(respuestas.begin(), respuestas.end(), [](const Respuesta& r) { return r.id == Id::Api; });
    const SorteoFuente* exacto = api != respuestas.end() && api->usable() ? de(*api, fecha) : nullptr;
    if (!exacto)
        return std::nullopt;
    RegPremios p;
    p.fecha = fecha;
    p.fuente = RegPremios::Fuente::Europea;
    bool alguno = false;
    for (std::size_t c = 0; c < 13; ++c) {
        const std::int64_t centimos = exacto->centimos[c];
        if (centimos < 0)
            continue;
        const bool respaldado = std::any_of(respuestas.begin(), respuestas.end(), [&](const Respuesta& r) {
            const SorteoFuente* s = oficial(r.id) && r.usable() ? de(r, fecha) : nullptr;
            return s && s->centimos[c] >= 0 && s->centimos[c] == centimos / 10 * 10;
        });
        if (respaldado) {
            p.centimos[c] = centimos;
            alguno = true;
        }
    }
    return alguno ? std::optional<RegPremios>(p) : std::nullopt;
}

} // namespace

void aparta(std::vector<Respuesta>& respuestas, QDate hoy)
{
    for (Respuesta& r : respuestas) {
        if (!r.lectura.disponible || r.desactivada)
            continue;
        for (const SorteoFuente& s : r.lectura.sorteos) {
            std::optional<QString> malo = validacion::sorteo(s.sorteo);
            if (!malo && s.sorteo.fecha > fechas::diaNumero(hoy))
                malo = QStringLiteral("el sorteo del %1 es posterior a hoy").arg(fechas::fechacorta(s.sorteo.fecha));
            if (malo) {
                r.apartada = *malo;
                break;
            }
        }
    }
}

std::vector<Estado> compara(std::vector<Respuesta> respuestas, const std::vector<RegSorteo>& guardados, QDate hoy)
{
    aparta(respuestas, hoy);
    std::map<double, RegSorteo> porFecha;
    for (const RegSorteo& s : guardados)
        porFecha.emplace(s.fecha, s);
    std::vector<Estado> estados;
    for (const Respuesta& r : respuestas) {
        Estado e;
        e.id = r.id;
        e.direccion = r.direcciones.isEmpty() ? QString() : r.direcciones.back();
        e.contesto = r.lectura.disponible && !r.desactivada;
        e.motivo = r.desactivada ? QStringLiteral("desactivada en ajustes.ini")
                   : !r.lectura.disponible ? r.lectura.motivo
                                           : r.apartada;
        e.milisegundos = r.milisegundos;
        if (!r.lectura.sorteos.empty())
            e.ultimo = fechas::fechaDeDia(r.lectura.sorteos.back().sorteo.fecha);
        for (const SorteoFuente& s : r.lectura.sorteos) {
            const auto it = porFecha.find(s.sorteo.fecha);
            if (it == porFecha.end())
                continue;
            if (it->second == s.sorteo)
                ++e.iguales;
            else
                e.distintos << QStringLiteral("%1: %2 (guardado %3)")
                                   .arg(fechas::fechacorta(s.sorteo.fecha), combinacion(s.sorteo), combinacion(it->second));
        }
        estados.push_back(e);
    }
    return estados;
}

QString texto(const std::vector<Estado>& estados)
{
    QStringList parrafos;
    for (const Estado& e : estados) {
        QStringList l;
        l << validacion::comoFrase(nombre(e.id)) + QStringLiteral(" — ") + (e.direccion.isEmpty() ? QStringLiteral("no preguntada") : e.direccion);
        if (!e.contesto)
            l << QStringLiteral("  No disponible: %1").arg(e.motivo);
        else {
            if (!e.motivo.isEmpty())
                l << QStringLiteral("  No se tiene en cuenta: %1").arg(e.motivo);
            l << QStringLiteral("  Último sorteo: %1").arg(e.ultimo.isValid() ? fechas::fechacorta(e.ultimo) : QStringLiteral("ninguno"));
            l << QStringLiteral("  Coinciden con los guardados: %1").arg(e.iguales);
            for (const QString& d : e.distintos)
                l << QStringLiteral("  DISTINTO del guardado el %1").arg(d);
        }
        l << QStringLiteral("  Tiempo: %1 s").arg(QString::number(static_cast<double>(e.milisegundos) / 1000.0, 'f', 1));
        parrafos << l.join(u'\n');
    }
    return parrafos.join(QStringLiteral("\n\n"));
}

Confirmacion confirma(std::vector<Respuesta>& respuestas, double ultima, QDate hoy)
{
    Confirmacion c;
    std::map<double, std::vector<std::pair<Id, RegSorteo>>> porFecha;
    aparta(respuestas, hoy);
    for (Respuesta& r : respuestas) {
        if (!r.usable())
            continue;
        c.alguna = true;
        for (const SorteoFuente& s : r.lectura.sorteos)
            porFecha[s.sorteo.fecha].emplace_back(r.id, s.sorteo);
    }
    if (!c.alguna)
        return c;

    QDate dia;
    if (ultima > 0)
        dia = validacion::siguienteDia(fechas::fechaDeDia(ultima));
    else if (!porFecha.empty())
        dia = fechas::fechaDeDia(porFecha.begin()->first);
    std::vector<Id> acuerdo;
    for (; dia.isValid() && dia <= hoy; dia = validacion::siguienteDia(dia)) {
        const auto it = porFecha.find(fechas::diaNumero(dia));
        const bool ninguna = it == porFecha.end();
        if (ninguna && dia == hoy)
            break; // tonight's draw is not out yet
        const bool iguales = !ninguna && std::all_of(it->second.begin(), it->second.end(),
                                                     [&](const auto& e) { return e.second == it->second.front().second; });
        if (ninguna || it->second.size() < 2 || !iguales) {
            c.sinConfirmar = dia;
            c.detalle = detalle(respuestas, dia);
            break;
        }
        c.nuevos.push_back(it->second.front().second);
        for (const auto& [id, s] : it->second)
            if (std::find(acuerdo.begin(), acuerdo.end(), id) == acuerdo.end())
                acuerdo.push_back(id);
        if (auto p = premiosDe(respuestas, it->first))
            c.premios.push_back(*p);
    }
    for (Id id : todas)
        if (std::find(acuerdo.begin(), acuerdo.end(), id) != acuerdo.end())
            c.confirmadoPor << nombre(id);
    return c;
}

} // namespace fuentes

} // namespace bolvera

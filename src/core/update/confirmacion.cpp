#include "core/update/confirmacion.h"

#include "core/store/fechas.h"
#include "core/store/validacion.h"

#include <algorithm>
#include <map>
#include <set>

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
    const auto it = std::lower_bound(v.begin(), v.end(), fecha, [](const SorteoFuente& s, double f) { return s.sorteo.fecha < f; });
    return it != v.end() && it->sorteo.fecha == fecha ? &*it : nullptr;
}

// Why a row of a source is no draw that may enter the history on `hoy`;
// empty when it may, also when it was only held on another day.
std::optional<QString> descarte(const RegSorteo& s, QDate hoy)
{
    if (s.fecha > fechas::diaNumero(hoy))
        return QStringLiteral("el sorteo del %1 es posterior a hoy").arg(fechas::fechacorta(s.fecha));
    return validacion::sorteo(s, true);
}

struct Dicho
{
    Id id;
    RegSorteo sorteo;
};

// The rows after the newest stored draw that may be draws, by date, and the
// ones left out, with why.
struct Tramo
{
    std::map<double, std::vector<Dicho>> porFecha;
    std::map<double, std::vector<std::pair<Id, QString>>> descartados;

    // Whether the sources that have `fecha` all say the same; the draw they say.
    const RegSorteo* unanime(double fecha) const
    {
        const auto it = porFecha.find(fecha);
        if (it == porFecha.end())
            return nullptr;
        const RegSorteo& primero = it->second.front().sorteo;
        const bool iguales = std::all_of(it->second.begin(), it->second.end(), [&](const Dicho& d) { return d.sorteo == primero; });
        return iguales ? &primero : nullptr;
    }
    std::size_t cuantas(double fecha) const
    {
        const auto it = porFecha.find(fecha);
        return it == porFecha.end() ? 0 : it->second.size();
    }
    // A draw on another day that two sources confirm.
    bool otroDiaConfirmado(double fecha) const
    {
        return !validacion::esDiaDeSorteo(fechas::fechaDeDia(fecha)) && cuantas(fecha) >= 2 && unanime(fecha);
    }
};

Tramo tramo(const std::vector<Respuesta>& respuestas, double ultima, QDate hoy)
{
    Tramo t;
    for (const Respuesta& r : respuestas) {
        if (!r.usable())
            continue;
        for (const SorteoFuente& s : r.lectura.sorteos) {
            if (s.sorteo.fecha <= ultima)
                continue;
            if (const auto motivo = descarte(s.sorteo, hoy))
                t.descartados[s.sorteo.fecha].emplace_back(r.id, *motivo);
            else
                t.porFecha[s.sorteo.fecha].push_back({r.id, s.sorteo});
        }
    }
    return t;
}

// What each source says of `dia`, one line each.
QString detalle(const std::vector<Respuesta>& respuestas, const Tramo& t, QDate dia)
{
    QStringList lineas;
    const double fecha = fechas::diaNumero(dia);
    const auto descartada = [&](Id id) -> std::optional<QString> {
        const auto it = t.descartados.find(fecha);
        if (it != t.descartados.end())
            for (const auto& [quien, motivo] : it->second)
                if (quien == id)
                    return motivo;
        return std::nullopt;
    };
    for (const Respuesta& r : respuestas) {
        QString dice;
        if (r.desactivada)
            dice = QStringLiteral("desactivada");
        else if (!r.lectura.disponible)
            dice = QStringLiteral("no disponible (%1)").arg(r.lectura.motivo);
        else if (const auto motivo = descartada(r.id))
            dice = QStringLiteral("no se tiene en cuenta (%1)").arg(*motivo);
        else if (const SorteoFuente* s = de(r, fecha))
            dice = combinacion(s->sorteo);
        else
            dice = QStringLiteral("todavía no lo tiene");
        lineas << QStringLiteral("%1: %2").arg(validacion::comoFrase(nombre(r.id)), dice);
    }
    return lineas.join(u'\n');
}

// The amounts of `sorteo` that two sources back: the service's to the cent,
// an official one rounded down to 0.10 €. Only sources that give exactly
// that draw on its date count.
std::optional<RegPremios> premiosDe(const std::vector<Respuesta>& respuestas, const RegSorteo& sorteo)
{
    const auto dice = [&](const Respuesta& r) -> const SorteoFuente* {
        const SorteoFuente* s = r.usable() ? de(r, sorteo.fecha) : nullptr;
        return s && s->sorteo == sorteo ? s : nullptr;
    };
    const auto api = std::find_if(respuestas.begin(), respuestas.end(), [](const Respuesta& r) { return r.id == Id::Api; });
    const SorteoFuente* exacto = api != respuestas.end() ? dice(*api) : nullptr;
    if (!exacto)
        return std::nullopt;
    RegPremios p;
    p.fecha = sorteo.fecha;
    p.fuente = RegPremios::Fuente::Europea;
    bool alguno = false;
    for (std::size_t c = 0; c < 13; ++c) {
        const std::int64_t centimos = exacto->centimos[c];
        if (centimos < 0)
            continue;
        const bool respaldado = std::any_of(respuestas.begin(), respuestas.end(), [&](const Respuesta& r) {
            const SorteoFuente* s = oficial(r.id) ? dice(r) : nullptr;
            return s && s->centimos[c] >= 0 && s->centimos[c] == centimos / 10 * 10;
        });
        if (respaldado) {
            p.centimos[c] = centimos;
            alguno = true;
        }
    }
    return alguno && premios::conocidos(p.centimos) ? std::optional<RegPremios>(p) : std::nullopt;
}

// The draw day a draw held on another day stands for: the nearest one, the
// earlier of two as near.
QDate reemplazado(QDate otro)
{
    for (int distancia = 1; distancia < 7; ++distancia) {
        if (validacion::esDiaDeSorteo(otro.addDays(-distancia)))
            return otro.addDays(-distancia);
        if (validacion::esDiaDeSorteo(otro.addDays(distancia)))
            return otro.addDays(distancia);
    }
    return {};
}

} // namespace

Confirmacion confirma(const std::vector<Respuesta>& respuestas, double ultima, QDate hoy, const Encargo& encargo)
{
    Confirmacion c;
    c.alguna = std::any_of(respuestas.begin(), respuestas.end(), [](const Respuesta& r) { return r.usable(); });
    if (!c.alguna)
        return c;
    for (const RegSorteo& g : encargo.sinImportes)
        if (auto p = premiosDe(respuestas, g))
            c.premios.push_back(*p);

    const Tramo t = tramo(respuestas, ultima, hoy);
    // Every draw day from the one after the newest stored draw to today, and
    // the other days the sources name.
    std::set<QDate> dias;
    for (const auto& [fecha, dichos] : t.porFecha)
        dias.insert(fechas::fechaDeDia(fecha));
    QDate desde = ultima > 0 ? fechas::fechaDeDia(ultima).addDays(1) : (dias.empty() ? QDate() : *dias.begin());
    for (QDate d = desde.isValid() ? validacion::siguienteDia(desde.addDays(-1)) : QDate(); d.isValid() && d <= hoy;
         d = validacion::siguienteDia(d))
        dias.insert(d);
    // A draw day none has, whose draw two sources give on the nearest other
    // day, was moved: it is no hole.
    const auto movido = [&](QDate dia) {
        const auto hasta = t.porFecha.lower_bound(fechas::diaNumero(dia.addDays(7)));
        for (auto it = t.porFecha.upper_bound(fechas::diaNumero(dia.addDays(-7))); it != hasta; ++it)
            if (t.otroDiaConfirmado(it->first) && reemplazado(fechas::fechaDeDia(it->first)) == dia)
                return true;
        return false;
    };
    std::vector<Id> acuerdo;
    const auto toma = [&](const RegSorteo& s) {
        c.nuevos.push_back(s);
        for (const Dicho& d : t.porFecha.at(s.fecha))
            if (std::find(acuerdo.begin(), acuerdo.end(), d.id) == acuerdo.end())
                acuerdo.push_back(d.id);
        if (auto p = premiosDe(respuestas, s))
            c.premios.push_back(*p);
    };
    const auto paraEn = [&](QDate dia) {
        c.sinConfirmar = dia;
        c.detalle = detalle(respuestas, t, dia);
    };
    for (const QDate dia : dias) {
        if (dia < desde || dia > hoy)
            continue;
        const double fecha = fechas::diaNumero(dia);
        const std::size_t cuantas = t.cuantas(fecha);
        const RegSorteo* unanime = t.unanime(fecha);
        if (!validacion::esDiaDeSorteo(dia)) {
            // One source alone on another day is that row's problem.
            if (cuantas < 2)
                continue;
            if (!unanime) {
                paraEn(dia);
                break;
            }
            if (std::find(encargo.otrosDias.begin(), encargo.otrosDias.end(), fecha) == encargo.otrosDias.end()) {
                c.otroDia = *unanime;
                for (const Dicho& d : t.porFecha.at(fecha))
                    c.otroDiaPor << nombre(d.id);
                break;
            }
            toma(*unanime);
            continue;
        }
        if (cuantas == 0) {
            if (movido(dia))
                continue;
            if (dia.daysTo(hoy) > 1)
                paraEn(dia);
            break; // within a day of the draw: not out yet
        }
        if (unanime && cuantas >= 2) {
            toma(*unanime);
            continue;
        }
        // The newest draw, out in one source only, the night of the draw or
        // the morning after: the others publish later.
        const bool elUltimo = fecha == t.porFecha.rbegin()->first && !t.descartados.count(fecha);
        if (cuantas == 1 && elUltimo && dia.daysTo(hoy) <= 1) {
            c.pendiente = dia;
            c.pendienteEn << nombre(t.porFecha.at(fecha).front().id);
            break;
        }
        paraEn(dia);
        break;
    }
    for (Id id : todas)
        if (std::find(acuerdo.begin(), acuerdo.end(), id) != acuerdo.end())
            c.confirmadoPor << nombre(id);
    return c;
}

std::vector<Estado> compara(const std::vector<Respuesta>& respuestas, const std::vector<RegSorteo>& guardados, QDate hoy)
{
    std::map<double, RegSorteo> porFecha;
    for (const RegSorteo& s : guardados)
        porFecha.emplace(s.fecha, s);
    std::vector<Estado> estados;
    for (const Respuesta& r : respuestas) {
        Estado e;
        e.id = r.id;
        e.direccion = r.direccion;
        e.contesto = r.usable();
        e.motivo = r.desactivada ? QStringLiteral("desactivada en ajustes.ini") : r.lectura.motivo;
        e.milisegundos = r.milisegundos;
        if (!r.lectura.sorteos.empty())
            e.ultimo = fechas::fechaDeDia(r.lectura.sorteos.back().sorteo.fecha);
        for (const SorteoFuente& s : r.lectura.sorteos) {
            if (const auto motivo = descarte(s.sorteo, hoy))
                e.descartados << validacion::comoFrase(*motivo);
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
            l << QStringLiteral("  Último sorteo: %1").arg(e.ultimo.isValid() ? fechas::fechacorta(e.ultimo) : QStringLiteral("ninguno"));
            l << QStringLiteral("  Coinciden con los guardados: %1").arg(e.iguales);
            for (const QString& d : e.distintos)
                l << QStringLiteral("  DISTINTO del guardado el %1").arg(d);
            for (const QString& d : e.descartados)
                l << QStringLiteral("  No se tiene en cuenta: %1").arg(d);
        }
        l << QStringLiteral("  Tiempo: %1 s").arg(QString::number(static_cast<double>(e.milisegundos) / 1000.0, 'f', 1).replace(u'.', u','));
        parrafos << l.join(u'\n');
    }
    return parrafos.join(QStringLiteral("\n\n"));
}

QString prevision(const std::vector<Respuesta>& respuestas, double ultima, QDate hoy)
{
    const Confirmacion c = confirma(respuestas, ultima, hoy);
    if (!c.alguna)
        return QStringLiteral("Ahora no se puede usar ninguna fuente.");
    QStringList l;
    if (c.nuevos.empty())
        l << QStringLiteral("Una actualización no añadiría ahora ningún sorteo.");
    else
        l << QStringLiteral("Una actualización añadiría ahora %1 (%2), confirmados por %3.")
                 .arg(c.nuevos.size() == 1 ? QStringLiteral("1 sorteo") : QStringLiteral("%1 sorteos").arg(c.nuevos.size()),
                      c.nuevos.size() == 1 ? fechas::fechacorta(c.nuevos.front().fecha)
                                           : QStringLiteral("del %1 al %2").arg(fechas::fechacorta(c.nuevos.front().fecha),
                                                                               fechas::fechacorta(c.nuevos.back().fecha)),
                      enumera(c.confirmadoPor));
    if (c.pendiente.isValid())
        l << QStringLiteral("Sólo una fuente (%2) tiene todavía el sorteo del %1: se añadirá cuando lo confirme otra.")
                 .arg(fechas::fechacorta(c.pendiente), enumera(c.pendienteEn));
    if (c.otroDia)
        l << QStringLiteral("El sorteo del %1 (%2) se celebró en otro día: sólo se añade si usted lo acepta.")
                 .arg(fechas::fechacorta(c.otroDia->fecha), fechas::diasemana(c.otroDia->fecha).toLower());
    if (c.sinConfirmar.isValid())
        l << QStringLiteral("Se detendría en el sorteo del %1, que no se puede confirmar:\n%2")
                 .arg(fechas::fechacorta(c.sinConfirmar), c.detalle);
    return l.join(u'\n');
}

QString respuestas(const std::vector<Respuesta>& respuestas)
{
    QStringList lineas;
    for (const Respuesta& r : respuestas)
        lineas << QStringLiteral("%1: %2").arg(validacion::comoFrase(nombre(r.id)),
                                               r.desactivada ? QStringLiteral("desactivada")
                                               : r.usable()  ? QStringLiteral("sin sorteos nuevos")
                                                             : r.lectura.motivo);
    return lineas.join(u'\n');
}

} // namespace fuentes

} // namespace bolvera

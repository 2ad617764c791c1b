#include "core/store/premios.h"

#include "core/store/categorias.h"
#include "core/store/binario.h"
#include "core/store/errores.h"
#include "core/store/fechas.h"
#include "core/store/ficheros.h"
#include "core/store/ficheroregistros.h"
#include "core/store/reescritura.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>

namespace bolvera {

RegPremios RegPremios::desdeBytes(QByteArrayView bytes)
{
    RegPremios r;
    const char* p = bytes.data();
    r.fecha = binario::leeDoble(p);
    for (std::size_t i = 0; i < 13; ++i) {
        const char* c = p + 8 + 12 * i;
        r.centimos[i] = qFromLittleEndian<qint64>(c);
        r.ganadores[i] = qFromLittleEndian<qint32>(c + 8);
    }
    r.fuente = static_cast<Fuente>(static_cast<std::uint8_t>(p[tamano - 1]));
    return r;
}

QByteArray RegPremios::aBytes() const
{
    QByteArray b(tamano, '\0');
    char* p = b.data();
    binario::escribeDoble(p, fecha);
    for (std::size_t i = 0; i < 13; ++i) {
        char* c = p + 8 + 12 * i;
        qToLittleEndian<qint64>(centimos[i], c);
        qToLittleEndian<qint32>(ganadores[i], c + 8);
    }
    p[tamano - 1] = static_cast<char>(fuente);
    return b;
}

bool RegPremios::sano() const
{
    const auto f = static_cast<std::uint8_t>(fuente);
    if (!fechas::fechaDeDia(fecha).isValid() || f < 1 || f > 4)
        return false;
    for (std::size_t i = 0; i < 13; ++i)
        if (centimos[i] < -1 || centimos[i] > premios::maximoCentimos || ganadores[i] < -1)
            return false;
    return true;
}

namespace premios {

Lectura lee(const QString& ruta)
{
    Lectura l;
    for (const RegPremios& r : ficheroregistros::leeTodos<RegPremios>(ruta + ficheros::premios)) {
        if (!r.sano())
            ++l.danados;
        else if (conocidos(r.centimos))
            l.porFecha[r.fecha] = r;
    }
    return l;
}

bool conocidos(const std::array<std::int64_t, 13>& centimos)
{
    return std::any_of(centimos.begin(), centimos.end(), [](std::int64_t c) { return c > 0; });
}

std::vector<RegSorteo> sinImportes(const std::vector<RegSorteo>& sorteos, const std::map<double, RegPremios>& conocidos,
                                   QDate hoy)
{
    const double desde = fechas::diaNumero(hoy.addDays(-diasSinImportes));
    std::vector<RegSorteo> r;
    for (auto it = sorteos.rbegin(); it != sorteos.rend() && it->fecha >= desde; ++it)
        if (!conocidos.count(it->fecha))
            r.insert(r.begin(), *it);
    return r;
}

int guarda(const QString& ruta, const std::vector<RegPremios>& nuevos)
{
    std::map<double, RegPremios> todos = lee(ruta).porFecha;
    for (const RegPremios& r : nuevos) {
        if (!conocidos(r.centimos))
            continue;
        const auto it = todos.find(r.fecha);
        if (it != todos.end() && it->second.fuente == RegPremios::Fuente::Servicio &&
            r.fuente != RegPremios::Fuente::Servicio)
            continue;
        todos[r.fecha] = r;
    }
    QByteArray bytes;
    for (const auto& [fecha, r] : todos)
        bytes += r.aBytes();
    return reescribe(ruta + ficheros::premios, bytes);
}

std::optional<std::int64_t> centimosDe(QString texto)
{
    texto.remove(QStringLiteral("€")).remove(u' ').remove(QChar(0xA0));
    if (texto.contains(u','))
        texto = texto.remove(u'.').replace(u',', u'.');
    // 1 to 12 digits, then maybe a point and 1 or 2 more (a last line break
    // is let through, as a pattern's "$" always let it).
    QStringView t(texto);
    if (t.endsWith(u'\n'))
        t.chop(1);
    const qsizetype punto = t.indexOf(u'.');
    const QStringView entera = punto < 0 ? t : t.first(punto);
    const QStringView decimales = punto < 0 ? QStringView() : t.sliced(punto + 1);
    const auto cifras = [](QStringView v, qsizetype hasta) {
        return !v.isEmpty() && v.size() <= hasta &&
               std::all_of(v.begin(), v.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (!cifras(entera, 12) || (punto >= 0 && !cifras(decimales, 2)))
        return std::nullopt;
    // Whole cents, never through a double: no rounding, no overflow.
    const std::int64_t centimos =
        entera.toLongLong() * 100 + (decimales.isEmpty() ? 0 : decimales.toLongLong() * (decimales.size() == 1 ? 10 : 1));
    if (centimos > premios::maximoCentimos)
        return std::nullopt;
    return centimos;
}

LecturaCsv leeCsv(const QByteArray& texto)
{
    LecturaCsv l;
    std::map<double, RegPremios> porFecha;
    // Lines and fields cut by hand on views: one text a line, no lists.
    const QByteArrayView todo(texto);
    std::array<QStringView, 6> c;
    int i = 0;
    for (qsizetype desde = 0; desde <= todo.size(); ++i) {
        qsizetype hasta = todo.indexOf('\n', desde);
        if (hasta < 0)
            hasta = todo.size();
        const QString leida = QString::fromUtf8(todo.sliced(desde, hasta - desde));
        desde = hasta + 1;
        const QStringView linea = QStringView(leida).trimmed();
        if (linea.isEmpty() || (i == 0 && linea.startsWith(u"date")))
            continue;
        // The first six fields, and how many there are.
        c.fill(QStringView());
        qsizetype campos = 0;
        for (qsizetype a = 0;; ++campos) {
            const qsizetype coma = linea.indexOf(u',', a);
            if (campos < static_cast<qsizetype>(c.size()))
                c[static_cast<std::size_t>(campos)] = linea.sliced(a, (coma < 0 ? linea.size() : coma) - a);
            if (coma < 0)
                break;
            a = coma + 1;
        }
        ++campos;
        const QDate fecha = QDate::fromString(c[0], Qt::ISODate);
        const qsizetype mas = c[3].indexOf(u'+');
        const int indice = mas >= 0 && c[3].indexOf(u'+', mas + 1) < 0
                               ? categorias::clasifica(c[3].first(mas).toInt(), c[3].sliced(mas + 1).toInt())
                               : 0;
        const auto centimos = centimosDe(c[4].toString());
        bool ok = false;
        const int ganadores = c[5].toInt(&ok);
        std::optional<QString> error;
        if (campos < 6 || !fecha.isValid() || indice == 0 || !ok)
            error = QStringLiteral("no es una fila de premios");
        else if (!centimos)
            error = QStringLiteral("el importe %1 no es un premio de 0 a 1.000.000.000 €").arg(c[4]);
        else if (ganadores < 0)
            error = QStringLiteral("%1 acertantes no puede ser").arg(ganadores);
        if (error) {
            l.error = QStringLiteral("Línea %1: %2").arg(i + 1).arg(*error);
            l.registros.clear();
            return l;
        }
        RegPremios& r = porFecha[fechas::diaNumero(fecha)];
        r.fecha = fechas::diaNumero(fecha);
        r.fuente = RegPremios::Fuente::Csv;
        r.centimos[static_cast<std::size_t>(indice - 1)] = *centimos;
        r.ganadores[static_cast<std::size_t>(indice - 1)] = ganadores;
    }
    for (const auto& [fecha, r] : porFecha)
        l.registros.push_back(r);
    return l;
}

} // namespace premios

} // namespace bolvera

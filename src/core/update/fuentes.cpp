#include "core/update/fuentes.h"

#include "core/store/categorias.h"
#include "core/store/fechas.h"
#include "core/store/premios.h"
#include "core/update/fuentescsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <map>

namespace bolvera {

namespace fuentes {
namespace {

using csv::Fila;
using csv::noDisponible;

// Whether `t` is one or more ASCII digits.
bool soloCifras(QStringView t)
{
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Whether `t` is `forma`, where '9' stands for any ASCII digit.
bool conForma(QStringView t, QStringView forma)
{
    if (t.size() != forma.size())
        return false;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (forma[i] == u'9' ? !soloCifras(t.sliced(i, 1)) : t[i] != forma[i])
            return false;
    return true;
}

QDate fechaIso(const QString& texto)
{
    // Belgium writes "2026-10-09 00:00:00.0000000" in one file, "2026-10-09"
    // in the other: the date, then maybe a time, its seconds and a fraction
    // (and a last line break let through, as a pattern's "$" always let it).
    QStringView t(texto);
    if (t.endsWith(u'\n'))
        t.chop(1);
    if (t.size() < 10 || !conForma(t.first(10), u"9999-99-99"))
        return {};
    QStringView resto = t.sliced(10);
    if (!resto.isEmpty()) {
        if (resto.size() < 6 || (resto[0] != u' ' && resto[0] != u'T') || !conForma(resto.sliced(1, 5), u"99:99"))
            return {};
        resto = resto.sliced(6);
    }
    if (!resto.isEmpty()) {
        if (resto.size() < 3 || !conForma(resto.first(3), u":99"))
            return {};
        resto = resto.sliced(3);
    }
    if (!resto.isEmpty() && (resto[0] != u'.' || !soloCifras(resto.sliced(1))))
        return {};
    return QDate(t.first(4).toInt(), t.sliced(5, 2).toInt(), t.sliced(8, 2).toInt());
}

QStringList campos(const Fila& f, const std::vector<int>& columnas, std::size_t desde)
{
    QStringList r;
    for (std::size_t i = desde; i < columnas.size(); ++i)
        r << f.campos.value(columnas[i]);
    return r;
}

// Belgium's amounts per date. A zero is not taken as "nobody won": it may
// only say that nobody in Belgium did.
std::optional<std::map<double, std::array<std::int64_t, 13>>>
importesBelgica(const QByteArray& bytes, QString& motivo)
{
    const auto t = csv::tabla(bytes, u';', false, motivo);
    if (!t) return std::nullopt;
    QStringList nombres{QStringLiteral("Datum")};
    for (int n = 1; n <= 13; ++n)
        nombres << QStringLiteral("W-R%1").arg(n);
    const std::vector<int> col = csv::columnas(*t, nombres, motivo);
    if (col.empty()) return std::nullopt;
    std::map<double, std::array<std::int64_t, 13>> r;
    for (const Fila& f : t->filas) {
        const QDate fecha = fechaIso(f.campos.value(col[0]));
        SorteoFuente s;
        bool leida = fecha.isValid();
        for (int n = 1; n <= 13 && leida; ++n) {
            const QString importe = f.campos.value(col[static_cast<std::size_t>(n)]);
            const auto c = premios::centimosDe(importe);
            leida = c.has_value() || importe.isEmpty();
            if (c && *c > 0) s.centimos[static_cast<std::size_t>(csv::indiceDeRango(n) - 1)] = *c;
        }
        if (!leida) {
            motivo = csv::enLinea(f, QStringLiteral("no es una fila de premios"));
            return std::nullopt;
        }
        const double dia = fechas::diaNumero(fecha);
        if (r.count(dia) && r[dia] != s.centimos) {
            motivo = QStringLiteral("dos filas de premios distintas el %1")
                         .arg(fechas::fechacorta(fecha));
            return std::nullopt;
        }
        r[dia] = s.centimos;
    }
    return r;
}

// "09-Oct-2026" or "9-Oct-2026"
QDate fechaInglesa(const QString& texto)
{
    static const QStringList meses{
        QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"), QStringLiteral("apr"),
        QStringLiteral("may"), QStringLiteral("jun"), QStringLiteral("jul"), QStringLiteral("aug"),
        QStringLiteral("sep"), QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dec")};
    QStringView t(texto);
    if (t.endsWith(u'\n'))
        t.chop(1);
    const qsizetype guion = t.indexOf(u'-');
    if (guion < 1 || guion > 2 || t.size() != guion + 9 || t[guion + 4] != u'-')
        return {};
    const QStringView mes = t.sliced(guion + 1, 3);
    const auto letra = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    const QStringView dia = t.first(guion), anio = t.sliced(guion + 5);
    if (!std::all_of(mes.begin(), mes.end(), letra) || !soloCifras(dia) || !soloCifras(anio))
        return {};
    const qsizetype m = meses.indexOf(mes.toString().toLower());
    return m < 0 ? QDate() : QDate(anio.toInt(), static_cast<int>(m) + 1, dia.toInt());
}

// A JSON number or a string of digits as text; empty for anything else.
QString textoJson(const QJsonValue& v)
{
    if (v.isString()) return v.toString().trimmed();
    if (v.isDouble() && v.toDouble() == std::floor(v.toDouble()) && std::abs(v.toDouble()) < 1e9)
        return QString::number(static_cast<qint64>(v.toDouble()));
    return {};
}

std::optional<SorteoFuente> sorteoApi(const QJsonValue& v)
{
    const QJsonObject o = v.toObject();
    const QJsonArray numeros = o.value(QStringLiteral("numbers")).toArray();
    const QJsonArray estrellas = o.value(QStringLiteral("stars")).toArray();
    if (numeros.size() != 5 || estrellas.size() != 2) return std::nullopt;
    QStringList siete;
    for (const QJsonValue& n : numeros)
        siete << textoJson(n);
    for (const QJsonValue& e : estrellas)
        siete << textoJson(e);
    const auto s = csv::sorteo(fechaIso(o.value(QStringLiteral("date")).toString()), siete);
    if (!s) return std::nullopt;
    SorteoFuente r{*s};
    const QJsonValue lista = o.value(QStringLiteral("prizes"));
    if (!lista.isArray() && !lista.isNull() && !lista.isUndefined()) return std::nullopt;
    for (const QJsonValue& p : lista.toArray()) {
        const QJsonObject premio = p.toObject();
        bool okH = false, okK = false;
        const int h = textoJson(premio.value(QStringLiteral("matched_numbers"))).toInt(&okH);
        const int k = textoJson(premio.value(QStringLiteral("matched_stars"))).toInt(&okK);
        if (!okH || !okK) return std::nullopt;
        const int indice = categorias::clasifica(h, k);
        const QJsonValue euros = premio.value(QStringLiteral("prize"));
        std::int64_t c = -1;
        if (euros.isDouble() && std::isfinite(euros.toDouble()) && euros.toDouble() >= 0 &&
            euros.toDouble() < 1e12)
            c = std::llround(euros.toDouble() * 100);
        else if (euros.isString() && premios::centimosDe(euros.toString()))
            c = *premios::centimosDe(euros.toString());
        else if (!euros.isNull())
            return std::nullopt;
        // Nothing paid to a category somebody won is not a prize known.
        if (c == 0 && textoJson(premio.value(QStringLiteral("winners"))).toInt() > 0) c = -1;
        if (indice == 0) continue;
        std::int64_t& hueco = r.centimos[static_cast<std::size_t>(indice - 1)];
        if (hueco != -1 && hueco != c) return std::nullopt;
        hueco = c;
    }
    return r;
}

} // namespace

Lectura leeBelgica(const QByteArray& sorteosCsv, const QByteArray& premiosCsv)
{
    QString motivo;
    const auto t = csv::tabla(sorteosCsv, u';', false, motivo);
    if (!t) return noDisponible(motivo);
    const std::vector<int> col = csv::columnas(
        *t,
        {QStringLiteral("Datum"), QStringLiteral("Nummer 1"), QStringLiteral("Nummer 2"),
         QStringLiteral("Nummer 3"), QStringLiteral("Nummer 4"), QStringLiteral("Nummer 5"),
         QStringLiteral("Ster 1"), QStringLiteral("Ster 2")},
        motivo);
    if (col.empty()) return noDisponible(motivo);
    std::map<double, std::array<std::int64_t, 13>> importes;
    if (!premiosCsv.trimmed().isEmpty()) {
        auto p = importesBelgica(premiosCsv, motivo);
        if (!p) return noDisponible(QStringLiteral("premios: ") + motivo);
        importes = std::move(*p);
    }
    std::vector<SorteoFuente> sorteos;
    for (const Fila& f : t->filas) {
        const auto s = csv::sorteo(fechaIso(f.campos.value(col[0])), campos(f, col, 1));
        if (!s) return noDisponible(csv::enLinea(f, QStringLiteral("no es un sorteo")));
        SorteoFuente sf{*s};
        if (const auto it = importes.find(s->fecha); it != importes.end()) sf.centimos = it->second;
        sorteos.push_back(sf);
    }
    return csv::cierra(std::move(sorteos));
}

Lectura leeReinoUnido(const QByteArray& csvBytes)
{
    QString motivo;
    const auto t = csv::tabla(csvBytes, u',', false, motivo);
    if (!t) return noDisponible(motivo);
    const std::vector<int> col = csv::columnas(
        *t,
        {QStringLiteral("DrawDate"), QStringLiteral("Ball 1"), QStringLiteral("Ball 2"),
         QStringLiteral("Ball 3"), QStringLiteral("Ball 4"), QStringLiteral("Ball 5"),
         QStringLiteral("Lucky Star 1"), QStringLiteral("Lucky Star 2")},
        motivo);
    if (col.empty()) return noDisponible(motivo);
    std::vector<SorteoFuente> sorteos;
    for (const Fila& f : t->filas) {
        const auto s = csv::sorteo(fechaInglesa(f.campos.value(col[0])), campos(f, col, 1));
        if (!s) return noDisponible(csv::enLinea(f, QStringLiteral("no es un sorteo")));
        sorteos.push_back(SorteoFuente{*s});
    }
    return csv::cierra(std::move(sorteos));
}

namespace {

// Somewhere three runs of digits joined by dots ("09.10.2026"), in one pass:
// a pattern search for it backtracked over long runs of digits.
bool pareceFecha(QStringView t)
{
    int estado = 0; // 0 nothing, 1 digits, 2 dot, 3 digits, 4 dot
    for (const QChar c : t) {
        if (c.isDigit()) {
            if (estado == 4)
                return true;
            estado = estado == 0 || estado == 1 ? 1 : 3;
        } else if (c == u'.' && (estado == 1 || estado == 3)) {
            ++estado;
        } else {
            estado = 0;
        }
    }
    return false;
}

} // namespace

Lectura leeAustria(const QByteArray& csvBytes)
{
    // The file names no columns: a draw row is one that starts with its date
    // ("Fr. 09.10.2026"), then five numbers and two stars; titles, headers
    // and a "Stand: 09.10.2026" line are passed over, but a row that starts
    // with a date and is not a draw makes the file unreadable.
    QString motivo;
    const auto texto = csv::texto(csvBytes, true, motivo);
    if (!texto) return noDisponible(motivo);
    const auto filas = csv::filas(*texto, u';', motivo);
    if (!filas) return noDisponible(motivo);
    static const QRegularExpression fecha(
        QStringLiteral("^(?:(\\p{L}{2})\\p{L}?\\.?\\s+)?(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
    static const QStringList dias{QStringLiteral("mo"), QStringLiteral("di"), QStringLiteral("mi"),
                                  QStringLiteral("do"), QStringLiteral("fr"), QStringLiteral("sa"),
                                  QStringLiteral("so")};
    std::vector<SorteoFuente> sorteos;
    for (const Fila& f : *filas) {
        const QString primero = f.campos.value(0);
        if (!pareceFecha(primero)) continue;
        const auto m = fecha.match(primero);
        if (!m.hasMatch()) continue;
        QDate dia = csv::fecha(m.captured(2), m.captured(3), m.captured(4));
        // A weekday that is not the date's is a typo in one of them.
        const qsizetype semana = dias.indexOf(m.captured(1).toLower());
        if (semana >= 0 && dia.isValid() && dia.dayOfWeek() != semana + 1) dia = QDate();
        const auto s = csv::sorteo(dia, f.campos.mid(1, 7));
        if (!s) return noDisponible(csv::enLinea(f, QStringLiteral("no es un sorteo")));
        sorteos.push_back(SorteoFuente{*s});
    }
    if (sorteos.empty()) return noDisponible(QStringLiteral("el fichero no tiene sorteos"));
    return csv::cierra(std::move(sorteos));
}

Lectura leeApi(const QByteArray& json)
{
    if (json.trimmed().isEmpty()) return noDisponible(QStringLiteral("la respuesta está vacía"));
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        return noDisponible(QStringLiteral("la respuesta no es una lista de sorteos"));
    const QJsonArray lista = doc.array();
    std::vector<SorteoFuente> sorteos;
    for (qsizetype i = 0; i < lista.size(); ++i) {
        const auto s = sorteoApi(lista[i]);
        if (!s)
            return noDisponible(
                QStringLiteral("el sorteo %1 de la respuesta no se puede leer").arg(i + 1));
        sorteos.push_back(*s);
    }
    return csv::cierra(std::move(sorteos));
}

} // namespace fuentes

} // namespace bolvera

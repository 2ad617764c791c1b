#include "core/update/servicio.h"

#include "core/store/categorias.h"
#include "core/store/fechas.h"
#include "core/store/premios.h"
#include "core/update/direcciones.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace bolvera {

namespace servicio {
namespace {

// The operator's category numbers 1–13, in its own order, as hits.
constexpr std::array<std::pair<int, int>, 13> ordenOperador = {
    {{5, 2}, {5, 1}, {5, 0}, {4, 2}, {4, 1}, {3, 2}, {4, 0}, {2, 2}, {3, 1}, {3, 0}, {1, 2}, {2, 1}, {2, 0}}};

QString texto(const QJsonValue& v)
{
    if (v.isString())
        return v.toString().trimmed();
    if (v.isDouble())
        return QString::number(v.toDouble(), 'f', std::floor(v.toDouble()) == v.toDouble() ? 0 : 2);
    return {};
}

// Euros as "181127.33", "1.234,56" or a number; -1 when unreadable or not
// a prize that can be (below 0 or above the largest one taken as true).
std::int64_t centimos(const QJsonValue& v)
{
    double euros = -1;
    if (v.isDouble()) {
        euros = v.toDouble();
    } else {
        QString t = texto(v);
        if (t.contains(u','))
            t = t.remove(u'.').replace(u',', u'.');
        bool ok = false;
        euros = t.toDouble(&ok);
        if (!ok)
            return -1;
    }
    const double tope = static_cast<double>(premios::maximoCentimos) / 100;
    return euros >= 0 && euros <= tope ? std::llround(euros * 100) : -1;
}

std::int32_t entero(const QJsonValue& v)
{
    bool ok = false;
    const int n = texto(v).toInt(&ok);
    return ok && n >= 0 ? n : -1;
}

// The program's index of a breakdown entry: by the hits its "tipo" names,
// else by the operator's category number.
int indice(const QJsonObject& o)
{
    static const QRegularExpression blancos(QStringLiteral("\\s+"));
    const QStringList partes = texto(o.value(QStringLiteral("tipo"))).split(blancos, Qt::SkipEmptyParts);
    if (partes.size() >= 4 && partes[2] == u"+") {
        bool okH = false, okK = false;
        const int h = partes[1].toInt(&okH);
        const int k = partes[3].toInt(&okK);
        if (okH && okK)
            return categorias::clasifica(h, k);
    }
    const int n = entero(o.value(QStringLiteral("categoria")));
    if (n >= 1 && n <= 13)
        return categorias::clasifica(ordenOperador[static_cast<std::size_t>(n - 1)].first,
                                     ordenOperador[static_cast<std::size_t>(n - 1)].second);
    return 0;
}

std::optional<SorteoServicio> sorteo(const QJsonValue& v)
{
    const QJsonObject o = v.toObject();
    QString dia = texto(o.value(QStringLiteral("fecha_sorteo"))).left(10);
    QDate fecha = QDate::fromString(dia, QStringLiteral("yyyy-MM-dd"));
    if (!fecha.isValid())
        fecha = QDate::fromString(dia, QStringLiteral("yyyyMMdd"));
    static const QRegularExpression numero(QStringLiteral("\\d+"));
    std::vector<int> valores;
    for (auto it = numero.globalMatch(texto(o.value(QStringLiteral("combinacion")))); it.hasNext();)
        valores.push_back(it.next().captured().toInt());
    if (!fecha.isValid() || valores.size() != 7)
        return std::nullopt;

    SorteoServicio s;
    s.sorteo.fecha = fechas::diaNumero(fecha);
    for (int k = 0; k < 7; ++k)
        s.sorteo.num[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(std::min(valores[static_cast<std::size_t>(k)], 32767));
    std::sort(s.sorteo.num.begin(), s.sorteo.num.begin() + 5);
    std::sort(s.sorteo.num.begin() + 5, s.sorteo.num.end());
    s.id = texto(o.value(QStringLiteral("id_sorteo")));
    for (const QJsonValue& e : o.value(QStringLiteral("escrutinio")).toArray()) {
        const QJsonObject categoria = e.toObject();
        const int i = indice(categoria);
        if (i >= 1)
            s.premios[static_cast<std::size_t>(i - 1)] = {centimos(categoria.value(QStringLiteral("premio"))),
                                                          entero(categoria.value(QStringLiteral("ganadores")))};
    }
    return s;
}

// Whether the body is one JSON string and nothing else. Only a body that
// starts with a quote can be, so only that one is wrapped and parsed again.
bool esCadena(const QByteArray& cuerpo)
{
    const auto primero = std::find_if(cuerpo.cbegin(), cuerpo.cend(),
                                      [](char c) { return c != ' ' && c != '\t' && c != '\n' && c != '\r'; });
    if (primero == cuerpo.cend() || *primero != '"')
        return false;
    const QJsonArray envuelto = QJsonDocument::fromJson("[" + cuerpo + "]").array();
    return envuelto.size() == 1 && envuelto.first().isString();
}

} // namespace

Respuesta lee(const QByteArray& cuerpo)
{
    Respuesta r;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(cuerpo, &error);
    QJsonArray lista;
    if (error.error == QJsonParseError::NoError && doc.isArray()) {
        lista = doc.array();
    } else if (error.error == QJsonParseError::NoError && doc.isObject() && doc.object().value(QStringLiteral("data")).isArray()) {
        lista = doc.object().value(QStringLiteral("data")).toArray();
    } else if (esCadena(cuerpo)) {
        r.estado = Respuesta::Estado::Sorteos; // "no draws in this window"
        return r;
    } else {
        r.motivo = QStringLiteral("lo recibido no es una lista de sorteos");
        return r;
    }
    r.estado = Respuesta::Estado::Sorteos;
    for (qsizetype i = 0; i < lista.size(); ++i) {
        auto s = sorteo(lista[i]);
        if (!s) {
            r.estado = Respuesta::Estado::Invalida;
            r.motivo = QStringLiteral("El sorteo %1 de la respuesta no se puede leer.").arg(i + 1);
            r.sorteos.clear();
            return r;
        }
        r.sorteos.push_back(*s);
    }
    return r;
}

std::vector<std::pair<QDate, QDate>> ventanas(QDate desde, QDate hasta)
{
    std::vector<std::pair<QDate, QDate>> v;
    for (QDate inicio = desde; inicio.isValid() && inicio <= hasta;) {
        const QDate fin = std::min(inicio.addYears(1).addDays(-1), hasta);
        v.emplace_back(inicio, fin);
        inicio = fin.addDays(1);
    }
    return v;
}

} // namespace servicio

ConsultaServicio::ConsultaServicio(Red& red, std::vector<std::pair<QDate, QDate>> ventanas, int esperaMs,
                                   QObject* padre, int totalMs)
    : QObject(padre), m_red(red), m_ventanas(std::move(ventanas)), m_esperaMs(esperaMs), m_totalMs(totalMs)
{
    // However it ends, it reports once.
    connect(this, &ConsultaServicio::terminada, this, [this] { m_emitida = true; });
}

void ConsultaServicio::empieza()
{
    m_pedidas = 0;
    m_total = {};
    m_total.estado = servicio::Respuesta::Estado::Sorteos;
    m_emitida = false;
    QTimer::singleShot(m_totalMs, this, [this] {
        if (m_emitida)
            return;
        servicio::Respuesta r;
        r.motivo = motivoFallo(Descarga::Fallo::Tiempo, 0);
        r.respondio = m_total.respondio;
        r.bytes = m_total.bytes;
        emit terminada(r);
        cancela();
    });
    siguiente();
}

void ConsultaServicio::cancela()
{
    if (m_descarga)
        m_descarga->cancela();
}

void ConsultaServicio::siguiente()
{
    if (m_emitida)
        return;
    if (m_pedidas == m_ventanas.size()) {
        emit terminada(m_total);
        return;
    }
    // Plain names, not a structured binding: the lambda below captures them.
    const QDate desde = m_ventanas[m_pedidas].first;
    const QDate hasta = m_ventanas[m_pedidas].second;
    ++m_pedidas;
    delete m_descarga;
    m_descarga = m_red.trae(direcciones::servicio(desde, hasta));
    m_descarga->setParent(this);
    connect(m_descarga, &Descarga::terminada, this,
            [this, desde, hasta, d = m_descarga.data()](Descarga::Fallo fallo, int estado, const QByteArray& cuerpo) {
        if (m_emitida)
            return;
        m_total.respondio = m_total.respondio || d->respondio();
        m_total.bytes += cuerpo.size();
        servicio::Respuesta r;
        if (fallo == Descarga::Fallo::Ninguno)
            r = servicio::lee(cuerpo);
        else
            // Cancelled here only when it kept silent.
            r.motivo = motivoFallo(fallo == Descarga::Fallo::Cancelada ? Descarga::Fallo::Tiempo : fallo, estado);
        if (r.estado != servicio::Respuesta::Estado::Sorteos) {
            r.respondio = m_total.respondio;
            r.bytes = m_total.bytes;
            emit terminada(r);
            return;
        }
        // Only what was asked is taken: a draw dated outside the window is
        // not this window's answer, whatever it says.
        for (const servicio::SorteoServicio& s : r.sorteos)
            if (const QDate d = fechas::fechaDeDia(s.sorteo.fecha); d >= desde && d <= hasta)
                m_total.sorteos.push_back(s);
        siguiente();
    });
    QTimer::singleShot(m_esperaMs, m_descarga, [d = m_descarga.data()] {
        if (d->enCurso() && !d->respondio())
            d->cancela();
    });
}

} // namespace bolvera

#include "core/store/socios.h"

#include "core/store/errores.h"
#include "core/store/fechas.h"
#include "core/store/premios.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/reescritura.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace bolvera {

namespace socios {

namespace {

constexpr int version = 1;

QString fechaTexto(double dia) { return fechas::fechaDeDia(dia).toString(Qt::ISODate); }

} // namespace

Clave claveDe(const std::vector<RegPena>& penas, std::size_t i)
{
    const RegPena& pena = penas.at(i);
    Clave clave{pena.nombreRecortado(), pena.creacion, pena.tipo, 0};
    for (std::size_t j = 0; j < i; ++j)
        if (penas[j].tipo == pena.tipo && penas[j].creacion == pena.creacion &&
            penas[j].nombreRecortado() == clave.nombre)
            ++clave.gemela;
    return clave;
}

Lectura leeTexto(const QByteArray& texto)
{
    Lectura l;
    QJsonParseError fallo;
    const QJsonDocument doc = QJsonDocument::fromJson(texto, &fallo);
    const auto danado = [&l](const QString& por) {
        l.grupos.clear();
        l.error = QStringLiteral("socios.json está dañado (%1): no se han leído los socios.").arg(por);
        return l;
    };
    if (fallo.error != QJsonParseError::NoError || !doc.isObject())
        return danado(QStringLiteral("no es JSON"));
    const QJsonObject raiz = doc.object();
    if (raiz.value(QStringLiteral("version")).toInt(-1) != version)
        return danado(QStringLiteral("versión desconocida"));
    // Every field has its type: one of another type is damage, never read as
    // nothing (the next write would drop what it held). Those the program
    // always writes may be missing only where they hold nothing.
    const auto malo = [](const QJsonValue& v, QJsonValue::Type tipo, bool puedeFaltar = false) {
        return v.isUndefined() ? !puedeFaltar : v.type() != tipo;
    };
    const auto entero = [](const QJsonValue& v) {
        const double d = v.toDouble();
        return v.isDouble() && d == std::floor(d) && std::abs(d) <= 2147483647.0;
    };
    const QJsonValue penas = raiz.value(QStringLiteral("penas"));
    if (malo(penas, QJsonValue::Array, true))
        return danado(QStringLiteral("«penas» no es una lista"));
    for (const QJsonValue& g : penas.toArray()) {
        const QJsonObject o = g.toObject();
        const QJsonValue pena = o.value(QStringLiteral("pena"));
        const QJsonObject clave = pena.toObject();
        const QJsonValue gemela = clave.value(QStringLiteral("gemela"));
        if (!g.isObject() || malo(pena, QJsonValue::Object) || malo(clave.value(QStringLiteral("nombre")), QJsonValue::String) ||
            malo(clave.value(QStringLiteral("creacion")), QJsonValue::String) || !entero(clave.value(QStringLiteral("tipo"))) ||
            (!gemela.isUndefined() && !entero(gemela)) || malo(o.value(QStringLiteral("socios")), QJsonValue::Array, true) ||
            malo(o.value(QStringLiteral("ultimoResumen")), QJsonValue::String, true))
            return danado(QStringLiteral("una peña con un dato de otro tipo"));
        const QDate creacion = QDate::fromString(clave.value(QStringLiteral("creacion")).toString(), Qt::ISODate);
        Grupo grupo;
        grupo.pena = {clave.value(QStringLiteral("nombre")).toString(), fechas::diaNumero(creacion),
                      clave.value(QStringLiteral("tipo")).toInt(), gemela.toInt(0)};
        if (grupo.pena.gemela < 0)
            return danado(QStringLiteral("una peña gemela sin orden"));
        // A day the peña file cannot hold would not be written back the same.
        if (!creacion.isValid() || grupo.pena.nombre.isEmpty() || fechas::fechaDeDia(grupo.pena.creacion) != creacion)
            return danado(QStringLiteral("una peña sin nombre o sin fecha"));
        for (const QJsonValue& s : o.value(QStringLiteral("socios")).toArray()) {
            const QJsonObject so = s.toObject();
            if (!s.isObject() || malo(so.value(QStringLiteral("nombre")), QJsonValue::String) ||
                !entero(so.value(QStringLiteral("participaciones"))) ||
                malo(so.value(QStringLiteral("nota")), QJsonValue::String, true) ||
                malo(so.value(QStringLiteral("pagos")), QJsonValue::Array, true))
                return danado(QStringLiteral("un socio con un dato de otro tipo"));
            Socio socio{so.value(QStringLiteral("nombre")).toString(), so.value(QStringLiteral("participaciones")).toInt(0),
                        so.value(QStringLiteral("nota")).toString(), {}};
            if (socio.nombre.isEmpty() || socio.participaciones < 1)
                return danado(QStringLiteral("un socio sin nombre o sin participaciones"));
            for (const QJsonValue& p : so.value(QStringLiteral("pagos")).toArray()) {
                const QJsonObject po = p.toObject();
                const QDate fecha = QDate::fromString(po.value(QStringLiteral("fecha")).toString(), Qt::ISODate);
                const QJsonValue centimos = po.value(QStringLiteral("centimos"));
                // Whole cents of no more than any prize: a larger number is no payment (and no int64).
                const double c = centimos.toDouble();
                if (!p.isObject() || malo(po.value(QStringLiteral("fecha")), QJsonValue::String) || !fecha.isValid() ||
                    !centimos.isDouble() || c != std::floor(c) || std::abs(c) > static_cast<double>(premios::maximoCentimos))
                    return danado(QStringLiteral("un pago sin fecha o sin importe"));
                socio.pagos.push_back({fecha, static_cast<std::int64_t>(centimos.toDouble())});
            }
            grupo.socios.push_back(std::move(socio));
        }
        const QString resumen = o.value(QStringLiteral("ultimoResumen")).toString();
        grupo.ultimoResumen = QDate::fromString(resumen, Qt::ISODate);
        if (!resumen.isEmpty() && !grupo.ultimoResumen.isValid())
            return danado(QStringLiteral("un resumen sin fecha"));
        l.grupos.push_back(std::move(grupo));
    }
    return l;
}

Lectura lee(const QString& ruta)
{
    QByteArray contenido;
    const QString fichero = ruta + ficheros::socios;
    if (!QFile::exists(fichero))
        return {};
    const int error =
        ficheroregistros::normalOAusente(fichero) ? ficheroregistros::leeEntrada(fichero, contenido) : errores::noEsFichero;
    if (error) {
        Lectura l;
        l.error = errores::texto(error, fichero);
        return l;
    }
    return leeTexto(contenido);
}

QByteArray texto(const std::vector<Grupo>& grupos)
{
    QJsonArray penas;
    for (const Grupo& g : grupos) {
        QJsonArray lista;
        for (const Socio& s : g.socios) {
            QJsonArray pagos;
            for (const Pago& p : s.pagos)
                pagos.append(QJsonObject{{QStringLiteral("fecha"), p.fecha.toString(Qt::ISODate)},
                                         {QStringLiteral("centimos"), static_cast<double>(p.centimos)}});
            lista.append(QJsonObject{{QStringLiteral("nombre"), s.nombre},
                                     {QStringLiteral("participaciones"), s.participaciones},
                                     {QStringLiteral("nota"), s.nota},
                                     {QStringLiteral("pagos"), pagos}});
        }
        QJsonObject pena{{QStringLiteral("nombre"), g.pena.nombre},
                         {QStringLiteral("creacion"), fechaTexto(g.pena.creacion)},
                         {QStringLiteral("tipo"), g.pena.tipo}};
        // Written for twins only: files of peñas without twins stay as they were.
        if (g.pena.gemela > 0)
            pena.insert(QStringLiteral("gemela"), g.pena.gemela);
        QJsonObject grupo{{QStringLiteral("pena"), pena}, {QStringLiteral("socios"), lista}};
        if (g.ultimoResumen.isValid())
            grupo.insert(QStringLiteral("ultimoResumen"), g.ultimoResumen.toString(Qt::ISODate));
        penas.append(grupo);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("version"), version}, {QStringLiteral("penas"), penas}})
        .toJson(QJsonDocument::Indented);
}

int guarda(const QString& ruta, const std::vector<Grupo>& grupos)
{
    return reescribe(ruta + ficheros::socios, texto(grupos));
}

bool mismoNombre(const QString& a, const QString& b)
{
    return a.trimmed().normalized(QString::NormalizationForm_C).compare(
               b.trimmed().normalized(QString::NormalizationForm_C), Qt::CaseInsensitive) == 0;
}

std::optional<std::size_t> busca(const std::vector<Socio>& lista, const QString& nombre)
{
    const auto s = std::find_if(lista.begin(), lista.end(), [&](const Socio& x) { return mismoNombre(x.nombre, nombre); });
    return s == lista.end() ? std::nullopt : std::optional(static_cast<std::size_t>(s - lista.begin()));
}

Resultado nombreValido(const std::vector<Socio>& lista, const QString& nombre, std::optional<std::size_t> i)
{
    if (nombre.trimmed().isEmpty())
        return Motivo::SinNombre;
    const auto otro = busca(lista, nombre.trimmed());
    if (otro && otro != i)
        return Motivo::NombreRepetido;
    return std::nullopt;
}

bool importeValido(std::int64_t centimos) { return centimos > 0 && centimos <= premios::maximoCentimos; }

Resultado anade(std::vector<Socio>& lista, Socio socio)
{
    if (const auto m = nombreValido(lista, socio.nombre))
        return m;
    if (socio.participaciones < 1)
        return Motivo::SinParticipaciones;
    socio.nombre = socio.nombre.trimmed();
    lista.push_back(std::move(socio));
    return std::nullopt;
}

Resultado cambia(std::vector<Socio>& lista, std::size_t i, const Socio& datos)
{
    if (const auto m = nombreValido(lista, datos.nombre, i))
        return m;
    if (datos.participaciones < 1)
        return Motivo::SinParticipaciones;
    Socio& s = lista.at(i);
    s.nombre = datos.nombre.trimmed();
    s.participaciones = datos.participaciones;
    s.nota = datos.nota;
    return std::nullopt;
}

Resultado paga(std::vector<Socio>& lista, std::size_t i, Pago pago, bool correccion)
{
    if (!importeValido(pago.centimos) || !pago.fecha.isValid())
        return Motivo::ImporteNoValido;
    if (correccion)
        pago.centimos = -pago.centimos;
    lista.at(i).pagos.push_back(pago);
    return std::nullopt;
}

void quita(std::vector<Socio>& lista, std::size_t i) { lista.erase(lista.begin() + static_cast<std::ptrdiff_t>(i)); }

std::vector<Socio> de(const std::vector<Grupo>& grupos, const Clave& pena)
{
    const auto g = std::find_if(grupos.begin(), grupos.end(), [&](const Grupo& x) { return x.pena == pena; });
    return g == grupos.end() ? std::vector<Socio>{} : g->socios;
}

namespace {

std::vector<Grupo>::iterator grupoDe(std::vector<Grupo>& grupos, const Clave& pena)
{
    const auto g = std::find_if(grupos.begin(), grupos.end(), [&](const Grupo& x) { return x.pena == pena; });
    return g != grupos.end() ? g : grupos.insert(grupos.end(), Grupo{pena, {}, {}});
}

} // namespace

void pon(std::vector<Grupo>& grupos, const Clave& pena, std::vector<Socio> socios)
{
    const auto g = grupoDe(grupos, pena);
    g->socios = std::move(socios);
    if (g->socios.empty() && !g->ultimoResumen.isValid())
        grupos.erase(g);
}

QDate siguienteResumen(const std::vector<Grupo>& grupos, const Clave& pena)
{
    const auto g = std::find_if(grupos.begin(), grupos.end(), [&](const Grupo& x) { return x.pena == pena; });
    return g == grupos.end() || !g->ultimoResumen.isValid() ? QDate() : g->ultimoResumen.addDays(1);
}

void anotaResumen(std::vector<Grupo>& grupos, const Clave& pena, QDate hasta)
{
    grupoDe(grupos, pena)->ultimoResumen = hasta;
}

int apartaDe(const QString& ruta, const std::vector<RegPena>& penas, std::size_t borrada, bool copia)
{
    Lectura l = lee(ruta);
    if (l.error)
        return 0; // a damaged file is kept as it is; reading it says so

    const Clave clave = claveDe(penas, borrada);
    const std::vector<Socio> suyos = de(l.grupos, clave);
    if (copia && !suyos.empty()) {
        // The copy is written before the members leave: a crash keeps them twice, never nowhere.
        QByteArray antes;
        std::vector<Grupo> apartados;
        if (QFile::exists(ruta + ficheros::sociosBak) && ficheroregistros::leeEntrada(ruta + ficheros::sociosBak, antes) == 0) {
            Lectura b = leeTexto(antes);
            if (!b.error)
                apartados = std::move(b.grupos);
        }
        apartados.push_back({clave, suyos, {}});
        if (const int error = reescribe(ruta + ficheros::sociosBak, texto(apartados)))
            return error;
    }
    const std::size_t antes = l.grupos.size();
    std::erase_if(l.grupos, [&](const Grupo& g) { return g.pena == clave; });
    // Its later twins move up one place, as their records do.
    bool movidas = false;
    for (Grupo& g : l.grupos) {
        Clave sin = g.pena;
        sin.gemela = clave.gemela;
        if (sin == clave && g.pena.gemela > clave.gemela) {
            --g.pena.gemela;
            movidas = true;
        }
    }
    if (l.grupos.size() == antes && !movidas)
        return 0;
    return guarda(ruta, l.grupos);
}

Lectura apartados(const QString& ruta)
{
    if (!QFile::exists(ruta + ficheros::sociosBak))
        return {};
    QByteArray texto;
    if (ficheroregistros::leeEntrada(ruta + ficheros::sociosBak, texto) != 0)
        return {{}, QStringLiteral("No se pudo leer socios.bak.")};
    Lectura l = leeTexto(texto);
    if (l.error)
        l.error->replace(QStringLiteral("socios.json"), QStringLiteral("socios.bak"));
    return l;
}

int recupera(const QString& ruta, std::size_t i, const Clave& destino, int& traidos)
{
    traidos = 0;
    Lectura copia = apartados(ruta);
    Lectura actual = lee(ruta);
    if (copia.error || actual.error || i >= copia.grupos.size())
        return errores::entradaSalida; // the window reads both first and says what is wrong
    std::vector<Socio> suyos = de(actual.grupos, destino);
    std::vector<Socio> quedan;
    for (Socio& s : copia.grupos[i].socios) {
        if (anade(suyos, s))
            quedan.push_back(std::move(s));
        else
            ++traidos;
    }
    if (traidos == 0)
        return 0;
    pon(actual.grupos, destino, std::move(suyos));
    if (const int error = guarda(ruta, actual.grupos))
        return error;
    copia.grupos[i].socios = std::move(quedan);
    if (copia.grupos[i].socios.empty())
        copia.grupos.erase(copia.grupos.begin() + static_cast<std::ptrdiff_t>(i));
    return reescribe(ruta + ficheros::sociosBak, texto(copia.grupos));
}

} // namespace socios

} // namespace bolvera

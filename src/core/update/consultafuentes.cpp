#include "core/update/consultafuentes.h"

#include "core/store/ajustes.h"
#include "core/store/fechas.h"

#include <QTimer>

#include <algorithm>

namespace bolvera {

using fuentes::Id;

QString fuentes::avisoAjustes(const QString& ruta)
{
    QStringList claves;
    for (Id id : todas)
        claves << clave(id);
    QStringList desconocidas = ajustes::clavesDesconocidas(ruta, claves);
    if (desconocidas.isEmpty())
        return {};
    for (QString& d : desconocidas)
        d = QStringLiteral("«%1»").arg(d);
    return QStringLiteral("En el grupo [fuentes] de ajustes.ini, %1 no %2 y no se %3 en cuenta. Las fuentes son %4.")
        .arg(enumera(desconocidas),
             desconocidas.size() == 1 ? QStringLiteral("es ninguna fuente") : QStringLiteral("son fuentes"),
             desconocidas.size() == 1 ? QStringLiteral("tiene") : QStringLiteral("tienen"), enumera(claves));
}

ConsultaFuentes::ConsultaFuentes(Red& red, QString ruta, double ultima, QDate hoy, int plazoMs, QObject* padre,
                                 QDate desdeImportes)
    : QObject(padre), m_red(red), m_ruta(std::move(ruta)), m_hoy(hoy), m_plazoMs(plazoMs)
{
    m_desdeFecha = ultima > 0 ? fechas::fechaDeDia(ultima).addDays(-30) : hoy.addDays(-30);
    if (desdeImportes.isValid())
        m_desdeFecha = std::min(m_desdeFecha, desdeImportes);
    // At most five years of yearly files: further back, the shipped history
    // and the CSV import are the way.
    m_desde = std::max(m_desdeFecha.year(), hoy.year() - 4);
}

void ConsultaFuentes::cancela()
{
    m_emitida = true;
    for (const QPointer<Descarga>& d : m_descargas)
        if (d)
            d->cancela();
}

QUrl ConsultaFuentes::dondeAjustes(std::size_t i, QUrl url) const
{
    const QString& anfitrion = m_anfitriones[i];
    if (anfitrion.isEmpty())
        return url;
    // A mirror keeps each file under its own path.
    const QUrl otro(anfitrion);
    QString prefijo = otro.path();
    while (prefijo.endsWith(u'/'))
        prefijo.chop(1);
    url.setScheme(otro.scheme());
    url.setHost(otro.host());
    url.setPort(otro.port());
    url.setPath(prefijo + url.path());
    return url;
}

void ConsultaFuentes::pide(std::size_t i, const QUrl& url, Recibe recibe, Pieza pieza)
{
    const QUrl donde = dondeAjustes(i, url);
    fuentes::Respuesta& r = m_respuestas[i];
    r.direcciones << donde.toString();
    if (pieza != Pieza::Complemento)
        r.direccion = donde.toString();
    Descarga* d = pieza == Pieza::ComoNavegador ? m_red.traeComoNavegador(donde) : m_red.trae(donde);
    d->setParent(this);
    m_descargas.emplace_back(d);
    connect(d, &Descarga::terminada, this, [this, i, d, recibe](Descarga::Fallo fallo, int estado, const QByteArray& cuerpo) {
        d->deleteLater();
        if (fallo == Descarga::Fallo::Cancelada || m_listas[i])
            return;
        m_respuestas[i].bytes += cuerpo.size();
        m_respuestas[i].respondio = m_respuestas[i].respondio || d->respondio();
        recibe(fallo, estado, cuerpo);
    });
}

void ConsultaFuentes::acaba(std::size_t i, fuentes::Lectura lectura)
{
    if (m_listas[i])
        return;
    m_listas[i] = true;
    m_respuestas[i].lectura = std::move(lectura);
    m_respuestas[i].milisegundos = m_relojes[i].elapsed();
    terminaSiListo();
}

void ConsultaFuentes::terminaSiListo()
{
    if (m_emitida || !std::all_of(m_listas.begin(), m_listas.end(), [](bool b) { return b; }))
        return;
    m_emitida = true;
    emit terminada(m_respuestas);
}

namespace {

fuentes::Lectura sinRespuesta(Descarga::Fallo fallo, int estado)
{
    fuentes::Lectura l;
    l.motivo = motivoFallo(fallo, estado);
    return l;
}

} // namespace

void ConsultaFuentes::empiezaFdj(std::size_t i)
{
    // The archives page names the newest period's file; without it, the
    // link known when this was written.
    pide(i, fuentes::paginaFdj(), [this, i](Descarga::Fallo fallo, int, const QByteArray& pagina) {
        QUrl fichero;
        if (fallo == Descarga::Fallo::Ninguno)
            fichero = fuentes::descargaFdj(fuentes::enlaceFdj(pagina));
        traeFdj(i, fichero.isEmpty() ? fuentes::ultimoFdj() : fichero);
    }, Pieza::Complemento);
}

void ConsultaFuentes::traeFdj(std::size_t i, const QUrl& fichero)
{
    pide(i, fichero, [this, i, fichero](Descarga::Fallo f, int estado, const QByteArray& zip) {
        fuentes::Lectura l = f == Descarga::Fallo::Ninguno ? fuentes::leeFdj(zip) : sinRespuesta(f, estado);
        const QUrl conocido = dondeAjustes(i, fuentes::ultimoFdj());
        if (!l.disponible && dondeAjustes(i, fichero) != conocido) {
            traeFdj(i, fuentes::ultimoFdj());
            return;
        }
        acaba(i, std::move(l));
    });
}

void ConsultaFuentes::empiezaAnual(std::size_t i, int anio, std::vector<fuentes::SorteoFuente> reunidos, bool alguno)
{
    const Id id = m_respuestas[i].id;
    if (anio > m_hoy.year()) {
        fuentes::Lectura l;
        l.disponible = alguno;
        if (!alguno)
            l.motivo = QStringLiteral("no tiene todavía el fichero de %1").arg(m_hoy.year());
        std::sort(reunidos.begin(), reunidos.end(),
                  [](const auto& a, const auto& b) { return a.sorteo.fecha < b.sorteo.fecha; });
        l.sorteos = std::move(reunidos);
        acaba(i, std::move(l));
        return;
    }
    const QUrl url = id == Id::Belgica ? fuentes::sorteosBelgica(anio) : fuentes::austria(anio);
    pide(i, url, [this, i, id, anio, reunidos, alguno](Descarga::Fallo fallo, int estado, const QByteArray& sorteos) mutable {
        if (fallo == Descarga::Fallo::Http && estado == 404) {
            empiezaAnual(i, anio + 1, std::move(reunidos), alguno); // that year has no file yet
            return;
        }
        if (fallo != Descarga::Fallo::Ninguno) {
            acaba(i, sinRespuesta(fallo, estado));
            return;
        }
        const auto sigue = [this, i, anio](std::vector<fuentes::SorteoFuente> todos, const fuentes::Lectura& l) {
            if (!l.disponible) {
                acaba(i, l);
                return;
            }
            todos.insert(todos.end(), l.sorteos.begin(), l.sorteos.end());
            empiezaAnual(i, anio + 1, std::move(todos), true);
        };
        if (id != Id::Belgica) {
            sigue(std::move(reunidos), fuentes::leeAustria(sorteos));
            return;
        }
        // Belgium's prizes come in a file of their own; without it the draws still count.
        pide(i, fuentes::premiosBelgica(anio), [sigue, reunidos, sorteos](Descarga::Fallo f, int, const QByteArray& premios) mutable {
            fuentes::Lectura l = fuentes::leeBelgica(sorteos, f == Descarga::Fallo::Ninguno ? premios : QByteArray());
            if (!l.disponible && f == Descarga::Fallo::Ninguno)
                l = fuentes::leeBelgica(sorteos);
            sigue(std::move(reunidos), l);
        }, Pieza::Complemento);
    });
}

void ConsultaFuentes::empieza()
{
    m_respuestas.clear();
    m_anfitriones.clear();
    for (Id id : fuentes::todas) {
        fuentes::Respuesta r;
        r.id = id;
        const ajustes::Fuente a = ajustes::fuente(m_ruta, fuentes::clave(id));
        r.desactivada = !a.activa;
        r.lectura.motivo = r.desactivada ? QStringLiteral("desactivada en ajustes.ini") : QString();
        m_respuestas.push_back(r);
        m_anfitriones.push_back(a.anfitrion);
    }
    m_listas.assign(m_respuestas.size(), false);
    m_relojes.assign(m_respuestas.size(), QElapsedTimer());
    m_emitida = false;
    QTimer::singleShot(m_plazoMs, this, [this] {
        for (std::size_t i = 0; i < m_listas.size(); ++i)
            if (!m_listas[i])
                acaba(i, sinRespuesta(Descarga::Fallo::Tiempo, 0));
        cancela();
    });
    for (std::size_t i = 0; i < m_respuestas.size(); ++i) {
        m_relojes[i].start();
        if (m_respuestas[i].desactivada) {
            m_listas[i] = true;
            continue;
        }
        switch (m_respuestas[i].id) {
        case Id::Fdj:
            empiezaFdj(i);
            break;
        case Id::Belgica:
            empiezaAnual(i, m_desde, {});
            break;
        case Id::Austria:
            empiezaAnual(i, std::max(m_desde, 2017), {});
            break;
        case Id::ReinoUnido:
            pide(i, fuentes::reinoUnido(), [this, i](Descarga::Fallo f, int estado, const QByteArray& csv) {
                acaba(i, f == Descarga::Fallo::Ninguno ? fuentes::leeReinoUnido(csv) : sinRespuesta(f, estado));
            }, Pieza::ComoNavegador);
            break;
        case Id::Api:
            pide(i, fuentes::api(m_desdeFecha, m_hoy), [this, i](Descarga::Fallo f, int estado, const QByteArray& json) {
                acaba(i, f == Descarga::Fallo::Ninguno ? fuentes::leeApi(json) : sinRespuesta(f, estado));
            });
            break;
        }
    }
    // Every source may have been turned off.
    QMetaObject::invokeMethod(this, [this] { terminaSiListo(); }, Qt::QueuedConnection);
}

} // namespace bolvera

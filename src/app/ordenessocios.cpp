// The members of a peña, from the terminal: their accounts, adding one,
// recording a payment and removing one.
#include "app/ordenes.h"
#include "core/checking/cuentas.h"
#include "core/checking/euros.h"
#include "core/store/ajustes.h"
#include "core/store/fechas.h"
#include "core/store/ficheros.h"
#include "core/store/premios.h"
#include "core/store/socios.h"

#include <QJsonArray>
#include <QTextStream>

#include <algorithm>

namespace bolvera {

namespace ordenes {

std::optional<PenaConSocios> eligePena(const Contexto& c, int& estado)
{
    const auto r = c.argumentos.isEmpty() ? std::nullopt : entero(c.argumentos.front());
    const auto todas = penas(c);
    if (!r || *r < 1 || *r > static_cast<int>(todas.size())) {
        estado = falla(QStringLiteral("No hay peña número %1.").arg(c.argumentos.value(0)));
        return std::nullopt;
    }
    socios::Lectura l = socios::lee(c.ruta);
    if (l.error) {
        estado = falla(*l.error);
        return std::nullopt;
    }
    const auto i = static_cast<std::size_t>(*r - 1);
    return PenaConSocios{todas[i], socios::claveDe(todas, i), std::move(l.grupos)};
}

namespace {

// "1 participación", "3 participaciones"
QString textoParticipaciones(int n)
{
    return n == 1 ? QStringLiteral("1 participación") : QStringLiteral("%1 participaciones").arg(n);
}

// Why the rules refused a change, in the terminal's words. Concatenated: a
// member's name may hold a '%'.
int rechazo(socios::Motivo motivo, const QString& nombre)
{
    switch (motivo) {
    case socios::Motivo::SinNombre: return fallaUso(QStringLiteral("El socio necesita un nombre."));
    case socios::Motivo::NombreRepetido: return falla(QStringLiteral("Ya hay un socio ") + nombre + QStringLiteral(" en la peña."));
    case socios::Motivo::SinParticipaciones: return fallaUso(QStringLiteral("Las participaciones han de ser 1 o más."));
    case socios::Motivo::ImporteNoValido: return fallaUso(QStringLiteral("El importe no es válido."));
    }
    return 1;
}

// The peña R, its members and the one named by the second argument.
struct ConSocio
{
    PenaConSocios e;
    std::vector<socios::Socio> lista;
    std::size_t socio = 0;
};

std::optional<ConSocio> eligeSocio(const Contexto& c, int& estado)
{
    auto e = eligePena(c, estado);
    if (!e)
        return std::nullopt;
    auto lista = socios::de(e->grupos, e->clave);
    const auto socio = socios::busca(lista, c.argumentos.value(1));
    if (!socio) {
        estado = falla(QStringLiteral("No hay ningún socio ") + c.argumentos.value(1) + QStringLiteral(" en la peña."));
        return std::nullopt;
    }
    return ConSocio{std::move(*e), std::move(lista), *socio};
}

int guardaSocios(const Contexto& c, const PenaConSocios& e, const QString& hecho)
{
    if (const int error = socios::guarda(c.ruta, e.grupos))
        return fallaEscritura(QStringLiteral("No se pudieron guardar los socios."), error);
    // A member's name may hold control bytes: shown escaped, as in the listings.
    QTextStream(stdout) << paraTerminal(hecho) << '\n';
    return 0;
}

} // namespace

int listaSocios(const Contexto& c)
{
    int estado = 0;
    const auto e = eligePena(c, estado);
    if (!e)
        return estado;
    const auto miembros = socios::de(e->grupos, e->clave);
    const std::vector<cuentas::Jugada> jugadas = cuentas::jugadas(
        e->pena, sorteos(c), premios::lee(c.ruta).porFecha, ajustes::precioApuesta(c.ruta));
    const cuentas::Cuentas t = cuentas::calcula(jugadas, miembros);
    const bool retenido = t.pena.neto != t.pena.ganado;
    if (c.json) {
        QJsonArray filas;
        for (std::size_t i = 0; i < miembros.size(); ++i) {
            const cuentas::Cuenta& k = t.socios[i];
            filas.append(QJsonObject{{QStringLiteral("nombre"), miembros[i].nombre},
                                     {QStringLiteral("participaciones"), miembros[i].participaciones},
                                     {QStringLiteral("nota"), miembros[i].nota},
                                     {QStringLiteral("pagado"), euros::decimal(k.pagado)},
                                     {QStringLiteral("apostado"), euros::decimal(k.apostado)},
                                     {QStringLiteral("ganado"), euros::decimal(k.ganado)},
                                     {QStringLiteral("ganadoTrasRetencion"), euros::decimal(k.neto)},
                                     {QStringLiteral("balance"), euros::decimal(k.balance())}});
        }
        imprime({{QStringLiteral("pena"), e->pena.nombreRecortado()},
                 {QStringLiteral("socios"), filas},
                 {QStringLiteral("pagado"), euros::decimal(t.pena.pagado)},
                 {QStringLiteral("apostado"), euros::decimal(t.pena.apostado)},
                 {QStringLiteral("ganado"), euros::decimal(t.pena.ganado)},
                 {QStringLiteral("ganadoTrasRetencion"), euros::decimal(t.pena.neto)},
                 {QStringLiteral("balance"), euros::decimal(t.pena.balance())},
                 {QStringLiteral("premiosSinImporte"), t.sinImporte}});
        return 0;
    }
    QTextStream salida(stdout);
    salida << "Peña " << paraTerminal(e->pena.nombreRecortado()) << ": " << miembros.size()
           << (miembros.size() == 1 ? " socio" : " socios") << '\n';
    const auto fila = [&](const QString& nombre, const QString& partes, const cuentas::Cuenta& k) {
        salida << paraTerminal(nombre) << " | " << partes << " | pagado " << euros::texto(k.pagado) << " | apostado "
               << euros::texto(k.apostado) << " | ganado " << euros::texto(k.ganado);
        if (retenido)
            salida << " (" << euros::texto(k.neto) << " tras la retención)";
        salida << " | balance " << euros::texto(k.balance()) << '\n';
    };
    for (std::size_t i = 0; i < miembros.size(); ++i)
        fila(miembros[i].nombre, QString::number(miembros[i].participaciones), t.socios[i]);
    fila(QStringLiteral("TOTAL"), QStringLiteral("-"), t.pena);
    if (t.sinImporte > 0)
        salida << euros::sinImporte(t.sinImporte) << '\n';
    return 0;
}

std::optional<int> validaSocio(const Contexto& c)
{
    if (const auto motivo = socios::nombreValido({}, c.argumentos.value(1)))
        return rechazo(*motivo, c.argumentos.value(1));
    return std::nullopt;
}

std::optional<int> validaCambioSocio(const Contexto& c)
{
    if (c.valor("nombre").trimmed().isEmpty() && c.numero("participaciones") == 0)
        return fallaUso(QStringLiteral("Indique --nombre o --participaciones."));
    return std::nullopt;
}

int anadeSocio(const Contexto& c)
{
    int estado = 0;
    auto e = eligePena(c, estado);
    if (!e)
        return estado;
    const QString nombre = c.argumentos.value(1).trimmed();
    const int participaciones = c.argumentos.value(2).toInt();
    auto lista = socios::de(e->grupos, e->clave);
    if (const auto motivo = socios::anade(lista, {nombre, participaciones, c.valor("nota"), {}}))
        return rechazo(*motivo, nombre);
    socios::pon(e->grupos, e->clave, lista);
    return guardaSocios(c, *e,
                        QStringLiteral("Socio ") + nombre +
                            QStringLiteral(" añadido con ") + textoParticipaciones(participaciones) + u'.');
}

int pagaSocio(const Contexto& c)
{
    int estado = 0;
    auto s = eligeSocio(c, estado);
    if (!s)
        return estado;
    const bool correccion = c.tiene("correccion");
    const QDate fecha = c.fecha("fecha").isValid() ? c.fecha("fecha") : c.hoy;
    // Checked with the line: more than nothing, in whole cents.
    const std::int64_t centimos = premios::centimosDe(c.argumentos.value(2)).value_or(0);
    if (const auto motivo = socios::paga(s->lista, s->socio, {fecha, centimos}, correccion))
        return rechazo(*motivo, s->lista[s->socio].nombre);
    const socios::Socio& socio = s->lista[s->socio];
    const QString hecho = QStringLiteral("%1 de %2 de %3 el %4.")
                              .arg(correccion ? QStringLiteral("Corrección") : QStringLiteral("Pago"),
                                   euros::texto(socio.pagos.back().centimos), socio.nombre,
                                   fecha.toString(QStringLiteral("dd/MM/yyyy")));
    socios::pon(s->e.grupos, s->e.clave, s->lista);
    return guardaSocios(c, s->e, hecho);
}

int quitaSocio(const Contexto& c)
{
    int estado = 0;
    auto s = eligeSocio(c, estado);
    if (!s)
        return estado;
    const QString nombre = s->lista[s->socio].nombre;
    socios::quita(s->lista, s->socio);
    socios::pon(s->e.grupos, s->e.clave, s->lista);
    return guardaSocios(c, s->e, QStringLiteral("Socio ") + nombre + QStringLiteral(" quitado de la peña."));
}

int cambiaSocio(const Contexto& c)
{
    int estado = 0;
    auto s = eligeSocio(c, estado);
    if (!s)
        return estado;
    // What the line does not give stays as it was.
    socios::Socio datos = s->lista[s->socio];
    if (const QString nuevo = c.valor("nombre").trimmed(); !nuevo.isEmpty())
        datos.nombre = nuevo;
    if (c.tiene("participaciones"))
        datos.participaciones = c.numero("participaciones");
    if (const auto motivo = socios::cambia(s->lista, s->socio, datos))
        return rechazo(*motivo, datos.nombre);
    const socios::Socio& socio = s->lista[s->socio];
    const QString hecho = QStringLiteral("Socio ") + socio.nombre + QStringLiteral(": ") +
                          textoParticipaciones(socio.participaciones) + u'.';
    socios::pon(s->e.grupos, s->e.clave, s->lista);
    return guardaSocios(c, s->e, hecho);
}

} // namespace ordenes

} // namespace bolvera

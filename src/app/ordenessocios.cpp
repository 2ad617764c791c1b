// The members of a peña, from the terminal: their accounts, adding one,
// recording a payment and removing one.
#include "app/ordenes.h"
#include "checking/cuentas.h"
#include "checking/euros.h"
#include "store/ajustes.h"
#include "store/fechas.h"
#include "store/ficheros.h"
#include "store/premios.h"
#include "store/socios.h"

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

auto buscaSocio(std::vector<socios::Socio>& lista, const QString& nombre)
{
    return std::find_if(lista.begin(), lista.end(),
                        [&](const socios::Socio& s) { return socios::mismoNombre(s.nombre, nombre); });
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
    const auto socio = buscaSocio(lista, c.argumentos.value(1));
    if (socio == lista.end()) {
        estado = falla(QStringLiteral("No hay ningún socio ") + c.argumentos.value(1) + QStringLiteral(" en la peña."));
        return std::nullopt;
    }
    const auto indice = static_cast<std::size_t>(socio - lista.begin());
    return ConSocio{std::move(*e), std::move(lista), indice};
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
    if (c.argumentos.value(1).trimmed().isEmpty())
        return fallaUso(QStringLiteral("El socio necesita un nombre."));
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
    if (buscaSocio(lista, nombre) != lista.end())
        return falla(QStringLiteral("Ya hay un socio ") + nombre + QStringLiteral(" en la peña."));
    lista.push_back({nombre, participaciones, c.valor("nota"), {}});
    socios::pon(e->grupos, e->clave, lista);
    // Concatenated: a member's name may hold a '%'.
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
    auto& lista = s->lista;
    const auto socio = lista.begin() + static_cast<std::ptrdiff_t>(s->socio);
    // Checked with the line: more than nothing, in whole cents.
    const std::int64_t centimos = premios::centimosDe(c.argumentos.value(2)).value_or(0);
    // A correction is one more entry, never an edit of the one it corrects.
    socio->pagos.push_back({c.fecha("fecha").isValid() ? c.fecha("fecha") : c.hoy, c.tiene("correccion") ? -centimos : centimos});
    const QString hecho = QStringLiteral("%1 de %2 de %3 el %4.")
                              .arg(c.tiene("correccion") ? QStringLiteral("Corrección") : QStringLiteral("Pago"),
                                   euros::texto(socio->pagos.back().centimos), socio->nombre,
                                   socio->pagos.back().fecha.toString(QStringLiteral("dd/MM/yyyy")));
    socios::pon(s->e.grupos, s->e.clave, lista);
    return guardaSocios(c, s->e, hecho);
}

int quitaSocio(const Contexto& c)
{
    int estado = 0;
    auto s = eligeSocio(c, estado);
    if (!s)
        return estado;
    const QString nombre = s->lista[s->socio].nombre;
    s->lista.erase(s->lista.begin() + static_cast<std::ptrdiff_t>(s->socio));
    socios::pon(s->e.grupos, s->e.clave, s->lista);
    return guardaSocios(c, s->e, QStringLiteral("Socio ") + nombre + QStringLiteral(" quitado de la peña."));
}

int cambiaSocio(const Contexto& c)
{
    const int participaciones = c.numero("participaciones");
    const QString nuevo = c.valor("nombre").trimmed();
    int estado = 0;
    auto s = eligeSocio(c, estado);
    if (!s)
        return estado;
    auto& lista = s->lista;
    const auto socio = lista.begin() + static_cast<std::ptrdiff_t>(s->socio);
    if (!nuevo.isEmpty() && buscaSocio(lista, nuevo) != lista.end() && buscaSocio(lista, nuevo) != socio)
        return falla(QStringLiteral("Ya hay un socio ") + nuevo + QStringLiteral(" en la peña."));
    if (!nuevo.isEmpty())
        socio->nombre = nuevo;
    if (participaciones > 0)
        socio->participaciones = participaciones;
    const QString hecho = QStringLiteral("Socio ") + socio->nombre + QStringLiteral(": ") +
                          textoParticipaciones(socio->participaciones) + u'.';
    socios::pon(s->e.grupos, s->e.clave, lista);
    return guardaSocios(c, s->e, hecho);
}

} // namespace ordenes

} // namespace bolvera

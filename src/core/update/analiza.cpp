#include "core/update/analiza.h"

#include "core/store/fechas.h"
#include "core/update/escaner.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace bolvera {

namespace {

constexpr int maxFechas = 50;
constexpr int maxLote = 15;
// The list of draws ends this many characters before the "-- while" marker.
constexpr qsizetype colaPagina = 3500;

// A run-time error of the page: the run ends with one of the failure outcomes.
struct PaginaInvalida
{
};

// The leading decimal number of `texto` (0 when there is none), as a 16-bit value.
std::int16_t valor(const QString& texto)
{
    qsizetype i = 0;
    while (i < texto.size() && texto[i] == u' ')
        ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == u'-' || texto[i] == u'+'))
        negativo = texto[i++] == u'-';
    qint64 n = 0;
    for (; i < texto.size() && texto[i].isDigit() && texto[i].unicode() < 128; ++i) {
        n = n * 10 + texto[i].digitValue();
        if (n > std::numeric_limits<std::int16_t>::max() + 1)
            throw PaginaInvalida{};
    }
    if (negativo)
        n = -n;
    if (n > std::numeric_limits<std::int16_t>::max() || n < std::numeric_limits<std::int16_t>::min())
        throw PaginaInvalida{};
    return static_cast<std::int16_t>(n);
}

// day/month/year, whatever the system's settings.
QDate fecha(const QString& dia, int numeroMes, const QString& anio)
{
    bool okDia = false;
    bool okAnio = false;
    const int d = dia.trimmed().toInt(&okDia);
    const int a = anio.trimmed().toInt(&okAnio);
    const QDate f(a, numeroMes, d);
    if (!okDia || !okAnio || numeroMes == 0 || !f.isValid())
        throw PaginaInvalida{};
    return f;
}

// A zero ends the pass without a word: the page lists a draw whose results
// are not out yet. Anything else wrong is judged with the whole batch.
bool sinCeros(const RegSorteo& s)
{
    return std::none_of(s.num.begin(), s.num.end(), [](std::int16_t n) { return n == 0; });
}

} // namespace

int mes(const QString& nombre)
{
    static const std::array<std::pair<const char*, const char*>, 12> meses = {{
        {"ENERO", "JANUARY"},   {"FEBRERO", "FEBRUARY"}, {"MARZO", "MARCH"},
        {"ABRIL", "APRIL"},     {"MAYO", "MAY"},         {"JUNIO", "JUNE"},
        {"JULIO", "JULY"},      {"AGOSTO", "AUGUST"},    {"SEPTIEMBRE", "SEPTEMBER"},
        {"OCTUBRE", "OCTOBER"}, {"NOVIEMBRE", "NOVEMBER"}, {"DICIEMBRE", "DECEMBER"},
    }};
    const QString mayusculas = nombre.toUpper();
    for (std::size_t i = 0; i < meses.size(); ++i)
        if (mayusculas == QLatin1String(meses[i].first) || mayusculas == QLatin1String(meses[i].second))
            return static_cast<int>(i) + 1;
    return 0;
}

bool ordena(RegSorteo& sorteo)
{
    std::array<bool, 51> marcado{};
    for (int i = 0; i < 5; ++i) {
        const int n = sorteo.num[i];
        if (n < 1 || n > 50)
            return false;
        marcado[n] = true;
    }
    int hueco = 0;
    for (int n = 1; n <= 50; ++n)
        if (marcado[n])
            sorteo.num[hueco++] = static_cast<std::int16_t>(n);
    return true;
}

Analisis analiza(const QString& pagina, double ultima, const QString& rutasorteo,
                 bool errorConexion)
{
    Analisis a;
    a.rutasorteo = rutasorteo;
    Escaner e(pagina);
    try {
        e.busca(QStringLiteral("-- while"), QStringLiteral("-"));
        const bool marcador = !e.finfichero();
        const qsizetype inicio = e.cursor();
        e.ponCursor(1);
        int entradas = 0;
        // Without its marker and at least one draw it is not the results
        // page at all, whatever it says: nothing is read from it.
        const auto ilegible = [&] {
            a.resultado = Analisis::Resultado::Ilegible;
            a.finfichero = e.finfichero();
            return a;
        };
        if (!marcador || inicio <= colaPagina)
            return ilegible();

        std::vector<QDate> fechasNuevas;
        QString rutaPagina; // the page of the newest draw this page lists
        qsizetype posicion = 0;
        int numeroMes = 0;
        while (posicion < inicio - colaPagina) {
            e.busca(QStringLiteral("do del"), QStringLiteral(";"));
            if (e.finfichero() && entradas == 0)
                return ilegible();
            const QString dia = e.busca(QStringLiteral(" "), QStringLiteral(" "));
            if (const int m = mes(e.busca(QStringLiteral(" "), QStringLiteral(" "))); m != 0)
                numeroMes = m;
            const QString anio = e.busca(QStringLiteral(" "), QStringLiteral("<"));
            const QDate f = fecha(dia, numeroMes, anio);
            const double dianum = fechas::diaNumero(f);
            if (dianum >= ultima) {
                if (rutaPagina.isEmpty())
                    rutaPagina = anio + u'/' + e.busca(anio + u'/', QStringLiteral("\""));
                if (dianum != ultima) {
                    if (static_cast<int>(fechasNuevas.size()) == maxFechas)
                        throw PaginaInvalida{};
                    fechasNuevas.push_back(f);
                }
            }
            posicion = e.cursor();
            ++entradas;
        }
        // The report must be the newest draw's: a path kept from an earlier
        // update only stands in when this page names none.
        if (!rutaPagina.isEmpty())
            a.rutasorteo = rutaPagina;

        e.ponCursor(1);
        std::vector<RegSorteo> lote;
        for (std::size_t i = 0; i < fechasNuevas.size(); ++i) {
            e.busca(QStringLiteral("combi"), QStringLiteral("<"));
            RegSorteo s;
            for (int j = 0; j < 7; ++j)
                s.num[j] = valor(e.busca(QStringLiteral("<li> "), QStringLiteral("<")));
            if (s.num[6] < s.num[5])
                std::swap(s.num[5], s.num[6]);
            if (!sinCeros(s))
                break;
            s.fecha = fechas::diaNumero(fechasNuevas[i]);
            if (!ordena(s) || static_cast<int>(lote.size()) == maxLote)
                throw PaginaInvalida{};
            lote.push_back(s);
            a.nuevos = static_cast<int>(lote.size());
            a.textoNuevos = QString::number(a.nuevos) +
                        (a.nuevos == 1 ? QStringLiteral(" sorteo") : QStringLiteral(" sorteos"));
        }
        a.anadir.assign(lote.rbegin(), lote.rend());
        a.finfichero = e.finfichero();
        if (a.nuevos == 0) {
            a.resultado = Analisis::Resultado::NingunoNuevo;
            a.nuevos = 1;
        } else {
            a.resultado = Analisis::Resultado::Nuevos;
        }
        return a;
    } catch (const PaginaInvalida&) {
        a.anadir.clear();
        a.finfichero = e.finfichero();
        if (a.nuevos == 0 && !errorConexion)
            a.resultado = Analisis::Resultado::DatosCorruptos;
        else if (errorConexion)
            a.resultado = Analisis::Resultado::Conexion;
        else
            a.resultado = Analisis::Resultado::SinDatos;
        return a;
    }
}

Aviso aviso(Analisis::Resultado resultado, int anio, QDate falta)
{
    switch (resultado) {
    case Analisis::Resultado::Nuevos:
        return {};
    case Analisis::Resultado::NingunoNuevo:
        return {QStringLiteral("Pruebe más tarde"), QStringLiteral("Todavía no hay sorteos nuevos.")};
    case Analisis::Resultado::DatosCorruptos:
        return {QStringLiteral("Error crítico"),
                QStringLiteral("¡¡Datos corruptos o inválidos!! Si se repite en otros momentos este "
                               "mismo error, posiblemente se ha de actualizar el programa. Pruebe "
                               "más tarde.")};
    case Analisis::Resultado::Conexion:
        return {QStringLiteral("Error de conexión"),
                QStringLiteral("No conectado: Compruebe la conexión a internet. Si es correcta, "
                               "pruebe más tarde ya que no es posible conectar con el servidor de "
                               "ONLAE.")};
    case Analisis::Resultado::SinDatos:
        return {QStringLiteral("Pruebe mas tarde"),
                QStringLiteral("Aun no hay datos de sorteos del %1.").arg(anio)};
    case Analisis::Resultado::Ilegible:
        return {QStringLiteral("Error de conexión"),
                QStringLiteral("No se han podido leer los resultados: lo recibido no es la página de "
                               "resultados. Pruebe más tarde.")};
    case Analisis::Resultado::Escritura:
        return {QStringLiteral("Error"), QStringLiteral("No se pudo guardar el histórico.")};
    case Analisis::Resultado::Hueco:
        return {QStringLiteral("Faltan sorteos"),
                QStringLiteral("Falta el sorteo del %1 y no se ha encontrado en internet, así que no se "
                               "añaden los posteriores (sus premios no se contarían). Añádalo con «Añadir "
                               "sorteo...» o «Importar sorteos de un CSV...» del menú General y vuelva a "
                               "bajar los sorteos.")
                    .arg(fechas::fechacorta(falta))};
    }
    return {};
}

QString avisoInterpretacion(const QString& correo)
{
    return QStringLiteral("\nERROR DE INTERPRETACIÓN DE DATOS:\nSi más tarde se conecta y le vuelve "
                          "a suceder envie un email a: ") +
           correo;
}

} // namespace bolvera

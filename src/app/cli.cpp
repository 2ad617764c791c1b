// bolvera-cli: the program's core from a terminal, one subcommand per view.
#include "app/opciones.h"
#include "checking/categorias.h"
#include "checking/comprobacion.h"
#include "checking/desglose.h"
#include "checking/formas.h"
#include "checking/totales.h"
#include "checking/vistapena.h"
#include "platform/reloj.h"
#include "store/cargasorteos.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"
#include "store/historia.h"
#include "store/listasorteos.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <optional>

namespace {

const QString uso = QStringLiteral(
    "Uso: bolvera-cli ORDEN [--dir DIR] [--hoy AAAA-MM-DD] [--json]\n"
    "  estado                                el bloque de estado\n"
    "  comprobar N [--historico] [--solo-premio]  comprueba los N últimos sorteos\n"
    "  penas                                 la lista de peñas y sus totales\n"
    "  pena R                                la peña número R\n"
    "  desglose TIPO H K                     premios de una apuesta múltiple\n"
    "  sorteos                               la lista de sorteos\n"
    "  frecuencias                           veces que ha salido cada número y estrella\n"
    "  importar FICHERO                      sustituye los sorteos por los de FICHERO");

const QString noValido = QStringLiteral(
    "Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para Bolvera.");
const QString danado = QStringLiteral(
    "Archivo de números ganadores no válido. ¡Se perderán los sorteos grabados!.");

struct Contexto
{
    QString ruta;
    QDate hoy;
    bool json = false;
    bool historico = false;
    bool soloPremio = false;
    QStringList argumentos; // after the subcommand
};

int falla(const QString& mensaje)
{
    QTextStream(stderr) << mensaje << '\n';
    return 1;
}

void imprime(const QJsonObject& objeto)
{
    QTextStream(stdout) << QJsonDocument(objeto).toJson(QJsonDocument::Compact) << '\n';
}

std::optional<int> entero(const QString& texto)
{
    bool ok = false;
    const int valor = texto.toInt(&ok);
    return ok ? std::optional<int>(valor) : std::nullopt;
}

std::vector<RegSorteo> sorteos(const Contexto& c)
{
    return ficheroregistros::leeTodos<RegSorteo>(c.ruta + ficheros::numeros);
}

std::vector<RegPena> penas(const Contexto& c)
{
    return ficheroregistros::leeTodos<RegPena>(c.ruta + ficheros::apuestas);
}

int estado(const Contexto& c)
{
    const EstadoSorteos e = cargasorteos(sorteos(c), penas(c), c.hoy);
    if (c.json) {
        imprime({{QStringLiteral("penas"), e.penas},
                 {QStringLiteral("ultima"), e.ultima},
                 {QStringLiteral("proximo"), e.proximo},
                 {QStringLiteral("aviso"), e.aviso},
                 {QStringLiteral("sorteosjugados"), e.sorteosjugados},
                 {QStringLiteral("proxsorteo"), e.proxsorteo},
                 {QStringLiteral("proxpena"), e.proxpena}});
        return 0;
    }
    QTextStream(stdout) << "Peñas: " << e.penas << '\n'
                        << "Última actualización de números ganadores: " << e.ultima << '\n'
                        << "Próximo sorteo: " << e.proximo << '\n'
                        << "Aviso: " << e.aviso << '\n'
                        << "Sorteos jugados: " << e.sorteosjugados << '\n'
                        << "proxsorteo: " << e.proxsorteo << '\n'
                        << "proxpena: " << e.proxpena << '\n';
    return 0;
}

QJsonArray filasJson(Lista lista, const std::vector<Fila>& filas, const Instantanea& datos)
{
    QJsonArray resultado;
    for (const Fila& f : filas) {
        QJsonArray fila;
        for (int col = 1; col < columnas(lista); ++col) {
            const Celda celdaFila = celda(lista, f, col, datos);
            QJsonObject o{{QStringLiteral("t"), celdaFila.texto}};
            if (celdaFila.conColor)
                o[QStringLiteral("c")] = QStringLiteral("#%1").arg(celdaFila.color, 6, 16, QChar(u'0'));
            if (celdaFila.negrita)
                o[QStringLiteral("b")] = true;
            fila.append(o);
        }
        resultado.append(fila);
    }
    return resultado;
}

void imprimeLista(QTextStream& salida, const QString& titulo, Lista lista,
                  const std::vector<Fila>& filas, const Instantanea& datos)
{
    salida << titulo << '\n';
    for (const Fila& f : filas) {
        QStringList celdas;
        for (int col = 1; col < columnas(lista); ++col)
            celdas << celda(lista, f, col, datos).texto;
        while (!celdas.isEmpty() && celdas.back().isEmpty())
            celdas.removeLast();
        salida << celdas.join(u'\t') << '\n';
    }
}

int comprobar(const Contexto& c)
{
    const auto n = c.argumentos.isEmpty() ? std::nullopt : entero(c.argumentos.front());
    if (!n || *n < 0)
        return falla(QStringLiteral("Indique cuántos sorteos comprobar: comprobar N"));
    const int total = static_cast<int>(sorteos(c).size());
    if (*n > total)
        return falla(QStringLiteral("Sólo hay %1 sorteos guardados.").arg(total));

    Parpadeo parpadeo;
    const Comprobacion r = comprueba(c.ruta, *n, {c.historico, c.soloPremio, false}, parpadeo);
    if (r.error != 0)
        return falla(QStringLiteral("No se pudieron guardar los aciertos de las peñas. Error %1").arg(r.error));
    if (c.json) {
        imprime({{QStringLiteral("sencillas"), filasJson(Lista::Sencillas, r.sencillas.filas, *r.datos)},
                 {QStringLiteral("multiples"), filasJson(Lista::Multiples, r.multiples.filas, *r.datos)}});
        return 0;
    }
    QTextStream salida(stdout);
    imprimeLista(salida, QStringLiteral("S E N C I L L A"), Lista::Sencillas, r.sencillas.filas, *r.datos);
    imprimeLista(salida, QStringLiteral("M Ú L T I P L E"), Lista::Multiples, r.multiples.filas, *r.datos);
    return 0;
}

int listaPenas(const Contexto& c)
{
    const auto todas = penas(c);
    const int jugados = cuentaSorteosJugados(sorteos(c), todas);
    const Totales t = cargapenas(todas, jugados);
    if (c.json) {
        QJsonArray filas;
        for (const QStringList& fila : t.filas)
            filas.append(QJsonArray::fromStringList(fila));
        imprime({{QStringLiteral("penas"), filas},
                 {QStringLiteral("premios"), t.premios},
                 {QStringLiteral("efectividad"), t.efectividad},
                 {QStringLiteral("sorteos"), t.sorteos}});
        return 0;
    }
    QTextStream salida(stdout);
    for (const QStringList& fila : t.filas)
        salida << fila.join(QStringLiteral(" | ")) << '\n';
    salida << "Premios: " << t.premios << '\n' << t.efectividad << '\n' << t.sorteos << '\n';
    return 0;
}

int unaPena(const Contexto& c)
{
    const auto r = c.argumentos.isEmpty() ? std::nullopt : entero(c.argumentos.front());
    if (!r)
        return falla(QStringLiteral("Indique el número de la peña: pena R"));
    const auto v = verpena(penas(c), sorteos(c), *r);
    if (!v)
        return falla(QStringLiteral("Error crítico: fichero apuestas.dat corrupto."));
    QJsonArray aciertos;
    for (const QString& a : v->aciertos)
        aciertos.append(a);
    if (c.json) {
        imprime({{QStringLiteral("numeros"), QJsonArray::fromStringList(v->numeros)},
                 {QStringLiteral("estrellas"), QJsonArray::fromStringList(v->estrellas)},
                 {QStringLiteral("aciertos"), aciertos},
                 {QStringLiteral("jugados"), v->jugados},
                 {QStringLiteral("efectividad"), v->efectividad},
                 {QStringLiteral("grafico"), QJsonArray{v->sinPremio, v->conPremio}}});
        return 0;
    }
    QTextStream salida(stdout);
    for (qsizetype i = 0; i < v->numeros.size(); ++i)
        salida << v->numeros[i] << "   " << v->estrellas[i] << '\n';
    const QStringList etiquetas = {"2+0", "2+1", "1+2", "3+0", "3+1", "2+2", "3+2",
                                   "4+0", "4+1", "4+2", "5+0", "5+1", "5+2"};
    for (int k = 0; k < 13; ++k)
        salida << "-Aciertos de " << etiquetas[k] << ": " << v->aciertos[static_cast<std::size_t>(k)] << '\n';
    salida << "Sorteos participados: " << v->jugados << '\n' << "Efectividad: " << v->efectividad << '\n';
    return 0;
}

int unDesglose(const Contexto& c)
{
    if (c.argumentos.size() != 3)
        return falla(QStringLiteral("Uso: desglose TIPO H K"));
    const auto tipo = entero(c.argumentos[0]);
    const auto h = entero(c.argumentos[1]);
    const auto k = entero(c.argumentos[2]);
    if (!tipo || !h || !k || *h < 0 || *h > 5 || *k < 0 || *k > 2)
        return falla(QStringLiteral("TIPO, H (0-5) y K (0-2) son números."));
    const auto f = forma(*tipo);
    if (!f || !f->multiple)
        return 0; // not a multiple bet: no breakdown
    const Desglose desg = desglose(f->numeros, f->estrellas, *h, *k);
    QTextStream salida(stdout);
    for (int i = 1; i <= categorias::total; ++i)
        if (desg[i] != 0)
            salida << categorias::de(i).h << '+' << categorias::de(i).k << ": " << desg[i] << '\n';
    return 0;
}

int listaSorteos(const Contexto& c)
{
    const auto todos = sorteos(c);
    const listasorteos::Resultado r = listasorteos::calcula(todos);
    if (!r.valido)
        return falla(danado);
    QJsonArray filas;
    QTextStream salida(stdout);
    for (auto s = todos.rbegin(); s != todos.rend(); ++s) {
        const QStringList fila = {listasorteos::textoNumeros(*s), listasorteos::textoEstrellas(*s),
                                  listasorteos::textoFecha(*s)};
        if (c.json)
            filas.append(QJsonArray::fromStringList(fila));
        else
            salida << fila.join(QStringLiteral("   ")) << '\n';
    }
    if (c.json)
        imprime({{QStringLiteral("sorteos"), filas}, {QStringLiteral("total"), r.totalTexto}});
    else
        salida << r.totalTexto << '\n';
    return 0;
}

int frecuencias(const Contexto& c)
{
    const listasorteos::Resultado r = listasorteos::calcula(sorteos(c));
    if (!r.valido)
        return falla(danado);
    QJsonArray numeros;
    QJsonArray estrellas;
    for (const auto* t : {&r.tablanum1, &r.tablanum2})
        for (const auto& cuenta : t->cuentas)
            numeros.append(cuenta.value_or(0));
    for (const auto& cuenta : r.tablaest.cuentas)
        estrellas.append(cuenta.value_or(0));
    if (c.json) {
        imprime({{QStringLiteral("numeros"), numeros}, {QStringLiteral("estrellas"), estrellas}});
        return 0;
    }
    QTextStream salida(stdout);
    for (int i = 0; i < 50; ++i)
        salida << "Número " << i + 1 << ": " << numeros[i].toInt() << '\n';
    for (int i = 0; i < 12; ++i)
        salida << "Estrella " << i + 1 << ": " << estrellas[i].toInt() << '\n';
    return 0;
}

int importar(const Contexto& c)
{
    if (c.argumentos.size() != 1)
        return falla(QStringLiteral("Uso: importar FICHERO"));
    const historia::Importacion r = historia::importa(c.ruta, c.argumentos.front());
    switch (r.veredicto) {
    case historia::Veredicto::Importado:
        QTextStream(stdout) << "Archivo de sorteos importado con éxito\n";
        return 0;
    case historia::Veredicto::Rechazado:
        return falla(noValido);
    case historia::Veredicto::Error:
        break;
    }
    return falla(noValido + QStringLiteral(" Error %1").arg(r.error));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bolvera-cli"));

    QCommandLineParser opciones;
    opciones.setApplicationDescription(uso);
    opciones.addHelpOption();
    opciones.addPositionalArgument(QStringLiteral("orden"), QStringLiteral("estado, comprobar, penas, pena, desglose"));
    const QCommandLineOption dir(QStringLiteral("dir"), QStringLiteral("Directorio de datos."), QStringLiteral("DIR"));
    const QCommandLineOption hoy(QStringLiteral("hoy"), QStringLiteral("Fecha de hoy (AAAA-MM-DD)."),
                                 QStringLiteral("AAAA-MM-DD"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Salida en JSON."));
    const QCommandLineOption historico(QStringLiteral("historico"), QStringLiteral("Con sorteos anteriores a la creación."));
    const QCommandLineOption soloPremio(QStringLiteral("solo-premio"), QStringLiteral("Sólo filas con premio."));
    opciones.addOptions({dir, hoy, json, historico, soloPremio});
    opciones.process(app);

    QStringList argumentos = opciones.positionalArguments();
    if (argumentos.isEmpty())
        return falla(uso);
    const QString orden = argumentos.takeFirst();

    const DirectorioDatos datos = directorioDatos(opciones.value(dir), QCoreApplication::applicationDirPath());
    if (!datos.error.isEmpty())
        return falla(datos.error);

    Contexto c;
    c.ruta = datos.ruta;
    c.hoy = RelojSistema().hoy();
    if (opciones.isSet(hoy)) {
        c.hoy = QDate::fromString(opciones.value(hoy), Qt::ISODate);
        if (!c.hoy.isValid())
            return falla(QStringLiteral("Fecha no válida: %1").arg(opciones.value(hoy)));
    }
    c.json = opciones.isSet(json);
    c.historico = opciones.isSet(historico);
    c.soloPremio = opciones.isSet(soloPremio);
    c.argumentos = argumentos;

    if (orden == u"estado")
        return estado(c);
    if (orden == u"comprobar")
        return comprobar(c);
    if (orden == u"penas")
        return listaPenas(c);
    if (orden == u"pena")
        return unaPena(c);
    if (orden == u"desglose")
        return unDesglose(c);
    if (orden == u"sorteos")
        return listaSorteos(c);
    if (orden == u"frecuencias")
        return frecuencias(c);
    if (orden == u"importar")
        return importar(c);
    return falla(uso);
}

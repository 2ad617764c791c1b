// bolvera-cli: the draws and the prize report of a results page saved to disk.
#include "app/ordenes.h"
#include "core/store/texto1252.h"
#include "core/update/analiza.h"
#include "core/update/informe.h"
#include "core/update/nuevos.h"

#include <QJsonArray>
#include <QTextStream>

namespace bolvera {

namespace ordenes {

int analizar(const Contexto& c)
{
    QByteArray pagina;
    if (const auto estado = leeFicheroArgumento(c, QStringLiteral("Uso: analizar FICHERO"), pagina))
        return *estado;
    const Analisis a = anadeNuevos(c.ruta, texto1252::decodifica(pagina), {}, c.hoy);
    if (a.resultado == Analisis::Resultado::Escritura)
        return fallaEscritura(QStringLiteral("No se pudo guardar el histórico."), a.error);
    if (a.resultado == Analisis::Resultado::Nuevos)
        if (const int estado = cuentaPremios(c))
            return estado;
    imprimeSorteos(a.anadir);
    QTextStream salida(stdout);
    salida << "rutasorteo: " << paraTerminal(a.rutasorteo) << '\n' << "Label19: " << paraTerminal(a.textoNuevos) << '\n';
    const Aviso av = aviso(a.resultado, c.hoy.year(), a.falta);
    if (av.texto.isEmpty())
        return 0;
    const bool bien = a.resultado == Analisis::Resultado::NingunoNuevo;
    QTextStream(bien ? stdout : stderr) << av.titulo << ": " << av.texto << '\n';
    return bien ? 0 : 1;
}

int informe(const Contexto& c)
{
    QByteArray pagina;
    if (const auto estado = leeFicheroArgumento(c, QStringLiteral("Uso: informe FICHERO"), pagina))
        return *estado;
    const Informe i = leeInforme(texto1252::decodifica(pagina));
    if (c.json) {
        QJsonArray premios;
        for (const QString& p : i.premios)
            premios.append(p);
        imprime({{QStringLiteral("premios"), premios}, {QStringLiteral("pdf"), i.urlpdf}});
        return 0;
    }
    QTextStream salida(stdout);
    for (int k = 0; k < 13; ++k)
        salida << k + 1 << "ª: " << paraTerminal(i.premios[static_cast<std::size_t>(k)]) << '\n';
    salida << "PDF: " << paraTerminal(i.urlpdf) << '\n';
    return 0;
}

} // namespace ordenes

} // namespace bolvera

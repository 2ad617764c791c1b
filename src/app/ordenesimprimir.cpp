// bolvera-cli: what is printed: a peña's tickets into a PDF, as the print
// window prints them, and the summary for its members, as PDF or text.
#include "app/ordenes.h"
#include "core/checking/formas.h"
#include "core/checking/resumen.h"
#include "gui/print/resumenpdf.h"
#include "core/store/ajustes.h"
#include "core/store/fechas.h"
#include "core/store/premios.h"
#include "gui/print/pintor.h"
#include "core/print/trabajo.h"
#include "core/store/ficheros.h"
#include "core/store/numsini.h"
#include "core/store/reescritura.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace bolvera {

namespace ordenes {

int imprimir(const Contexto& c)
{
    const QString destino = c.valor("pdf");
    const QString papel = c.valor("papel", QStringLiteral("oficial"));
    const QString dosSemanas = c.valor("dos-semanas", QStringLiteral("no"));
    const auto r = c.argumentos.isEmpty() ? std::nullopt : entero(c.argumentos.front());
    if (!r || destino.isEmpty())
        return fallaUso(QStringLiteral("Uso: imprimir R --papel oficial|normal --pdf FICHERO [--dos-semanas si|no]"));
    if (papel != u"oficial" && papel != u"normal")
        return fallaUso(QStringLiteral("El papel ha de ser oficial o normal."));
    if (dosSemanas != u"si" && dosSemanas != u"no")
        return fallaUso(QStringLiteral("--dos-semanas es si o no."));
    if (const auto motivo = ficheros::motivoSalida(c.ruta, destino))
        return falla(*motivo);
    const auto todas = penas(c);
    if (*r < 1 || *r > static_cast<int>(todas.size()))
        return falla(QStringLiteral("No existe la peña número %1.").arg(*r));
    const RegPena& pena = todas[static_cast<std::size_t>(*r - 1)];
    if (!formaValida(pena))
        return falla(QStringLiteral("Error crítico: fichero apuestas.dat corrupto."));

    const numsini::Calibracion cal = numsini::lee(c.ruta + ficheros::numsIni);
    const auto trabajo = trabajoImpresion(pena, papel == u"oficial" ? Papel::Oficial : Papel::Normal,
                                          cal.x, cal.y, [&] { return dosSemanas == u"si"; });
    const QByteArray pdf = pdfDe(trabajo);
    if (pdf.isEmpty())
        return falla(QStringLiteral("No se pudo escribir %1.").arg(destino));
    if (const int error = reescribe(destino, pdf))
        return fallaEscritura(QStringLiteral("No se pudo escribir %1.").arg(destino), error);
    QTextStream(stdout) << boletosNecesarios(pena) << " boletos en " << destino << '\n';
    return 0;
}

int resumen(const Contexto& c)
{
    const QString destino = c.valor("pdf");
    int estado = 0;
    const auto e = eligePena(c, estado);
    if (!e)
        return estado;
    if (!destino.isEmpty())
        if (const auto motivo = ficheros::motivoSalida(c.ruta, destino))
            return falla(*motivo);
    // By default the period starts where the last summary handed out ended.
    const QDate desde = c.fecha("desde").isValid() ? c.fecha("desde") : socios::siguienteResumen(e->grupos, e->clave);
    const auto dia = [](QDate d) { return d.isValid() ? fechas::diaNumero(d) : 0.0; };
    const Resumen r = bolvera::resumen(e->pena, sorteos(c), premios::lee(c.ruta).porFecha, ajustes::precioApuesta(c.ruta),
                                       socios::de(e->grupos, e->clave), dia(desde), dia(c.fecha("hasta")));
    if (!destino.isEmpty()) {
        if (const int error = reescribe(destino, resumenPdf(r)))
            return fallaEscritura(QStringLiteral("No se pudo escribir %1.").arg(destino), error);
        if (!c.tiene("texto")) {
            QTextStream(stdout) << "Resumen de la peña en " << destino << '\n';
            return 0;
        }
    }
    const QString texto = resumenTexto(r);
    if (c.json) {
        imprime({{QStringLiteral("texto"), texto}});
        return 0;
    }
    // Line by line: the lines stay lines, control bytes inside them are shown escaped.
    QStringList lineas = texto.split(u'\n');
    if (!lineas.isEmpty() && lineas.back().isEmpty())
        lineas.removeLast();
    QTextStream salida(stdout);
    for (const QString& linea : lineas)
        salida << paraTerminal(linea) << '\n';
    return 0;
}

} // namespace ordenes

} // namespace bolvera

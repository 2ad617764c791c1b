// bolvera-cli: a new peña, through the editor's checks and the same append.
#include "app/ordenes.h"
#include "core/create/editorpena.h"
#include "core/store/errores.h"
#include "core/store/estado.h"
#include "core/store/fechas.h"
#include "core/store/listado.h"
#include "core/store/penas.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>

namespace bolvera {

namespace ordenes {


namespace {

using Apuestas = std::vector<std::pair<std::vector<int>, std::vector<int>>>;

// The day, the name and the bets of the line; a status when one is wrong.
std::optional<int> leeNuevaPena(const Contexto& c, Apuestas& apuestas, int& tipo)
{
    const QString dia = c.valor("dia", QStringLiteral("Todos"));
    const QString nombre = c.valor("nombre");
    if (dia != u"Martes" && dia != u"Viernes" && dia != u"Todos")
        return fallaUso(QStringLiteral("El día ha de ser Martes, Viernes o Todos."));
    if (nombre.trimmed().isEmpty())
        return falla(QStringLiteral("¡¡¡No ha escrito el nombre de la peña!!!"));
    if (EditorPena::filtraNombre(nombre) != nombre.toUpper())
        return falla(QStringLiteral("El nombre lleva caracteres que no se pueden guardar."));
    if (nombre.toUpper().size() > RegPena::largoNombre)
        return falla(QStringLiteral("¡¡¡El nombre no puede tener más de 20 letras!!!"));
    for (const QString& texto : c.argumentos) {
        const auto apuesta = leeApuesta(texto);
        if (!apuesta)
            return falla(QStringLiteral("Apuesta no válida: \"%1\" (escriba \"1 2 3 4 5 + 1 2\").").arg(texto));
        apuestas.push_back(*apuesta);
    }
    if (const auto error = compruebaApuestas(apuestas, tipo))
        return falla(*error);
    return std::nullopt;
}

} // namespace

std::optional<int> validaNuevaPena(const Contexto& c)
{
    Apuestas apuestas;
    int tipo = 0;
    return leeNuevaPena(c, apuestas, tipo);
}

int nuevaPena(const Contexto& c)
{
    Apuestas apuestas;
    int tipo = 0;
    if (const auto estado = leeNuevaPena(c, apuestas, tipo))
        return *estado;

    // The editor's own checks, then its record.
    EditorPena editor(tipo > 100 ? tipo : 0);
    editor.ponNombre(c.valor("nombre"));
    for (const auto& [numeros, estrellas] : apuestas)
        editor.marcaApuesta(numeros, estrellas);
    const auto todas = penas(c);
    const auto historia = sorteos(c);
    if (!listado::calcula(historia).valido)
        return fallaHistoriaDanada();
    const EditorPena::Grabacion g =
        editor.grabar(todas.empty() ? 0 : todas.front().creacion,
                      historia.empty() ? 0 : historia.back().fecha, fechas::diaNumero(c.hoy), c.valor("dia", QStringLiteral("Todos")));
    if (g.mensaje)
        return falla(g.mensaje->texto);

    Estado estado;
    estado.ruta = c.ruta;
    estado.proxpena = todas.empty() ? 0 : static_cast<int>(todas.size()) + 1;
    if (const int error = anadePena(estado, g.registro, c.hoy))
        return fallaEscritura(QStringLiteral("No se pudo grabar la peña."), error);
    QTextStream(stdout) << "Peña " << editor.nombre() << " grabada con el número " << estado.proxpena - 1 << ".\n";
    return 0;
}

} // namespace ordenes

} // namespace bolvera

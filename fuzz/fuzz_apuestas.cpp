// The bets typed for bolvera-cli nueva-pena, and the editor they feed.
#include "create/editorpena.h"

#include <QString>
#include <QStringList>
#include <QStringTokenizer>

#include <cstdint>

using namespace bolvera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo)
{
    const QString texto = QString::fromUtf8(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
    std::vector<std::pair<std::vector<int>, std::vector<int>>> apuestas;
    for (const QStringView linea : QStringTokenizer(texto, u'\n')) {
        if (const auto a = leeApuesta(linea))
            apuestas.push_back(*a);
        // One more than a peña may have is already refused: the rest adds nothing.
        if (apuestas.size() > 24)
            break;
    }
    int tipo = 0;
    if (compruebaApuestas(apuestas, tipo))
        return 0;
    EditorPena editor(tipo > 100 ? tipo : 0);
    editor.ponNombre(texto.left(30));
    for (const auto& [numeros, estrellas] : apuestas)
        editor.marcaApuesta(numeros, estrellas);
    editor.colorea();
    editor.grabar(0, 0, 1, QStringLiteral("Todos"));
    editor.borra();
    return 0;
}

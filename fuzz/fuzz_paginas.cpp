// Downloaded pages as any bytes: the results parser against a history, the
// scanners themselves, and the prize report.
#include "store/binario.h"
#include "store/texto1252.h"
#include "update/analiza.h"
#include "update/escaner.h"
#include "update/informe.h"

#include <cstdint>

using namespace bolvera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo)
{
    if (largo < 9)
        return 0;
    // The first eight bytes: the newest stored draw's date; the ninth, how the
    // update reached the page (one reading a run: the fuzzer finds both).
    const double ultima = binario::leeDoble(reinterpret_cast<const char*>(datos));
    const bool conexion = datos[8] & 1;
    const QString pagina = texto1252::decodifica(
        QByteArrayView(reinterpret_cast<const char*>(datos) + 9, static_cast<qsizetype>(largo - 9)));
    analiza(pagina, ultima, conexion ? QStringLiteral("2026/X") : QString(), conexion);
    leeInforme(pagina);
    Escaner e(pagina);
    e.busca(QStringLiteral("<li> "), QStringLiteral("<"));
    e.busca2(QStringLiteral("\""), QStringLiteral(".pdf"));
    return 0;
}

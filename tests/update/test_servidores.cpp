#include "platform/redqt.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"
#include "support/datos.h"
#include "support/paginas.h"
#include "support/pantalla.h"
#include "support/servidor.h"
#include "update/actualizacion.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString noConectado = QStringLiteral("Error de conexión | No conectado: Compruebe la conexión a internet...");
const QString noOnlae = QStringLiteral(
    "Error de conexión | No conectado: Compruebe la conexión a internet. Si es correcta, pruebe más tarde ya "
    "que no es posible conectar con el servidor de ONLAE.");
const QString corruptos = QStringLiteral(
    "Error crítico | ¡¡Datos corruptos o inválidos!! Si se repite en otros momentos este mismo error, "
    "posiblemente se ha de actualizar el programa. Pruebe más tarde.");
const QString nadaNuevo = QStringLiteral("Pruebe más tarde | Todavía no hay sorteos nuevos.");

// Every way a server can fail: each ends with the right message and leaves
// the user's files as they were.
TEST(ServidoresHostiles, eachEndsInItsMessageAndTouchesNoFile)
{
    QByteArray basura(50 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < basura.size(); ++i)
        basura[i] = static_cast<char>((i * 7919) % 251);
    QByteArray marcas = "<html>";
    for (int i = 0; i < 5000; ++i)
        marcas += "celebrado del x; <br>";
    marcas += QByteArray(4000, ' ') + "<!-- while -->";
    QByteArray utf8Roto = "<html>\xff\xfe\xc3(\x80\x80 do del \xe2\x28\xa1; 4 de \xf0\x28\x8c\xbc de 2026<" +
                          QByteArray(5000, '\xff') + "<!-- while -->";

    struct Caso
    {
        const char* que;
        ServidorPrueba::Respuesta respuesta;
        QString mensaje;
    };
    const Caso casos[] = {
        {"no answer", {200, {}, {}, true, false}, noOnlae},
        {"301 to another host", {301, {}, "https://otro.example/buscador", false, false}, noConectado},
        {"404", {404, "<html>no</html>", {}, false, false}, noConectado},
        {"500", {500, "<html>error interno del servidor</html>", {}, false, false}, noConectado},
        {"an HTML error page", {200, "<html><body>" + QByteArray(5000, 'e') + "</body></html>", {}, false, false}, corruptos},
        {"an empty body", {200, {}, {}, false, false}, noOnlae},
        {"a truncated body", {200, QByteArray(300, 'a'), {}, false, true}, noConectado},
        {"50 MiB of garbage", {200, basura, {}, false, false}, noConectado},
        {"thousands of do del markers", {200, marcas, {}, false, false}, corruptos},
        {"invalid UTF-8", {200, utf8Roto, {}, false, false}, corruptos},
        {"a short page", {200, "<html>hola</html>", {}, false, false}, noOnlae},
        {"a page without draws", {200, "<html>" + QByteArray(2000, ' ') + "</html>", {}, false, false}, nadaNuevo},
    };
    for (const Caso& c : casos) {
        QTemporaryDir dir;
        const QString ruta = dir.path() + u'/';
        datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 11, 24}), datos::sorteo({2026, 11, 27})});
        datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("A", "Todos", {2020, 1, 1})});
        datos::escribeBytes(dir.filePath("www.txt"), "\"anterior\"\r\n");
        datos::escribeBytes(dir.filePath("www2.txt"), "\"anterior\"\r\n");
        datos::escribeBytes(dir.filePath("ovk.pdf"), "%PDF anterior");
        datos::escribeBytes(dir.filePath("informe.dat"), "noticias anteriores");
        QMap<QString, QByteArray> antes;
        for (const char* f : {"numeros.dat", "apuestas.dat", "www.txt", "www2.txt", "ovk.pdf", "informe.dat"})
            antes[QString::fromLatin1(f)] = datos::leeBytes(dir.filePath(f));
        if (c.mensaje == nadaNuevo)
            antes.remove(QStringLiteral("www.txt")); // a page read without news is kept

        ServidorPrueba servidor;
        servidor.pon("/es/buscador", c.respuesta);
        qputenv("BOLVERA_OPERADOR_URL", servidor.url().toUtf8());
        RedQt red(10000);
        QTimer timer;
        timer.setInterval(400); // the fifth tick, 2 s: long after any answer that comes
        PantallaGrabada pantalla;
        Actualizacion a(red, pantalla, ruta, &timer);
        a.empieza(QDate(2026, 12, 8), datos::sorteo({2026, 11, 27}).fecha);
        // The event loop keeps turning: the window would stay responsive.
        EXPECT_TRUE(QTest::qWaitFor([&] { return pantalla.terminadas > 0; }, 20000)) << c.que;
        qunsetenv("BOLVERA_OPERADOR_URL");

        ASSERT_FALSE(pantalla.mensajes.isEmpty()) << c.que;
        EXPECT_EQ(pantalla.mensajes.front(), c.mensaje) << c.que;
        for (auto it = antes.begin(); it != antes.end(); ++it) {
            EXPECT_EQ(datos::leeBytes(dir.filePath(it.key())), it.value()) << c.que << " " << qPrintable(it.key());
        }
    }
}

} // namespace

#include "core/platform/redqt.h"
#include "support/servidor.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace bolvera;

namespace {

struct Resultado
{
    Descarga::Fallo fallo = Descarga::Fallo::Cancelada;
    int estado = 0;
    QByteArray cuerpo;
    bool termino = false;
};

Resultado trae(RedQt& red, const QString& url)
{
    Resultado r;
    std::unique_ptr<Descarga> d(red.trae(QUrl(url)));
    QEventLoop bucle;
    QObject::connect(d.get(), &Descarga::terminada, &bucle,
                     [&](Descarga::Fallo f, int e, const QByteArray& c) {
                         r = {f, e, c, true};
                         bucle.quit();
                     });
    QTimer::singleShot(10000, &bucle, &QEventLoop::quit);
    bucle.exec();
    return r;
}

TEST(RedQt, answersAndFailures)
{
    ServidorPrueba servidor;
    servidor.pon("/bien", {200, "hola", {}, false, false});
    servidor.pon("/error", {500, "<html>fallo interno</html>", {}, false, false});
    servidor.pon("/grande", {200, QByteArray(3000, 'x'), {}, false, false});
    servidor.pon("/cortada", {200, "empieza", {}, false, true});
    servidor.pon("/nunca", {200, {}, {}, true, false});
    servidor.pon("/fuera", {301, {}, "https://otro.example/x", false, false});
    servidor.pon("/llano", {302, {}, (servidor.url() + "/bien").toLatin1(), false, false});
    servidor.pon("/vacia", {200, {}, {}, false, false});
    RedQt red(500, 2000);

    struct Caso
    {
        const char* ruta;
        Descarga::Fallo fallo;
        QByteArray cuerpo;
    };
    const Caso casos[] = {
        {"/bien", Descarga::Fallo::Ninguno, "hola"},
        {"/vacia", Descarga::Fallo::Ninguno, ""},
        {"/no-existe", Descarga::Fallo::Http, "no encontrado"},
        {"/error", Descarga::Fallo::Http, "<html>fallo interno</html>"},
        {"/grande", Descarga::Fallo::Demasiado, ""},
        {"/nunca", Descarga::Fallo::Tiempo, ""},
        {"/fuera", Descarga::Fallo::Redirigida, ""},
        {"/llano", Descarga::Fallo::Redirigida, ""}, // plain http, even on the same host
    };
    for (const Caso& c : casos) {
        const Resultado r = trae(red, servidor.url() + QString::fromLatin1(c.ruta));
        ASSERT_TRUE(r.termino) << c.ruta;
        EXPECT_EQ(r.fallo, c.fallo) << c.ruta;
        if (c.fallo == Descarga::Fallo::Ninguno || c.fallo == Descarga::Fallo::Http) {
            EXPECT_EQ(r.cuerpo, c.cuerpo) << c.ruta;
        }
    }
    // A body cut short is a failure, never a short success.
    EXPECT_EQ(trae(red, servidor.url() + "/cortada").fallo, Descarga::Fallo::Cortada);
}

TEST(RedQt, refusedConnection)
{
    quint16 puerto = 0;
    {
        QTcpServer libre;
        libre.listen(QHostAddress::LocalHost, 0);
        puerto = libre.serverPort();
    }
    RedQt red(2000);
    const Resultado r = trae(red, QStringLiteral("http://127.0.0.1:%1/x").arg(puerto));
    ASSERT_TRUE(r.termino);
    EXPECT_EQ(r.fallo, Descarga::Fallo::Conexion);
}

} // namespace

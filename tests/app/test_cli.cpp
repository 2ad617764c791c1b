#include "support/datos.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Salida
{
    int estado;
    QByteArray out;
    QByteArray err;
};

Salida ejecuta(const QStringList& argumentos)
{
    QProcess p;
    p.start(QStringLiteral(BOLVERA_CLI), argumentos);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

TEST(CliEstado, jsonHoldsExactlyTheStatusKeys)
{
    QTemporaryDir dir;
    datos::escribeSorteos(dir.filePath("numeros.dat"), datos::sorteosSeguidos(10, QDate(2026, 11, 13)));
    datos::escribePenas(dir.filePath("apuestas.dat"),
                        {datos::pena("UNO", "Martes", {2020, 1, 1}), datos::pena("DOS", "Martes", {2020, 1, 1})});
    const Salida s = ejecuta({"estado", "--dir", dir.path(), "--hoy", "2026-12-08", "--json"});
    ASSERT_EQ(s.estado, 0) << s.err.constData();
    const QJsonObject o = QJsonDocument::fromJson(s.out).object();
    EXPECT_EQ(o.keys(), (QStringList{"aviso", "penas", "proximo", "proxpena", "proxsorteo",
                                     "sorteosjugados", "ultima"}));
    EXPECT_EQ(o["penas"].toInt(), 2);
    EXPECT_EQ(o["ultima"].toString(), QStringLiteral("Viernes, 13 de noviembre del 2026"));
    EXPECT_EQ(o["proximo"].toString(), QStringLiteral("Martes, 8 de diciembre del 2026"));
    EXPECT_EQ(o["aviso"].toString(), QStringLiteral("Faltan 3 semanas por actualizar"));
    EXPECT_EQ(o["sorteosjugados"].toInt(), 5);
    EXPECT_EQ(o["proxsorteo"].toInt(), 11);
    EXPECT_EQ(o["proxpena"].toInt(), 3);
    // Read-only: nothing is created in the data directory.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(CliEstado, readableLinesAndAnEmptyDirectory)
{
    QTemporaryDir dir;
    const Salida s = ejecuta({"estado", "--dir", dir.path(), "--hoy", "2026-12-09"});
    ASSERT_EQ(s.estado, 0);
    const QString texto = QString::fromUtf8(s.out);
    EXPECT_TRUE(texto.contains(QStringLiteral("Fichero de datos vacío.")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Viernes, 11 de diciembre del 2026")));
    EXPECT_TRUE(texto.contains(QStringLiteral("No se ha actualizado nunca")));
}

TEST(CliEstado, errorsGoToStderrWithStatus1)
{
    QTemporaryDir dir;
    for (const QStringList& argumentos :
         {QStringList{"estado", "--dir", dir.filePath("no-existe")},
          QStringList{"estado", "--dir", dir.path(), "--hoy", "ayer"}, QStringList{"otra"}}) {
        const Salida s = ejecuta(argumentos);
        EXPECT_EQ(s.estado, 1) << qPrintable(argumentos.join(' '));
        EXPECT_FALSE(s.err.isEmpty());
        EXPECT_TRUE(s.out.isEmpty());
    }
}

} // namespace

#include "support/imprime.h"
#include "core/store/binario.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

TEST(RegSorteo, fieldsSitAtTheirOffsets)
{
    RegSorteo s;
    s.num = {3, 14, 25, 40, 47, 2, 11};
    s.fecha = 46363; // 7 December 2026
    const QByteArray b = s.aBytes();
    ASSERT_EQ(b.size(), 22);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(binario::leeEntero(b.constData() + 2 * i), s.num[i]) << "num " << i + 1;
    EXPECT_EQ(binario::leeDoble(b.constData() + 14), 46363.0);
    // Little-endian on disk: 3 is 03 00.
    EXPECT_EQ(b.left(2), QByteArray::fromHex("0300"));
    EXPECT_EQ(RegSorteo::desdeBytes(b), s);
}

TEST(RegPena, fieldsSitAtTheirOffsets)
{
    RegPena p;
    p.nombre = QStringLiteral("PEÑA ÑOÑO");
    p.dia = QStringLiteral("Viernes");
    for (int b = 0; b < 24; ++b) {
        for (int i = 0; i < 10; ++i)
            p.numeros[b][i] = static_cast<std::int16_t>(100 * b + i);
        for (int j = 0; j < 5; ++j)
            p.estrellas[b][j] = static_cast<std::int16_t>(-(100 * b + j));
    }
    for (int k = 0; k < 13; ++k)
        p.aciertos[k] = static_cast<std::int16_t>(1000 + k);
    p.tipo = 205;
    p.creacion = 46000.5;
    p.contado = 46363;

    const QByteArray bytes = p.aBytes();
    ASSERT_EQ(bytes.size(), 799);
    const char* d = bytes.constData();
    EXPECT_EQ(bytes.left(20), QByteArray("PE\xD1" "A \xD1O\xD1O           "));
    for (int b = 1; b <= 24; ++b) {
        for (int i = 1; i <= 10; ++i)
            EXPECT_EQ(binario::leeEntero(d + 20 + 20 * (b - 1) + 2 * (i - 1)), 100 * (b - 1) + i - 1);
        for (int j = 1; j <= 5; ++j)
            EXPECT_EQ(binario::leeEntero(d + 500 + 10 * (b - 1) + 2 * (j - 1)),
                      -(100 * (b - 1) + j - 1));
    }
    for (int k = 1; k <= 13; ++k)
        EXPECT_EQ(binario::leeEntero(d + 740 + 2 * (k - 1)), 1000 + k - 1);
    EXPECT_EQ(bytes.mid(766, 15), QByteArray("Viernes        "));
    EXPECT_EQ(binario::leeEntero(d + 781), 205);
    EXPECT_EQ(binario::leeDoble(d + 783), 46000.5);
    EXPECT_EQ(binario::leeDoble(d + 791), 46363.0);
    EXPECT_EQ(RegPena::desdeBytes(bytes).aBytes(), bytes);
}

TEST(RegPena, anyRecordReadsBackByteForByte)
{
    // Whatever another program left in a record (stale slots, odd bytes in the
    // names) must survive a read and a write unchanged.
    auto* azar = QRandomGenerator::global();
    for (int vuelta = 0; vuelta < 200; ++vuelta) {
        QByteArray bytes(RegPena::tamano, '\0');
        for (char& c : bytes)
            c = static_cast<char>(azar->bounded(256));
        EXPECT_EQ(RegPena::desdeBytes(bytes).aBytes(), bytes);
    }
}

TEST(RegPena, trimsOnlyBlanksForComparing)
{
    RegPena p;
    p.nombre = QStringLiteral("  LOS DE SIEMPRE    ");
    p.dia = QStringLiteral("Todos          ");
    EXPECT_EQ(p.nombreRecortado(), QStringLiteral("LOS DE SIEMPRE"));
    EXPECT_EQ(p.diaRecortado(), QStringLiteral("Todos"));
    p.dia = QStringLiteral("Todos\t");
    EXPECT_EQ(p.diaRecortado(), QStringLiteral("Todos\t"));
}

} // namespace

#include "support/imprime.h"
#include "core/store/texto1252.h"

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

TEST(Texto1252, spanishNameRoundTrips)
{
    const QByteArray bytes = texto1252::codifica(QStringLiteral("PEÑA ÑOÑO"), 20);
    EXPECT_EQ(bytes, QByteArray("PE\xD1" "A \xD1O\xD1O           "));
    EXPECT_EQ(texto1252::decodifica(bytes), QStringLiteral("PEÑA ÑOÑO           "));
}

TEST(Texto1252, fitsTheFieldWidth)
{
    struct Caso
    {
        QString texto;
        QByteArray esperado;
    };
    const Caso casos[] = {
        {QStringLiteral("ABCDEFGHIJKLMNOPQRST"), "ABCDEFGHIJKLMNOPQRST"},   // exactly 20
        {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVW"), "ABCDEFGHIJKLMNOPQRST"}, // cut
        {QStringLiteral("CORTO"), "CORTO               "},                   // padded
        {QString(), "                    "},
        {QStringLiteral("€ DE ORO ™"), "\x80 DE ORO \x99          "},
        {QStringLiteral("漢字"), "??                  "}, // no Windows-1252 byte
    };
    for (const Caso& c : casos)
        EXPECT_EQ(texto1252::codifica(c.texto, 20), c.esperado) << qPrintable(c.texto);
}

TEST(Texto1252, everyByteMapsToOneCharacterAndBack)
{
    QByteArray todos(256, '\0');
    for (int i = 0; i < 256; ++i)
        todos[i] = static_cast<char>(i);
    const QString texto = texto1252::decodifica(todos);
    ASSERT_EQ(texto.size(), 256);
    EXPECT_EQ(texto[0x80], QChar(0x20AC));
    EXPECT_EQ(texto[0xD1], QChar(u'Ñ'));
    EXPECT_EQ(texto1252::codifica(texto, 256), todos);
}

} // namespace

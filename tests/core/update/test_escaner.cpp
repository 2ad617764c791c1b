#include "support/imprime.h"
#include "core/update/escaner.h"

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

TEST(Busca, cutsBetweenMarkersWithoutCase)
{
    Escaner e(QStringLiteral("abc<LI> 12</li> xyz"));
    EXPECT_EQ(e.busca(QStringLiteral("<li> "), QStringLiteral("<")), QStringLiteral("12"));
    EXPECT_FALSE(e.finfichero());
    // The cursor stands one past the first character of the end marker.
    EXPECT_EQ(e.cursor(), 12);
}

TEST(Busca, endsOfThePage)
{
    struct Caso
    {
        const char* pagina;
        const char* empieza;
        const char* acaba;
        const char* texto;
        bool finfichero;
    };
    const Caso casos[] = {
        {"xxMARCA", "marca", "<", "", true},          // a marker ending the page is never found
        {"xxMARCAy", "marca", "<", "", false},         // found, but the page ends at once
        {"xxmarca12345", "MARCA", "<", "123", false},  // the page ends while collecting
        {"xxmarca12<45", "MARCA", "<", "12", false},
        {"", "a", "b", "", true},
        // Without case as Qt compares: "ſ" is an "s" and the Kelvin sign a "k";
        // a first letter that does not start the marker is passed over.
        {"xxmaſca12<45", "MASCA", "<", "12", false},
        {"xxKEY9<45", "key", "<", "9", false},
        {"xxMxmArca7<45", "marca", "<", "7", false},
        {"xxétÉ5<45", "ÉTé", "<", "5", false}, // a marker beyond ASCII
    };
    for (const Caso& c : casos) {
        Escaner e(QString::fromUtf8(c.pagina));
        EXPECT_EQ(e.busca(QString::fromUtf8(c.empieza), QString::fromUtf8(c.acaba)),
                  QString::fromUtf8(c.texto))
            << c.pagina;
        EXPECT_EQ(e.finfichero(), c.finfichero) << c.pagina;
    }
}

TEST(Busca2, endMarkerAsGivenOrUpperCaseAndEmptyAtTheEnd)
{
    Escaner e(QStringLiteral("href=\"/es/informe.PDF\" y href=\"/b.Pdf\""));
    EXPECT_EQ(e.busca2(QStringLiteral("\""), QStringLiteral(".pdf")), QStringLiteral("/es/informe"));
    // ".Pdf" is neither ".pdf" nor ".PDF": the page ends and the text is empty.
    EXPECT_EQ(e.busca2(QStringLiteral("\""), QStringLiteral(".pdf")), QString());

    Escaner sinInicio(QStringLiteral("nada por aquí"));
    sinInicio.busca(QStringLiteral("zzz"), QStringLiteral("a")); // sets finfichero
    EXPECT_TRUE(sinInicio.finfichero());
    Escaner otra(QStringLiteral("abc"));
    EXPECT_EQ(otra.busca2(QStringLiteral("zzz"), QStringLiteral("a")), QString());
    EXPECT_FALSE(otra.finfichero());
}

TEST(Raros, keepsOnlyTheVisibleAsciiRange)
{
    EXPECT_EQ(raros(QStringLiteral(" 1.234,56\u00A0\u20AC\t")), QStringLiteral("1.234,56"));
    EXPECT_EQ(raros(QStringLiteral("a{b}c|~z!")), QStringLiteral("abcz!"));
}

} // namespace

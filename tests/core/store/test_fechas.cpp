#include "support/imprime.h"
#include "core/store/fechas.h"

#include <limits>

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

TEST(Fechas, dayNumbersCountFromThe30thOfDecember1899)
{
    EXPECT_EQ(fechas::diaNumero(QDate(1899, 12, 31)), 1.0);
    EXPECT_EQ(fechas::diaNumero(QDate(2026, 12, 7)), 46363.0);
    EXPECT_EQ(fechas::fechaDeDia(46363), QDate(2026, 12, 7));
    EXPECT_EQ(fechas::fechaDeDia(46363.75), QDate(2026, 12, 7)); // a time of day
    EXPECT_EQ(fechas::diaNumero(QDate()), 0.0);
}

TEST(Fechas, weekdayNamesAreSpanishSundayFirst)
{
    // 6 December 2026 is a Sunday.
    const char* nombres[] = {"Domingo", "Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(fechas::diasemana(QDate(2026, 12, 6 + i)), QString::fromUtf8(nombres[i]));
}

TEST(Fechas, numbersThatNameNoDateGiveEmptyTexts)
{
    const double malos[] = {std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(), 1e300, -1e12};
    for (double d : malos) {
        EXPECT_FALSE(fechas::fechaDeDia(d).isValid()) << d;
        EXPECT_TRUE(fechas::diasemana(d).isEmpty()) << d;
        EXPECT_TRUE(fechas::fechalarga(d).isEmpty()) << d;
        EXPECT_TRUE(fechas::fechacorta(d).isEmpty()) << d;
    }
}

TEST(Fechas, longAndShortDatesAreSpanishWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(fechas::fechalarga(QDate(2026, 12, 7)), QStringLiteral("Lunes, 7 de diciembre del 2026"));
    EXPECT_EQ(fechas::fechalarga(QDate(2015, 11, 6)), QStringLiteral("Viernes, 6 de noviembre del 2015"));
    EXPECT_EQ(fechas::fechalarga(QDate(2026, 12, 8)), QStringLiteral("Martes, 8 de diciembre del 2026"));
    EXPECT_EQ(fechas::fechacorta(QDate(2026, 12, 7)), QStringLiteral("07/12/2026"));
    EXPECT_EQ(fechas::fechacorta(46363.0), QStringLiteral("07/12/2026"));
    QLocale::setDefault(QLocale::system());
}

} // namespace

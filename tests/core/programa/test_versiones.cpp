#include "support/imprime.h"
#include "core/programa/versiones.h"

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

TEST(VersionToName, namesKnownWindowsVersionsExactly)
{
    const std::pair<const char*, const char*> casos[] = {
        {"1.0.0", "Windows 95"},    {"1.1.0", "Windows 98"},      {"1.9.0", "Windows Millenium"},
        {"2.3.0", "Windows NT 3.51"}, {"2.4.0", "Windows NT 4.0"}, {"2.5.0", "Windows 2000"},
        {"2.5.1", "Windows XP"},    {"2.5.3", "Windows 2003"},    {"2.6.0", "Windows Vista"},
        {"2.6.1", "Windows 7"},     {"2.6.2", "Windows 8"},       {"2.10.0", "Windows 10"},
        // Anything else is its own name.
        {"2.6.3", "2.6.3"},         {"2.10.0 ", "2.10.0 "},       {"", ""},
        {"Debian GNU/Linux 12 (bookworm)", "Debian GNU/Linux 12 (bookworm)"},
    };
    for (const auto& [version, nombre] : casos)
        EXPECT_EQ(VersionToName(QString::fromLatin1(version)), QString::fromLatin1(nombre)) << version;
}

} // namespace

#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: the regions they try and a check that
// stops the run with the failing property and its values, so libFuzzer
// saves the input as a crash.
namespace tillora::fuzz {

inline const std::array<QLocale, 5>& regions()
{
    static const std::array<QLocale, 5> all{QLocale("en_GB"), QLocale("en_US"), QLocale("de_DE"),
                                            QLocale("fr_FR"), QLocale("de_CH")};
    return all;
}

[[noreturn]] inline void fail(const char* property, const QString& detail)
{
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n  %s\n", property, qPrintable(detail));
    std::abort();
}

inline void check(bool holds, const char* property, const QString& detail = {})
{
    if (!holds)
        fail(property, detail);
}

} // namespace tillora::fuzz

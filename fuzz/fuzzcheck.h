#pragma once

#include <QLocale>

#include <cstdio>
#include <cstdlib>

// The regions the fuzz targets try, and a check that stops the run with the
// failing property, so that libFuzzer keeps the input as a crash.
inline QLocale fuzzRegion(unsigned char pick)
{
    static const QLocale regions[] = {QLocale("en_GB"), QLocale("en_US"), QLocale("de_DE"), QLocale("fr_FR"), QLocale("de_CH")};
    return regions[pick % 5];
}

inline void check(bool holds, const char* property, const QString& detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n  %s\n", property, qPrintable(detail));
    std::abort();
}

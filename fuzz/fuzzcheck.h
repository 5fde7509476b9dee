// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

#include <cstdio>
#include <cstdlib>

// The six regions the targets try, one with digits of its own, and a check
// that stops the run with the failing property, so that libFuzzer keeps the
// input as a crash.
inline QLocale fuzzRegion(unsigned char pick)
{
    return QLocale(QStringList{"en_GB", "en_US", "de_DE", "fr_FR", "de_CH", "ar_EG"}[pick % 6]);
}

inline void check(bool holds, const char* property, const QString& detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n  %s\n", property, qPrintable(detail));
    std::abort();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Lenient reading of fuzzed text: never fails, never gives nan, and skips
// blanks, tabs and line feeds wherever they stand.
#include "app/numbers/conversions.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>

using namespace tillora;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = lenientNumber(text);
    check(!std::isnan(value), "lenient reading never gives nan", text);
    const double squeezed = lenientNumber(QString(text).remove(u' ').remove(u'\t').remove(u'\n'));
    check(squeezed == value && std::signbit(squeezed) == std::signbit(value),
          "blanks, tabs and line feeds do not change the reading", text.left(80));
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzed text read both ways, in the region the first byte picks. Leniently,
// the whole input: never fails, never gives nan, and skips blanks, tabs and
// line feeds wherever they stand. Strictly, the rest: a finite number, or the
// reason there is none; and the plain text written for what was read reads
// back to that same text.
#include "app/numbers/conversions.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>

using namespace tillora;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    if (size == 0)
        return 0;
    const QLocale region = fuzzRegion(data[0]);
    const QString all = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = lenientNumber(all, region);
    check(!std::isnan(value), "lenient reading never gives nan", all);
    const double squeezed = lenientNumber(QString(all).remove(u' ').remove(u'\t').remove(u'\n'), region);
    check(squeezed == value && std::signbit(squeezed) == std::signbit(value),
          "blanks, tabs and line feeds do not change the reading", all.left(80));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const Reading reading = strictNumber(text, region);
    if (reading.fault) {
        check(reading.value == 0, "a text that is not read gives no number", text);
        return 0;
    }
    check(std::isfinite(reading.value), "a number read strictly is finite", text);
    const QString written = numberToText(reading.value, region);
    // Only the largest doubles round up past the range at 15 digits, and do not read back.
    check(std::fabs(reading.value) > 1.79769313486231e308
              || numberToText(strictNumber(written, region).value, region) == written,
          "plain text reads back to itself", written);
    return 0;
}

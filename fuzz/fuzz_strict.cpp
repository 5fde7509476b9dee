// SPDX-License-Identifier: GPL-3.0-or-later
// Strict reading of fuzzed text in each region: a finite number, or a type
// mismatch or an overflow told in words, nothing else; and the plain text
// written for what was read reads back to that same text.
#include "app/core/conversions.h"
#include "app/core/runtimeerror.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>

using namespace tillora;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    if (size == 0)
        return 0;
    const QLocale region = fuzzRegion(data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    try {
        const double value = strictNumber(text, region);
        check(std::isfinite(value), "a number read strictly is finite", text);
        const QString written = numberToText(value, region);
        // Only the largest doubles round up past the range at 15 digits, and do not read back.
        check(std::fabs(value) > 1.79769313486231e308 || numberToText(strictNumber(written, region), region) == written,
              "plain text reads back to itself", written);
    } catch (const RuntimeError& error) {
        using enum RuntimeError::Kind;
        check((error.kind() == TypeMismatch || error.kind() == Overflow) && !error.message().isEmpty(),
              "strict reading raises only a type mismatch or an overflow, in words", error.message());
    }
    return 0;
}

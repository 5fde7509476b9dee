// Strict reading of fuzzed text in each region: it gives a finite number
// or raises a type mismatch or an overflow, nothing else; and the plain text
// the program writes for what it read reads back to that same text.
#include "app/conversions.h"
#include "app/runtimeerror.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace tillora;
using namespace tillora::fuzz;

namespace {

void checkPlainTextReadsBack(double value, const QLocale& region)
{
    const QString written = numberToText(value, region);
    try {
        const double again = strictNumber(written, region);
        check(numberToText(again, region) == written, "plain text reads back to itself",
              written + " -> " + numberToText(again, region));
    } catch (const RuntimeError& error) {
        // Only the largest doubles round up past the range at 15 digits.
        check(error.kind() == RuntimeError::Kind::Overflow && std::fabs(value) > 1.79769313486231e308,
              "plain text reads back strictly", written + ": " + error.message());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale& region = regions()[data[0] % regions().size()];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    double value = 0;
    try {
        value = strictNumber(text, region);
    } catch (const RuntimeError& error) {
        const bool expected = error.kind() == RuntimeError::Kind::TypeMismatch
            || error.kind() == RuntimeError::Kind::Overflow;
        check(expected && !error.message().isEmpty(),
              "strict reading raises only a type mismatch or an overflow, in words", error.message());
        return 0;
    }
    check(std::isfinite(value), "a number read strictly is finite", text);
    checkPlainTextReadsBack(value, region);
    return 0;
}

// Lenient reading of fuzzed text: never fails, never gives nan, skips
// blanks wherever they stand, and costs time in proportion to the text's
// length, however the text is made.
#include "app/conversions.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <ctime>

using namespace tillora;
using namespace tillora::fuzz;

namespace {

// CPU time of this thread, so that a busy machine does not fail the bound.
double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = lenientNumber(text);
    check(!std::isnan(value), "lenient reading never gives nan", text);

    QString squeezed = text;
    squeezed.remove(u' ').remove(u'\t').remove(u'\n');
    const double withoutBlanks = lenientNumber(squeezed);
    check(withoutBlanks == value && std::signbit(withoutBlanks) == std::signbit(value),
          "blanks, tabs and line feeds do not change the reading",
          QStringLiteral("%1 vs %2 for %3").arg(value).arg(withoutBlanks).arg(text.left(80)));

    // The input repeated to 32 Ki characters: a step that grows with the
    // length (re-scanning, copying per character) would cost seconds here,
    // while a linear reading costs well under a millisecond. The bound is
    // generous for the sanitizers and a shared CPU.
    if (text.isEmpty())
        return 0;
    const QString repeated = text.repeated(int((qsizetype(1) << 15) / text.size()) + 1);
    const double start = cpuSeconds();
    const double longValue = lenientNumber(repeated);
    const double spent = cpuSeconds() - start;
    check(!std::isnan(longValue), "lenient reading never gives nan", repeated.left(80));
    check(spent < 0.02 + 2e-6 * double(repeated.size()), "lenient reading is linear",
          QStringLiteral("%1 s for %2 characters of %3").arg(spent).arg(repeated.size()).arg(text.left(40)));
    return 0;
}

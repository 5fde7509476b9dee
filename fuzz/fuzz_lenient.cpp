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

// The input repeated to 32 Ki characters: a step that grows with the
// length (re-scanning, copying per character) would cost seconds here,
// while a linear reading costs well under a millisecond.
void checkLinear(const QString& text)
{
    constexpr qsizetype length = qsizetype(1) << 15;
    constexpr double secondsPerChar = 2e-6; // generous: sanitizers, a shared CPU
    if (text.isEmpty())
        return;
    QString repeated;
    repeated.reserve(length + text.size());
    while (repeated.size() < length)
        repeated += text;
    const double start = cpuSeconds();
    const double value = lenientNumber(repeated);
    const double spent = cpuSeconds() - start;
    check(!std::isnan(value), "lenient reading never gives nan");
    check(spent < 0.02 + secondsPerChar * double(repeated.size()), "lenient reading is linear",
          QStringLiteral("%1 s for %2 characters of %3").arg(spent).arg(repeated.size()).arg(text.left(40)));
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

    checkLinear(text);
    return 0;
}

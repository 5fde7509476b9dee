// SPDX-License-Identifier: GPL-3.0-or-later
// The number format and pounds on doubles from the input, in each region:
// never "nan", "inf" or a minus before a zero; the number reads back
// strictly to x rounded to the decimals asked for; pounds are the number
// and "£" once; only what cannot be written raises a floating-point fault.
#include "app/numbers/conversions.h"
#include "app/numbers/formats.h"
#include "app/numbers/runtimeerror.h"
#include "fuzz/fuzzcheck.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace tillora;

namespace {

// Infinity, nan and the few largest doubles, whose 15 digits round up past
// the range, cannot be written; the C library's rounding tells them.
bool writableByC(double x)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.14e", std::fabs(x));
    return std::isfinite(x) && (!std::strstr(digits, "e+308") || std::strcmp(digits, "1.79769313486232e+308") < 0);
}

// Option bits: decimals (7 for the default), no leading digit, parentheses
// for negatives, no grouping.
void checkValue(double x, unsigned char bits, const QLocale& region)
{
    const FormatOptions options{
        (bits & 7) == 7 ? std::nullopt : std::optional(bits & 7), bits & 8 ? std::optional(false) : std::nullopt,
        bits & 16 ? std::optional(true) : std::nullopt, bits & 32 ? std::optional(false) : std::nullopt};
    const QString detail = QStringLiteral("x=%1 options=%2").arg(x, 0, 'g', 17).arg(bits);
    try {
        const QString text = formatNumber(x, options, region), pounds = formatPounds(x, {}, region);
        check(writableByC(x) && tillora::writable(x), "what can be written is written", detail);
        for (const QString& written : {text, pounds}) {
            check(!written.contains(QLatin1String("nan"), Qt::CaseInsensitive)
                      && !written.contains(QLatin1String("inf"), Qt::CaseInsensitive),
                  "no nan or inf", written);
            const bool minus = written.contains(u'-') || written.contains(u'\u2212') || written.contains(u'(');
            check(!minus || std::any_of(written.begin(), written.end(), [](QChar c) { return c.digitValue() > 0; }),
                  "no minus before a zero", detail + " " + written);
        }
        // Rounding works on 15 significant digits, so allow their last one.
        const double bound = 0.5 * std::pow(10.0, -options.decimals.value_or(2)) * (1 + 1e-9) + std::fabs(x) * 6e-15;
        check(std::fabs(strictNumber(text, region).value - x) <= bound, "reads back to x rounded to the decimals",
              detail + " " + text);
        const QString number = formatNumber(x, {}, region);
        check(pounds.count(u'£') == 1 && QString(pounds).remove(u'£').trimmed() == number,
              "pounds are the number and £", pounds);
    } catch (const RuntimeError& error) {
        check(error.isFloatingPointFault() && !writableByC(x) && !tillora::writable(x),
              "only what cannot be written is a fault", detail);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    for (size_t at = 2; at + sizeof(double) <= std::min<size_t>(size, 2 + 16 * sizeof(double)); at += sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data + at, sizeof x);
        checkValue(x, data[1], fuzzRegion(data[0]));
    }
    return 0;
}

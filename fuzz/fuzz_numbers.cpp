// SPDX-License-Identifier: GPL-3.0-or-later
// Figures read and written in the region the first byte picks; a failing
// property stops the run, so that libFuzzer keeps the input as a crash.
//
// The input read as text, both ways. Leniently, the whole input: never
// fails, never gives nan, and skips blanks, tabs and line feeds wherever they
// stand. Strictly, the rest: a finite number, or the reason there is none;
// and the plain text written for what was read reads back to that same text.
//
// The input's doubles from its third byte written, the second byte picking
// the options: never "nan", "inf" or a minus before a zero; the number reads
// back strictly to x rounded to the decimals asked for; pounds are the number
// and "£" once; only what cannot be written raises a floating-point fault.
#include "app/numbers/conversions.h"
#include "app/numbers/formats.h"
#include "app/numbers/runtimeerror.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace tillora;

namespace {

void check(bool holds, const char* property, const QString& detail)
{
    if (holds)
        return;
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n  %s\n", property, qPrintable(detail));
    std::abort();
}

void checkReading(const QString& all, const QString& text, const QLocale& region)
{
    const double value = lenientNumber(all, region);
    check(!std::isnan(value), "lenient reading never gives nan", all);
    const double squeezed = lenientNumber(QString(all).remove(u' ').remove(u'\t').remove(u'\n'), region);
    check(squeezed == value && std::signbit(squeezed) == std::signbit(value),
          "blanks, tabs and line feeds do not change the reading", all.left(80));
    const Reading reading = strictNumber(text, region);
    if (reading.fault)
        return check(reading.value == 0, "a text that is not read gives no number", text);
    check(std::isfinite(reading.value), "a number read strictly is finite", text);
    const QString written = numberToText(reading.value, region);
    // Only the largest doubles round up past the range at 15 digits, and do not read back.
    check(std::fabs(reading.value) > 1.79769313486231e308
              || numberToText(strictNumber(written, region).value, region) == written,
          "plain text reads back to itself", written);
}

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
void checkWriting(double x, unsigned char bits, const QLocale& region)
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
    if (size == 0)
        return 0;
    const QLocale region(QStringList{"en_GB", "en_US", "de_DE", "fr_FR", "de_CH", "ar_EG"}[data[0] % 6]);
    const auto text = [&](size_t from) {
        return QString::fromUtf8(reinterpret_cast<const char*>(data + from), qsizetype(size - from));
    };
    checkReading(text(0), text(1), region);
    for (size_t at = 2; at + sizeof(double) <= std::min<size_t>(size, 2 + 16 * sizeof(double)); at += sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data + at, sizeof x);
        checkWriting(x, data[1], region);
    }
    return 0;
}

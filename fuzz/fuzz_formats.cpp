// The number and currency formats on doubles taken from the input, in each
// region: never "nan", "inf" or a minus sign before a zero; what they
// write reads back strictly to the value shown, which is x rounded to the
// decimals asked for, and writing that value again gives the same text.
#include "app/conversions.h"
#include "app/formats.h"
#include "app/runtimeerror.h"
#include "fuzz/fuzzcheck.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

using namespace tillora;
using namespace tillora::fuzz;

namespace {

struct Options {
    int decimals = -1;
    Tristate leading = Tristate::UseDefault;
    Tristate parentheses = Tristate::UseDefault;
    Tristate grouping = Tristate::UseDefault;

    explicit Options(std::uint8_t bits)
    {
        decimals = (bits & 7) == 7 ? -1 : bits & 7;
        if (bits & 8)
            leading = Tristate::False;
        if (bits & 16)
            parentheses = Tristate::True;
        if (bits & 32)
            grouping = Tristate::False;
    }
};

QString describe(double x, const QString& text)
{
    return QStringLiteral("x=%1 text=\"%2\"").arg(x, 0, 'g', 17).arg(text);
}

// The decimal value of a written number, read without the strict reader:
// digits, the region's decimal point, a sign or parentheses; separators
// and spaces are skipped, anything else is a fault of the writer.
double valueShown(double x, const QString& text, const QLocale& region)
{
    std::string ascii;
    bool negative = false;
    for (QChar c : text) {
        if (c.isDigit())
            ascii += char('0' + c.digitValue());
        else if (QString(c) == region.decimalPoint())
            ascii += '.';
        else if (c == u'-' || c == u'\u2212' || QString(c) == region.negativeSign() || c == u'(')
            negative = true;
        else if (!(c == u')' || c.isSpace() || QString(c) == region.groupSeparator()))
            fail("the number format writes only digits, signs and separators", describe(x, text));
    }
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    check(error == std::errc() && end == ascii.data() + ascii.size(), "the written number is one number",
          describe(x, text));
    return negative ? -value : value;
}

void checkNoFaultText(double x, const QString& text)
{
    const QString lower = text.toLower();
    check(!lower.contains(u"nan") && !lower.contains(u"inf"), "no nan or inf is written", describe(x, text));
    const bool signed_ = text.contains(u'-') || text.contains(u'\u2212') || text.contains(u'(');
    bool nonZero = false;
    for (QChar c : text)
        nonZero = nonZero || (c.isDigit() && c.digitValue() > 0);
    check(!signed_ || nonZero, "no minus sign before a zero", describe(x, text));
}

void checkNumber(double x, const Options& o, const QLocale& region)
{
    const QString text = formatNumber(x, o.decimals, o.leading, o.parentheses, o.grouping, region);
    checkNoFaultText(x, text);
    const double shown = valueShown(x, text, region);
    double read = 0;
    try {
        read = strictNumber(text, region);
    } catch (const RuntimeError& error) {
        fail("what the number format writes reads back strictly", describe(x, text) + " " + error.message());
    }
    check(read == shown, "reads back to the value shown", describe(x, text));
    const int decimals = o.decimals < 0 ? 2 : o.decimals;
    // Rounding works on 15 significant digits, so allow their last one.
    const double bound = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(x) * 6e-15;
    check(std::fabs(shown - x) <= bound, "the value shown is x rounded to the decimals", describe(x, text));
    const QString again = formatNumber(read, o.decimals, o.leading, o.parentheses, o.grouping, region);
    check(again == text, "the value shown is written the same again", describe(x, text) + " again " + again);
}

void checkCurrency(double x, const QLocale& region)
{
    const QString text = formatCurrency(x, -1, Tristate::True, Tristate::UseDefault, Tristate::UseDefault, region);
    checkNoFaultText(x, text);
    const QString symbol = region.currencySymbol();
    check(text.count(symbol) == 1, "the currency symbol is written once", describe(x, text));
    QString number = text;
    number.remove(symbol);
    const QString plain = formatNumber(x, 2, Tristate::True, Tristate::UseDefault, Tristate::UseDefault, region);
    check(number.trimmed() == plain, "the currency format is the number format and the symbol",
          describe(x, text) + " vs " + plain);
}

// Infinity, nan and the few largest doubles, whose 15 digits round up
// past the range, raise a floating-point fault instead of being written.
// The C library's own rounding tells them.
bool writable(double x)
{
    if (!std::isfinite(x))
        return false;
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.14e", std::fabs(x));
    const bool top = std::strstr(digits, "e+308") != nullptr;
    return !top || std::strcmp(digits, "1.79769313486232e+308") < 0;
}

void checkValue(double x, const Options& o, const QLocale& region)
{
    try {
        checkNumber(x, o, region);
        checkCurrency(x, region);
        check(writable(x), "only a number that can be written is written",
              describe(x, formatNumber(x, 2, Tristate::True, Tristate::UseDefault, Tristate::UseDefault, region)));
    } catch (const RuntimeError& error) {
        check(error.isFloatingPointFault() && !writable(x), "only what cannot be written is a fault",
              describe(x, error.message()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const QLocale& region = regions()[data[0] % regions().size()];
    const Options options(data[1]);
    // A few values an input keep the runs fast; more add nothing new.
    const std::size_t end = std::min<std::size_t>(size, 2 + 16 * sizeof(double));
    for (std::size_t at = 2; at + sizeof(double) <= end; at += sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data + at, sizeof x);
        checkValue(x, options, region);
    }
    return 0;
}

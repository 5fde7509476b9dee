// The number and currency formats on doubles taken from the input, in each
// region: never "nan", "inf" or a minus sign before a zero; what the number
// format writes reads back strictly to the value shown, which is x rounded
// to the decimals asked for; the currency format is the number format and
// the symbol; only what cannot be written raises a floating-point fault.
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

QString describe(double x, const QString& text)
{
    return QStringLiteral("x=%1 text=\"%2\"").arg(x, 0, 'g', 17).arg(text);
}

// The value a written number shows, read without the strict reader: its
// digits, the region's decimal point, a sign or parentheses; separators and
// spaces are skipped, anything else is a fault of the writer.
double valueShown(double x, const QString& text, const QLocale& region)
{
    std::string ascii;
    bool negative = false;
    for (QChar c : text) {
        const QString s(c);
        if (c.isDigit())
            ascii += char('0' + c.digitValue());
        else if (s == region.decimalPoint())
            ascii += '.';
        else if (c == u'-' || c == u'\u2212' || s == region.negativeSign() || c == u'(')
            negative = true;
        else if (c != u')' && !c.isSpace() && s != region.groupSeparator())
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
    const bool minus = text.contains(u'-') || text.contains(u'\u2212') || text.contains(u'(');
    check(!minus || std::any_of(text.begin(), text.end(), [](QChar c) { return c.digitValue() > 0; }),
          "no minus sign before a zero", describe(x, text));
}

// Infinity, nan and the few largest doubles, whose 15 digits round up past
// the range, cannot be written. The C library's own rounding tells them.
bool writable(double x)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.14e", std::fabs(x));
    return std::isfinite(x) && (!std::strstr(digits, "e+308") || std::strcmp(digits, "1.79769313486232e+308") < 0);
}

// The option bits: decimals (7: the default), no leading digit,
// parentheses for negatives, no grouping.
void checkValue(double x, std::uint8_t options, const QLocale& region)
{
    const int decimals = (options & 7) == 7 ? -1 : options & 7;
    const auto flag = [options](int bit, Tristate set) { return options & bit ? set : Tristate::UseDefault; };
    QString text, currency;
    try {
        text = formatNumber(x, decimals, flag(8, Tristate::False), flag(16, Tristate::True), flag(32, Tristate::False),
                            region);
        currency = formatCurrency(x, -1, Tristate::True, Tristate::UseDefault, Tristate::UseDefault, region);
    } catch (const RuntimeError& error) {
        check(error.isFloatingPointFault() && !writable(x), "only what cannot be written is a fault",
              describe(x, error.message()));
        return;
    }
    check(writable(x), "only a number that can be written is written", describe(x, text));
    checkNoFaultText(x, text);
    checkNoFaultText(x, currency);

    double read = 0;
    try {
        read = strictNumber(text, region);
    } catch (const RuntimeError& error) {
        fail("what the number format writes reads back strictly", describe(x, text) + " " + error.message());
    }
    const double shown = valueShown(x, text, region);
    check(read == shown, "reads back to the value shown", describe(x, text));
    // Rounding works on 15 significant digits, so allow their last one.
    const double bound = 0.5 * std::pow(10.0, -(decimals < 0 ? 2 : decimals)) * (1 + 1e-9) + std::fabs(x) * 6e-15;
    check(std::fabs(shown - x) <= bound, "the value shown is x rounded to the decimals", describe(x, text));

    const QString symbol = region.currencySymbol();
    const QString plain = formatNumber(x, 2, Tristate::True, Tristate::UseDefault, Tristate::UseDefault, region);
    check(currency.count(symbol) == 1 && QString(currency).remove(symbol).trimmed() == plain,
          "the currency format is the number format and the symbol once", describe(x, currency) + " vs " + plain);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const QLocale& region = regions()[data[0] % regions().size()];
    // A few values an input keep the runs fast; more add nothing new.
    const std::size_t end = std::min<std::size_t>(size, 2 + 16 * sizeof(double));
    for (std::size_t at = 2; at + sizeof(double) <= end; at += sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data + at, sizeof x);
        checkValue(x, data[1], region);
    }
    return 0;
}

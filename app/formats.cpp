#include "app/formats.h"

#include "app/decimal.h"
#include "app/numberstyle.h"
#include "app/runtimeerror.h"

#include <string>

namespace tillora {

namespace {

bool resolve(Tristate option, bool regionalDefault)
{
    return option == Tristate::UseDefault ? regionalDefault : option == Tristate::True;
}

int checkedDecimals(int decimals, int regionalDefault)
{
    if (decimals == -1)
        return regionalDefault;
    if (decimals < 0 || decimals > 99)
        throw RuntimeError(RuntimeError::Kind::Internal,
                           QStringLiteral("A number cannot be written with %1 decimal places.")
                               .arg(decimals));
    return decimals;
}

struct Body {
    QString text; // without sign
    bool negative = false;
};

Body numberBody(double x, int decimals, bool leadingDigit, bool groupDigits,
                const NumberStyle& style)
{
    fp::checked(x);
    // The till reads its figures back from their text, so a number whose
    // text could not be read back is as much a fault as infinity.
    if (!decimal::fitsDouble(decimal::significant(x)))
        throw RuntimeError(RuntimeError::Kind::Overflow, QStringLiteral("The number is too large to show."));
    const decimal::Fixed fixed = decimal::round(x, decimals);
    Body body;
    body.negative = fixed.negative;
    if (leadingDigit || fixed.integer != "0" || decimals == 0)
        body.text = groupDigits ? style.grouped(fixed.integer) : style.localDigits(fixed.integer);
    if (decimals > 0)
        body.text += style.decimalPoint + style.localDigits(fixed.fraction);
    return body;
}

// Qt knows where each region puts its currency symbol but not how it
// writes a plain negative (en_GB gives accountants' parentheses), so the
// pattern is read from a sample amount and the sign placed by hand.
QString currencyPattern(const QLocale& region, bool negative)
{
    const QString symbol = region.currencySymbol();
    if (negative) {
        const QString sample = region.toCurrencyString(-1.0, symbol, 0);
        if (!sample.contains(u'('))
            return sample;
    }
    const QString sample = region.toCurrencyString(1.0, symbol, 0);
    return negative ? region.negativeSign() + sample : sample;
}

int currencyDecimals(const QLocale& region, const NumberStyle& style)
{
    const QString sample = region.toCurrencyString(1.0);
    const qsizetype point = sample.indexOf(style.decimalPoint);
    if (point < 0)
        return 0;
    int digits = 0;
    for (qsizetype i = point + style.decimalPoint.size(); i < sample.size(); ++i) {
        if (style.digitValue(sample[i]) < 0)
            break;
        ++digits;
    }
    return digits;
}

QString separatorIn(const QString& format, QStringView fallback)
{
    for (QChar c : format) {
        if (!c.isLetter() && c != u'\'')
            return QString(c);
    }
    return fallback.toString();
}

} // namespace

QString formatNumber(double x, int decimals, Tristate leadingDigit,
                     Tristate parenthesesForNegative, Tristate groupDigits,
                     const QLocale& region)
{
    const NumberStyle style = NumberStyle::of(region);
    const Body body = numberBody(x, checkedDecimals(decimals, 2), resolve(leadingDigit, true),
                                 resolve(groupDigits, true), style);
    if (!body.negative)
        return body.text;
    if (resolve(parenthesesForNegative, false))
        return u'(' + body.text + u')';
    return style.negativeSign + body.text;
}

QString formatCurrency(double x, int decimals, Tristate leadingDigit,
                       Tristate parenthesesForNegative, Tristate groupDigits,
                       const QLocale& region)
{
    const NumberStyle style = NumberStyle::of(region);
    const Body body = numberBody(x, checkedDecimals(decimals, currencyDecimals(region, style)),
                                 resolve(leadingDigit, true), resolve(groupDigits, true), style);
    const bool parentheses = body.negative && resolve(parenthesesForNegative, false);
    QString pattern = currencyPattern(region, body.negative && !parentheses);
    const QString one = style.localDigits("1");
    pattern.replace(pattern.indexOf(one), one.size(), body.text);
    return parentheses ? u'(' + pattern + u')' : pattern;
}

QString formatMoment(const QDateTime& moment, QStringView pattern, const QLocale& region)
{
    const NumberStyle style = NumberStyle::of(region);
    const QString dateSeparator = separatorIn(region.dateFormat(QLocale::ShortFormat), u"/");
    const QString timeSeparator = separatorIn(region.timeFormat(QLocale::ShortFormat), u":");
    const QDate date = moment.date();
    const QTime time = moment.time();
    auto field = [&](int value, qsizetype width) {
        return style.localDigits(std::to_string(value)).rightJustified(width, style.localDigits("0").front());
    };

    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i].toLower();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run].toLower() == c)
            ++run;
        const qsizetype width = std::min<qsizetype>(run, 2);
        bool hour = false;
        if (c == u'd') {
            out += field(date.day(), width);
        } else if (c == u'm' && afterHour) {
            out += field(time.minute(), width);
        } else if (c == u'm') {
            out += field(date.month(), width);
        } else if (c == u'y') {
            out += run >= 4 ? field(date.year(), 4) : field(date.year() % 100, 2);
        } else if (c == u'h') {
            out += field(time.hour(), width);
            hour = true;
        } else if (c == u'n') {
            out += field(time.minute(), width);
        } else if (c == u's') {
            out += field(time.second(), width);
        } else {
            run = 1;
            if (c == u'/')
                out += dateSeparator;
            else if (c == u':')
                out += timeSeparator;
            else
                out += pattern[i];
        }
        const bool separator = c == u'/' || c == u':';
        afterHour = hour || (afterHour && separator);
        i += run;
    }
    return out;
}

QDateTime currentMoment()
{
    return QDateTime::currentDateTime();
}

} // namespace tillora

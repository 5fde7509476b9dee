// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numbers/formats.h"

#include "app/numbers/checkedarithmetic.h"
#include "app/numbers/numberstyle.h"
#include "app/numbers/rounding.h"
#include "app/numbers/runtimeerror.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace tillora {

namespace {

int checkedDecimals(std::optional<int> decimals)
{
    const int value = decimals.value_or(2);
    if (value < 0 || value > 99)
        throw std::out_of_range("a number is written with 0 to 99 decimal places");
    return value;
}

struct Body {
    QString text; // without sign
    bool negative = false;
};

Body numberBody(double x, const FormatOptions& options, const NumberStyle& style)
{
    fp::checked(x);
    // The till reads its figures back from their text, so a number whose
    // text could not be read back is as much a fault as infinity.
    if (!writable(x))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    const int decimals = checkedDecimals(options.decimals);
    const decimal::Fixed fixed = decimal::round(x, decimals);
    Body body;
    body.negative = fixed.negative;
    if (options.leadingDigit.value_or(true) || fixed.integer != "0" || decimals == 0)
        body.text
            = options.groupDigits.value_or(true) ? style.grouped(fixed.integer) : style.localDigits(fixed.integer);
    if (decimals > 0)
        body.text += style.decimalPoint + style.localDigits(fixed.fraction);
    return body;
}

// Qt knows where each region puts its currency symbol but not how it
// writes a plain negative (en_GB gives accountants' parentheses), so the
// pattern is read from a sample amount and the sign placed by hand.
QString poundsPattern(const QLocale& region, bool negative)
{
    const QString pound = QStringLiteral("\u00a3");
    if (negative) {
        const QString sample = region.toCurrencyString(-1.0, pound, 0);
        if (!sample.contains(u'('))
            return sample;
    }
    const QString sample = region.toCurrencyString(1.0, pound, 0);
    return negative ? region.negativeSign() + sample : sample;
}

// What stands between the first two fields of one of the region's formats:
// "/" in dd/MM/yyyy, ". " in Korean dates, a bidi mark and "/" in Egyptian
// ones, " h " in a French Canadian time. Fields are runs of `fields`.
QString separatorIn(const QString& format, QStringView fields, QStringView fallback)
{
    qsizetype at = 0;
    while (at < format.size() && !fields.contains(format[at]))
        ++at;
    while (at < format.size() && fields.contains(format[at]))
        ++at;
    QString separator;
    bool quoted = false;
    for (; at < format.size() && (quoted || !format[at].isLetter()); ++at) {
        if (format[at] == u'\'')
            quoted = !quoted;
        else
            separator += format[at];
    }
    return at < format.size() && !separator.isEmpty() ? separator : fallback.toString();
}

} // namespace

bool writable(double x)
{
    return std::isfinite(x) && decimal::fitsDouble(decimal::significant(x));
}

QString formatNumber(double x, const FormatOptions& options, const QLocale& region)
{
    const NumberStyle style = NumberStyle::of(region);
    const Body body = numberBody(x, options, style);
    if (!body.negative)
        return body.text;
    if (options.parenthesesForNegative.value_or(false))
        return u'(' + body.text + u')';
    return style.negativeSign + body.text;
}

QString formatPounds(double x, const FormatOptions& options, const QLocale& region)
{
    const NumberStyle style = NumberStyle::of(region);
    const Body body = numberBody(x, options, style);
    const bool parentheses = body.negative && options.parenthesesForNegative.value_or(false);
    QString pattern = poundsPattern(region, body.negative && !parentheses);
    const QString one = style.localDigits("1");
    pattern.replace(pattern.indexOf(one), one.size(), body.text);
    return parentheses ? u'(' + pattern + u')' : pattern;
}

QString wholeInSentence(const QString& figure)
{
    const bool rightToLeft = std::any_of(figure.begin(), figure.end(), [](QChar c) {
        const QChar::Direction d = c.direction();
        return d == QChar::DirR || d == QChar::DirAL || d == QChar::DirRLE || d == QChar::DirRLO || d == QChar::DirRLI;
    });
    return rightToLeft ? QChar(0x2068) + figure + QChar(0x2069) : figure;
}

QString formatMoment(const QDateTime& moment, QStringView pattern, const QLocale& region)
{
    const NumberStyle style = NumberStyle::of(region);
    const QString dateSeparator = separatorIn(region.dateFormat(QLocale::ShortFormat), u"dMy", u"/");
    const QString timeSeparator = separatorIn(region.timeFormat(QLocale::ShortFormat), u"hH", u":");
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

} // namespace tillora

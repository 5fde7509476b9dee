// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numbers/conversions.h"

#include "app/numbers/checkedarithmetic.h"
#include "app/numbers/numberstyle.h"
#include "app/numbers/rounding.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace tillora {

namespace {

// A number taken apart into ASCII pieces, ready for std::from_chars.
struct Parts {
    bool negative = false;
    std::string integer;
    std::string fraction;
    std::string exponent; // optional sign and digits
};

long long clampedExponent(const std::string& exponent)
{
    long long value = 0;
    bool negative = false;
    for (char c : exponent) {
        if (c == '-')
            negative = true;
        else if (c >= '0' && c <= '9')
            value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
    }
    return negative ? -value : value;
}

// The decimal exponent of the leading significant digit, for telling an
// overflow from an underflow when from_chars gives up.
long long magnitude(const Parts& p)
{
    const auto lead = p.integer.find_first_not_of('0');
    long long digits = 0;
    if (lead != std::string::npos) {
        digits = static_cast<long long>(p.integer.size() - lead);
    } else {
        const auto first = p.fraction.find_first_not_of('0');
        digits = first == std::string::npos ? std::numeric_limits<int>::min() : -static_cast<long long>(first);
    }
    return digits + clampedExponent(p.exponent);
}

struct Value {
    double value = 0;
    bool overflow = false;
};

Value toDouble(const Parts& p)
{
    std::string text = p.integer.empty() ? std::string("0") : p.integer;
    if (!p.fraction.empty())
        text += '.' + p.fraction;
    if (!p.exponent.empty())
        text += 'e' + p.exponent;
    Value v;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v.value);
    if (res.ec == std::errc::result_out_of_range) {
        v.overflow = magnitude(p) > 0;
        v.value = v.overflow ? std::numeric_limits<double>::infinity() : 0.0;
    }
    if (p.negative)
        v.value = -v.value;
    return v;
}

class StrictReader {
public:
    StrictReader(QStringView text, const QLocale& region)
        : m_text(text.trimmed())
        , m_style(NumberStyle::of(region))
    {
    }

    bool read(Parts& parts)
    {
        if (m_text.startsWith(u'(') && m_text.endsWith(u')') && m_text.size() > 2) {
            m_text = m_text.mid(1, m_text.size() - 2);
            parts.negative = true;
            return readSign() == 0 && readNumber(parts);
        }
        parts.negative = readSign() < 0;
        return readNumber(parts);
    }

private:
    // +1 or -1 for a sign consumed, 0 for none.
    int readSign()
    {
        for (const QString& minus : {m_style.negativeSign, QStringLiteral("-"), QStringLiteral("\u2212")}) {
            if (!minus.isEmpty() && m_text.mid(m_pos).startsWith(minus)) {
                m_pos += minus.size();
                return -1;
            }
        }
        for (const QString& plus : {m_style.positiveSign, QStringLiteral("+")}) {
            if (!plus.isEmpty() && m_text.mid(m_pos).startsWith(plus)) {
                m_pos += plus.size();
                return 1;
            }
        }
        return 0;
    }

    bool readNumber(Parts& parts)
    {
        if (!readGroupedInteger(parts.integer))
            return false;
        if (const qsizetype point = m_style.decimalPointAt(m_text.mid(m_pos))) {
            m_pos += point;
            readDigits(parts.fraction);
        }
        if (parts.integer.empty() && parts.fraction.empty())
            return false;
        if (m_pos < m_text.size() && (m_text[m_pos] == u'e' || m_text[m_pos] == u'E')) {
            ++m_pos;
            if (m_pos < m_text.size() && (m_text[m_pos] == u'+' || m_text[m_pos] == u'-'))
                parts.exponent += char(m_text[m_pos++].unicode());
            if (readDigits(parts.exponent) == 0)
                return false;
        }
        return m_pos == m_text.size();
    }

    qsizetype readDigits(std::string& into)
    {
        const qsizetype start = m_pos;
        for (int d; m_pos < m_text.size() && (d = m_style.digitValue(m_text[m_pos])) >= 0; ++m_pos)
            into += char('0' + d);
        return m_pos - start;
    }

    // Group separators must stand where formatNumber puts them, so that a
    // mistyped 1,5 in the United Kingdom is refused rather than read as 15.
    bool readGroupedInteger(std::string& into)
    {
        std::vector<qsizetype> groups{readDigits(into)};
        while (m_pos + 1 < m_text.size() && m_style.isGroupSeparator(m_text[m_pos])
               && m_style.digitValue(m_text[m_pos + 1]) >= 0) {
            ++m_pos;
            groups.push_back(readDigits(into));
        }
        if (groups.size() == 1)
            return true;
        if (m_style.primaryGroup <= 0 || groups.front() == 0 || groups.front() > m_style.secondaryGroup)
            return false;
        for (size_t i = 1; i + 1 < groups.size(); ++i) {
            if (groups[i] != m_style.secondaryGroup)
                return false;
        }
        return groups.back() == m_style.primaryGroup;
    }

    QStringView m_text;
    NumberStyle m_style;
    qsizetype m_pos = 0;
};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The region's own decimal separator where it cannot be taken for an ASCII
// one, which elsewhere groups digits (1,000 reads as 1); else ".".
QChar ownPoint(const NumberStyle& style)
{
    const QString& own = style.decimalPoint;
    return own.size() == 1 && own.front().unicode() > 0x7f ? own.front() : QChar(u'.');
}

} // namespace

Reading strictNumber(QStringView text, const QLocale& region)
{
    Parts parts;
    if (!StrictReader(text, region).read(parts))
        return {0, ReadFault::NotANumber};
    const Value v = toDouble(parts);
    if (v.overflow)
        return {0, ReadFault::TooLarge};
    return {v.value, std::nullopt};
}

double lenientNumber(QStringView text, const QLocale& region)
{
    enum class Stage { Sign, Integer, Fraction, ExponentSign, Exponent };
    const NumberStyle style = NumberStyle::of(region);
    const QChar own = ownPoint(style);
    Parts parts;
    Stage stage = Stage::Sign;
    std::string exponent;
    for (QChar c : text) {
        if (isBlank(c))
            continue;
        const char16_t u = c.unicode();
        const int value = style.digitValue(c);
        const bool digit = value >= 0;
        const bool mantissa = !parts.integer.empty() || !parts.fraction.empty();
        if (stage == Stage::Sign && (u == u'+' || u == u'-')) {
            parts.negative = u == u'-';
            stage = Stage::Integer;
        } else if ((stage == Stage::Sign || stage == Stage::Integer) && digit) {
            parts.integer += char('0' + value);
            stage = Stage::Integer;
        } else if ((stage == Stage::Sign || stage == Stage::Integer) && (u == u'.' || c == own)) {
            stage = Stage::Fraction;
        } else if (stage == Stage::Fraction && digit) {
            parts.fraction += char('0' + value);
        } else if ((stage == Stage::Integer || stage == Stage::Fraction) && mantissa && (u == u'e' || u == u'E')) {
            stage = Stage::ExponentSign;
        } else if (stage == Stage::ExponentSign && (u == u'+' || u == u'-')) {
            exponent += char(u);
            stage = Stage::Exponent;
        } else if ((stage == Stage::ExponentSign || stage == Stage::Exponent) && digit) {
            exponent += char('0' + value);
            stage = Stage::Exponent;
        } else {
            break;
        }
    }
    // An exponent marker with no digits after it is not part of the number.
    if (exponent.find_first_of("0123456789") != std::string::npos)
        parts.exponent = exponent;
    if (parts.integer.empty() && parts.fraction.empty())
        return 0.0;
    return toDouble(parts).value;
}

QString numberToText(double x, const QLocale& region)
{
    fp::checked(x);
    const NumberStyle style = NumberStyle::of(region);
    decimal::Significant s = decimal::significant(x);
    s.digits.erase(std::max<size_t>(1, s.digits.find_last_not_of('0') + 1));
    if (s.digits == "0")
        return style.localDigits("0");

    QString text;
    if (s.exponent >= 15 || s.exponent < -5) {
        text = style.localDigits(s.digits.substr(0, 1));
        if (s.digits.size() > 1)
            text += style.decimalPoint + style.localDigits(s.digits.substr(1));
        const std::string power = std::to_string(std::abs(s.exponent));
        text += QStringLiteral("E") + (s.exponent < 0 ? u'-' : u'+')
              + style.localDigits(power.size() < 2 ? "0" + power : power);
    } else if (s.exponent < 0) {
        text = style.localDigits("0") + style.decimalPoint
             + style.localDigits(std::string(size_t(-s.exponent - 1), '0') + s.digits);
    } else {
        std::string integer = s.digits.substr(0, std::min(s.digits.size(), size_t(s.exponent) + 1));
        integer.append(size_t(s.exponent) + 1 - integer.size(), '0');
        text = style.localDigits(integer);
        if (s.digits.size() > size_t(s.exponent) + 1)
            text += style.decimalPoint + style.localDigits(s.digits.substr(size_t(s.exponent) + 1));
    }
    return s.negative ? style.negativeSign + text : text;
}

} // namespace tillora

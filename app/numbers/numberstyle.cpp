// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numbers/numberstyle.h"

namespace tillora {

namespace {

// Qt has no API for group sizes; a sample tells them (3/3 in most regions,
// 3/2 in India).
void readGroupSizes(const QLocale& region, NumberStyle& style)
{
    const QString sample = region.toString(1234567890LL);
    const qsizetype last = sample.lastIndexOf(style.groupSeparator);
    if (style.groupSeparator.isEmpty() || last < 0) {
        style.primaryGroup = style.secondaryGroup = 0;
        return;
    }
    style.primaryGroup = int(sample.size() - last - style.groupSeparator.size());
    const qsizetype before = sample.lastIndexOf(style.groupSeparator, last - 1);
    style.secondaryGroup = before < 0 ? style.primaryGroup : int(last - before - style.groupSeparator.size());
}

} // namespace

NumberStyle NumberStyle::of(const QLocale& region)
{
    NumberStyle style;
    style.decimalPoint = region.decimalPoint();
    style.groupSeparator = region.groupSeparator();
    style.negativeSign = region.negativeSign();
    style.positiveSign = region.positiveSign();
    const QString zero = region.zeroDigit();
    if (zero.size() == 1)
        style.zeroDigit = zero.front().unicode();
    readGroupSizes(region, style);
    return style;
}

QString NumberStyle::localDigits(std::string_view ascii) const
{
    QString out;
    out.reserve(qsizetype(ascii.size()));
    for (char c : ascii)
        out.append(QChar(c >= '0' && c <= '9' ? char16_t(zeroDigit + (c - '0')) : char16_t(c)));
    return out;
}

int NumberStyle::digitValue(QChar c) const
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= zeroDigit && u <= zeroDigit + 9)
        return u - zeroDigit;
    return -1;
}

bool NumberStyle::isGroupSeparator(QChar c) const
{
    if (groupSeparator.size() != 1)
        return false;
    const QChar own = groupSeparator.front();
    if (c == own)
        return true;
    // What people type for it: a plain space for a narrow or no-break one,
    // the keyboard's apostrophe for a typographic one (Switzerland's ’).
    const auto apostrophe = [](QChar a) { return a == u'\'' || a == u'\u2019' || a == u'\u02bc'; };
    if (own.isSpace())
        return c == u' ' || c == u'\u00a0' || c == u'\u202f';
    return apostrophe(own) && apostrophe(c);
}

qsizetype NumberStyle::decimalPointAt(QStringView text) const
{
    if (!decimalPoint.isEmpty() && text.startsWith(decimalPoint))
        return decimalPoint.size();
    // Where the point is ٫ (Arabic-speaking regions), the keypad still types
    // ".", as Swiss keyboards type a plain apostrophe for ’.
    const bool dotIsFree = decimalPoint != u"." && groupSeparator != u".";
    return dotIsFree && text.startsWith(u'.') ? 1 : 0;
}

QString NumberStyle::grouped(std::string_view digits) const
{
    const QString local = localDigits(digits);
    if (primaryGroup <= 0)
        return local;
    QString out;
    const qsizetype n = local.size();
    for (qsizetype i = 0; i < n; ++i) {
        out.append(local[i]);
        const qsizetype toCome = n - 1 - i;
        const bool boundary
            = toCome == primaryGroup || (toCome > primaryGroup && (toCome - primaryGroup) % secondaryGroup == 0);
        if (boundary)
            out.append(groupSeparator);
    }
    return out;
}

} // namespace tillora

// SPDX-License-Identifier: GPL-3.0-or-later
// Figures read and written in the user's regional style: what every box of
// every window is made of.
#include "app/numbers/conversions.h"
#include "app/numbers/formats.h"
#include "support/rows.h"

#include <limits>

using namespace tillora;
using tillora::test::rows;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

struct Typed { // a text typed in a region: the strict reading, and the leading number "." its point
    const char* name;
    const char* region;
    QString text;
    double strict;
    std::optional<ReadFault> fault;
    double lenient;
};

struct Written { // a number written plainly and in pounds
    const char* name;
    const char* region;
    double value;
    FormatOptions options;
    QString number, pounds;
};

constexpr std::optional<ReadFault> ok = std::nullopt, notANumber = ReadFault::NotANumber, large = ReadFault::TooLarge;

} // namespace

Q_DECLARE_METATYPE(Typed)
Q_DECLARE_METATYPE(Written)

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        rows<Typed>({
            {"blanks around", "en_GB", " \t-50.00 ", -50, ok, -50},
            {"plus, no leading digit", "en_GB", "+.5", 0.5, ok, 0.5},
            {"no leading digit", "en_GB", ".5", 0.5, ok, 0.5},
            {"exponent", "en_GB", "25E-1", 2.5, ok, 2.5},
            {"parentheses for minus", "en_GB", "(1,000.00)", -1000, ok, 0},
            {"minus sign U+2212", "en_GB", "\u22125", -5, ok, 0},
            {"below the smallest double", "en_GB", "1e-400", 0, ok, 0},
            {"French", "fr_FR", "1 234,50", 1234.5, ok, 1234},    // a plain space for the narrow one
            {"Swiss", "de_CH", "1'234'567.50", 1234567.5, ok, 1}, // the keyboard's apostrophe for ’
            {"Arabic-Indic digits", "ar_EG", "١٢٣٤٫٥", 1234.5, ok, 1234.5},
            {"typed point in Egypt", "ar_EG", "-١٢.٥e١", -125, ok, -125}, // the keypad's "." for ٫
            {"typed point in France", "fr_FR", "2.5", 2.5, ok, 2.5},
            {"beyond a double", "en_GB", "1e400", 0, large, inf},
            // Misplaced grouping is refused, so that a mistyped figure never becomes another.
            {"group of one", "en_GB", "1,5", 0, notANumber, 1},
            {"first group of four", "en_GB", "1234,567", 0, notANumber, 1234},
            {"leading group separator", "en_GB", ",100", 0, notANumber, 0},
            {"space in the UK", "en_GB", "1 000", 0, notANumber, 1000},
            {"Indian groups misplaced", "hi_IN", "1,234,567", 0, notANumber, 1},
            {"empty", "en_GB", "", 0, notANumber, 0},
            {"sign in parentheses", "en_GB", "(-5)", 0, notANumber, 0},
            {"two points", "en_GB", "1.2.3", 0, notANumber, 1.2},
            {"exponent without digits", "en_GB", "7e+x", 0, notANumber, 7},
            {"carriage return inside", "en_GB", "-.5e1\r2", 0, notANumber, -5},
            {"Arabic digit in the UK", "en_GB", "\u0665", 0, notANumber, 0},
        });
    }

    void reading()
    {
        QFETCH(Typed, row);
        const Reading reading = strictNumber(row.text, QLocale(row.region));
        QCOMPARE(reading.fault, row.fault);
        QCOMPARE(reading.value, row.strict);
        QCOMPARE(lenientNumber(row.text, QLocale(row.region)), row.lenient);
    }

    void writing_data()
    {
        const FormatOptions two{.decimals = 2};
        rows<Written>({
            // Half away from zero on the digits a person reads, not on the binary value.
            {"half away from zero", "en_GB", -2.675, two, "-2.68", "-£2.68"},
            {"rounding carries a digit", "en_GB", 999.995, two, "1,000.00", "£1,000.00"},
            {"no minus on zero", "en_GB", -0.001, two, "0.00", "£0.00"},
            {"no decimals", "en_GB", 2.5, {.decimals = 0}, "3", "£3"},
            {"no leading digit", "en_GB", 0.5, {.leadingDigit = false}, ".50", "£.50"},
            {"no grouping", "en_GB", 1234.5, {.groupDigits = false}, "1234.50", "£1234.50"},
            {"parentheses for minus", "en_GB", -1234.5, {.parenthesesForNegative = true}, "(1,234.50)", "(£1,234.50)"},
            {"nine decimals", "en_GB", 1e-7, {.decimals = 9}, "0.000000100", "£0.000000100"},
            // Pounds, with pence, where each region puts its own currency.
            {"US minus", "en_US", -5, two, "-5.00", "-£5.00"},
            {"French", "fr_FR", 1234.5, two, "1\u202f234,50", "1\u202f234,50\u00a0£"},
            {"Swiss", "de_CH", 1234567.5, two, "1\u2019234\u2019567.50", "1\u2019234\u2019567.50\u00a0£"},
            {"Indian groups", "hi_IN", 123456789, two, "12,34,56,789.00", "£12,34,56,789.00"},
            {"Persian", "fa_IR", -2.5, two, "\u200e\u2212۲٫۵۰", "\u200e\u2212\u200e£\u00a0۲٫۵۰"},
            {"Arabic", "ar_EG", 1234.5, two, "١٬٢٣٤٫٥٠", "١٬٢٣٤٫٥٠\u00a0£"},
        });
    }

    void writing()
    {
        QFETCH(Written, row);
        QCOMPARE(formatNumber(row.value, row.options, QLocale(row.region)), row.number);
        QCOMPARE(formatPounds(row.value, row.options, QLocale(row.region)), row.pounds);
    }

    // 05/12/2026 09:07:03 in a pattern, with the region's separators; "mm" is
    // the month, but minutes after an hour.
    void moment()
    {
        const QDateTime at(QDate(2026, 12, 5), QTime(9, 7, 3));
        QCOMPARE(formatMoment(at, u"d/m/yy mm hh:mm:ss", QLocale("en_GB")), "5/12/26 12 09:07:03");
        QCOMPARE(formatMoment(at, u"dd/mm/yyyy HH:mm", QLocale("de_DE")), "05.12.2026 09:07");
        QCOMPARE(formatMoment(at, u"HH:mm", QLocale("fi_FI")), "09.07");
        QCOMPARE(formatMoment(at, u"dd/mm/yyyy HH:mm", QLocale("ar_EG")), "٠٥\u200f/١٢\u200f/٢٠٢٦ ٠٩:٠٧");
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"

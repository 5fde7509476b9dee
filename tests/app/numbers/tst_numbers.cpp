// SPDX-License-Identifier: GPL-3.0-or-later
// Figures read and written in the user's regional style: what every box of
// every window is made of.
#include "app/numbers/checkedarithmetic.h"
#include "app/numbers/conversions.h"
#include "app/numbers/formats.h"
#include "app/numbers/runtimeerror.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <optional>

using namespace tillora;

Q_DECLARE_METATYPE(FormatOptions)
Q_DECLARE_METATYPE(std::optional<ReadFault>)
Q_DECLARE_METATYPE(std::optional<RuntimeError::Kind>)
using Operation = double (*)(double, double);
Q_DECLARE_METATYPE(Operation)

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double largest = std::numeric_limits<double>::max();
constexpr auto notANumber = ReadFault::NotANumber;
constexpr auto tooLarge = ReadFault::TooLarge;

// What a user typed, and what the strict reading makes of it.
void strictRow(const char* region, const QString& text, std::optional<double> value)
{
    QTest::addRow("%s \"%s\"", region, qPrintable(text.left(16)))
        << QString(region) << text << value.value_or(0) << std::optional<ReadFault>();
}

void strictFault(const char* region, const QString& text, ReadFault fault)
{
    QTest::addRow("%s \"%s\"", region, qPrintable(text.left(16)))
        << QString(region) << text << 0.0 << std::optional<ReadFault>(fault);
}

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void strictReading_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<std::optional<ReadFault>>("fault");
        strictRow("en_GB", "1,234,567.89", 1234567.89);
        strictRow("en_GB", " \t-50.00 ", -50);
        strictRow("en_GB", "+.5", 0.5);
        strictRow("en_GB", "5.", 5);
        strictRow("en_GB", "25E-1", 2.5);
        strictRow("en_GB", "(1,000.00)", -1000);
        strictRow("en_GB", "007", 7);
        strictRow("en_GB", "1e-400", 0);
        strictRow("en_GB", "\u22125", -5);
        strictRow("de_DE", "1.234,50", 1234.5);
        strictRow("fr_FR", "1\u202f234,50", 1234.5);
        strictRow("fr_FR", "1 234,50", 1234.5);
        strictRow("fr_FR", "1\u00a0234", 1234);
        strictRow("de_CH", "1\u2019234.50", 1234.5);
        strictRow("de_CH", "1'234'567.50", 1234567.5);
        strictRow("hi_IN", "12,34,567.00", 1234567);
        strictRow("ar_EG", "\u0663\u066b\u0665", 3.5);
        strictRow("ar_EG", "\u061c-\u0665\u0660", -50);
        strictFault("en_GB", "1e400", tooLarge);
        strictFault("en_GB", "-1e999", tooLarge);
        strictFault("en_GB", QString(400, u'9'), tooLarge);
        // Misplaced grouping is refused, so that a mistyped figure never becomes another.
        strictFault("en_GB", "1,5", notANumber);
        strictFault("en_GB", "1,2345", notANumber);
        strictFault("en_GB", "1234,567", notANumber);
        strictFault("en_GB", ",123", notANumber);
        strictFault("en_GB", "1,,000", notANumber);
        strictFault("en_GB", "1 000", notANumber);
        strictFault("hi_IN", "1,234,567", notANumber);
        strictFault("de_DE", "1.5", notANumber);
        strictFault("de_DE", "1'234", notANumber);
        strictFault("en_GB", "", notANumber);
        strictFault("en_GB", "  ", notANumber);
        strictFault("en_GB", "-", notANumber);
        strictFault("en_GB", ".", notANumber);
        strictFault("en_GB", "--1", notANumber);
        strictFault("en_GB", "(-5)", notANumber);
        strictFault("en_GB", "()", notANumber);
        strictFault("en_GB", "12abc", notANumber);
        strictFault("en_GB", "1.2.3", notANumber);
        strictFault("en_GB", "\u00a310", notANumber);
        strictFault("en_GB", "17.5%", notANumber);
        strictFault("en_GB", "1e", notANumber);
        strictFault("en_GB", "7e+", notANumber);
        strictFault("en_GB", "\u0665", notANumber);
    }

    void strictReading()
    {
        QFETCH(QString, region);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(std::optional<ReadFault>, fault);
        const Reading reading = strictNumber(text, QLocale(region));
        QCOMPARE(reading.fault, fault);
        QCOMPARE(reading.value, value);
    }

    void lenientReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("percent sign ends it") << "17.5%" << 17.5;
        QTest::newRow("pound sign first") << "\u00a310" << 0.0;
        QTest::newRow("grouping ends it") << "1,000" << 1.0;
        QTest::newRow("blanks anywhere") << " \t1\n2 .5" << 12.5;
        QTest::newRow("sign apart") << "- 5" << -5.0;
        QTest::newRow("exponent") << "-.5e1x" << -5.0;
        QTest::newRow("exponent without digits") << "7e+" << 7.0;
        QTest::newRow("second point") << "1.2.3" << 1.2;
        QTest::newRow("two signs") << "+-1" << 0.0;
        QTest::newRow("carriage return ends it") << "1\r2" << 1.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("beyond a double") << "1e999" << inf;
        QTest::newRow("comma is no point") << "2,5" << 2.0;
    }

    void lenientReading()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(lenientNumber(text), value);
    }

    void writing_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<double>("value");
        QTest::addColumn<FormatOptions>("options");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("pounds");
        const auto row = [](const char* region, double value, FormatOptions options, const QString& number,
                            const QString& pounds) {
            QTest::addRow("%s %s", region, qPrintable(number))
                << QString(region) << value << options << number << pounds;
        };
        const FormatOptions two{.decimals = 2};
        // Half away from zero on the digits a person reads, not on the binary value.
        row("en_GB", 0.125, two, "0.13", "£0.13");
        row("en_GB", 1.005, two, "1.01", "£1.01");
        row("en_GB", -2.675, two, "-2.68", "-£2.68");
        row("en_GB", 999.995, two, "1,000.00", "£1,000.00");
        row("en_GB", 99999.9951, {}, "100,000.00", "£100,000.00");
        row("en_GB", -0.001, two, "0.00", "£0.00");
        row("en_GB", 2.5, {.decimals = 0}, "3", "£3");
        row("en_GB", 1523.064375, {}, "1,523.06", "£1,523.06");
        row("en_GB", 1e20, two, "100,000,000,000,000,000,000.00", "£100,000,000,000,000,000,000.00");
        row("en_GB", 0.5, {.leadingDigit = false}, ".50", "£.50");
        row("en_GB", 1234.5, {.groupDigits = false}, "1234.50", "£1234.50");
        row("en_GB", -1234.5, {.parenthesesForNegative = true}, "(1,234.50)", "(£1,234.50)");
        row("en_GB", 1e-7, {.decimals = 9}, "0.000000100", "£0.000000100");
        // Pounds, with pence, where each region puts its own currency.
        row("en_US", -5, two, "-5.00", "-£5.00");
        row("de_DE", -1234.5, two, "-1.234,50", "-1.234,50\u00a0£");
        row("fr_FR", 1234.5, two, "1\u202f234,50", "1\u202f234,50\u00a0£");
        row("de_CH", 1234567.5, two, "1\u2019234\u2019567.50", "1\u2019234\u2019567.50\u00a0£");
        row("hi_IN", 123456789, two, "12,34,56,789.00", "£12,34,56,789.00");
        row("ja_JP", 2.5, two, "2.50", "£2.50");
        row("fa_IR", -2.5, two, "\u200e\u2212\u06f2\u066b\u06f5\u06f0",
            "\u200e\u2212\u200e£\u00a0\u06f2\u066b\u06f5\u06f0");
        row("ar_EG", 1234.5, two, "\u0661\u066c\u0662\u0663\u0664\u066b\u0665\u0660",
            "\u0661\u066c\u0662\u0663\u0664\u066b\u0665\u0660\u00a0£");
    }

    void writing()
    {
        QFETCH(QString, region);
        QFETCH(double, value);
        QFETCH(FormatOptions, options);
        QFETCH(QString, number);
        QFETCH(QString, pounds);
        QCOMPARE(formatNumber(value, options, QLocale(region)), number);
        QCOMPARE(formatPounds(value, options, QLocale(region)), pounds);
    }

    void unwritable_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<RuntimeError::Kind>("fault");
        QTest::newRow("infinity") << inf << RuntimeError::Kind::Overflow;
        QTest::newRow("not a number") << std::nan("") << RuntimeError::Kind::InvalidOperation;
        // Their 15 significant digits round up past the range: the text would not read back.
        QTest::newRow("largest") << -largest << RuntimeError::Kind::Overflow;
        QTest::newRow("next to the largest") << std::nextafter(largest, 0.0) << RuntimeError::Kind::Overflow;
    }

    void unwritable()
    {
        QFETCH(double, value);
        QFETCH(RuntimeError::Kind, fault);
        QVERIFY(!writable(value));
        for (const auto& write : {formatNumber, formatPounds}) {
            try {
                write(value, {}, QLocale());
                QFAIL("written");
            } catch (const RuntimeError& error) {
                QCOMPARE(error.kind(), fault);
            }
        }
        QVERIFY(writable(1.79769313486231e308));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("region");
        for (const char* region : {"en_GB", "de_DE", "fr_FR", "de_CH", "hi_IN", "ar_EG", "fa_IR"})
            QTest::newRow(region) << QString(region);
    }

    // What the formats write reads back as the number rounded, since the
    // till adds up its line totals from their text.
    void roundTrip()
    {
        QFETCH(QString, region);
        const QLocale here(region);
        for (double value : {0.3, -50.0, 999.995, -1234567.891, 1e15, 2.675, 1e-9, 1.5e300, 1.79769313486231e308}) {
            for (int decimals : {0, 2, 5}) {
                const QString text = formatNumber(value, {.decimals = decimals}, here);
                const QString plain = formatNumber(value, {.decimals = decimals, .groupDigits = false}, QLocale::c());
                const double rounded = strictNumber(plain, QLocale::c()).value;
                QCOMPARE(strictNumber(text, here).value, rounded);
            }
            QCOMPARE(strictNumber(numberToText(value, here), here).value, value);
        }
    }

    void plainText_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* region, double value, const char* text) {
            QTest::addRow("%s %s", region, text) << QString(region) << value << QString(text);
        };
        row("en_GB", 12.5, "12.5");
        row("en_GB", 10, "10");
        row("en_GB", 0, "0");
        row("en_GB", -10, "-10");
        row("en_GB", 0.1 + 0.2, "0.3"); // 15 significant digits at most
        row("en_GB", 999999999999999, "999999999999999");
        row("en_GB", 1e15, "1E+15");
        row("en_GB", 1.5e-5, "0.000015");
        row("en_GB", -1.25e-7, "-1.25E-07");
        row("en_GB", 1e300, "1E+300");
        row("de_DE", 1234.5, "1234,5");
    }

    void plainText()
    {
        QFETCH(QString, region);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(numberToText(value, QLocale(region)), text);
    }

    void moment_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text"); // for 05/12/2026 09:07:03
        const auto row = [](const char* region, const char* pattern, const QString& text) {
            QTest::addRow("%s %s", region, pattern) << QString(region) << QString(pattern) << text;
        };
        row("en_GB", "dd/mm/yyyy", "05/12/2026");
        row("en_GB", "HH:mm", "09:07");
        row("en_GB", "d/m/yy hh:mm:ss", "5/12/26 09:07:03");
        row("en_GB", "mm hh:mm", "12 09:07"); // the month, then minutes after an hour
        row("de_DE", "dd/mm/yyyy", "05.12.2026");
        row("fi_FI", "HH:mm", "09.07");
        row("en_US", "dd/mm/yyyy", "05/12/2026"); // in the pattern's order, with the region's separator
        row("ko_KR", "dd/mm/yyyy", "05. 12. 2026");
        row("ar_EG", "dd/mm/yyyy", "٠٥\u200f/١٢\u200f/٢٠٢٦");
        row("ar_EG", "HH:mm", "٠٩:٠٧");
        row("fa_IR", "HH:mm", "۰۹:۰۷");
    }

    void moment()
    {
        QFETCH(QString, region);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QCOMPARE(formatMoment(QDateTime(QDate(2026, 12, 5), QTime(9, 7, 3)), pattern, QLocale(region)), text);
    }

    void checkedArithmetic_data()
    {
        using Kind = RuntimeError::Kind;
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("result");
        QTest::addColumn<std::optional<Kind>>("fault");
        const auto row
            = [](const char* name, Operation operation, double a, double b, double result, std::optional<Kind> fault) {
                  QTest::newRow(name) << operation << a << b << result << fault;
              };
        row("sum", fp::add, 0.1, 0.2, 0.1 + 0.2, std::nullopt);
        row("sum beyond a double", fp::add, largest, largest, 0, Kind::Overflow);
        row("difference beyond a double", fp::subtract, -largest, largest, 0, Kind::Overflow);
        row("difference", fp::subtract, 1, 3, -2, std::nullopt);
        row("product beyond a double", fp::multiply, 1e200, 1e200, 0, Kind::Overflow);
        row("nothing times infinity", fp::multiply, 0, inf, 0, Kind::InvalidOperation);
        row("quotient", fp::divide, 1, 8, 0.125, std::nullopt);
        row("by zero", fp::divide, -5, 0, 0, Kind::DivisionByZero);
        row("zero by zero", fp::divide, 0, 0, 0, Kind::InvalidOperation);
        row("quotient beyond a double", fp::divide, largest, 0.5, 0, Kind::Overflow);
    }

    void checkedArithmetic()
    {
        using Kind = RuntimeError::Kind;
        QFETCH(Operation, operation);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, result);
        QFETCH(std::optional<Kind>, fault);
        std::optional<Kind> raised;
        double value = 0;
        try {
            value = operation(a, b);
        } catch (const RuntimeError& error) {
            raised = error.kind();
        }
        QCOMPARE(raised, fault);
        QCOMPARE(value, result);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"

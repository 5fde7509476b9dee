// Reading and writing figures in the user's regional style.
#include "app/core/conversions.h"
#include "app/core/formats.h"
#include "app/core/runtimeerror.h"

#include <QTest>

#include <limits>

using namespace tillora;
Q_DECLARE_METATYPE(FormatOptions)

namespace {
constexpr double inf = std::numeric_limits<double>::infinity(), notANumber = std::numeric_limits<double>::quiet_NaN();
} // namespace

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void strict_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected"); // a value, or the kind of error: 0 not a number, inf too large
        for (const auto& [text, value] : {std::pair{"1,234,567.89", 1234567.89}, {" \t-50.00 ", -50.0}, {"+.5", 0.5}, {"5.", 5.0},
                                          {"25E-1", 2.5}, {"(1,000.00)", -1000.0}, {"007", 7.0}, {"1e-400", 0.0}})
            QTest::addRow("%s", text) << "en_GB" << QString(text) << value;
        for (const auto& [region, text, value] : {std::tuple{"de_DE", "1.234,50", 1234.5}, {"fr_FR", "1\u202f234,50", 1234.5},
                                                  {"fr_FR", "1 234,50", 1234.5}, {"de_CH", "1\u2019234.50", 1234.5},
                                                  {"hi_IN", "12,34,567.00", 1234567.0}, {"fi_FI", "\u22125", -5.0}, {"de_DE", "1.5", notANumber}})
            QTest::addRow("%s %s", region, text) << QString(region) << QString(text) << value;
        // Misplaced grouping is refused, so that a mistyped count never becomes another number.
        for (const char* text : {"", "  ", "-", ".", "12abc", "1.2.3", "--1", "\u00a310", "17.5%", "1,5", "1,2345", ",123", "1,,000",
                                 "1.000,5", "1 000", "1e", "(-5)"})
            QTest::addRow("not %s", text) << "en_GB" << QString(text) << notANumber;
        QTest::newRow("1e400") << "en_GB" << "1e400" << inf;
        QTest::newRow("400 nines") << "en_GB" << QString(400, u'9') << inf;
    }

    void strict()
    {
        QFETCH(QString, region);
        QFETCH(QString, text);
        QFETCH(double, expected);
        try {
            QCOMPARE(strictNumber(text, QLocale(region)), expected);
        } catch (const RuntimeError& error) {
            QCOMPARE(error.kind(), std::isinf(expected) ? RuntimeError::Kind::Overflow : RuntimeError::Kind::TypeMismatch);
            QVERIFY(std::isnan(expected) || std::isinf(expected));
            QVERIFY(!error.message().isEmpty());
        }
    }

    void lenient_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        for (const auto& [text, expected] : QList<std::pair<QString, double>>{
                 {"", 0}, {"\u00a310", 0}, {"17.5%", 17.5}, {"1,000", 1}, {"\t1\n2 .5", 12.5}, {"- 5", -5}, {"10abc", 10}, {"1.2.3", 1.2},
                 {"1e3", 1000}, {"7e+", 7}, {".", 0}, {"-", 0}, {"1e-999", 0}, {"-1e999", -inf}, {"1\r2", 1}, {QString(100000, u'7'), inf}})
            QTest::addRow("%s", qPrintable(text.left(12))) << text << expected;
    }

    void lenient()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(lenientNumber(text), expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<double>("value");
        for (const char* region : {"en_GB", "en_US", "de_DE", "fr_FR", "de_CH"}) {
            for (double value : {0.3, -50.0, 999.995, -1234567.891, 1e15, 2.675, 1e-9, 1.5e300, 1.79769313486231e308})
                QTest::addRow("%s %g", region, value) << QString(region) << value;
        }
    }

    // What the formats write reads back to the value they show, since the
    // till adds up its line totals from their text.
    void roundTrip()
    {
        QFETCH(QString, region);
        QFETCH(double, value);
        const QLocale here(region), plain = QLocale::c();
        for (int decimals : {0, 2, 5})
            QCOMPARE(strictNumber(formatNumber(value, {.decimals = decimals}, here), here),
                     strictNumber(formatNumber(value, {.decimals = decimals, .groupDigits = false}, plain), plain));
        QCOMPARE(strictNumber(numberToText(value, here), here), strictNumber(numberToText(value, plain), plain));
    }

    void format_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<double>("value");
        QTest::addColumn<FormatOptions>("options");
        QTest::addColumn<QStringList>("expected"); // the number, and in pounds; "!" for a fault
        const auto row = [](const char* region, double value, const QStringList& expected, FormatOptions options = {.decimals = 2}) {
            QTest::addRow("%s %s", region, qPrintable(expected[0])) << QString(region) << value << options << expected;
        };
        // Half away from zero on the digits a person reads, not on the binary value.
        row("en_GB", 0.125, {"0.13", "£0.13"});
        row("en_GB", 1.005, {"1.01", "£1.01"});
        row("en_GB", 2.675, {"2.68"});
        row("en_GB", -0.125, {"-0.13", "-£0.13"});
        row("en_GB", 1.0049999, {"1.00"});
        row("en_GB", 999.995, {"1,000.00", "£1,000.00"});
        row("en_GB", -0.001, {"0.00", "£0.00"});
        row("en_GB", 2.5, {"3"}, {.decimals = 0});
        row("en_GB", 1523.064375, {"1,523.06"}, {});
        row("en_GB", 1e20, {"100,000,000,000,000,000,000.00"});
        row("en_GB", 0.5, {".50"}, {.leadingDigit = false});
        row("en_GB", -1234.5, {"(1,234.50)", "(£1,234.50)"}, {.parenthesesForNegative = true});
        row("en_GB", 1234.5, {"1234.50"}, {.groupDigits = false});
        row("hi_IN", 1234567.0, {"12,34,567.00"});
        // Pounds, with pence, where the region puts its own currency.
        row("de_DE", -1234.5, {"-1.234,50", "-1.234,50\u00a0£"});
        row("fr_FR", 1234.5, {"1\u202f234,50", "1\u202f234,50\u00a0£"});
        row("de_CH", 1234567.5, {"1\u2019234\u2019567.50", "1\u2019234\u2019567.50\u00a0£"});
        row("en_US", -5.0, {"-5.00", "-£5.00"});
        row("ja_JP", 2.5, {"2.50", "£2.50"});
        row("ko_KR", 15.0, {"15.00", "£15.00"});
        row("fa_IR", 2.5, {"۲٫۵۰", "\u200e£\u00a0۲٫۵۰"});
        // The largest doubles' 15 digits round up past the range: their text would not read back.
        for (double fault : {inf, notANumber, -std::numeric_limits<double>::max()})
            row("en_GB", fault, {"!", "!"});
    }

    void format()
    {
        QFETCH(QString, region);
        QFETCH(double, value);
        QFETCH(FormatOptions, options);
        QFETCH(QStringList, expected);
        using Format = QString (*)(double, const FormatOptions&, const QLocale&);
        for (auto [format, expect] : {std::pair<Format, QString>{formatNumber, expected[0]}, {formatPounds, expected.value(1)}}) {
            try {
                if (!expect.isEmpty())
                    QCOMPARE(format(value, options, QLocale(region)), expect);
            } catch (const RuntimeError& error) {
                QVERIFY(error.isFloatingPointFault() && expect == u"!");
            }
        }
    }

    void moment_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        for (const auto& [region, pattern, expected] : QList<std::tuple<const char*, const char*, QString>>{
                 {"en_GB", "dd/mm/yyyy", "05/12/2026"}, {"en_GB", "HH:mm", "09:07"}, {"de_DE", "dd/mm/yyyy", "05.12.2026"},
                 {"fi_FI", "HH:mm", "09.07"}, {"en_US", "dd/mm/yyyy", "05/12/2026"}, {"en_GB", "hh:mm:ss", "09:07:03"},
                 {"en_GB", "d/m/yy", "5/12/26"}, {"en_GB", "dd-mm at HH", "05-12 at 09"},
                 // Right-to-left and Asian regions keep their separators.
                 {"ko_KR", "HH:mm", "09:07"}, {"ko_KR", "dd/mm/yyyy", "05. 12. 2026"}, {"ja_JP", "dd/mm/yyyy", "05/12/2026"},
                 {"zh_CN", "HH:mm", "09:07"}, {"ar_EG", "dd/mm/yyyy", "٠٥\u200f/١٢\u200f/٢٠٢٦"}, {"ar_EG", "HH:mm", "٠٩:٠٧"},
                 {"he_IL", "dd/mm/yyyy", "05.12.2026"}, {"fa_IR", "HH:mm", "۰۹:۰۷"}})
            QTest::addRow("%s %s", region, pattern) << QString(region) << QString(pattern) << expected;
    }

    void moment()
    {
        QFETCH(QString, region);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(formatMoment(QDateTime(QDate(2026, 12, 5), QTime(9, 7, 3)), pattern, QLocale(region)), expected);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"

#include "app/conversions.h"
#include "app/formats.h"
#include "app/runtimeerror.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace tillora;

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void strict_data();
    void strict();
    void lenient_data();
    void lenient();
    void lenientIsLinear();
    void numberToText_data();
    void numberToText();
    void roundTrip_data();
    void roundTrip();
};

namespace {
constexpr int accepted = -1;
constexpr int mismatch = int(RuntimeError::Kind::TypeMismatch);
constexpr int overflow = int(RuntimeError::Kind::Overflow);
} // namespace

void TestConversions::strict_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("fault");

    QTest::newRow("grouped") << "en_GB" << "1,234,567.89" << 1234567.89 << accepted;
    QTest::newRow("negative") << "en_GB" << "-50.00" << -50.0 << accepted;
    QTest::newRow("blanks around") << "en_GB" << " \t 7 " << 7.0 << accepted;
    QTest::newRow("plus sign") << "en_GB" << "+2.5" << 2.5 << accepted;
    QTest::newRow("no leading digit") << "en_GB" << ".5" << 0.5 << accepted;
    QTest::newRow("trailing point") << "en_GB" << "5." << 5.0 << accepted;
    QTest::newRow("exponent") << "en_GB" << "1.5e3" << 1500.0 << accepted;
    QTest::newRow("exponent sign") << "en_GB" << "25E-1" << 2.5 << accepted;
    QTest::newRow("parentheses") << "en_GB" << "(1,000.00)" << -1000.0 << accepted;
    QTest::newRow("minus zero") << "en_GB" << "-0" << 0.0 << accepted;
    QTest::newRow("leading zeros") << "en_GB" << "007" << 7.0 << accepted;
    QTest::newRow("underflow is zero") << "en_GB" << "1e-400" << 0.0 << accepted;
    QTest::newRow("German") << "de_DE" << "1.234,50" << 1234.5 << accepted;
    QTest::newRow("French narrow space") << "fr_FR" << "1\u202f234,50" << 1234.5 << accepted;
    QTest::newRow("French typed space") << "fr_FR" << "1 234,50" << 1234.5 << accepted;
    QTest::newRow("Swiss apostrophe") << "de_CH" << "1\u2019234.50" << 1234.5 << accepted;
    QTest::newRow("Indian grouping") << "hi_IN" << "12,34,567.00" << 1234567.0 << accepted;
    QTest::newRow("Finnish minus") << "fi_FI" << "\u22125" << -5.0 << accepted;

    QTest::newRow("empty") << "en_GB" << "" << 0.0 << mismatch;
    QTest::newRow("blanks only") << "en_GB" << "   " << 0.0 << mismatch;
    QTest::newRow("lone minus") << "en_GB" << "-" << 0.0 << mismatch;
    QTest::newRow("lone point") << "en_GB" << "." << 0.0 << mismatch;
    QTest::newRow("trailing letters") << "en_GB" << "12abc" << 0.0 << mismatch;
    QTest::newRow("two points") << "en_GB" << "1.2.3" << 0.0 << mismatch;
    QTest::newRow("two signs") << "en_GB" << "--1" << 0.0 << mismatch;
    QTest::newRow("pound sign") << "en_GB" << "\u00a310" << 0.0 << mismatch;
    QTest::newRow("percent") << "en_GB" << "17.5%" << 0.0 << mismatch;
    QTest::newRow("comma for point") << "en_GB" << "1,5" << 0.0 << mismatch;
    QTest::newRow("group too long") << "en_GB" << "1,2345" << 0.0 << mismatch;
    QTest::newRow("leading group") << "en_GB" << ",123" << 0.0 << mismatch;
    QTest::newRow("doubled group") << "en_GB" << "1,,000" << 0.0 << mismatch;
    QTest::newRow("grouped fraction") << "en_GB" << "1.000,5" << 0.0 << mismatch;
    QTest::newRow("space inside") << "en_GB" << "1 000" << 0.0 << mismatch;
    QTest::newRow("bare exponent") << "en_GB" << "1e" << 0.0 << mismatch;
    QTest::newRow("sign in parentheses") << "en_GB" << "(-5)" << 0.0 << mismatch;
    QTest::newRow("point in Germany") << "de_DE" << "1.5" << 0.0 << mismatch;
    QTest::newRow("overflow") << "en_GB" << "1e400" << 0.0 << overflow;
    QTest::newRow("huge digits") << "en_GB" << QString(400, u'9') << 0.0 << overflow;
}

void TestConversions::strict()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(int, fault);
    try {
        QCOMPARE(strictNumber(text, QLocale(locale)), expected);
        QCOMPARE(fault, accepted);
    } catch (const RuntimeError& error) {
        QCOMPARE(int(error.kind()), fault);
        QVERIFY(!error.message().isEmpty());
    }
}

void TestConversions::lenient_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("pound sign first") << "\u00a310" << 0.0;
    QTest::newRow("percent") << "17.5%" << 17.5;
    QTest::newRow("grouping stops") << "1,000" << 1.0;
    QTest::newRow("blanks inside") << "1 000" << 1000.0;
    QTest::newRow("tabs and line feeds") << "\t1\n2 .5" << 12.5;
    QTest::newRow("sign then blank") << "- 5" << -5.0;
    QTest::newRow("letters stop") << "10abc" << 10.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent without digits") << "7e+" << 7.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("overflow") << "-1e999" << -std::numeric_limits<double>::infinity();
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
}

void TestConversions::lenient()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(lenientNumber(text), expected);
}

// A quadratic reader would take seconds here.
void TestConversions::lenientIsLinear()
{
    QElapsedTimer timer;
    timer.start();
    QVERIFY(std::isinf(lenientNumber(QString(1'000'000, u'7'))));
    QCOMPARE(lenientNumber(QString(1'000'000, u' ') + u'5'), 5.0);
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
}

void TestConversions::numberToText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fraction") << "en_GB" << 12.5 << "12.5";
    QTest::newRow("whole") << "en_GB" << 10.0 << "10";
    QTest::newRow("minus zero") << "en_GB" << -0.0 << "0";
    QTest::newRow("negative") << "en_GB" << -10.0 << "-10";
    QTest::newRow("binary noise") << "en_GB" << 0.1 + 0.2 << "0.3";
    QTest::newRow("no grouping") << "en_GB" << 1234.5 << "1234.5";
    QTest::newRow("German comma") << "de_DE" << 12.5 << "12,5";
    QTest::newRow("15 digits") << "en_GB" << 123456789012345.0 << "123456789012345";
    QTest::newRow("large") << "en_GB" << 1.5e20 << "1.5E+20";
    QTest::newRow("small fixed") << "en_GB" << 0.00001 << "0.00001";
    QTest::newRow("tiny") << "en_GB" << 1.25e-7 << "1.25E-07";
    QTest::newRow("max") << "en_GB" << 1.7976931348623157e308 << "1.79769313486232E+308";
}

void TestConversions::numberToText()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(tillora::numberToText(value, QLocale(locale)), expected);
}

void TestConversions::roundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");

    const double values[] = {0.0, 0.3, -50.0, 1234.5, 999.995, -1234567.891, 1e15, 2.675, 1e-9, 1.5e300, 1.79769313486231e308};
    for (const char* locale : {"en_GB", "en_US", "de_DE", "fr_FR", "de_CH"}) {
        for (double value : values) {
            for (int decimals : {-1, 0, 2, 5})
                QTest::addRow("%s %g %d", locale, value, decimals) << QString::fromLatin1(locale) << value << decimals;
        }
    }
}

// What the number format writes must read back to the value it shows,
// because the till adds up the line totals from their displayed text.
void TestConversions::roundTrip()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(int, decimals);
    const QLocale region(locale);
    const auto read = [&](const QLocale& in, Tristate grouping) {
        return strictNumber(formatNumber(value, decimals, Tristate::UseDefault, Tristate::UseDefault, grouping, in), in);
    };
    QCOMPARE(read(region, Tristate::UseDefault), read(QLocale::c(), Tristate::False));
    QCOMPARE(strictNumber(tillora::numberToText(value, region), region),
             strictNumber(tillora::numberToText(value, QLocale::c()), QLocale::c()));
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"

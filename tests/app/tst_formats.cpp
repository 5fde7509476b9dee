#include "app/formats.h"
#include "app/runtimeerror.h"

#include <QTest>

#include <limits>

using namespace tillora;

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void number_data();
    void number();
    void numberOptions_data();
    void numberOptions();
    void currency_data();
    void currency();
    void beyondRangeIsAFault_data();
    void beyondRangeIsAFault();
    void moment_data();
    void moment();
};

void TestFormats::number_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tenths") << "en_GB" << 0.3 << 2 << "0.30";
    QTest::newRow("grouped") << "en_GB" << 1234.5 << 2 << "1,234.50";
    QTest::newRow("negative") << "en_GB" << -50.0 << 2 << "-50.00";
    QTest::newRow("regional default decimals") << "en_GB" << 1523.064375 << -1 << "1,523.06";
    // Half away from zero on the digits a person reads, not on the binary value.
    QTest::newRow("0.125") << "en_GB" << 0.125 << 2 << "0.13";
    QTest::newRow("1.005") << "en_GB" << 1.005 << 2 << "1.01";
    QTest::newRow("2.675") << "en_GB" << 2.675 << 2 << "2.68";
    QTest::newRow("0.015") << "en_GB" << 0.015 << 2 << "0.02";
    QTest::newRow("-0.125") << "en_GB" << -0.125 << 2 << "-0.13";
    QTest::newRow("1.0049999") << "en_GB" << 1.0049999 << 2 << "1.00";
    QTest::newRow("carry into integer") << "en_GB" << 999.995 << 2 << "1,000.00";
    QTest::newRow("binary sum") << "en_GB" << 0.1 + 0.2 << 2 << "0.30";
    QTest::newRow("no minus on zero") << "en_GB" << -0.001 << 2 << "0.00";
    QTest::newRow("minus zero") << "en_GB" << -0.0 << 2 << "0.00";
    QTest::newRow("tiny rounds away") << "en_GB" << 0.005 << 2 << "0.01";
    QTest::newRow("tiny stays zero") << "en_GB" << 0.0049 << 2 << "0.00";
    QTest::newRow("below every digit") << "en_GB" << 1e-300 << 2 << "0.00";
    QTest::newRow("no decimals") << "en_GB" << 2.5 << 0 << "3";
    QTest::newRow("millions") << "en_GB" << 1234567.891 << 2 << "1,234,567.89";
    QTest::newRow("beyond 15 digits") << "en_GB" << 1e20 << 2 << "100,000,000,000,000,000,000.00";
    QTest::newRow("German") << "de_DE" << -1234.5 << 2 << "-1.234,50";
    QTest::newRow("French") << "fr_FR" << 1234.5 << 2 << "1\u202f234,50";
    QTest::newRow("Swiss") << "de_CH" << 1234567.5 << 2 << "1\u2019234\u2019567.50";
    QTest::newRow("Indian") << "hi_IN" << 1234567.0 << 2 << "12,34,567.00";
    QTest::newRow("US") << "en_US" << 1234.5 << 2 << "1,234.50";
}

void TestFormats::number()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, decimals, Tristate::UseDefault, Tristate::UseDefault,
                          Tristate::UseDefault, QLocale(locale)),
             expected);
}

void TestFormats::numberOptions_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("leading");
    QTest::addColumn<int>("parentheses");
    QTest::addColumn<int>("grouping");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no leading digit") << 0.5 << 0 << -2 << -2 << ".50";
    QTest::newRow("parentheses") << -1234.5 << -2 << -1 << -2 << "(1,234.50)";
    QTest::newRow("no grouping") << 1234.5 << -2 << -2 << 0 << "1234.50";
    QTest::newRow("parentheses not on zero") << -0.001 << -2 << -1 << -2 << "0.00";
}

void TestFormats::numberOptions()
{
    QFETCH(double, value);
    QFETCH(int, leading);
    QFETCH(int, parentheses);
    QFETCH(int, grouping);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, 2, Tristate(leading), Tristate(parentheses), Tristate(grouping),
                          QLocale("en_GB")),
             expected);
}

void TestFormats::currency_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("pounds") << "en_GB" << 17.5 << "\u00a317.50";
    QTest::newRow("grouped") << "en_GB" << 1481.4 << "\u00a31,481.40";
    QTest::newRow("zero") << "en_GB" << 0.0 << "\u00a30.00";
    QTest::newRow("leading digit") << "en_GB" << 0.5 << "\u00a30.50";
    // Qt writes (£50.00) here; a till shows a minus sign.
    QTest::newRow("negative pounds") << "en_GB" << -50.0 << "-\u00a350.00";
    QTest::newRow("no minus on zero") << "en_GB" << -0.004 << "\u00a30.00";
    QTest::newRow("half away from zero") << "en_GB" << 2.675 << "\u00a32.68";
    QTest::newRow("euros after") << "de_DE" << -1234.5 << "-1.234,50\u00a0\u20ac";
    QTest::newRow("francs") << "de_CH" << 1234.5 << "1\u2019234.50\u00a0CHF";
    QTest::newRow("yen has no decimals") << "ja_JP" << 1234.5 << "\uffe51,235";
    QTest::newRow("dollars") << "en_US" << -5.0 << "-$5.00";
}

void TestFormats::currency()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatCurrency(value, -1, Tristate::True, Tristate::UseDefault, Tristate::UseDefault,
                            QLocale(locale)),
             expected);
}

void TestFormats::beyondRangeIsAFault_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("inf") << std::numeric_limits<double>::infinity();
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity();
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
    // Its 15 digits round up past the largest double, so its text would not read back.
    QTest::newRow("largest double") << std::numeric_limits<double>::max();
    QTest::newRow("-largest double") << -std::numeric_limits<double>::max();
}

void TestFormats::beyondRangeIsAFault()
{
    QFETCH(double, value);
    for (auto format : {+[](double x) { return formatNumber(x); }, +[](double x) { return formatCurrency(x); }}) {
        try {
            QFAIL(qPrintable(format(value)));
        } catch (const RuntimeError& error) {
            QVERIFY(error.isFloatingPointFault());
        }
    }
}

void TestFormats::moment_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("UK date") << "en_GB" << "dd/mm/yyyy" << "05/12/2026";
    QTest::newRow("UK time") << "en_GB" << "HH:mm" << "09:07";
    QTest::newRow("German date") << "de_DE" << "dd/mm/yyyy" << "05.12.2026";
    QTest::newRow("Finnish time") << "fi_FI" << "HH:mm" << "09.07";
    QTest::newRow("US date keeps the pattern's order") << "en_US" << "dd/mm/yyyy" << "05/12/2026";
    QTest::newRow("mm after hour with seconds") << "en_GB" << "hh:mm:ss" << "09:07:03";
    QTest::newRow("mm elsewhere is month") << "en_GB" << "mm" << "12";
    QTest::newRow("short forms") << "en_GB" << "d/m/yy" << "5/12/26";
    QTest::newRow("literals") << "en_GB" << "dd-mm at HH" << "05-12 at 09";
}

void TestFormats::moment()
{
    QFETCH(QString, locale);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    const QDateTime moment(QDate(2026, 12, 5), QTime(9, 7, 3));
    QCOMPARE(formatMoment(moment, pattern, QLocale(locale)), expected);
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"

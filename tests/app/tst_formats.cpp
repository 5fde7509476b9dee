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
    QTest::addColumn<QList<Tristate>>("options"); // leading digit, parentheses, grouping
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* tag, const char* locale, double value, int decimals, const QString& expected,
                        QList<Tristate> options = {Tristate::UseDefault, Tristate::UseDefault, Tristate::UseDefault}) {
        QTest::newRow(tag) << QString::fromLatin1(locale) << value << decimals << options << expected;
    };
    row("negative", "en_GB", -50.0, 2, "-50.00");
    row("regional default decimals", "en_GB", 1523.064375, -1, "1,523.06");
    // Half away from zero on the digits a person reads, not on the binary value.
    row("0.125", "en_GB", 0.125, 2, "0.13");
    row("1.005", "en_GB", 1.005, 2, "1.01");
    row("2.675", "en_GB", 2.675, 2, "2.68");
    row("0.015", "en_GB", 0.015, 2, "0.02");
    row("-0.125", "en_GB", -0.125, 2, "-0.13");
    row("1.0049999", "en_GB", 1.0049999, 2, "1.00");
    row("carry into integer", "en_GB", 999.995, 2, "1,000.00");
    row("binary sum", "en_GB", 0.1 + 0.2, 2, "0.30");
    row("no minus on zero", "en_GB", -0.001, 2, "0.00");
    row("minus zero", "en_GB", -0.0, 2, "0.00");
    row("tiny rounds away", "en_GB", 0.005, 2, "0.01");
    row("tiny stays zero", "en_GB", 0.0049, 2, "0.00");
    row("below every digit", "en_GB", 1e-300, 2, "0.00");
    row("no decimals", "en_GB", 2.5, 0, "3");
    row("millions", "en_GB", 1234567.891, 2, "1,234,567.89");
    row("beyond 15 digits", "en_GB", 1e20, 2, "100,000,000,000,000,000,000.00");
    row("German", "de_DE", -1234.5, 2, "-1.234,50");
    row("French", "fr_FR", 1234.5, 2, "1\u202f234,50");
    row("Swiss", "de_CH", 1234567.5, 2, "1\u2019234\u2019567.50");
    row("Indian", "hi_IN", 1234567.0, 2, "12,34,567.00");
    const Tristate no = Tristate::False, yes = Tristate::True, usual = Tristate::UseDefault;
    row("no leading digit", "en_GB", 0.5, 2, ".50", {no, usual, usual});
    row("parentheses", "en_GB", -1234.5, 2, "(1,234.50)", {usual, yes, usual});
    row("no grouping", "en_GB", 1234.5, 2, "1234.50", {usual, usual, no});
    row("parentheses not on zero", "en_GB", -0.001, 2, "0.00", {usual, yes, usual});
}

void TestFormats::number()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QList<Tristate>, options);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, decimals, options[0], options[1], options[2], QLocale(locale)), expected);
}

void TestFormats::currency_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("grouped") << "en_GB" << 1481.4 << "\u00a31,481.40";
    QTest::newRow("leading digit") << "en_GB" << 0.5 << "\u00a30.50";
    // Qt writes (£50.00) here; a till shows a minus sign.
    QTest::newRow("negative pounds") << "en_GB" << -50.0 << "-\u00a350.00";
    QTest::newRow("no minus on zero") << "en_GB" << -0.004 << "\u00a30.00";
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
    QCOMPARE(formatCurrency(value, -1, Tristate::True, Tristate::UseDefault, Tristate::UseDefault, QLocale(locale)),
             expected);
}

void TestFormats::beyondRangeIsAFault_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("inf") << std::numeric_limits<double>::infinity();
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity();
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
    // Its 15 digits round up past the largest double, so its text would not read back.
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
    QCOMPARE(formatMoment(QDateTime(QDate(2026, 12, 5), QTime(9, 7, 3)), pattern, QLocale(locale)), expected);
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"

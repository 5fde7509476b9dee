#include "markup/frmmarkup.h"
#include "support/calculator.h"

using namespace tillora;
using namespace tillora::test;

class TestMarkup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        m_window.load();
        m_window.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }
    void listOfRates();
    void calculations_data();
    void calculations();

private:
    frmMarkup m_window;
};

// The figure picked is the markup the result uses.
void TestMarkup::listOfRates()
{
    auto* rates = m_window.findChild<QComboBox*>("cboMarkupRates");
    QCOMPARE(rates->count(), 20);
    QCOMPARE(rates->itemText(0), QStringLiteral("Select One"));
    QVERIFY(!rates->isEditable());
    for (int position = 1; position < 20; ++position) {
        fill(&m_window, {"txtPrice=100", QStringLiteral("cboMarkupRates=%1").arg(position), "cmdCalcSell"});
        const QString used = " a markup of " + rates->itemText(position) + "% ";
        QVERIFY2(m_window.findChild<QLabel*>("lblResult2")->text().contains(used), qPrintable(used));
    }
}

void TestMarkup::calculations_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("vat");
    QTest::addColumn<int>("position"); // in the list of rates
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message"); // the warning a fault gives instead

    const QString tooLarge = QStringLiteral("The amount or the VAT rate is too large to work with. Please check both figures.");
    QTest::newRow("10% at 17.5%") << "12.5" << "17.5" << 2
        << "£12.5 + a markup of 10% = a selling price of £16.16 - VAT on this item is £2.41" << "";
    // The VAT the price contains at the rate typed, not a fixed share of the markup.
    QTest::newRow("VAT contained at 20%") << "100" << "20" << 2
        << "£100 + a markup of 10% = a selling price of £132.00 - VAT on this item is £22.00" << "";
    QTest::newRow("no VAT rate") << "100" << "" << 2
        << "£100 + a markup of 10% = a selling price of £110.00 - VAT on this item is £0.00" << "";
    QTest::newRow("grouped price") << "1234.5" << "17.5" << 1
        << "£1234.5 + a markup of 5% = a selling price of £1,523.06 - VAT on this item is £226.84" << "";
    QTest::newRow("nothing typed") << "" << "" << 10
        << "£0 + a markup of 50% = a selling price of £0.00 - VAT on this item is £0.00" << "";
    QTest::newRow("25%") << "80" << "17.5" << 5
        << "£80 + a markup of 25% = a selling price of £117.50 - VAT on this item is £17.50" << "";
    QTest::newRow("rate 0") << "100" << "0" << 4
        << "£100 + a markup of 20% = a selling price of £120.00 - VAT on this item is £0.00" << "";
    QTest::newRow("amount echoed plain") << "12.50" << "20" << 2
        << "£12.5 + a markup of 10% = a selling price of £16.50 - VAT on this item is £2.75" << "";
    QTest::newRow("pound sign reads 0") << "£100" << "20" << 2
        << "£0 + a markup of 10% = a selling price of £0.00 - VAT on this item is £0.00" << "";
    QTest::newRow("grouping stops the number") << "1,000" << "20" << 2
        << "£1 + a markup of 10% = a selling price of £1.32 - VAT on this item is £0.22" << "";
    QTest::newRow("percent sign ignored") << "100" << "17.5%" << 2
        << "£100 + a markup of 10% = a selling price of £129.25 - VAT on this item is £19.25" << "";
    QTest::newRow("VAT at -100% is no fault") << "100" << "-100" << 2
        << "£100 + a markup of 10% = a selling price of £0.00 - VAT on this item is £-110.00" << "";
    // The result shown before the row, kept.
    QTest::newRow("Select One") << "250" << "17.5" << 0
        << "£100 + a markup of 10% = a selling price of £132.00 - VAT on this item is £22.00" << "";
    // Wrapped in a label that does not grow: too long even in a smaller font.
    QTest::newRow("too long for the label") << "1e20" << "17.5" << 1 << "£1E+20 + a markup of 5% = a selling price of "
        "£123,375,000,000,000,000,000.00 - VAT on this item is £18,375,000,000,000,000,000.00" << "";
    QTest::newRow("selling price overflows") << "1e308" << "1000" << 2 << "" << tooLarge;
    QTest::newRow("amount beyond a double") << "1e999" << "20" << 2 << "" << tooLarge;
    QTest::newRow("VAT rate beyond a double") << "100" << "1e999" << 2 << "" << tooLarge;
}

// Each row first shows a result, which the row's result replaces and a
// fault keeps.
void TestMarkup::calculations()
{
    QFETCH(QString, amount);
    QFETCH(QString, vat);
    QFETCH(int, position);
    QFETCH(QString, result);
    QFETCH(QString, message);
    checkCalculation(&m_window, "lblResult2", {"txtPrice=100", "txtCurrentVat=20", "cboMarkupRates=2", "cmdCalcSell"},
                     {"txtPrice=" + amount, "txtCurrentVat=" + vat, QStringLiteral("cboMarkupRates=%1").arg(position),
                      "cmdCalcSell"},
                     result, message);
}

QTEST_MAIN(TestMarkup)
#include "tst_markup.moc"

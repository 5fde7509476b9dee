#include "support/calculator.h"
#include "vatcalc/frmvatcalc.h"

using namespace tillora;
using namespace tillora::test;

class TestVatCalc : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        m_window.load();
        m_window.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }
    void calculations_data();
    void calculations();

private:
    frmVATCalc m_window;
};

void TestVatCalc::calculations_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message"); // the warning a fault gives instead

    const QString add = QStringLiteral("cmdVATOn");
    const QString sub = QStringLiteral("cmdVATOff");
    const QString noNet = QStringLiteral("A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate.");
    const QString tooLarge = QStringLiteral("The amount or the VAT rate is too large to work with. Please check both figures.");
    QTest::newRow("add 17.5%") << "100" << "17.5" << add << "Total : £100.00 + VAT (£17.50) = £117.50" << "";
    QTest::newRow("add grouped") << "1234.5" << "20" << add << "Total : £1,234.50 + VAT (£246.90) = £1,481.40" << "";
    QTest::newRow("add rounds") << "19.99" << "17.5" << add << "Total : £19.99 + VAT (£3.50) = £23.49" << "";
    QTest::newRow("add empty") << "" << "" << add << "Total : £0.00 + VAT (£0.00) = £0.00" << "";
    QTest::newRow("subtract from gross") << "117.5" << "17.5" << sub << "VAT Paid: £17.50" << "";
    QTest::newRow("subtract from 100") << "100" << "17.5" << sub << "VAT Paid: £14.89" << "";
    QTest::newRow("subtract 20%") << "1481.4" << "20" << sub << "VAT Paid: £246.90" << "";
    QTest::newRow("subtract empty") << "" << "" << sub << "VAT Paid: £0.00" << "";
    QTest::newRow("add at 0%") << "100" << "0" << add << "Total : £100.00 + VAT (£0.00) = £100.00" << "";
    QTest::newRow("subtract at 0%") << "100" << "0" << sub << "VAT Paid: £0.00" << "";
    QTest::newRow("add at -100%") << "100" << "-100" << add << "Total : £100.00 + VAT (-£100.00) = £0.00" << "";
    QTest::newRow("pound sign reads 0") << "£100" << "17.5" << add << "Total : £0.00 + VAT (£0.00) = £0.00" << "";
    QTest::newRow("percent sign ignored") << "100" << "17.5%" << add << "Total : £100.00 + VAT (£17.50) = £117.50" << "";
    QTest::newRow("grouping stops the number") << "1,000" << "20" << add << "Total : £1.00 + VAT (£0.20) = £1.20" << "";
    QTest::newRow("negative amount") << "-50" << "20" << add << "Total : £-50.00 + VAT (-£10.00) = -£60.00" << "";
    // One line that does not grow: too long even in a smaller font.
    QTest::newRow("too long for the label") << "123456789012345" << "20" << add
        << "Total : £123,456,789,012,345.00 + VAT (£24,691,357,802,469.00) = £148,148,146,814,814.00" << "";
    QTest::newRow("subtract at -100%") << "100" << "-100" << sub << "" << noNet;
    QTest::newRow("subtract nothing at -100%") << "" << "-100" << sub << "" << noNet;
    QTest::newRow("VAT overflows") << "1e308" << "1000" << add << "" << tooLarge;
    QTest::newRow("total overflows") << "1.7e308" << "10" << add << "" << tooLarge;
    QTest::newRow("net overflows") << "1e308" << "-99.9999" << sub << "" << tooLarge;
    QTest::newRow("amount beyond a double, add") << "1e999" << "0" << add << "" << tooLarge;
    QTest::newRow("amount beyond a double, subtract") << "1e999" << "20" << sub << "" << tooLarge;
}

// Each row first shows a result by the other button, which the row's
// result replaces and a fault keeps.
void TestVatCalc::calculations()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, message);
    const QString other = button == u"cmdVATOn" ? QStringLiteral("cmdVATOff") : QStringLiteral("cmdVATOn");
    checkCalculation(&m_window, "lblResult", {"txtPrice=100", "txtCurrentVATRate=17.5", other},
                     {"txtPrice=" + amount, "txtCurrentVATRate=" + rate, button}, result, message);
}

QTEST_MAIN(TestVatCalc)
#include "tst_vatcalc.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The markup calculator: its sum, and the window with its list of rates.
#include "app/numbers/runtimeerror.h"
#include "markup/markupsums.h"
#include "markup/markupwindow.h"
#include "support/support.h"

#include <QComboBox>
#include <QLabel>

using namespace tillora;
using namespace tillora::test;

class TestMarkup : public QObject {
    Q_OBJECT
private slots:
    void sum_data()
    {
        QTest::addColumn<double>("cost");
        QTest::addColumn<int>("markup");
        QTest::addColumn<double>("vatRate");
        QTest::addColumn<double>("sellingPrice");
        QTest::addColumn<double>("vat"); // the VAT the selling price contains
        QTest::newRow("10 % at 17.5 %") << 12.5 << 10 << 17.5 << 16.15625 << 2.40625;
        QTest::newRow("no VAT") << 100.0 << 10 << 0.0 << 110.0 << 0.0;
        QTest::newRow("5 %") << 1234.5 << 5 << 17.5 << 1523.064375 << 226.839375;
        QTest::newRow("95 %") << 80.0 << 95 << 20.0 << 187.2 << 31.2;
        QTest::newRow("VAT at -100 %") << 100.0 << 10 << -100.0 << 0.0 << -110.0;
        QTest::newRow("a negative cost") << -40.0 << 50 << 25.0 << -75.0 << -15.0;
    }

    void sum()
    {
        QFETCH(double, cost);
        QFETCH(int, markup);
        QFETCH(double, vatRate);
        QFETCH(double, sellingPrice);
        QFETCH(double, vat);
        const MarkedUp result = markedUp(cost, markup, vatRate);
        QCOMPARE(result.sellingPrice, sellingPrice);
        QCOMPARE(result.vat, vat);
    }

    void beyondADouble()
    {
        try {
            markedUp(1e308, 10, 1000);
            QFAIL("worked out");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.kind(), RuntimeError::Kind::Overflow);
        }
    }

    void window_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* region, const QStringList& steps, const QString& result) {
            QTest::addRow("%s %s", region, qPrintable(result.left(24))) << QString(region) << steps << result;
        };
        const QString tenPercent = "£12.5 + a markup of 10% = a selling price of £16.16 - VAT on this item is £2.41";
        row("en_GB", {"txtPrice=12.50", "txtCurrentVat=17.5", "cboMarkupRates=2", "cmdCalcSell"}, tenPercent);
        row("en_GB", {"txtPrice=007", "cboMarkupRates=19", "cmdCalcSell"},
            "£7 + a markup of 95% = a selling price of £13.65 - VAT on this item is £0.00");
        row("en_GB", {"txtPrice=1,000", "txtCurrentVat=20%", "cboMarkupRates=10", "cmdCalcSell"},
            "£1 + a markup of 50% = a selling price of £1.80 - VAT on this item is £0.30");
        row("en_GB", {"cboMarkupRates=1", "cmdCalcSell"},
            "£0 + a markup of 5% = a selling price of £0.00 - VAT on this item is £0.00");
        // The prompt works nothing out, and leaves the last result showing.
        row("en_GB", {"cmdCalcSell"}, "");
        row("en_GB",
            {"txtPrice=12.5", "txtCurrentVat=17.5", "cboMarkupRates=2", "cmdCalcSell", "cboMarkupRates=0",
             "txtPrice=99", "cmdCalcSell"},
            tenPercent);
        row("de_DE", {"txtPrice=1234.5", "txtCurrentVat=17.5", "cboMarkupRates=1", "cmdCalcSell"},
            "£1234,5 + a markup of 5% = a selling price of £1.523,06 - VAT on this item is £226,84");
        row("en_GB", {"txtPrice=1e20", "txtCurrentVat=0", "cboMarkupRates=1", "cmdCalcSell"},
            "£1E+20 + a markup of 5% = a selling price of £105,000,000,000,000,000,000.00 - VAT on this item is £0.00");
    }

    void window()
    {
        QFETCH(QString, region);
        QFETCH(QStringList, steps);
        QFETCH(QString, result);
        QLocale::setDefault(QLocale(region));
        const auto markup = shown<MarkupWindow>();
        act(markup.get(), steps);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        auto* label = child<QLabel>(markup.get(), "lblResult2");
        QCOMPARE(tipOf(label).isEmpty() ? label->text() : tipOf(label), result);
    }

    void choosingTheRate_data()
    {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("markup"); // percent; 0: the prompt "Select One"
        QTest::newRow("as it opens") << QList<Qt::Key>{} << 0;
        QTest::newRow("down") << QList<Qt::Key>{Qt::Key_Down, Qt::Key_Down} << 10;
        QTest::newRow("down and up") << QList<Qt::Key>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << 5;
        QTest::newRow("end") << QList<Qt::Key>{Qt::Key_End} << 95;
        QTest::newRow("end, then home") << QList<Qt::Key>{Qt::Key_End, Qt::Key_Home} << 0;
        QTest::newRow("first digit") << QList<Qt::Key>{Qt::Key_7} << 70;
    }

    // The keyboard chooses on the closed list what the sum then uses.
    void choosingTheRate()
    {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, markup);
        const auto window = shown<MarkupWindow>();
        auto* rates = child<QComboBox>(window.get(), "cboMarkupRates");
        rates->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : keys)
            QTest::keyClick(rates, key);
        act(window.get(), {"txtPrice=100", "cmdCalcSell"});
        const QString result = child<QLabel>(window.get(), "lblResult2")->text();
        QCOMPARE(result.section(u'%', 0, 0).section(u' ', -1).toInt(), markup);
    }
};

QTEST_MAIN(TestMarkup)
#include "tst_markup.moc"

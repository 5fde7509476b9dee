// SPDX-License-Identifier: GPL-3.0-or-later
// The VAT calculator: its sums, and the window that reads the boxes and
// writes the result.
#include "app/numbers/conversions.h"
#include "app/numbers/runtimeerror.h"
#include "support/support.h"
#include "vatcalc/vatcalculatorwindow.h"
#include "vatcalc/vatsums.h"

#include <QLabel>
#include <QLineEdit>

#include <limits>

using namespace tillora;
using namespace tillora::test;

using Sum = VatSplit (*)(double, double);
using Kind = RuntimeError::Kind;
Q_DECLARE_METATYPE(Sum)
Q_DECLARE_METATYPE(std::optional<Kind>)

class TestVatCalculator : public QObject {
    Q_OBJECT
private slots:
    void sums_data()
    {
        QTest::addColumn<Sum>("sum");
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("rate");
        QTest::addColumn<VatSplit>("split");
        QTest::addColumn<std::optional<Kind>>("fault");
        const auto row = [](const char* name, Sum sum, double amount, double rate, VatSplit split,
                            std::optional<Kind> fault = std::nullopt) {
            QTest::newRow(name) << sum << amount << rate << split << fault;
        };
        row("added", vatAddedTo, 100, 17.5, {100, 17.5, 117.5});
        row("added, larger", vatAddedTo, 1234.5, 20, {1234.5, 246.9, 1481.4});
        row("added to a negative", vatAddedTo, -50, 20, {-50, -10, -60});
        row("added at -100 %", vatAddedTo, 100, -100, {100, -100, 0});
        row("added, beyond a double", vatAddedTo, 1e308, 1000, {}, Kind::Overflow);
        row("contained", vatContainedIn, 117.5, 17.5, {100, 17.5, 117.5});
        row("contained, larger", vatContainedIn, 1481.4, 20, {1234.5, 246.9, 1481.4});
        row("contained in 100", vatContainedIn, 100, 17.5, {100 / 1.175, 100 - 100 / 1.175, 100});
        row("contained at -100 %", vatContainedIn, 100, -100, {}, Kind::DivisionByZero);
        row("nothing at -100 %", vatContainedIn, 0, -100, {}, Kind::DivisionByZero);
        row("contained, beyond a double", vatContainedIn, 1e308, -99.9999, {}, Kind::Overflow);
    }

    void sums()
    {
        QFETCH(Sum, sum);
        QFETCH(double, amount);
        QFETCH(double, rate);
        QFETCH(VatSplit, split);
        QFETCH(std::optional<Kind>, fault);
        VatSplit got;
        std::optional<Kind> raised;
        try {
            got = sum(amount, rate);
        } catch (const RuntimeError& error) {
            raised = error.kind();
        }
        QCOMPARE(raised, fault);
        QCOMPARE(got.net, split.net);
        QCOMPARE(got.vat, split.vat);
        QCOMPARE(got.gross, split.gross);
    }

    void window_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* region, const QStringList& steps, const QString& result) {
            QTest::addRow("%s %s", region, qPrintable(result)) << QString(region) << steps << result;
        };
        row("en_GB", {"txtPrice=100", "txtCurrentVATRate=17.5", "cmdVATOn"},
            "Total : £100.00 + VAT (£17.50) = £117.50");
        row("en_GB", {"txtPrice=100", "txtCurrentVATRate=17.5", "cmdVATOff"}, "VAT Paid: £14.89");
        row("en_GB", {"cmdVATOn"}, "Total : £0.00 + VAT (£0.00) = £0.00");
        row("en_GB", {"cmdVATOff"}, "VAT Paid: £0.00");
        row("en_GB", {"txtPrice=£100", "txtCurrentVATRate=17.5%", "cmdVATOn"}, "Total : £0.00 + VAT (£0.00) = £0.00");
        row("en_GB", {"txtPrice=-50", "txtCurrentVATRate=20", "cmdVATOn"}, "Total : £-50.00 + VAT (-£10.00) = -£60.00");
        row("en_GB", {"txtPrice=1234.5", "txtCurrentVATRate=20", "cmdVATOn", "cmdVATOff"}, "VAT Paid: £205.75");
        row("de_DE", {"txtPrice=1234.5", "txtCurrentVATRate=20", "cmdVATOn"},
            "Total : £1.234,50 + VAT (246,90\u00a0£) = 1.481,40\u00a0£");
        row("en_US", {"txtPrice=1e6", "txtCurrentVATRate=0", "cmdVATOn"},
            "Total : £1,000,000.00 + VAT (£0.00) = £1,000,000.00");
    }

    // Each button replaces the whole result with its sum, read from the
    // boxes' leading numbers and written in the region's style.
    void window()
    {
        QFETCH(QString, region);
        QFETCH(QStringList, steps);
        QFETCH(QString, result);
        QLocale::setDefault(QLocale(region));
        const auto vat = shown<VatCalculatorWindow>();
        act(vat.get(), steps);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(child<QLabel>(vat.get(), "lblResult")->text(), result);
    }

    void faults_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("warning");
        const QString tooLarge = "The amount or the VAT rate is too large to work with. Please check both figures.";
        QTest::newRow("no net amount") << QStringList{
            "txtCurrentVATRate=-100",
            "cmdVATOff"} << "A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate.";
        QTest::newRow("beyond a double") << QStringList{"txtPrice=1e308", "txtCurrentVATRate=1000", "cmdVATOn"}
                                         << tooLarge;
        QTest::newRow("read as beyond") << QStringList{"txtPrice=1e999", "cmdVATOff"} << tooLarge;
        QTest::newRow("a full box") << QStringList{"txtCurrentVATRate=" + QString(entryCapacity, u'1'), "cmdVATOn"}
                                    << "Current VAT Rate (%): This box is full at 1,000 characters, so part of what "
                                       "was put into it may be missing.";
    }

    // A sum that cannot be worked out says why, and the last result stays.
    void faults()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, warning);
        const auto vat = shown<VatCalculatorWindow>();
        act(vat.get(), {"txtPrice=100", "txtCurrentVATRate=17.5", "cmdVATOn"});
        QList<SeenBox> seen;
        answerBoxes({"OK"}, &seen);
        act(vat.get(), steps);
        QCOMPARE(seen.value(0).title + u'|' + seen.value(0).text, "VAT Calculator|" + warning);
        QCOMPARE(seen.value(0).icon, QMessageBox::Warning);
        QCOMPARE(child<QLabel>(vat.get(), "lblResult")->text(), "Total : £100.00 + VAT (£17.50) = £117.50");
    }
};

QTEST_MAIN(TestVatCalculator)
#include "tst_vatcalculator.moc"

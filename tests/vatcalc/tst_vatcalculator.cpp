// SPDX-License-Identifier: GPL-3.0-or-later
// The VAT calculator: its sums, and the window that reads the boxes and
// writes the result, or says why it cannot.
#include "app/numbers/conversions.h"
#include "app/numbers/runtimeerror.h"
#include "support/rows.h"
#include "support/support.h"
#include "vatcalc/vatcalculatorwindow.h"
#include "vatcalc/vatsums.h"

#include <QLabel>

using namespace tillora;
using namespace tillora::test;
using Kind = RuntimeError::Kind;

namespace {

struct Sum {
    VatSplit (*sum)(double, double);
    double amount, rate;
    VatSplit split;
    std::optional<Kind> fault = std::nullopt;
};

struct Shown { // the boxes worked, and the result; or, with a warning, the result kept
    const char* region;
    QStringList steps;
    QString result, warning = {};
};

const QString tooLarge = "The amount or the VAT rate is too large to work with. Please check both figures.";

} // namespace

Q_DECLARE_METATYPE(Sum)
Q_DECLARE_METATYPE(Shown)

class TestVatCalculator : public QObject {
    Q_OBJECT
private slots:
    void sums_data()
    {
        rows<Sum>({
            {vatAddedTo, 100, 17.5, {100, 17.5, 117.5}},
            {vatAddedTo, -50, 20, {-50, -10, -60}},
            {vatAddedTo, 100, -100, {100, -100, 0}},
            {vatAddedTo, 1e308, 1000, {}, Kind::Overflow},
            {vatContainedIn, 1481.4, 20, {1234.5, 246.9, 1481.4}},
            {vatContainedIn, 100, 17.5, {100 / 1.175, 100 - 100 / 1.175, 100}},
            {vatContainedIn, 0, -100, {}, Kind::DivisionByZero},
            {vatContainedIn, 1e308, -99.9999, {}, Kind::Overflow},
        });
    }

    void sums()
    {
        QFETCH(Sum, row);
        VatSplit got;
        std::optional<Kind> raised;
        try {
            got = row.sum(row.amount, row.rate);
        } catch (const RuntimeError& error) {
            raised = error.kind();
        }
        QCOMPARE(raised, row.fault);
        QCOMPARE(got.net, row.split.net);
        QCOMPARE(got.vat, row.split.vat);
        QCOMPARE(got.gross, row.split.gross);
    }

    void window_data()
    {
        const QString hundred = "Total : £100.00 + VAT (£17.50) = £117.50";
        rows<Shown>({
            {"en_GB", {"txtPrice=100", "txtCurrentVATRate=17.5", "cmdVATOn"}, hundred},
            {"en_GB", {"txtPrice=117.5", "txtCurrentVATRate=17.5", "cmdVATOn", "cmdVATOff"}, "VAT Paid: £17.50"},
            {"en_GB", {"txtPrice=£100", "txtCurrentVATRate=17.5%", "cmdVATOn"}, "Total : £0.00 + VAT (£0.00) = £0.00"},
            {"en_GB",
             {"txtPrice=-50", "txtCurrentVATRate=20", "cmdVATOn"},
             "Total : £-50.00 + VAT (-£10.00) = -£60.00"},
            {"en_GB",
             {"txtPrice=123456789012345", "txtCurrentVATRate=20", "cmdVATOn"},
             "Total : £123,456,789,012,345.00 + VAT (£24,691,357,802,469.00) = £148,148,146,814,814.00"},
            {"de_DE",
             {"txtPrice=1234.5", "txtCurrentVATRate=20", "cmdVATOn"},
             "Total : £1.234,50 + VAT (246,90\u00a0£) = 1.481,40\u00a0£"},
            // A sum that cannot be worked out says why, and the last result stays.
            {"en_GB",
             {"txtPrice=100", "txtCurrentVATRate=17.5", "cmdVATOn", "txtCurrentVATRate=-100", "cmdVATOff"},
             hundred,
             "A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate."},
            {"en_GB", {"txtPrice=1e308", "txtCurrentVATRate=1000", "cmdVATOn"}, "", tooLarge},
            {"en_GB", {"txtPrice=1e999", "cmdVATOff"}, "", tooLarge},
            {"en_GB",
             {"txtCurrentVATRate=" + QString(entryCapacity, u'1'), "cmdVATOn"},
             "",
             "Current VAT Rate (%): This box is full at 1,000 characters, so part of what was put into it may be "
             "missing."},
        });
    }

    // Each button writes its whole sentence in the region's style, the result
    // whole under the pointer when cut short on screen.
    void window()
    {
        QFETCH(Shown, row);
        QLocale::setDefault(QLocale(row.region));
        const auto vat = shown<VatCalculatorWindow>();
        QList<SeenBox> seen;
        answerBoxes(row.warning.isEmpty() ? QStringList() : QStringList{"OK"}, &seen);
        act(vat.get(), row.steps);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        auto* result = child<QLabel>(vat.get(), "lblResult");
        QCOMPARE(tipOf(result).isEmpty() ? result->text() : tipOf(result), row.result);
        QCOMPARE(seen.value(0).text, row.warning);
        QVERIFY(row.warning.isEmpty() || (seen[0].title == "VAT Calculator" && seen[0].icon == QMessageBox::Warning));
    }
};

QTEST_MAIN(TestVatCalculator)
#include "tst_vatcalculator.moc"

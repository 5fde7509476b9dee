// SPDX-License-Identifier: GPL-3.0-or-later
// The VAT calculator: its sums, and the window that reads the boxes and
// writes the result, or says why it cannot.
#include "app/numbers/conversions.h"
#include "support/rows.h"
#include "support/support.h"
#include "vatcalc/vatcalculatorwindow.h"
#include "vatcalc/vatsums.h"

#include <QLabel>

using namespace tillora;
using namespace tillora::test;

namespace {

struct Shown { // the boxes worked, and the result; or, with a warning, the result kept
    const char* region;
    QStringList steps;
    QString result, warning = {};
};

const QString tooLarge = "The amount or the VAT rate is too large to work with. Please check both figures.";

} // namespace

Q_DECLARE_METATYPE(Shown)

class TestVatCalculator : public QObject {
    Q_OBJECT
private slots:
    // The VAT a gross amount contains, before the window rounds it.
    void vatContained() { QCOMPARE(vatContainedIn(1481.4, 20).vat, 246.9); }

    void window_data()
    {
        const QString hundred = "Total : £100.00 + VAT (£17.50) = £117.50",
                      zero = "Total : £0.00 + VAT (£0.00) = £0.00";
        rows<Shown>({
            {"en_GB", {"txtPrice=100", "txtCurrentVATRate=17.5", "cmdVATOn"}, hundred},
            {"en_GB", {"txtPrice=117.5", "txtCurrentVATRate=17.5", "cmdVATOn", "cmdVATOff"}, "VAT Paid: £17.50"},
            {"en_GB", {"txtPrice=£100", "txtCurrentVATRate=17.5%", "cmdVATOn"}, zero},
            {"en_GB",
             {"txtPrice=-50", "txtCurrentVATRate=20", "cmdVATOn"},
             "Total : £-50.00 + VAT (-£10.00) = -£60.00"},
            {"de_DE",
             {"txtPrice=1234.5", "txtCurrentVATRate=20", "cmdVATOn"},
             "Total : £1.234,50 + VAT (246,90\u00a0£) = 1.481,40\u00a0£"},
            // A sum that cannot be worked out says why, and the last result stays.
            {"en_GB",
             {"txtPrice=100", "txtCurrentVATRate=17.5", "cmdVATOn", "txtPrice=", "txtCurrentVATRate=-100", "cmdVATOff"},
             hundred,
             "A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate."},
            {"en_GB", {"txtPrice=1e308", "txtCurrentVATRate=1000", "cmdVATOn"}, "", tooLarge},
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The VAT calculator: the window that reads the boxes and writes the
// result, or says why it cannot.
#include "app/numbers/conversions.h"
#include "support/rows.h"
#include "support/support.h"
#include "vatcalc/vatcalculatorwindow.h"

#include <QLabel>

using namespace tillora;
using namespace tillora::test;

namespace {

struct Shown { // a sum asked for: the result, or with a warning the result kept
    const char* name;
    const char* region;
    QString amount, rate;
    const char* button;
    QString result, warning = {};
};

const QString hundred = "Total : £100.00 + VAT (£17.50) = £117.50",
              tooLarge = "The amount or the VAT rate is too large to work with. Please check both figures.",
              noNet = "A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate.",
              fullRate = "Current VAT Rate (%): This box is full at 1,000 characters, so part of what was put into "
                         "it may be missing.";

} // namespace

Q_DECLARE_METATYPE(Shown)

class TestVatCalculator : public QObject {
    Q_OBJECT
private slots:
    void window_data()
    {
        const QString german = "Total : £1.234,50 + VAT (246,90\u00a0£) = 1.481,40\u00a0£";
        rows<Shown>({
            {"VAT contained", "en_GB", "117.5", "17.5", "cmdVATOff", "VAT Paid: £17.50"},
            {"£ and % typed", "en_GB", "£100", "17.5%", "cmdVATOn", "Total : £0.00 + VAT (£0.00) = £0.00"},
            {"negative amount", "en_GB", "-50", "20", "cmdVATOn", "Total : £-50.00 + VAT (-£10.00) = -£60.00"},
            {"German style", "de_DE", "1234.5", "20", "cmdVATOn", german},
            {"rate of -100%", "en_GB", "", "-100", "cmdVATOff", hundred, noNet},
            {"VAT too large", "en_GB", "1e308", "1000", "cmdVATOn", hundred, tooLarge},
            {"gross too large", "en_GB", "1.7e308", "50", "cmdVATOn", hundred, tooLarge},
            {"rate too large to divide by", "en_GB", "100", "1e400", "cmdVATOff", hundred, tooLarge},
            {"rate box full", "en_GB", "100", QString(entryCapacity, u'1'), "cmdVATOn", hundred, fullRate},
        });
    }

    // After £100 with VAT at 17.5 % added, each button writes its whole
    // sentence in the region's style, the result whole under the pointer when
    // cut short on screen; a sum that cannot be worked out says why, and the
    // last result stays.
    void window()
    {
        QFETCH(Shown, row);
        QLocale::setDefault(QLocale(row.region));
        const auto vat = shown<VatCalculatorWindow>();
        QList<SeenBox> seen;
        answerBoxes(row.warning.isEmpty() ? QStringList() : QStringList{"OK"}, &seen);
        act(vat.get(), {"txtPrice=100", "txtCurrentVATRate=17.5", "cmdVATOn"});
        act(vat.get(), {"txtPrice=" + row.amount, "txtCurrentVATRate=" + row.rate, row.button});
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        auto* result = child<QLabel>(vat.get(), "lblResult");
        QCOMPARE(tipOf(result).isEmpty() ? result->text() : tipOf(result), row.result);
        QCOMPARE(seen.value(0).text, row.warning);
        QVERIFY(row.warning.isEmpty() || (seen[0].title == "VAT Calculator" && seen[0].icon == QMessageBox::Warning));
    }
};

QTEST_MAIN(TestVatCalculator)
#include "tst_vatcalculator.moc"

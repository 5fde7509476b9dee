// SPDX-License-Identifier: GPL-3.0-or-later
// The VAT and markup calculators: each window reads its boxes and writes its
// sentence, or says why it cannot.
#include "app/numbers/conversions.h"
#include "support/rows.h"
#include "support/support.h"

#include <QLabel>

using namespace tillora;
using namespace tillora::test;

namespace {

struct Sum { // a sum asked for: the result, or with a warning the result kept
    const char* name;
    Window window;
    const char* region;
    QString amount, rate;
    QString command; // the VAT calculator's button; the markup's position in its list, 5 % a step, 0 the prompt
    QString result, warning = {};
};

struct Calculator {
    QString rateBox, result;
    QStringList first, then; // the sum worked out before the row's; pressed after the row's command
};

// After £100 with VAT at 17.5 % added; after £12.50 marked up 10 % with VAT at 17.5 %.
const QMap<Window, Calculator> calculators{
    {Window::Vat, {"txtCurrentVATRate", "lblResult", {"txtPrice=100", "txtCurrentVATRate=17.5", "cmdVATOn"}, {}}},
    {Window::Markup,
     {"txtCurrentVat", "lblResult2", {"txtPrice=12.50", "txtCurrentVat=17.5", "cboMarkupRates=2"}, {"cmdCalcSell"}}},
};

QString sentence(const QString& cost, int markup, const QString& price, const QString& vat)
{
    return QStringLiteral("£%1 + a markup of %2% = a selling price of £%3 - VAT on this item is £%4")
        .arg(cost, QString::number(markup), price, vat);
}

} // namespace

Q_DECLARE_METATYPE(Sum)

class TestCalculators : public QObject {
    Q_OBJECT
private slots:
    void sums_data()
    {
        using enum Window;
        const QString hundred = "Total : £100.00 + VAT (£17.50) = £117.50";
        const QString german = "Total : £1.234,50 + VAT (246,90\u00a0£) = 1.481,40\u00a0£";
        const QString tooLarge = "The amount or the VAT rate is too large to work with. Please check both figures.";
        const QString noNet = "A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate.";
        const QString fullRate = "Current VAT Rate (%): This box is full at 1,000 characters, so part of what was put "
                                 "into it may be missing.";
        const QString tenPercent = sentence("12.5", 10, "16.16", "2.41"), first = "cboMarkupRates=1";
        rows<Sum>({
            {"VAT contained", Vat, "en_GB", "117.5", "17.5", "cmdVATOff", "VAT Paid: £17.50"},
            {"£ and % typed", Vat, "en_GB", "£100", "17.5%", "cmdVATOn", "Total : £0.00 + VAT (£0.00) = £0.00"},
            {"negative amount", Vat, "en_GB", "-50", "20", "cmdVATOn", "Total : £-50.00 + VAT (-£10.00) = -£60.00"},
            {"German style", Vat, "de_DE", "1234.5", "20", "cmdVATOn", german},
            {"rate of -100%", Vat, "en_GB", "", "-100", "cmdVATOff", hundred, noNet},
            {"VAT too large", Vat, "en_GB", "1e308", "1000", "cmdVATOn", hundred, tooLarge},
            {"gross too large", Vat, "en_GB", "1.7e308", "50", "cmdVATOn", hundred, tooLarge},
            {"rate too large to divide by", Vat, "en_GB", "100", "1e400", "cmdVATOff", hundred, tooLarge},
            {"rate box full", Vat, "en_GB", "100", QString(entryCapacity, u'1'), "cmdVATOn", hundred, fullRate},
            {"empty boxes", Markup, "en_GB", "", "", first, sentence("0", 5, "0.00", "0.00")},
            {"the prompt works nothing out", Markup, "en_GB", "99", "17.5", "cboMarkupRates=0", tenPercent},
            {"German markup", Markup, "de_DE", "1234.5", "17.5", first, sentence("1234,5", 5, "1.523,06", "226,84")},
            {"1E+15 cut short", Markup, "en_GB", "1e15", "0", first,
             sentence("1E+15", 5, "1,050,000,000,000,000.00", "0.00")},
            {"price too large", Markup, "en_GB", "1e308", "17.5", "cboMarkupRates=19", tenPercent, tooLarge},
        });
    }

    // After a first sum, the sentence in the region's style, whole under the
    // pointer when cut short on screen; a sum that cannot be worked out says
    // why, and the last result stays.
    void sums()
    {
        QFETCH(Sum, row);
        const Calculator& calculator = calculators[row.window];
        QLocale::setDefault(QLocale(row.region));
        const auto window = open(row.window);
        QList<SeenBox> seen;
        answerBoxes(row.warning.isEmpty() ? QStringList() : QStringList{"OK"}, &seen);
        act(window.get(), calculator.first + calculator.then);
        act(window.get(), {"txtPrice=" + row.amount, calculator.rateBox + '=' + row.rate, row.command});
        act(window.get(), calculator.then);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        auto* result = child<QLabel>(window.get(), calculator.result);
        QCOMPARE(tipOf(result).isEmpty() ? result->text() : tipOf(result), row.result);
        QCOMPARE(seen.value(0).text, row.warning);
        QVERIFY(row.warning.isEmpty()
                || (seen[0].title == window->windowTitle() && seen[0].icon == QMessageBox::Warning));
    }
};

QTEST_MAIN(TestCalculators)
#include "tst_calculators.moc"

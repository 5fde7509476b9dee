// SPDX-License-Identifier: GPL-3.0-or-later
// The markup calculator: its sum, and the window with its list of rates.
#include "markup/markupsums.h"
#include "markup/markupwindow.h"
#include "support/rows.h"
#include "support/support.h"

#include <QComboBox>
#include <QLabel>

using namespace tillora;
using namespace tillora::test;

namespace {

struct Sum {
    double cost;
    int markup;
    double vatRate, sellingPrice, vat; // the VAT the selling price contains
};

struct Shown {
    const char* region;
    QStringList steps;
    QString result;
};

} // namespace

Q_DECLARE_METATYPE(Sum)
Q_DECLARE_METATYPE(Shown)

class TestMarkup : public QObject {
    Q_OBJECT
private slots:
    // The figures before the window rounds them: the VAT is what the price
    // contains, whatever the sign of the cost or the rate.
    void sum_data()
    {
        rows<Sum>({
            {12.5, 10, 17.5, 16.15625, 2.40625},
            {100, 10, -100, 0, -110},
            {-40, 50, 25, -75, -15},
        });
    }

    void sum()
    {
        QFETCH(Sum, row);
        const MarkedUp result = markedUp(row.cost, row.markup, row.vatRate);
        QCOMPARE(result.sellingPrice, row.sellingPrice);
        QCOMPARE(result.vat, row.vat);
    }

    void window_data()
    {
        const QString tenPercent = "£12.5 + a markup of 10% = a selling price of £16.16 - VAT on this item is £2.41";
        rows<Shown>({
            {"en_GB", {"txtPrice=12.50", "txtCurrentVat=17.5", "cboMarkupRates=2", "cmdCalcSell"}, tenPercent},
            {"en_GB",
             {"cboMarkupRates=1", "cmdCalcSell"},
             "£0 + a markup of 5% = a selling price of £0.00 - VAT on this item is £0.00"},
            // The prompt works nothing out, and leaves the last result showing.
            {"en_GB",
             {"txtPrice=12.5", "txtCurrentVat=17.5", "cboMarkupRates=2", "cmdCalcSell", "cboMarkupRates=0",
              "txtPrice=99", "cmdCalcSell"},
             tenPercent},
            {"de_DE",
             {"txtPrice=1234.5", "txtCurrentVat=17.5", "cboMarkupRates=1", "cmdCalcSell"},
             "£1234,5 + a markup of 5% = a selling price of £1.523,06 - VAT on this item is £226,84"},
            {"en_GB",
             {"txtPrice=1e15", "txtCurrentVat=0", "cboMarkupRates=1", "cmdCalcSell"},
             "£1E+15 + a markup of 5% = a selling price of £1,050,000,000,000,000.00 - VAT on this item is "
             "£0.00"},
        });
    }

    // The sentence in the region's style, whole under the pointer when cut short.
    void window()
    {
        QFETCH(Shown, row);
        QLocale::setDefault(QLocale(row.region));
        const auto markup = shown<MarkupWindow>();
        act(markup.get(), row.steps);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        auto* label = child<QLabel>(markup.get(), "lblResult2");
        QCOMPARE(tipOf(label).isEmpty() ? label->text() : tipOf(label), row.result);
    }

    // The keys choose on the closed list what the sum then uses: arrows,
    // Home and End, or a first digit.
    void choosingTheRate()
    {
        const QList<std::pair<Qt::Key, int>> keys{{Qt::Key_Down, 5}, {Qt::Key_Down, 10}, {Qt::Key_End, 95},
                                                  {Qt::Key_Up, 90},  {Qt::Key_7, 70},    {Qt::Key_Home, 70}};
        const auto window = shown<MarkupWindow>();
        auto* rates = child<QComboBox>(window.get(), "cboMarkupRates");
        act(window.get(), {"txtPrice=100"});
        for (const auto& [key, markup] : keys) {
            QTest::keyClick(rates, key);
            act(window.get(), {"cmdCalcSell"});
            const QString result = child<QLabel>(window.get(), "lblResult2")->text();
            QCOMPARE(result.section(u'%', 0, 0).section(u' ', -1).toInt(), markup); // the prompt leaves it
        }
    }
};

QTEST_MAIN(TestMarkup)
#include "tst_markup.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The markup calculator: the window with its list of rates.
#include "markup/markupwindow.h"
#include "support/rows.h"
#include "support/support.h"

#include <QLabel>

using namespace tillora;
using namespace tillora::test;

namespace {

struct Shown { // a sum asked for: the result, or with a warning the result kept
    const char* name;
    const char* region;
    QString cost, vatRate;
    int position; // in the list of rates, 5 % a step; 0 is the prompt
    QString result, warning = {};
};

QString sentence(const QString& cost, int markup, const QString& price, const QString& vat)
{
    return QStringLiteral("£%1 + a markup of %2% = a selling price of £%3 - VAT on this item is £%4")
        .arg(cost, QString::number(markup), price, vat);
}

} // namespace

Q_DECLARE_METATYPE(Shown)

class TestMarkup : public QObject {
    Q_OBJECT
private slots:
    void window_data()
    {
        const QString tenPercent = sentence("12.5", 10, "16.16", "2.41"),
                      tooLarge = "The amount or the VAT rate is too large to work with. Please check both figures.";
        rows<Shown>({
            {"empty boxes", "en_GB", "", "", 1, sentence("0", 5, "0.00", "0.00")},
            {"the prompt works nothing out", "en_GB", "99", "17.5", 0, tenPercent},
            {"German style", "de_DE", "1234.5", "17.5", 1, sentence("1234,5", 5, "1.523,06", "226,84")},
            {"1E+15 cut short", "en_GB", "1e15", "0", 1, sentence("1E+15", 5, "1,050,000,000,000,000.00", "0.00")},
            {"price too large", "en_GB", "1e308", "17.5", 19, tenPercent, tooLarge},
        });
    }

    // After £12.50 marked up 10 % with VAT at 17.5 %, the sentence in the
    // region's style, whole under the pointer when cut short; a sum that
    // cannot be worked out says why, and the last result stays.
    void window()
    {
        QFETCH(Shown, row);
        QLocale::setDefault(QLocale(row.region));
        const auto markup = shown<MarkupWindow>();
        QList<SeenBox> seen;
        answerBoxes(row.warning.isEmpty() ? QStringList() : QStringList{"OK"}, &seen);
        act(markup.get(), {"txtPrice=12.50", "txtCurrentVat=17.5", "cboMarkupRates=2", "cmdCalcSell"});
        act(markup.get(), {"txtPrice=" + row.cost, "txtCurrentVat=" + row.vatRate,
                           "cboMarkupRates=" + QString::number(row.position), "cmdCalcSell"});
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        auto* label = child<QLabel>(markup.get(), "lblResult2");
        QCOMPARE(tipOf(label).isEmpty() ? label->text() : tipOf(label), row.result);
        QCOMPARE(seen.value(0).text, row.warning);
    }
};

QTEST_MAIN(TestMarkup)
#include "tst_markup.moc"

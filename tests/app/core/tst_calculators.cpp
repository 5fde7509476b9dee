// The VAT and markup calculators' sums, worked from what is typed.
#include "app/core/calculators.h"
#include "app/core/runtimeerror.h"

#include <QTest>

using namespace tillora;

class TestCalculators : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void sums_data()
    {
        QTest::addColumn<QString>("sum"); // add, paid, or a markup in percent
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("expected"); // the result, or the message of a fault
        const QString noNet = QStringLiteral("A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate.");
        const QString tooLarge = QStringLiteral("The amount or the VAT rate is too large to work with. Please check both figures.");
        const QList<QStringList> rows{
            {"add", "100", "17.5", "Total : £100.00 + VAT (£17.50) = £117.50"},
            {"add", "1234.5", "20", "Total : £1,234.50 + VAT (£246.90) = £1,481.40"},
            {"add", "19.99", "17.5", "Total : £19.99 + VAT (£3.50) = £23.49"},
            {"add", "", "", "Total : £0.00 + VAT (£0.00) = £0.00"},
            {"add", "100", "-100", "Total : £100.00 + VAT (-£100.00) = £0.00"},
            {"add", "£100", "17.5%", "Total : £0.00 + VAT (£0.00) = £0.00"},
            {"add", "1,000", "20", "Total : £1.00 + VAT (£0.20) = £1.20"},
            {"add", "-50", "20", "Total : £-50.00 + VAT (-£10.00) = -£60.00"},
            {"paid", "117.5", "17.5", "VAT Paid: £17.50"},
            {"paid", "100", "17.5", "VAT Paid: £14.89"},
            {"paid", "1481.4", "20", "VAT Paid: £246.90"},
            {"paid", "", "", "VAT Paid: £0.00"},
            {"paid", "100", "-100", noNet},
            {"paid", "", "-100", noNet},
            {"add", "1e308", "1000", tooLarge},
            {"add", "1.7e308", "10", tooLarge},
            {"paid", "1e308", "-99.9999", tooLarge},
            {"paid", "1e999", "20", tooLarge},
            // The VAT the selling price contains at the rate typed.
            {"10", "12.5", "17.5", "£12.5 + a markup of 10% = a selling price of £16.16 - VAT on this item is £2.41"},
            {"10", "100", "20", "£100 + a markup of 10% = a selling price of £132.00 - VAT on this item is £22.00"},
            {"10", "100", "", "£100 + a markup of 10% = a selling price of £110.00 - VAT on this item is £0.00"},
            {"5", "1234.5", "17.5", "£1234.5 + a markup of 5% = a selling price of £1,523.06 - VAT on this item is £226.84"},
            {"50", "", "", "£0 + a markup of 50% = a selling price of £0.00 - VAT on this item is £0.00"},
            {"25", "80", "17.5", "£80 + a markup of 25% = a selling price of £117.50 - VAT on this item is £17.50"},
            {"10", "12.50", "20", "£12.5 + a markup of 10% = a selling price of £16.50 - VAT on this item is £2.75"},
            {"10", "1,000", "17.5%", "£1 + a markup of 10% = a selling price of £1.29 - VAT on this item is £0.19"},
            {"10", "100", "-100", "£100 + a markup of 10% = a selling price of £0.00 - VAT on this item is £-110.00"},
            {"5", "1e20", "0", "£1E+20 + a markup of 5% = a selling price of £105,000,000,000,000,000,000.00 - VAT on this item is £0.00"},
            {"50", "1.25e-7", "0", "£1.25E-07 + a markup of 50% = a selling price of £0.00 - VAT on this item is £0.00"},
            {"10", "1e308", "1000", tooLarge},
            {"10", "100", "1e999", tooLarge},
        };
        for (const QStringList& row : rows)
            QTest::addRow("%s %s at %s", qPrintable(row[0]), qPrintable(row[1]), qPrintable(row[2])) << row[0] << row[1] << row[2] << row[3];
    }

    void sums()
    {
        QFETCH(QString, sum);
        QFETCH(QString, amount);
        QFETCH(QString, rate);
        QFETCH(QString, expected);
        QString result;
        try {
            result = sum == u"add" ? vatAdded(amount, rate) : sum == u"paid" ? vatPaid(amount, rate) : markedUp(amount, rate, sum.toInt());
        } catch (const RuntimeError& error) {
            result = error.message();
        }
        QCOMPARE(result, expected);
    }
};

QTEST_APPLESS_MAIN(TestCalculators)
#include "tst_calculators.moc"

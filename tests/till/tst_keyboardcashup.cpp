// A whole cash-up with the keyboard alone: Tab and Shift+Tab to move,
// digits to type, Space to press, from the freshly opened window to the
// printed report. It types the till's whole-count worked example.
#include "tillwindow.h"

#include <QRegularExpression>

using namespace tillora;
using namespace tillora::test;

namespace {

QString focusName()
{
    return QApplication::focusWidget()->objectName();
}

void press(Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), key);
}

void typeKeys(const QString& keys)
{
    QTest::keyClicks(QApplication::focusWidget(), keys);
}

// Presses the key until the control has the focus; false if it never does
// within one round of the window.
bool moveTo(const QString& name, Qt::Key key)
{
    for (int i = 0; i < 110 && focusName() != name; ++i)
        press(key);
    return focusName() == name;
}

} // namespace

class TestKeyboardCashUp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void wholeCashUp();
};

void TestKeyboardCashUp::wholeCashUp()
{
    TillWindow till;
    RecordingPrinter printer;
    till.form().setPrinterSource(recordInto(printer));
    QCOMPARE(focusName(), QStringLiteral("cmdPrintScreen"));

    // The whole-count example: the float first, then on through every
    // count (the £2 coins' 5 mistyped and put right).
    QVERIFY(moveTo("txtFloat", Qt::Key_Tab));
    typeKeys("50");
    for (const char* keys : {"7", "3", "4", "10", "5", "6", "12", "5\b4", "3", "5", "2", "1"}) {
        press(Qt::Key_Tab);
        typeKeys(keys);
    }
    QCOMPARE(focusName(), QStringLiteral("txtTill_11"));
    // Back past the float to the cheques, then to the report.
    QVERIFY(moveTo("txtChequeAmt_0", Qt::Key_Backtab));
    typeKeys("25.50");
    press(Qt::Key_Tab);
    typeKeys("12");
    QCOMPARE(till.results().join(u' '), QStringLiteral("0.07 0.06 0.20 1.00 1.00 3.00 12.00 8.00 15.00 50.00 40.00 "
                                                       "50.00 25.33 155.00 180.33 37.50 217.83 130.33 37.50"));
    QVERIFY(moveTo("cmdPrintReport", Qt::Key_Backtab));
    press(Qt::Key_Space);

    QCOMPARE(printer.documentsEnded, 1);
    QStringList printed;
    for (const RecordingPrinter::Line& line : printer.lines)
        printed << line.text();
    QCOMPARE(printed.size(), 54);
    QCOMPARE(printed.filter(QRegularExpression("^(Number of £2 |Cheque|Total|Till Total|Add|Grand|Cash)")),
             (QStringList{"Number of £2 coins :\t\t\t4", "Cheque 1 £\t\t\t25.50", "Cheque 2 £\t\t\t12",
                          "Total Change : £\t\t25.33", "Total Notes : £\t\t\t155.00", "Till Total : £\t\t\t180.33",
                          "Add Cheques : £\t\t37.50", "Grand Total : £\t\t\t217.83", "Cash to Bank : £\t\t130.33",
                          "Cheques to Bank : £\t\t37.50"}));
}

QTEST_MAIN(TestKeyboardCashUp)
#include "tst_keyboardcashup.moc"

// A whole cash-up with the keyboard alone: Tab and Shift+Tab to move,
// digits to type, Space to press, from the freshly opened window to the
// printed report.
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

    // The float first, then on through the counts, tabbing past the empty
    // rows: seven 1p, four 10p, three £1, four £2 (a 5 mistyped and put
    // right), two £5, six £10, one £20.
    QVERIFY(moveTo("txtFloat", Qt::Key_Tab));
    typeKeys("50.00");
    for (const auto& [tabs, keys] : {std::pair{1, "7"}, {3, "4"}, {3, "3"}, {1, "5\b4"}, {1, "2"}, {1, "6"}, {1, "1"}}) {
        press(Qt::Key_Tab, tabs);
        typeKeys(keys);
    }
    QCOMPARE(focusName(), QStringLiteral("txtTill_10"));
    // Back past the float to the cheques, then to the report.
    QVERIFY(moveTo("txtChequeAmt_0", Qt::Key_Backtab));
    typeKeys("25.00");
    press(Qt::Key_Tab);
    typeKeys("12.50");
    QVERIFY(moveTo("cmdPrintReport", Qt::Key_Backtab));
    press(Qt::Key_Space);

    QCOMPARE(printer.documentsEnded, 1);
    QStringList printed;
    for (const RecordingPrinter::Line& line : printer.lines)
        printed << line.text();
    QCOMPARE(printed.filter(QRegularExpression("^(Number|Cheque|Total|Till Total|Add|Grand|Cash)")),
             (QStringList{"Number of 1p coins :\t\t\t7", "Number of 10p coins :\t\t\t4", "Number of £1 coins :\t\t\t3",
                          "Number of £2 coins :\t\t\t4", "Number of £5 notes :\t\t\t2", "Number of £10 notes :\t\t\t6",
                          "Number of £20 notes :\t\t\t1", "Cheque 1 £\t\t\t25.00", "Cheque 2 £\t\t\t12.50",
                          "Total Change : £\t\t11.47", "Total Notes : £\t\t\t90.00", "Till Total : £\t\t\t101.47",
                          "Add Cheques : £\t\t37.50", "Grand Total : £\t\t\t138.97", "Cash to Bank : £\t\t51.47",
                          "Cheques to Bank : £\t\t37.50"}));
}

QTEST_MAIN(TestKeyboardCashUp)
#include "tst_keyboardcashup.moc"

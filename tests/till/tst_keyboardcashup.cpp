// A whole cash-up with the keyboard alone: Tab and Shift+Tab to move,
// digits to type, Space to press, from the freshly opened window to the
// printed report.
#include "tillwindow.h"

#include <QPushButton>

using namespace tillora;
using namespace tillora::test;

namespace {

QWidget* focused()
{
    return QApplication::focusWidget();
}

void press(Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(focused(), key);
}

void typeKeys(const QString& keys)
{
    QTest::keyClicks(focused(), keys);
}

// Presses the key until the control has the focus; false if it never does
// within one round of the window.
bool moveTo(const QString& name, Qt::Key key)
{
    for (int i = 0; i < 110 && focused()->objectName() != name; ++i)
        press(key);
    return focused()->objectName() == name;
}

// The report's line that starts with this caption, or an empty text.
QString reportLine(const RecordingPrinter& printer, const QString& caption)
{
    for (const RecordingPrinter::Line& line : printer.lines) {
        if (line.text().startsWith(caption))
            return line.text();
    }
    return {};
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
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdPrintScreen"));

    // The float first, then on through the counts.
    QVERIFY(moveTo("txtFloat", Qt::Key_Tab));
    typeKeys("50.00");
    press(Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("txtTill_0"));
    typeKeys("7");
    press(Qt::Key_Tab, 3);
    typeKeys("4"); // 10p
    press(Qt::Key_Tab, 3);
    typeKeys("3"); // £1
    press(Qt::Key_Tab);
    typeKeys("5"); // £2, mistyped and put right
    press(Qt::Key_Backspace);
    typeKeys("4");
    for (const char* count : {"2", "6", "1"}) { // £5, £10, £20
        press(Qt::Key_Tab);
        typeKeys(count);
    }
    QCOMPARE(focused()->objectName(), QStringLiteral("txtTill_10"));

    // Back past the float to the cheques.
    QVERIFY(moveTo("txtChequeAmt_0", Qt::Key_Backtab));
    typeKeys("25.00");
    press(Qt::Key_Tab);
    typeKeys("12.50");

    QVERIFY(moveTo("cmdPrintReport", Qt::Key_Backtab));
    press(Qt::Key_Space);

    QCOMPARE(till.text("txtTill_7"), QStringLiteral("4"));
    QCOMPARE(till.text("txtTotal"), QStringLiteral("138.97"));
    QCOMPARE(printer.documentsEnded, 1);
    const QStringList expected{
        "Number of 1p coins :\t\t\t7", "Number of 10p coins :\t\t\t4", "Number of £2 coins :\t\t\t4",
        "Number of £20 notes :\t\t\t1", "Cheque 1 £\t\t\t25.00",         "Cheque 2 £\t\t\t12.50",
        "£2 coins : £\t\t\t8.00",       "Total Change : £\t\t11.47",     "Total Notes : £\t\t\t90.00",
        "Till Total : £\t\t\t101.47",   "Add Cheques : £\t\t37.50",      "Grand Total : £\t\t\t138.97",
        "Cash to Bank : £\t\t51.47",    "Cheques to Bank : £\t\t37.50"};
    for (const QString& line : expected)
        QCOMPARE(reportLine(printer, line.section(u'\t', 0, 0)), line);
    QVERIFY(reportLine(printer, "Number of 2p coins").isEmpty());
    QVERIFY(reportLine(printer, "Cheque 3 ").isEmpty());
}

QTEST_MAIN(TestKeyboardCashUp)
#include "tst_keyboardcashup.moc"

#include "app/fittedcaption.h"
#include "support/modal.h"
#include "support/windowdriver.h"
#include "vatcalc/frmvatcalc.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace tillora;
using namespace tillora::test;

class TestVatCalc : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void calculations_data();
    void calculations();
    void faultsKeepTheResult_data();
    void faultsKeepTheResult();
    void longResultStaysOnOneLine();
    void focusAndTabCycle();
    void enterAndEscDoNothing_data();
    void enterAndEscDoNothing();
    void singleInstanceAndFreshAfterClose_data();
    void singleInstanceAndFreshAfterClose();
    void captionsFitAndNamesRead();

private:
    frmVATCalc& window() { return *m_slot.get(); }
    QLineEdit* box(const char* name) { return window().findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return window().findChild<QPushButton*>(name); }
    QLabel* result() { return window().findChild<QLabel*>("lblResult"); }
    void calculate(const QString& amount, const QString& rate, const char* buttonName);

    WindowSlot<frmVATCalc> m_slot;
};

void TestVatCalc::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestVatCalc::init()
{
    m_slot.show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void TestVatCalc::cleanup()
{
    if (m_slot.get())
        closeWindow(m_slot.get());
}

void TestVatCalc::calculate(const QString& amount, const QString& rate, const char* buttonName)
{
    typeInto(box("txtPrice"), amount);
    typeInto(box("txtCurrentVATRate"), rate);
    click(button(buttonName));
}

// One window for every row, so each result replaces the one before,
// whichever button wrote it.
void TestVatCalc::calculations_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");

    const QString add = QStringLiteral("cmdVATOn");
    const QString sub = QStringLiteral("cmdVATOff");
    QTest::newRow("add 17.5%") << "100" << "17.5" << add << "Total : £100.00 + VAT (£17.50) = £117.50";
    QTest::newRow("subtract 17.5% from gross") << "117.5" << "17.5" << sub << "VAT Paid: £17.50";
    QTest::newRow("add grouped") << "1234.5" << "20" << add << "Total : £1,234.50 + VAT (£246.90) = £1,481.40";
    QTest::newRow("subtract 17.5% from 100") << "100" << "17.5" << sub << "VAT Paid: £14.89";
    QTest::newRow("add rounds") << "19.99" << "17.5" << add << "Total : £19.99 + VAT (£3.50) = £23.49";
    QTest::newRow("subtract 20%") << "1481.4" << "20" << sub << "VAT Paid: £246.90";
    QTest::newRow("add empty") << "" << "" << add << "Total : £0.00 + VAT (£0.00) = £0.00";
    QTest::newRow("subtract empty") << "" << "" << sub << "VAT Paid: £0.00";
    QTest::newRow("add at 0%") << "100" << "0" << add << "Total : £100.00 + VAT (£0.00) = £100.00";
    QTest::newRow("subtract at 0%") << "100" << "0" << sub << "VAT Paid: £0.00";
    QTest::newRow("add at -100%") << "100" << "-100" << add << "Total : £100.00 + VAT (-£100.00) = £0.00";
    QTest::newRow("pound sign reads 0") << "£100" << "17.5" << add << "Total : £0.00 + VAT (£0.00) = £0.00";
    QTest::newRow("percent sign ignored") << "100" << "17.5%" << add << "Total : £100.00 + VAT (£17.50) = £117.50";
    QTest::newRow("grouping stops the number") << "1,000" << "20" << add << "Total : £1.00 + VAT (£0.20) = £1.20";
    QTest::newRow("negative amount") << "-50" << "20" << add << "Total : £-50.00 + VAT (-£10.00) = -£60.00";
}

void TestVatCalc::calculations()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    calculate(amount, rate, qPrintable(button));
    QCOMPARE(result()->text(), expected);
    QVERIFY(result()->toolTip().isEmpty());
}

void TestVatCalc::faultsKeepTheResult_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");

    const QString add = QStringLiteral("cmdVATOn");
    const QString sub = QStringLiteral("cmdVATOff");
    const QString noNet = QStringLiteral("A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate.");
    const QString tooLarge = QStringLiteral("The amount or the VAT rate is too large to work with. Please check both figures.");
    QTest::newRow("subtract at -100%") << "100" << "-100" << sub << noNet;
    QTest::newRow("subtract nothing at -100%") << "" << "-100" << sub << noNet;
    QTest::newRow("VAT overflows") << "1e308" << "1000" << add << tooLarge;
    QTest::newRow("total overflows") << "1.7e308" << "10" << add << tooLarge;
    QTest::newRow("net overflows") << "1e308" << "-99.9999" << sub << tooLarge;
    QTest::newRow("amount beyond a double, no VAT") << "1e999" << "0" << add << tooLarge;
    QTest::newRow("amount beyond a double, subtract") << "1e999" << "20" << sub << tooLarge;
}

void TestVatCalc::faultsKeepTheResult()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, button);
    QFETCH(QString, message);
    calculate("100", "17.5", "cmdVATOn");
    const QString before = result()->text();

    SeenBox seen;
    answerNextBox(QStringLiteral("OK"), &seen);
    calculate(amount, rate, qPrintable(button));
    QTRY_COMPARE(seen.text, message);
    QCOMPARE(seen.title, QStringLiteral("VAT Calculator"));
    QCOMPARE(seen.icon, int(QMessageBox::Warning));
    QCOMPARE(seen.buttons, QStringList{"OK"});
    QCOMPARE(result()->text(), before);
    QCOMPARE(box("txtPrice")->text(), amount);
    QCOMPARE(box("txtCurrentVATRate")->text(), rate);
}

// The label is one line and never grows: a result too long for it even in
// a smaller font is cut short, with the whole in its tooltip.
void TestVatCalc::longResultStaysOnOneLine()
{
    calculate("123456789012345", "20", "cmdVATOn");
    const QString whole = QStringLiteral(
        "Total : £123,456,789,012,345.00 + VAT (£24,691,357,802,469.00) = £148,148,146,814,814.00");
    QLabel* label = result();
    QCOMPARE(label->toolTip(), whole);
    QVERIFY(label->text().endsWith(u'…'));
    QVERIFY(whole.startsWith(label->text().chopped(1)));
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
    QVERIFY(label->font().pixelSize() >= fittedCaptionFloor);
}

void TestVatCalc::focusAndTabCycle()
{
    QCOMPARE(tabCycle(5), QStringList({"cmdVATOn", "cmdVATOff", "txtPrice", "txtCurrentVATRate", "cmdClose",
                                       "cmdVATOn"}));
}

void TestVatCalc::enterAndEscDoNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    for (const char* name : {"cmdVATOn", "cmdVATOff", "txtPrice", "txtCurrentVATRate", "cmdClose"}) {
        QTest::addRow("%s Enter", name) << name << int(Qt::Key_Return);
        QTest::addRow("%s keypad Enter", name) << name << int(Qt::Key_Enter);
        QTest::addRow("%s Esc", name) << name << int(Qt::Key_Escape);
    }
}

void TestVatCalc::enterAndEscDoNothing()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    typeInto(box("txtPrice"), "100");
    typeInto(box("txtCurrentVATRate"), "17.5");
    auto* target = window().findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCoreApplication::processEvents();
    QVERIFY(m_slot.get());
    QVERIFY(window().isVisible());
    QCOMPARE(result()->text(), QString());
}

void TestVatCalc::singleInstanceAndFreshAfterClose_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Close Window") << true;
    QTest::newRow("close box") << false;
}

void TestVatCalc::singleInstanceAndFreshAfterClose()
{
    QFETCH(bool, byButton);
    calculate("100", "17.5", "cmdVATOn");
    frmVATCalc* first = m_slot.get();

    QCOMPARE(&m_slot.show(), first);
    QCOMPARE(box("txtPrice")->text(), QStringLiteral("100"));
    QCOMPARE(result()->text(), QStringLiteral("Total : £100.00 + VAT (£17.50) = £117.50"));

    if (byButton) {
        click(button("cmdClose"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else {
        closeWindow(first);
    }
    QVERIFY(!m_slot.get());

    m_slot.show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QCOMPARE(box("txtPrice")->text(), QString());
    QCOMPARE(box("txtCurrentVATRate")->text(), QString());
    QCOMPARE(result()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), button("cmdVATOn"));
}

void TestVatCalc::captionsFitAndNamesRead()
{
    QCOMPARE(clippedCaptions(&window()), QStringList());
    QCOMPARE(box("txtPrice")->accessibleName(), QStringLiteral("Amount for Calculation"));
    QCOMPARE(box("txtCurrentVATRate")->accessibleName(), QStringLiteral("Current VAT Rate (%)"));
    for (const auto* b : window().findChildren<QPushButton*>()) {
        QVERIFY(!b->text().contains(u'&'));
        QVERIFY(!b->autoDefault() && !b->isDefault());
    }
}

QTEST_MAIN(TestVatCalc)
#include "tst_vatcalc.moc"

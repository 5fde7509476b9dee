#include "app/fittedcaption.h"
#include "markup/frmmarkup.h"
#include "support/modal.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace tillora;
using namespace tillora::test;

class TestMarkup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sellingPriceAndVat_data();
    void sellingPriceAndVat();
    void vatFollowsTheRateTyped();
    void noRatePickedKeepsTheResult();
    void faultsKeepTheResult_data();
    void faultsKeepTheResult();
    void longResultStaysInsideTheLabel();
    void focusAndTabCycle();
    void enterAndEscDoNothing_data();
    void enterAndEscDoNothing();
    void listIsPickOnly();
    void singleInstanceAndFreshAfterClose_data();
    void singleInstanceAndFreshAfterClose();
    void captionsFitAndNamesRead();

private:
    frmMarkup& window() { return *m_slot.get(); }
    QLineEdit* box(const char* name) { return window().findChild<QLineEdit*>(name); }
    QComboBox* rates() { return window().findChild<QComboBox*>("cboMarkupRates"); }
    QLabel* result() { return window().findChild<QLabel*>("lblResult2"); }
    void calculate(const QString& amount, const QString& vat, int position);

    WindowSlot<frmMarkup> m_slot;
};

void TestMarkup::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestMarkup::init()
{
    m_slot.show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void TestMarkup::cleanup()
{
    if (m_slot.get())
        closeWindow(m_slot.get());
}

void TestMarkup::calculate(const QString& amount, const QString& vat, int position)
{
    typeInto(box("txtPrice"), amount);
    typeInto(box("txtCurrentVat"), vat);
    pickWithKeys(rates(), position);
    click(window().findChild<QPushButton*>("cmdCalcSell"));
}

void TestMarkup::sellingPriceAndVat_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("vat");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");

    QTest::newRow("10% at 17.5%") << "12.5" << "17.5" << 2
        << "£12.5 + a markup of 10% = a selling price of £16.16 - VAT on this item is £2.41";
    QTest::newRow("VAT contained at 20%") << "100" << "20" << 2
        << "£100 + a markup of 10% = a selling price of £132.00 - VAT on this item is £22.00";
    QTest::newRow("no VAT rate") << "100" << "" << 2
        << "£100 + a markup of 10% = a selling price of £110.00 - VAT on this item is £0.00";
    QTest::newRow("grouped price") << "1234.5" << "17.5" << 1
        << "£1234.5 + a markup of 5% = a selling price of £1,523.06 - VAT on this item is £226.84";
    QTest::newRow("nothing typed") << "" << "" << 10
        << "£0 + a markup of 50% = a selling price of £0.00 - VAT on this item is £0.00";
    QTest::newRow("25%") << "80" << "17.5" << 5
        << "£80 + a markup of 25% = a selling price of £117.50 - VAT on this item is £17.50";
    QTest::newRow("95%, the last") << "100" << "20" << 19
        << "£100 + a markup of 95% = a selling price of £234.00 - VAT on this item is £39.00";
    QTest::newRow("rate 0") << "100" << "0" << 4
        << "£100 + a markup of 20% = a selling price of £120.00 - VAT on this item is £0.00";
    QTest::newRow("amount echoed plain") << "12.50" << "20" << 2
        << "£12.5 + a markup of 10% = a selling price of £16.50 - VAT on this item is £2.75";
    QTest::newRow("pound sign reads 0") << "£100" << "20" << 2
        << "£0 + a markup of 10% = a selling price of £0.00 - VAT on this item is £0.00";
    QTest::newRow("grouping stops the number") << "1,000" << "20" << 2
        << "£1 + a markup of 10% = a selling price of £1.32 - VAT on this item is £0.22";
    QTest::newRow("percent sign ignored") << "100" << "17.5%" << 2
        << "£100 + a markup of 10% = a selling price of £129.25 - VAT on this item is £19.25";
    QTest::newRow("VAT at -100% is no fault") << "100" << "-100" << 2
        << "£100 + a markup of 10% = a selling price of £0.00 - VAT on this item is £-110.00";
}

void TestMarkup::sellingPriceAndVat()
{
    QFETCH(QString, amount);
    QFETCH(QString, vat);
    QFETCH(int, position);
    QFETCH(QString, expected);
    calculate(amount, vat, position);
    QCOMPARE(result()->text(), expected);
}

// The VAT figure is what the selling price contains at the rate typed,
// so a different rate on the same item gives a different figure.
void TestMarkup::vatFollowsTheRateTyped()
{
    calculate("100", "20", 2);
    const QString atTwenty = result()->text();
    typeInto(box("txtCurrentVat"), "5");
    click(window().findChild<QPushButton*>("cmdCalcSell"));
    QCOMPARE(atTwenty, QStringLiteral("£100 + a markup of 10% = a selling price of £132.00 - VAT on this item is £22.00"));
    QCOMPARE(result()->text(), QStringLiteral("£100 + a markup of 10% = a selling price of £115.50 - VAT on this item is £5.50"));
}

void TestMarkup::noRatePickedKeepsTheResult()
{
    auto* button = window().findChild<QPushButton*>("cmdCalcSell");
    typeInto(box("txtPrice"), "100");
    click(button);
    QCOMPARE(result()->text(), QString());

    calculate("100", "20", 2);
    const QString shown = result()->text();
    calculate("250", "17.5", 0);
    QCOMPARE(result()->text(), shown);
    rates()->setCurrentIndex(-1);
    click(button);
    QCOMPARE(result()->text(), shown);
}

void TestMarkup::faultsKeepTheResult_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("vat");
    QTest::addColumn<int>("position");

    QTest::newRow("selling price overflows") << "1e308" << "1000" << 2;
    QTest::newRow("amount and markup overflow") << "1.7e308" << "0" << 19;
    QTest::newRow("amount beyond a double") << "1e999" << "20" << 2;
    QTest::newRow("VAT rate beyond a double") << "100" << "1e999" << 2;
    QTest::newRow("VAT rate infinitely negative") << "100" << "-1e999" << 2;
}

void TestMarkup::faultsKeepTheResult()
{
    QFETCH(QString, amount);
    QFETCH(QString, vat);
    QFETCH(int, position);
    calculate("100", "20", 2);
    const QString before = result()->text();

    SeenBox seen;
    answerNextBox(QStringLiteral("OK"), &seen);
    calculate(amount, vat, position);
    QTRY_COMPARE(seen.text, QStringLiteral("The amount or the VAT rate is too large to work with. Please check both figures."));
    QCOMPARE(seen.title, QStringLiteral("Markup Program"));
    QCOMPARE(seen.icon, int(QMessageBox::Warning));
    QCOMPARE(seen.buttons, QStringList{"OK"});
    QCOMPARE(result()->text(), before);
    QCOMPARE(box("txtPrice")->text(), amount);
    QCOMPARE(box("txtCurrentVat")->text(), vat);
}

// The label keeps its size: a result that does not fit even wrapped in a
// smaller font is cut short, with the whole in its tooltip.
void TestMarkup::longResultStaysInsideTheLabel()
{
    calculate("1e300", "17.5", 1);
    QLabel* label = result();
    QVERIFY(label->text().endsWith(u'…'));
    QVERIFY(label->toolTip().startsWith(QStringLiteral("£1E+300 + a markup of 5% = a selling price of £1,233,750,000,")));
    QCOMPARE(label->accessibleName(), label->toolTip());
    const QRect needed = QFontMetrics(label->font()).boundingRect(
        QRect(0, 0, label->width(), 1000), int(label->alignment()) | Qt::TextWordWrap, label->text());
    QVERIFY(needed.width() <= label->width() && needed.height() <= label->height());
    QCOMPARE(label->size(), QSize(281, 25));
}

void TestMarkup::focusAndTabCycle()
{
    QCOMPARE(tabCycle(5), QStringList({"txtPrice", "txtCurrentVat", "cboMarkupRates", "cmdCalcSell", "cmdClose",
                                       "txtPrice"}));
}

void TestMarkup::enterAndEscDoNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    for (const char* name : {"txtPrice", "txtCurrentVat", "cboMarkupRates", "cmdCalcSell", "cmdClose"}) {
        QTest::addRow("%s Enter", name) << name << int(Qt::Key_Return);
        QTest::addRow("%s Esc", name) << name << int(Qt::Key_Escape);
    }
}

void TestMarkup::enterAndEscDoNothing()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    typeInto(box("txtPrice"), "100");
    pickWithKeys(rates(), 2);
    auto* target = window().findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCoreApplication::processEvents();
    QVERIFY(m_slot.get() && window().isVisible());
    QCOMPARE(result()->text(), QString());
    QCOMPARE(rates()->currentIndex(), 2);
}

void TestMarkup::listIsPickOnly()
{
    QStringList items;
    for (int i = 0; i < rates()->count(); ++i)
        items << rates()->itemText(i);
    QStringList expected{"Select One"};
    for (int rate = 5; rate <= 95; rate += 5)
        expected << QString::number(rate);
    QCOMPARE(items, expected);
    QCOMPARE(rates()->currentIndex(), 0);

    rates()->setFocus();
    QTest::keyClicks(rates(), "abc");
    QCOMPARE(rates()->count(), 20);
    QVERIFY(!rates()->isEditable());
}

void TestMarkup::singleInstanceAndFreshAfterClose_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Close Window") << true;
    QTest::newRow("close box") << false;
}

void TestMarkup::singleInstanceAndFreshAfterClose()
{
    QFETCH(bool, byButton);
    calculate("100", "20", 2);
    const QString shown = result()->text();
    frmMarkup* first = m_slot.get();

    QCOMPARE(&m_slot.show(), first);
    QCOMPARE(rates()->count(), 20); // Form_Load did not run again
    QCOMPARE(rates()->currentIndex(), 2);
    QCOMPARE(box("txtCurrentVat")->text(), QStringLiteral("20"));
    QCOMPARE(result()->text(), shown);

    if (byButton) {
        click(window().findChild<QPushButton*>("cmdClose"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else {
        closeWindow(first);
    }
    QVERIFY(!m_slot.get());

    m_slot.show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QCOMPARE(rates()->currentText(), QStringLiteral("Select One"));
    QCOMPARE(box("txtPrice")->text(), QString());
    QCOMPARE(box("txtCurrentVat")->text(), QString());
    QCOMPARE(result()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), box("txtPrice"));
}

void TestMarkup::captionsFitAndNamesRead()
{
    QCOMPARE(clippedCaptions(&window()), QStringList());
    QCOMPARE(box("txtPrice")->accessibleName(), QStringLiteral("Amount for Calculation"));
    QCOMPARE(box("txtCurrentVat")->accessibleName(), QStringLiteral("Current VAT Rate (%)"));
    QCOMPARE(rates()->accessibleName(), QStringLiteral("Markup Percentage"));
}

QTEST_MAIN(TestMarkup)
#include "tst_markup.moc"

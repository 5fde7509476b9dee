// The main window as laid out: geometry, fonts, focus and start-up.
#include "tillwindow.h"
#include "support/windowdriver.h"

#include "app/formats.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tillora;
using namespace tillora::test;

namespace {

// The focusable controls in the order Tab visits them.
QStringList tabOrder()
{
    QStringList names{"cmdPrintScreen", "cmdQuit", "cmdPrintReport", "txtDate", "txtTime", "txtNotesTotal",
                      "txtChangeTotal"};
    for (int i = 0; i < tillRows; ++i)
        names << QStringLiteral("txtTotals_%1").arg(i);
    for (int j = 0; j < chequeRows; ++j)
        names << QStringLiteral("txtChequeAmt_%1").arg(j);
    names << "txtFloat";
    for (int i = 0; i < tillRows; ++i)
        names << QStringLiteral("txtTill_%1").arg(i);
    names << QStringList{"txtChequeBank", "txtCashBank", "txtTotal", "txtChequeTotal", "txtTillTotal",
                         "cmdExit", "cmdVATCalc", "cmdMarkup", "Command1"};
    return names;
}

const QStringList boldControls{"Frame9", "Frame10", "Frame11", "Frame12", "Frame13", "Frame14", "Frame16",
                               "lblCopyright", "lblWebsite", "lblTotalChange", "lblTotalNotes", "lblTillTotal",
                               "lblChequeAdd", "lblGrandTotal", "lblCashBank", "lblChequeBank"};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void window();
    void geometry_data();
    void geometry();
    void captions_data();
    void captions();
    void everyCaptionFits();
    void onlyMarkedControlsAreBold();
    void accessibleNames_data();
    void accessibleNames();
    void startUp();
    void tabWalksTheOrder();
    void hiddenExitDoesNothing();
    void focusSelectsFromCaretToEnd();
    void caretLeftInTheMiddle();
    void readOnlyBoxesRefuseTyping_data();
    void readOnlyBoxesRefuseTyping();
};

void TestForm1::window()
{
    TillWindow till;
    Form1& form = till.form();
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Tillora"));
    QCOMPARE(form.size(), QSize(760, 464));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(16, 16));
    QCOMPARE(form.findChildren<QWidget*>().size(), 104);
}

void TestForm1::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels"); // twips / 15
    QTest::newRow("float frame") << "Frame10" << "Form1" << QRect(8, 8, 201, 41);
    QTest::newRow("till frame") << "Frame9" << "Form1" << QRect(8, 56, 201, 393);
    QTest::newRow("float") << "txtFloat" << "Frame10" << QRect(8, 16, 65, 19);
    QTest::newRow("hint") << "lblPlease" << "Frame10" << QRect(80, 16, 113, 17);
    QTest::newRow("first count") << "txtTill_0" << "Frame9" << QRect(128, 16, 65, 19);
    QTest::newRow("last count") << "txtTill_11" << "Frame9" << QRect(128, 368, 65, 19);
    QTest::newRow("last count caption") << "lblTill_11" << "Frame9" << QRect(8, 368, 105, 17);
    QTest::newRow("cheque 10") << "txtChequeAmt_9" << "Frame11" << QRect(96, 304, 89, 19);
    QTest::newRow("£20 line total") << "txtTotals_10" << "Frame12" << QRect(112, 256, 57, 19);
    QTest::newRow("notes total") << "txtNotesTotal" << "Frame12" << QRect(112, 328, 57, 19);
    QTest::newRow("time") << "txtTime" << "Frame13" << QRect(48, 40, 137, 19);
    QTest::newRow("hidden exit") << "cmdQuit" << "Frame14" << QRect(0, 208, 177, 25);
    QTest::newRow("cheques to bank caption") << "lblChequeBank" << "Frame16" << QRect(8, 160, 73, 25);
    QTest::newRow("cheques to bank") << "txtChequeBank" << "Frame16" << QRect(88, 168, 49, 19);
    QTest::newRow("about") << "Command1" << "Form1" << QRect(608, 424, 137, 25);
    QTest::newRow("website") << "lblWebsite" << "Form1" << QRect(216, 432, 193, 17);
}

void TestForm1::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    TillWindow till;
    auto* control = till.form().findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), pixels);
}

void TestForm1::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("10p count") << "lblTill_3" << "Number of 10p coins :";
    QTest::newRow("£50 count") << "lblTill_11" << "Number of £50 notes :";
    QTest::newRow("1p line") << "lblTotal_0" << "1 pences : £";
    QTest::newRow("£20 line, no space") << "lblTotal_10" << "£20 notes: £";
    QTest::newRow("cheque 1") << "lblCheque_0" << "Cheque 1 £";
    QTest::newRow("cheque 10") << "lblCheque_9" << "Cheque 10 £";
    QTest::newRow("hint") << "lblPlease" << "Please enter this first.";
    QTest::newRow("cash to bank") << "lblCashBank" << "Cash to Bank : £";
    QTest::newRow("copyright") << "lblCopyright" << "© 2026 Tillora developers";
    QTest::newRow("website") << "lblWebsite" << "www.tillora.example";
}

void TestForm1::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    TillWindow till;
    QCOMPARE(till.form().findChild<QLabel*>(name)->text(), caption);
}

void TestForm1::everyCaptionFits()
{
    TillWindow till;
    const QStringList overflowing = overflowingCaptions(&till.form());
    QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(u'\n')));
    // Figures in the thousands fit the narrowest result boxes too.
    till.type("txtFloat", "0");
    till.type("txtTill_11", "199.98");
    QCOMPARE(till.text("txtTillTotal"), QStringLiteral("9,999.00"));
    for (const char* name : {"txtTillTotal", "txtTotals_11"}) {
        const CaptionRoom c = *captionRoom(till.box(name));
        QVERIFY2(QFontMetrics(till.box(name)->font()).horizontalAdvance(c.text) <= c.room.width(), name);
    }
}

void TestForm1::onlyMarkedControlsAreBold()
{
    TillWindow till;
    for (QWidget* w : till.form().findChildren<QWidget*>())
        QVERIFY2(w->font().bold() == boldControls.contains(w->objectName()), qPrintable(w->objectName()));
}

void TestForm1::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("10p count") << "txtTill_3" << "Number of 10p coins";
    QTest::newRow("£50 count") << "txtTill_11" << "Number of £50 notes";
    QTest::newRow("cheque 10") << "txtChequeAmt_9" << "Cheque 10";
    QTest::newRow("float") << "txtFloat" << "Float";
    QTest::newRow("£20 line total") << "txtTotals_10" << "£20 notes";
    QTest::newRow("change total") << "txtChangeTotal" << "Total Change";
    QTest::newRow("cash to bank") << "txtCashBank" << "Cash to Bank";
    QTest::newRow("cheques to bank") << "txtChequeBank" << "Cheques to Bank";
    QTest::newRow("grand total") << "txtTotal" << "Grand Total";
    QTest::newRow("date") << "txtDate" << "Date";
}

void TestForm1::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    TillWindow till;
    QCOMPARE(till.box(name)->accessibleName(), accessibleName);
    for (QLineEdit* box : till.form().findChildren<QLineEdit*>())
        QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
}

void TestForm1::startUp()
{
    const QDateTime before = currentMoment();
    TillWindow till;
    const QDateTime after = currentMoment();
    const QString date = till.text("txtDate");
    QVERIFY2(date == formatMoment(before, u"dd/mm/yyyy") || date == formatMoment(after, u"dd/mm/yyyy"),
             qPrintable(date));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4}$")).match(date).hasMatch());
    const QString time = till.text("txtTime");
    QVERIFY2(time == formatMoment(before, u"HH:mm") || time == formatMoment(after, u"HH:mm"), qPrintable(time));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdPrintScreen"));
    // Nothing is worked out before the float is typed.
    QCOMPARE(till.results().mid(0, tillRows), QStringList(tillRows, QStringLiteral("0")));
    QCOMPARE(till.results().mid(tillRows), QStringList(7, QString()));
    QCOMPARE(till.text("txtFloat"), QString());
    QCOMPARE(till.text("txtChequeAmt_9"), QStringLiteral("0"));
}

void TestForm1::tabWalksTheOrder()
{
    TillWindow till;
    QStringList visited{QApplication::focusWidget()->objectName()};
    const QStringList expected = tabOrder();
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdPrintScreen"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

void TestForm1::hiddenExitDoesNothing()
{
    TillWindow till;
    QPushButton* quit = till.form().findChild<QPushButton*>("cmdQuit");
    QVERIFY(quit->isVisible());
    QVERIFY(quit->visibleRegion().isEmpty()); // below its frame's edge
    const auto windows = QApplication::topLevelWidgets().size();
    QSignalSpy clicks(quit, &QPushButton::clicked);

    QTest::keyClick(&till.form(), Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(clicks.size(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), quit);
    QTest::keyClick(quit, Qt::Key_Space);
    QTRY_COMPARE(clicks.size(), 2);
    QVERIFY(till.form().isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QCOMPARE(QApplication::focusWidget(), quit);
}

void TestForm1::focusSelectsFromCaretToEnd()
{
    TillWindow till;
    QLineEdit* box = till.box("txtTill_3");
    till.tabInto("txtTill_2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->selectedText(), QStringLiteral("0"));
    QCOMPARE(box->selectionStart(), 0);
    QCOMPARE(box->cursorPosition(), 0);
    QTest::keyClick(box, Qt::Key_7);
    QCOMPARE(box->text(), QStringLiteral("7"));
    // Back again with the caret after the 7: nothing is left to select.
    QTest::keyClick(box, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->selectedText(), QString());
    QCOMPARE(box->cursorPosition(), 1);
    // The float box has no focus handler: Qt's own select-all stands.
    till.box("txtFloat")->setText(QStringLiteral("12"));
    till.tabInto("txtFloat");
    QCOMPARE(till.box("txtFloat")->selectedText(), QStringLiteral("12"));
}

void TestForm1::caretLeftInTheMiddle()
{
    TillWindow till;
    QLineEdit* cheque = till.tabInto("txtChequeAmt_4");
    QTest::keyClicks(cheque, "1234");
    QTest::keyClick(cheque, Qt::Key_Left);
    QTest::keyClick(cheque, Qt::Key_Left);
    QTest::keyClick(cheque, Qt::Key_Tab);
    QVERIFY(!cheque->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(cheque->hasFocus());
    QCOMPARE(cheque->selectedText(), QStringLiteral("34"));
    QCOMPARE(cheque->cursorPosition(), 2);
    QTest::keyClick(cheque, Qt::Key_9);
    QCOMPARE(cheque->text(), QStringLiteral("129"));
    // A click puts the caret where it lands.
    QTest::keyClick(cheque, Qt::Key_Tab);
    QTest::mouseClick(cheque, Qt::LeftButton, {}, QPoint(cheque->width() - 3, cheque->height() / 2));
    QVERIFY(cheque->hasFocus());
    QCOMPARE(cheque->cursorPosition(), 3);
}

void TestForm1::readOnlyBoxesRefuseTyping_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("line total") << "txtTotals_0";
    QTest::newRow("date") << "txtDate";
    QTest::newRow("cash to bank") << "txtCashBank";
}

void TestForm1::readOnlyBoxesRefuseTyping()
{
    QFETCH(QString, name);
    TillWindow till;
    QLineEdit* box = till.tabInto(name);
    QVERIFY(box->hasFocus());
    const QString before = box->text();
    QTest::keyClicks(box, "42");
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), before);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"

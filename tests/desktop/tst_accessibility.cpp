// What a screen reader hears of every window, read through Qt's
// accessibility interfaces as an assistive technology reads them.
//
// The offscreen platform has no accessibility bridge, so no change events
// reach a listener here; the interfaces themselves answer as they would to
// a bridge, which is what these tests read.
#include "till/tillwindow.h"
#include "support/windowdriver.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

using namespace tillora;
using namespace tillora::test;

namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return face;
}

QString nameOf(QWidget* widget)
{
    return accessible(widget)->text(QAccessible::Name);
}

QString descriptionOf(QWidget* widget)
{
    return accessible(widget)->text(QAccessible::Description);
}

// The captions of the controls that label this one ("labelled by").
QStringList labelsOf(QWidget* widget)
{
    QStringList captions;
    for (const auto& [other, relation] : accessible(widget)->relations(QAccessible::Label))
        captions << other->text(QAccessible::Name);
    return captions;
}

// What a label's caption says as a name: without the colon and pound sign
// that stand before the box.
QString spoken(QString caption)
{
    return caption.remove(QRegularExpression(QStringLiteral("[\\s:\u00a3]+$")));
}

// The label on the box's own row, to its left: what a sighted user reads
// as the box's caption.
QLabel* labelBeside(QWidget* box)
{
    QLabel* nearest = nullptr;
    for (QLabel* label : box->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = label->geometry();
        const bool sameRow = g.top() < box->geometry().bottom() && g.bottom() > box->geometry().top();
        if (sameRow && g.right() < box->x() && (!nearest || g.right() > nearest->geometry().right()))
            nearest = label;
    }
    return nearest;
}

// The controls a user works: typing, choosing or pressing.
QList<QWidget*> workedControls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w))
            controls << w;
    }
    return controls;
}

// Opens a tool window by its button on the till, as a user does.
QWidget* openTool(TillWindow& till, const QString& button)
{
    Form1& form = till.form();
    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    QWidget* tool = button == u"cmdVATCalc" ? static_cast<QWidget*>(form.vatCalculator())
                  : button == u"cmdMarkup"  ? static_cast<QWidget*>(form.markupCalculator())
                                            : static_cast<QWidget*>(form.aboutWindow());
    if (!tool || !QTest::qWaitForWindowActive(tool))
        qFatal("%s opened no window", qPrintable(button));
    return tool;
}

// The till's every box and button and the name it is heard by.
QList<std::pair<QString, QString>> tillTable()
{
    QList<std::pair<QString, QString>> names{{"txtFloat", "Float"}};
    const QStringList counted{"1p coins", "2p coins", "5p coins", "10p coins", "20p coins", "50p coins",
                              "£1 coins", "£2 coins", "£5 notes", "£10 notes", "£20 notes", "£50 notes"};
    const QStringList lines{"1 pences", "2 pences", "5 pences", "10 pences", "20 pences", "50 pences",
                            "£1 coins", "£2 coins", "£5 notes", "£10 notes", "£20 notes", "£50 notes"};
    for (int i = 0; i < tillRows; ++i) {
        names.append({QStringLiteral("txtTill_%1").arg(i), "Number of " + counted[i]});
        names.append({QStringLiteral("txtTotals_%1").arg(i), lines[i]});
    }
    for (int j = 0; j < chequeRows; ++j)
        names.append({QStringLiteral("txtChequeAmt_%1").arg(j), QStringLiteral("Cheque %1").arg(j + 1)});
    names << std::pair<QString, QString>{"txtChangeTotal", "Total Change"}
          << std::pair<QString, QString>{"txtNotesTotal", "Total Notes"}
          << std::pair<QString, QString>{"txtDate", "Date"} << std::pair<QString, QString>{"txtTime", "Time"}
          << std::pair<QString, QString>{"txtTillTotal", "Till Total"}
          << std::pair<QString, QString>{"txtChequeTotal", "Add Cheques"}
          << std::pair<QString, QString>{"txtTotal", "Grand Total"}
          << std::pair<QString, QString>{"txtCashBank", "Cash to Bank"}
          << std::pair<QString, QString>{"txtChequeBank", "Cheques to Bank"}
          << std::pair<QString, QString>{"cmdPrintScreen", "Print Screenshot"}
          << std::pair<QString, QString>{"cmdPrintReport", "Print Report"}
          << std::pair<QString, QString>{"cmdQuit", "Exit"}
          << std::pair<QString, QString>{"cmdVATCalc", "Start VAT Calculator"}
          << std::pair<QString, QString>{"cmdMarkup", "Start Markup Program"}
          << std::pair<QString, QString>{"cmdExit", "Exit TLR"}
          << std::pair<QString, QString>{"Command1", "About"};
    return names;
}

const QStringList resultBoxes{"txtChangeTotal", "txtNotesTotal", "txtDate",        "txtTime",    "txtTillTotal",
                              "txtChequeTotal", "txtTotal",      "txtCashBank", "txtChequeBank"};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void tillNames_data();
    void tillNames();
    void tillNamesEveryControl();
    void toolWindowNames_data();
    void toolWindowNames();
    void captionsAndPictures_data();
    void captionsAndPictures();
    void resultsAreHeard_data();
    void resultsAreHeard();
    void markedBoxIsAnnounced_data();
    void markedBoxIsAnnounced();
};

void TestAccessibility::tillNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    for (const auto& [control, name] : tillTable())
        QTest::newRow(qPrintable(control)) << control << name;
}

// Boxes by their caption, role and label; result boxes say they are
// read-only.
void TestAccessibility::tillNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    TillWindow till;
    auto* widget = till.form().findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(nameOf(widget), name);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(accessible(box)->role(), QAccessible::EditableText);
        QCOMPARE(accessible(box)->state().readOnly, control.startsWith("txtTotals") || resultBoxes.contains(control));
        QCOMPARE(accessible(box)->text(QAccessible::Value), box->text());
        if (QLabel* label = labelBeside(box))
            QVERIFY2(labelsOf(box).contains(label->text()), qPrintable(label->objectName()));
    } else {
        QCOMPARE(accessible(widget)->role(), QAccessible::Button);
    }
}

// No control is left out of the table above, so none goes unnamed.
void TestAccessibility::tillNamesEveryControl()
{
    TillWindow till;
    QStringList named;
    for (const auto& entry : tillTable())
        named << entry.first;
    for (QWidget* control : workedControls(&till.form()))
        QVERIFY2(named.contains(control->objectName()), qPrintable(control->objectName()));
    QCOMPARE(workedControls(&till.form()).size(), named.size());
}

void TestAccessibility::toolWindowNames_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("VAT calculator") << "cmdVATCalc";
    QTest::newRow("markup calculator") << "cmdMarkup";
    QTest::newRow("About") << "Command1";
}

// Each box is heard by the caption beside it, and is labelled by that
// label. A list is heard by its choice, its caption coming from the label
// relation (Qt's way on Linux, where screen readers speak both).
void TestAccessibility::toolWindowNames()
{
    QFETCH(QString, window);
    TillWindow till;
    QWidget* tool = openTool(till, window);

    const QList<QWidget*> controls = workedControls(tool);
    QVERIFY(!controls.isEmpty());
    for (QWidget* control : controls) {
        const QString what = tool->objectName() + "." + control->objectName();
        QVERIFY2(!nameOf(control).isEmpty(), qPrintable(what));
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QCOMPARE(nameOf(button), button->text().remove(u'&'));
            QCOMPARE(accessible(button)->role(), QAccessible::Button);
            continue;
        }
        QLabel* label = labelBeside(control);
        QVERIFY2(label, qPrintable(what));
        QVERIFY2(labelsOf(control).contains(label->text()), qPrintable(what));
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            QCOMPARE(accessible(list)->role(), QAccessible::ComboBox);
            QCOMPARE(nameOf(list), list->currentText());
        } else {
            QCOMPARE(accessible(control)->role(), QAccessible::EditableText);
            QCOMPARE(nameOf(control), spoken(label->text()));
        }
    }
}

void TestAccessibility::captionsAndPictures_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("till") << "";
    QTest::newRow("VAT calculator") << "cmdVATCalc";
    QTest::newRow("markup calculator") << "cmdMarkup";
    QTest::newRow("About") << "Command1";
}

// Text reads as shown; a picture is a graphic with a name of its own, and
// a frame's title names the group.
void TestAccessibility::captionsAndPictures()
{
    QFETCH(QString, window);
    TillWindow till;
    QWidget* shown = &till.form();
    if (!window.isEmpty())
        shown = openTool(till, window);
    for (QLabel* label : shown->findChildren<QLabel*>()) {
        const QString what = label->objectName();
        if (!label->pixmap().isNull()) {
            QCOMPARE(accessible(label)->role(), QAccessible::Graphic);
            QVERIFY2(!nameOf(label).isEmpty(), qPrintable(what));
        } else if (!label->text().isEmpty()) {
            QCOMPARE(accessible(label)->role(), QAccessible::StaticText);
            QCOMPARE(nameOf(label), label->text());
        }
    }
    for (QGroupBox* frame : shown->findChildren<QGroupBox*>())
        QCOMPARE(nameOf(frame), frame->title());
}

void TestAccessibility::resultsAreHeard_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("typed"); // box=text
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("heard");
    QTest::newRow("VAT added") << "cmdVATCalc" << QStringList{"txtPrice=100", "txtCurrentVATRate=20"} << "cmdVATOn"
                               << "Total : £100.00 + VAT (£20.00) = £120.00";
    QTest::newRow("VAT taken out") << "cmdVATCalc" << QStringList{"txtPrice=120", "txtCurrentVATRate=20"}
                                   << "cmdVATOff" << "VAT Paid: £20.00";
    QTest::newRow("markup") << "cmdMarkup" << QStringList{"txtPrice=100", "txtCurrentVat=20", "cboMarkupRates=2"}
                            << "cmdCalcSell"
                            << "£100 + a markup of 10% = a selling price of £132.00 - VAT on this item is £22.00";
    // Shown cut short: the name still holds all of it.
    QTest::newRow("markup, too long to show") << "cmdMarkup"
                                              << QStringList{"txtPrice=1e300", "txtCurrentVat=17.5", "cboMarkupRates=1"}
                                              << "cmdCalcSell" << "£1E+300 + a markup of 5% = a selling price of £";
}

// Before any calculation the empty result is heard by its frame's title;
// afterwards by the whole result, even where the label shows it cut short.
void TestAccessibility::resultsAreHeard()
{
    QFETCH(QString, window);
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QString, heard);
    TillWindow till;
    QWidget* tool = openTool(till, window);
    QLabel* result = tool->findChild<QLabel*>(window == "cmdVATCalc" ? "lblResult" : "lblResult2");
    QCOMPARE(nameOf(result), QStringLiteral("Result"));

    for (const QString& entry : typed) {
        const QStringList parts = entry.split(u'=');
        if (auto* list = tool->findChild<QComboBox*>(parts[0]))
            pickWithKeys(list, parts[1].toInt());
        else
            typeInto(tool->findChild<QLineEdit*>(parts[0]), parts[1]);
    }
    QTest::mouseClick(tool->findChild<QPushButton*>(button), Qt::LeftButton);
    const QString name = nameOf(result);
    QVERIFY2(name.startsWith(heard), qPrintable(name));
    QVERIFY2(!name.contains(u'…'), qPrintable(name));
    QVERIFY(name.size() >= result->text().size());
}

void TestAccessibility::markedBoxIsAnnounced_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters in a count") << "txtTill_3" << "7a";
    QTest::newRow("lone minus in a cheque") << "txtChequeAmt_0" << "-";
    QTest::newRow("float beyond a double") << "txtFloat" << "1e400";
}

// The mark that tints a box is heard as its description, and goes with the
// mark: a stale reason would tell the user a good entry is still wrong.
void TestAccessibility::markedBoxIsAnnounced()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    TillWindow till;
    if (box != "txtFloat")
        till.type("txtFloat", "50");
    QVERIFY(descriptionOf(till.box(box)).isEmpty());

    till.retype(box, typed);
    const QString reason = descriptionOf(till.box(box));
    QVERIFY2(!reason.isEmpty(), qPrintable(box));
    QCOMPARE(reason, till.box(box)->toolTip());
    for (QLineEdit* other : till.form().findChildren<QLineEdit*>()) {
        if (other->objectName() != box)
            QVERIFY2(descriptionOf(other).isEmpty(), qPrintable(other->objectName()));
    }

    till.retype(box, "7");
    QCOMPARE(descriptionOf(till.box(box)), QString());
    QVERIFY(!till.text("txtTotal").isEmpty());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

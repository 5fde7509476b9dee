// What a screen reader hears of every window, read through Qt's
// accessibility interfaces as an assistive technology reads them; and the
// tool windows worked by keys alone.
//
// The offscreen platform has no accessibility bridge, so no change events
// reach a listener here; the interfaces themselves answer as they would to
// a bridge, which is what these tests read.
#include "till/tillwindow.h"
#include "support/windowdriver.h"

#include <QAccessible>
#include <QKeySequence>
#include <QPointer>
#include <QRegularExpression>

using namespace tillora;
using namespace tillora::test;

namespace {

// What a screen reader hears of a control.
QString heard(QWidget* widget, QAccessible::Text what = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(widget)->text(what);
}

// The captions of the controls that label this one ("labelled by").
QStringList labelsOf(QWidget* widget)
{
    QStringList captions;
    for (const auto& [other, relation] : QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label))
        captions << other->text(QAccessible::Name);
    return captions;
}

// The label on the control's own row, to its left: what a sighted user
// reads as its caption.
QLabel* labelBeside(QWidget* control)
{
    QLabel* nearest = nullptr;
    const QRect c = control->geometry();
    for (QLabel* label : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = label->geometry();
        if (g.top() < c.bottom() && g.bottom() > c.top() && g.right() < c.left()
            && (!nearest || g.right() > nearest->geometry().right()))
            nearest = label;
    }
    return nearest;
}

// Everything a window shows, to see that a key changed nothing.
QStringList shownIn(QWidget* window)
{
    QStringList shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (const auto c = captionRoom(w))
            shown << w->objectName() + '=' + c->text;
    }
    return shown;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void toolWindowsByKeys_data();
    void toolWindowsByKeys();
    void markIsHeard();
};

void TestAccessibility::everyControlIsNamed_data()
{
    QTest::addColumn<QString>("opener"); // the till's button; empty: the till itself
    QTest::newRow("till") << "";
    QTest::newRow("VAT calculator") << "cmdVATCalc";
    QTest::newRow("markup calculator") << "cmdMarkup";
    QTest::newRow("About") << "Command1";
}

// A button is heard by its caption; a box by the caption beside it, without
// the colon and pound sign that lead to the box, and is labelled by it; a
// list by its choice, its caption coming from the label relation (Qt's way
// on Linux, where screen readers speak both). A picture has a name too.
void TestAccessibility::everyControlIsNamed()
{
    QFETCH(QString, opener);
    TillWindow till;
    QWidget* window = opener.isEmpty() ? &till.form() : openTool(till.form(), opener);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QString what = control->objectName() + ": ";
        const QString name = what + heard(control);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QCOMPARE(name, what + button->text().remove(u'&'));
        } else if (auto* label = qobject_cast<QLabel*>(control); label && !label->pixmap().isNull()) {
            QVERIFY2(name != what, qPrintable(what));
        } else if (qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control)) {
            if (control->objectName() == u"txtFloat") { // its hint stands to its right; its frame names it
                QCOMPARE(name, what + "Float");
                continue;
            }
            QLabel* caption = labelBeside(control);
            QVERIFY2(caption && labelsOf(control).contains(caption->text()), qPrintable(what));
            if (qobject_cast<QLineEdit*>(control))
                QCOMPARE(name, what + caption->text().remove(QRegularExpression(QStringLiteral("[\\s:£]+$"))));
        }
    }
}

void TestAccessibility::toolWindowsByKeys_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QStringList>("cycle"); // Tab from the focus on opening; the last closes the window
    QTest::addColumn<QStringList>("steps"); // figures that a wrongly pressed button would work out
    QTest::newRow("VAT calculator") << "cmdVATCalc"
        << QStringList{"cmdVATOn", "cmdVATOff", "txtPrice", "txtCurrentVATRate", "cmdClose"}
        << QStringList{"txtPrice=100", "txtCurrentVATRate=17.5"};
    QTest::newRow("markup calculator") << "cmdMarkup"
        << QStringList{"txtPrice", "txtCurrentVat", "cboMarkupRates", "cmdCalcSell", "cmdClose"}
        << QStringList{"txtPrice=100", "cboMarkupRates=2"};
    QTest::newRow("About") << "Command1" << QStringList{"Picture1", "Command1"} << QStringList{};
}

// Tab cycles through the window; Enter and Esc do nothing anywhere, as no
// button is a default or a cancel button; no caption has an access key;
// Space on the last button closes the window.
void TestAccessibility::toolWindowsByKeys()
{
    QFETCH(QString, opener);
    QFETCH(QStringList, cycle);
    QFETCH(QStringList, steps);
    TillWindow till;
    QPointer<QWidget> tool = openTool(till.form(), opener);
    QStringList visited;
    for (qsizetype i = 0; i <= cycle.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, cycle + QStringList{cycle.first()});

    fill(tool, steps);
    const QStringList before = shownIn(tool);
    for (const QString& name : cycle) {
        auto* control = tool->findChild<QWidget*>(name);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QVERIFY2(!button->text().contains(u'&'), qPrintable(name));
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            control->setFocus();
            QTest::keyClick(control, Qt::Key(key));
            QVERIFY2(tool && tool->isVisible() && shownIn(tool) == before,
                     qPrintable(name + ' ' + QKeySequence(key).toString()));
        }
    }
    QTest::keyClick(tool->findChild<QWidget*>(cycle.last()), Qt::Key_Space);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!tool);
}

// The mark that tints a box is heard as its description, and goes with the
// mark: a stale reason would tell the user a good entry is still wrong.
void TestAccessibility::markIsHeard()
{
    TillWindow till;
    till.type("txtFloat", "50");
    till.retype("txtTill_3", "7a");
    QLineEdit* box = till.box("txtTill_3");
    QVERIFY(!box->toolTip().isEmpty());
    QCOMPARE(heard(box, QAccessible::Description), box->toolTip());
    till.retype("txtTill_3", "7");
    QCOMPARE(heard(box, QAccessible::Description), QString());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

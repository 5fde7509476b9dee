// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/support.h"

#include "about/aboutwindow.h"
#include "markup/markupwindow.h"
#include "till/tillwindow.h"
#include "vatcalc/vatcalculatorwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

namespace tillora::test {

namespace {

QStringList numbered(const QString& name, int count)
{
    QStringList names(count, name);
    for (int i = 0; i < count; ++i)
        names[i] = name.arg(i);
    return names;
}

SeenBox describe(QWidget* widget)
{
    SeenBox seen{widget->windowTitle(), {}, {}, {}};
    if (auto* box = qobject_cast<QMessageBox*>(widget)) {
        seen = {
            seen.title, box->text(), box->defaultButton() ? box->defaultButton()->text() : QString(), {}, box->icon()};
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
    }
    if (auto* files = qobject_cast<QFileDialog*>(widget)) // the file it suggests
        seen.text = files->selectedFiles().value(0);
    return seen;
}

} // namespace

std::unique_ptr<QWidget> open(Window window)
{
    switch (window) {
    case Window::Till: return shown<TillWindow>();
    case Window::Vat: return shown<VatCalculatorWindow>();
    case Window::Markup: return shown<MarkupWindow>();
    case Window::About: return shown<AboutWindow>();
    }
    return nullptr;
}

const QStringList tillResults = [] {
    QStringList boxes = numbered("txtTotals_%1", tillRows);
    for (const TillTotalRow& total : tillTotalTable)
        boxes << QLatin1String(total.box);
    return boxes;
}();
const QStringList tillEntries
    = numbered("txtTill_%1", 12) + numbered("txtChequeAmt_%1", 10) + QStringList{"txtFloat", "txtExpected"};
const QStringList workedExample{"txtFloat=50.00", "txtTill_3=4",  "txtTill_6=3",         "txtTill_8=2",
                                "txtTill_9=6",    "txtTill_10=1", "txtChequeAmt_0=25.00"};

QWidgetList visible(const QString& name)
{
    QWidgetList found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible())
            found << window;
    }
    return found;
}

void act(QWidget* window, const QStringList& steps)
{
    for (const QString& step : steps) {
        QWidget* target = child(window, step.section(u'=', 0, 0));
        if (!step.contains(u'=')) {
            QTest::mouseClick(target, Qt::LeftButton);
            continue;
        }
        target->setFocus(Qt::TabFocusReason);
        if (qobject_cast<QComboBox*>(target)) {
            QTest::keyClick(target, Qt::Key_Home);
            for (int i = step.section(u'=', 1).toInt(); i > 0; --i)
                QTest::keyClick(target, Qt::Key_Down);
        } else {
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_Backspace);
            QTest::keyClicks(target, step.section(u'=', 1));
        }
    }
}

QString tipOf(QWidget* control)
{
    QToolTip::hideText();
    const QPoint at = control->rect().center();
    QHelpEvent event(QEvent::ToolTip, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &event);
    const QString tip = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return tip;
}

QStringList texts(const QWidget* window, const QStringList& boxes)
{
    QStringList result;
    for (const QString& name : boxes)
        result << child<QLineEdit>(window, name)->text();
    return result;
}

QStringList marks(const QWidget& till)
{
    QStringList marked;
    for (const QString& name : tillEntries) {
        const auto* box = child<QLineEdit>(&till, name);
        const bool tinted = box->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base);
        if (tinted != !box->toolTip().isEmpty() || (tinted && box->accessibleDescription() != box->toolTip()))
            return {name + QStringLiteral(" is marked by halves")};
        if (tinted)
            marked << name + QStringLiteral(": ") + box->toolTip();
    }
    return marked;
}

QStringList printed(const PrintRecord& record)
{
    QStringList lines;
    for (const PrintLine& line : record.lines) {
        lines << (line.emphasis ? QStringLiteral("*") : QString());
        for (const PrintItem& item : line.items)
            lines.back() += item.text + (item.then == PrintItem::Then::NextZone ? QStringLiteral("»") : QString());
    }
    return lines;
}

void answerBoxes(const QStringList& answers, QList<SeenBox>* seen)
{
    if (answers.isEmpty())
        return;
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [=, waited = 0]() mutable {
        QWidget* box = QApplication::activeModalWidget();
        if (!box && ++waited < 2000) // 10 s
            return;
        timer->deleteLater();
        timer->stop();
        if (!box)
            return qWarning("no box came for %s", qPrintable(answers.front()));
        seen->append(describe(box));
        answerBoxes(answers.mid(1), seen); // first, as an answer may open the next box at once
        const QString& answer = answers.front();
        const QList<QAbstractButton*> buttons = box->findChildren<QAbstractButton*>();
        const auto button = std::find_if(buttons.begin(), buttons.end(), [&](auto* b) { return b->text() == answer; });
        if (answer == u"Close") { // without an answer, as when its loop is stopped
            qobject_cast<QDialog*>(box)->reject();
        } else if (auto* files = qobject_cast<QFileDialog*>(box)) { // the name typed in whole, as a user may
            child<QLineEdit>(files, QStringLiteral("fileNameEdit"))->setText(answer);
            QMetaObject::invokeMethod(files, "accept");
        } else if (answer == u"Esc" || answer == u"Enter") {
            QTest::keyClick(box, answer == u"Esc" ? Qt::Key_Escape : Qt::Key_Return);
        } else if (button != buttons.end()) {
            (*button)->click();
        } else {
            qWarning("no button %s on %s", qPrintable(answer), qPrintable(box->windowTitle()));
            box->close();
        }
    });
    timer->start(5);
}

} // namespace tillora::test

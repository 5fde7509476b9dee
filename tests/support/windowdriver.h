#pragma once

// Drives a real window from a test the way a user does: keys and clicks.

#include "till/form1.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>

#include <optional>

namespace tillora::test {

// Replaces what a box holds by typing, as a user selecting all and typing over.
inline void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// The objectNames of the widgets that hold the focus as Tab is pressed
// `presses` times, starting from the one holding it now.
inline QStringList tabCycle(int presses)
{
    QStringList order;
    for (int i = 0; i <= presses; ++i) {
        QWidget* focus = QApplication::focusWidget();
        order << (focus ? focus->objectName() : QStringLiteral("(none)"));
        if (focus && i < presses)
            QTest::keyClick(focus, Qt::Key_Tab);
    }
    return order;
}

// Picks a list position with the arrow keys, as a user would.
inline void pickWithKeys(QComboBox* list, int position)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < position; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

// Works a window step by step: "box=text" types into a box, "list=2" picks
// a list position, a bare name clicks that button.
inline void fill(QWidget* window, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QStringList parts = step.split(u'=');
        if (parts.size() == 1)
            QTest::mouseClick(window->findChild<QPushButton*>(parts[0]), Qt::LeftButton);
        else if (auto* list = window->findChild<QComboBox*>(parts[0]))
            pickWithKeys(list, parts[1].toInt());
        else
            typeInto(window->findChild<QLineEdit*>(parts[0]), parts[1]);
    }
}

// Opens a tool window by its button on the till, as a user does.
inline QWidget* openTool(Form1& till, const QString& button)
{
    QTest::mouseClick(till.findChild<QPushButton*>(button), Qt::LeftButton);
    QWidget* tool = button == u"cmdVATCalc" ? static_cast<QWidget*>(till.vatCalculator())
                  : button == u"cmdMarkup"  ? static_cast<QWidget*>(till.markupCalculator())
                                            : till.aboutWindow();
    if (!tool || !QTest::qWaitForWindowActive(tool))
        qFatal("%s opened no window", qPrintable(button));
    return tool;
}

// Where a control draws its caption or text, and what it draws there.
struct CaptionRoom {
    QRect room;
    QString text;
    int flags;
};

inline std::optional<CaptionRoom> captionRoom(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return CaptionRoom{label->contentsRect(), label->text(),
                           int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return CaptionRoom{frameTitleRect(*frame).intersected(frame->rect()), frame->title(), Qt::AlignCenter};
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return CaptionRoom{button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
                           button->text(), Qt::AlignCenter | Qt::TextShowMnemonic};
    }
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        return CaptionRoom{list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list),
                           list->currentText(), Qt::AlignLeft | Qt::AlignVCenter};
    }
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        // QLineEdit keeps 2 px of its own between the frame and the text.
        const QRect inside =
            box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).adjusted(2, 0, -2, 0);
        return CaptionRoom{inside, box->text(), int(box->alignment())};
    }
    return std::nullopt;
}

// Controls whose text, laid out as they draw it, runs outside the room
// they draw it in; each with what it needs and what it has.
inline QStringList overflowingCaptions(QWidget* window)
{
    QStringList overflowing;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const auto c = captionRoom(w);
        if (!c || c->text.isEmpty())
            continue;
        const QRect needed = QFontMetrics(w->font()).boundingRect(c->room, c->flags, c->text);
        if (!c->room.contains(needed))
            overflowing << QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6")
                               .arg(w->objectName(), c->text)
                               .arg(needed.width()).arg(needed.height())
                               .arg(c->room.width()).arg(c->room.height());
    }
    return overflowing;
}

} // namespace tillora::test

#pragma once

// Drives a real window from a test the way a user does: keys and clicks.

#include "app/form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace tillora::test {

// Replaces what a box holds by typing, as a user selecting all and typing over.
inline void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

inline void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Picks a list position with the arrow keys, as a user would.
inline void pickWithKeys(QComboBox* list, int position)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < position; ++i)
        QTest::keyClick(list, Qt::Key_Down);
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

// Controls whose caption does not fit inside them in the font they use.
inline QStringList clippedCaptions(const QWidget* window)
{
    QStringList clipped;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        if (label->wordWrap() || label->text().isEmpty())
            continue;
        if (metrics.horizontalAdvance(label->text()) > label->contentsRect().width()
            || metrics.height() > label->contentsRect().height())
            clipped << label->objectName();
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        // sizeHint adds the style's margins round the caption.
        if (button->sizeHint().width() > button->width()
            || QFontMetrics(button->font()).height() > button->height())
            clipped << button->objectName();
    }
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        // The caption stands 6 pixels in, with 2 pixels of air each side.
        if (QFontMetrics(frame->font()).horizontalAdvance(frame->title()) + 10 > frame->width())
            clipped << frame->objectName();
    }
    for (const QComboBox* list : window->findChildren<QComboBox*>()) {
        if (list->sizeHint().width() > list->width())
            clipped << list->objectName();
    }
    return clipped;
}

// Closes a window held by a WindowSlot as its close box does, and lets the
// deletion that closing schedules happen.
inline void closeWindow(QWidget* window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tillora::test

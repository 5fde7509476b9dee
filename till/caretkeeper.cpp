// SPDX-License-Identifier: GPL-3.0-or-later
#include "till/caretkeeper.h"

#include <QFocusEvent>
#include <QLineEdit>

#include <algorithm>

namespace tillora {

namespace {

// Switching to another program and back, or a menu popping up, is not a
// move of the focus within the window.
bool movesFocus(const QEvent* event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

CaretKeeper::CaretKeeper(QLineEdit* box)
    : QObject(box)
    , m_box(box)
{
    box->installEventFilter(this);
}

bool CaretKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box || !movesFocus(event))
        return false;
    if (event->type() == QEvent::FocusOut) {
        // Before Qt deselects the text on its way out.
        m_caret = m_box->hasSelectedText() ? m_box->selectionStart() : m_box->cursorPosition();
        return false;
    }
    // Let Qt do its own focus-in work first, then undo where it put the caret.
    static_cast<QObject*>(m_box)->event(event);
    m_box->setCursorPosition(std::clamp(m_caret, 0, int(m_box->text().size())));
    emit gotFocus();
    return true;
}

} // namespace tillora

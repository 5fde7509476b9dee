// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/controls.h"

#include "app/core/conversions.h"
#include "app/ui/fonts.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace tillora {

QRect TitledFrame::titleRect() const
{
    const QSize text = QFontMetrics(font()).boundingRect(QRect(), Qt::AlignLeft, title()).size();
    return {6, 0, text.width() + 4, text.height()};
}

void TitledFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect caption = titleRect();
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(caption));
    painter.setRenderHint(QPainter::Antialiasing);
    // The outline shade Fusion gives its own frames.
    painter.setPen(palette().color(QPalette::Window).darker(140));
    painter.drawRoundedRect(QRectF(rect().adjusted(0, caption.height() / 2, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5), 2,
                            2);
    painter.restore();
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

PictureBox::PictureBox(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

PickList::PickList(QWidget* parent)
    : QComboBox(parent)
{
    // Qt selects the chosen item in the list only when the list opens. A
    // screen reader reads the choice from the selection, so it follows the
    // choice however it is made: keys on the closed list, a typed first
    // digit or a click in the open list.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        view()->selectionModel()->select(model()->index(index, modelColumn(), rootModelIndex()),
                                         QItemSelectionModel::ClearAndSelect);
    });
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        click();
    else
        QPushButton::keyPressEvent(event);
}

EntryBox::EntryBox(QWidget* parent)
    : QLineEdit(parent)
{
    // A line edit scrolls to show its cursor, which a new text puts at the
    // end: unless the user is in the box, the cursor stays at the start.
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        if (!hasFocus())
            setCursorPosition(0);
    });
}

QString EntryBox::fullReason()
{
    return tr("This box is full at %1 characters, so part of what was put into it may be missing.")
        .arg(QLocale().toString(entryCapacity));
}

void EntryBox::focusOutEvent(QFocusEvent* event)
{
    // A context menu opening keeps the box as it is, selection and all.
    if (event->reason() == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    // Before Qt deselects the text on its way out.
    m_selectionStart = hasSelectedText() ? selectionStart() : cursorPosition();
    m_selectionLength = selectionLength();
    QLineEdit::focusOutEvent(event);
    setCursorPosition(0);
}

void EntryBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason)
        return;
    // Undo Qt's select-all on Tab: the caret goes back where it was. A
    // window made active again gets back its selection too.
    const int length = int(text().size());
    const int start = std::clamp(m_selectionStart, 0, length);
    if (reason == Qt::ActiveWindowFocusReason) {
        setSelection(start, std::clamp(m_selectionLength, 0, length - start));
        return;
    }
    setCursorPosition(start);
    emit entered();
}

namespace {

// As much of a figure's start as fits in `width`, its sign included, with
// "…" where its digits were cut. The digits and the mark stay one
// left-to-right run, so that in a right-to-left region the mark stands at
// the cut digits, not beside the sign.
QString cutFigure(const QString& figure, const QFontMetrics& metrics, int width)
{
    const auto digit = std::find_if(figure.begin(), figure.end(), [](QChar c) { return c.isDigit(); });
    const qsizetype digitsFrom = digit - figure.begin();
    const auto shown = [&](qsizetype kept) {
        return figure.left(digitsFrom) + QChar(0x2066) + figure.mid(digitsFrom, kept - digitsFrom) + u'\u2026'
             + QChar(0x2069);
    };
    qsizetype kept = figure.size();
    while (kept > digitsFrom && metrics.horizontalAdvance(shown(kept)) > width)
        --kept;
    return shown(kept);
}

} // namespace

ResultBox::ResultBox(QWidget* parent)
    : EntryBox(parent)
{
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, &ResultBox::fit);
}

QRect ResultBox::textRoom() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    // QLineEdit keeps 2 px of its own on each side of the text.
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(2, 0, -2, 0);
}

// QLineEdit scrolls a text only when it and one pixel for the cursor do
// not fit; scrolled to its end, a figure would lose its first digits.
bool ResultBox::fitsIn(const QFont& font) const
{
    return QFontMetrics(font).horizontalAdvance(text()) + 1 <= m_room;
}

void ResultBox::fit()
{
    // Every keystroke in the till refits the boxes whose figures changed, so
    // the room is measured when the box is sized and nothing is set that is
    // already so.
    const auto fits = [this](const QFont& f) { return fitsIn(f); };
    const QFont fitted = fittedFont(windowFont(font().bold()), fits);
    if (fitted != font())
        setFont(fitted);
    const QString whole = fits(fitted) ? QString() : text();
    if (whole != toolTip()) {
        setToolTip(whole);
        setAccessibleDescription(whole);
    }
}

void ResultBox::resizeEvent(QResizeEvent* event)
{
    EntryBox::resizeEvent(event);
    m_room = textRoom().width();
    fit();
}

void ResultBox::paintEvent(QPaintEvent* event)
{
    if (fitsIn(font())) {
        EntryBox::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect room = textRoom();
    // Laid out as the whole figure would be (right to left after an Arabic
    // minus), but for its end.
    const Qt::LayoutDirection direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    painter.setLayoutDirection(direction);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(room,
                     Qt::AlignVCenter | QStyle::visualAlignment(direction, alignment() & Qt::AlignHorizontal_Mask),
                     cutFigure(text(), fontMetrics(), room.width()));
}

void markFault(QLineEdit* box, const QString& reason)
{
    if (box->toolTip() == reason)
        return;
    QPalette palette; // default: the box follows its window again
    if (!reason.isEmpty()) {
        palette = box->palette();
        // A light red that leaves black figures easy to read.
        palette.setColor(QPalette::Base, QColor(255, 210, 210));
    }
    box->setPalette(palette);
    box->setToolTip(reason);
    box->setAccessibleDescription(reason);
}

} // namespace tillora

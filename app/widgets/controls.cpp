// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/controls.h"

#include "app/numbers/conversions.h"
#include "app/widgets/fonts.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace tillora {

namespace {

// What a marked box says of itself unmarked, kept while the reason stands in for it.
constexpr char ownDescription[] = "tilloraOwnDescription";

// How bright a colour looks, as legibility is measured (WCAG's relative luminance).
double luminance(const QColor& colour)
{
    const auto linear = [](float c) { return c <= 0.04045f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// `from`, taken `share` of the way to `to`.
QColor mixed(const QColor& from, const QColor& to, float share)
{
    const auto mix = [share](float a, float b) { return a + (b - a) * share; };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()));
}

double contrast(const QColor& one, const QColor& other)
{
    const auto [darker, lighter] = std::minmax({luminance(one), luminance(other)});
    return (lighter + 0.05) / (darker + 0.05);
}

// A box's own colours with its background tinted towards red: the light red
// of white, the dark red of a dark theme's black. Its text keeps the theme's
// colour while that reads at 4.5 : 1 or better on the tint, and is black or
// white otherwise; set with the tint, it stays readable whatever palette
// the desktop changes to.
QPalette marked(QPalette palette)
{
    // 45/255 of the way: white becomes (255, 210, 210).
    const QColor red = mixed(palette.color(QPalette::Base), Qt::red, 45 / 255.f);
    QColor text = palette.color(QPalette::Text);
    if (contrast(text, red) < 4.5)
        text = contrast(Qt::black, red) > contrast(Qt::white, red) ? Qt::black : Qt::white;
    palette.setColor(QPalette::Base, red);
    palette.setColor(QPalette::Text, text);
    return palette;
}

} // namespace

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
    // The outline shade Fusion gives its own frames on a light theme (its
    // window colour 140 % darker), taken towards the text so that it shows
    // on a dark theme too.
    painter.setPen(mixed(palette().color(QPalette::Window), palette().color(QPalette::WindowText), 0.285f));
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
    // end: unless the user is in the box, the cursor stays at the start. (In
    // a window not active just now, the box the keys will go to counts.)
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        if (window()->focusWidget() != this)
            setCursorPosition(0);
    });
}

QString EntryBox::fullReason()
{
    // The count picks the noun's plural form in a translation.
    return tr("This box is full at %1 characters, so part of what was put into it may be missing.", nullptr,
              entryCapacity)
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

// Qt's own line edit tells screen readers that a read-only box is editable
// as well as read only, and reads its tooltip out when it has no
// description. A result box is only read: its figure is its text, whole
// even when cut short on screen, and read once.
class ResultBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultBoxAccessible(ResultBox* box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Value: return box()->text();
        case QAccessible::Description: return box()->accessibleDescription();
        default: return QAccessibleWidget::text(t);
        }
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    // The text interface, as a reader reads, selects and copies a figure.
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return int(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int, int* start, int* end) const override
    {
        *start = box()->selectionStart();
        *end = *start + int(box()->selectedText().size());
    }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0; // one font and colour throughout
        *end = characterCount();
        return {};
    }
    // Where a character stands on screen, as the box draws a figure laid out
    // left to right; past a cut, beyond the box.
    QRect characterRect(int offset) const override
    {
        const QFontMetrics metrics = box()->fontMetrics();
        const QString figure = box()->text();
        const QRect room = box()->textRoom();
        const QSize drawn(std::min(metrics.horizontalAdvance(figure), room.width()), room.height());
        const QRect line = QStyle::alignedRect(box()->layoutDirection(), box()->alignment(), drawn, room);
        const QRect character(line.left() + metrics.horizontalAdvance(figure.left(offset)), line.top(),
                              metrics.horizontalAdvance(figure.mid(offset, 1)), line.height());
        return {box()->mapToGlobal(character.topLeft()), character.size()};
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    // The box always shows its figure from the start: there is nothing to scroll.
    void scrollToSubstring(int, int) override { }

private:
    ResultBox* box() const { return static_cast<ResultBox*>(widget()); }
};

QAccessibleInterface* resultBoxAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(ResultBox::staticMetaObject.className()))
        return new ResultBoxAccessible(static_cast<ResultBox*>(object));
    return nullptr;
}

} // namespace

ResultBox::ResultBox(QWidget* parent)
    : EntryBox(parent)
{
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(resultBoxAccessible), true);
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
    // A screen reader reads the whole figure as the text itself.
    const QString whole = fits(fitted) ? QString() : text();
    if (whole != toolTip())
        setToolTip(whole);
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
    if (box->toolTip().isEmpty())
        box->setProperty(ownDescription, box->accessibleDescription());
    box->setPalette(QPalette()); // the box follows its window again
    if (!reason.isEmpty())
        box->setPalette(marked(box->palette()));
    box->setToolTip(reason);
    box->setAccessibleDescription(reason.isEmpty() ? box->property(ownDescription).toString() : reason);
}

void setOwnDescription(QLineEdit* box, const QString& description)
{
    if (box->toolTip().isEmpty())
        box->setAccessibleDescription(description);
    else
        box->setProperty(ownDescription, description);
}

void setFigure(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

FigureTable::FigureTable(const QString& name, QWidget* parent)
    : QTableWidget(parent)
{
    setAccessibleName(name);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Every figure in sight at once: the table is laid out for its rows.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void FigureTable::setHeaders(const QStringList& rows, const QStringList& columns)
{
    setRowCount(int(rows.size()));
    setColumnCount(int(columns.size()));
    setVerticalHeaderLabels(rows);
    setHorizontalHeaderLabels(columns);
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, c, cell);
        }
    }
    setCurrentCell(0, 0);
}

void FigureTable::setFigure(int row, int column, const QString& text)
{
    QTableWidgetItem* cell = item(row, column);
    if (cell && cell->text() != text)
        cell->setText(text);
}

} // namespace tillora

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/layout.h"

#include "app/numbers/conversions.h"
#include "app/widgets/controls.h"
#include "app/widgets/fonts.h"
#include "app/widgets/messagebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QImageReader>
#include <QPushButton>
#include <QThread>

#include <algorithm>
#include <vector>

namespace tillora {

int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

namespace {

// Told the format, a reader goes straight to Qt's own PNG decoder. Left to
// find out, it first loads every image-format plugin installed to ask each
// whether it reads PNG: a few milliseconds at every start.
QPixmap readPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

Qt::Alignment alignmentOf(ControlFlags flags)
{
    if (flags & ControlFlag::AlignCenter)
        return Qt::AlignHCenter;
    if (flags & ControlFlag::AlignRight)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

QWidget* createControl(ControlKind kind, const QString& caption, ControlFlags flags, QWidget* parent)
{
    switch (kind) {
    case ControlKind::Frame: return new TitledFrame(caption, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        label->setAlignment(alignmentOf(flags) | Qt::AlignTop);
        label->setWordWrap(flags & ControlFlag::WordWrap);
        return label;
    }
    case ControlKind::TextBox: {
        QLineEdit* box = flags & ControlFlag::ReadOnly ? new ResultBox(parent) : new EntryBox(parent);
        // Qt's own limit, 32,767, makes a paste that overflows it copy the
        // text once per character it keeps: gigabytes for a pasted megabyte.
        box->setMaxLength(entryCapacity);
        box->setAlignment(alignmentOf(flags) | Qt::AlignVCenter);
        box->setText(caption);
        return box;
    }
    case ControlKind::Button: {
        auto* button = new CommandButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::DropDown: return new PickList(parent);
    case ControlKind::Picture: return new PictureBox(parent);
    case ControlKind::CheckBox: return new QCheckBox(caption, parent);
    case ControlKind::Table: return new FigureTable(caption, parent);
    }
    return nullptr;
}

bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::Frame && kind != ControlKind::Label;
}

struct Placed {
    QWidget* widget;
    const ControlRow* row;
    int index; // -1 for a single control
};

QString memberName(const char* name, int index)
{
    return index < 0 ? QString::fromLatin1(name) : QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// A box's text is a figure, the same in every language; any other caption
// is translated.
QString captionOf(const char* context, const ControlRow& row, int index)
{
    const char* source = index >= 0 && row.captions ? row.captions[index] : row.caption;
    if (row.kind == ControlKind::TextBox || !source || !*source)
        return QString::fromUtf8(source);
    const QString caption = QCoreApplication::translate(context, source);
    return index >= 0 && caption.contains(QLatin1String("%1")) ? caption.arg(index + 1) : caption;
}

// A caption without its closing " :" and "£", as a screen reader names the
// box it stands by: "Number of 10p coins :" gives "Number of 10p coins".
QString withoutClosingMarks(QString caption)
{
    caption.remove(u'&');
    while (!caption.isEmpty()
           && (caption.back().isSpace() || caption.back() == u':' || caption.back() == u'\uff1a'
               || caption.back() == u'\u00a3'))
        caption.chop(1);
    return caption;
}

// The name a screen reader gives the box a label stands by. A translation
// may word it of its own; otherwise it is the label's caption, shortened.
QString spokenName(const char* context, const ControlRow& label, int index)
{
    const char* source = index >= 0 && label.captions ? label.captions[index] : label.caption;
    const QByteArray bare = withoutClosingMarks(QString::fromUtf8(source)).toUtf8();
    const QString name = QCoreApplication::translate(context, bare.constData());
    if (name == QString::fromUtf8(bare))
        return withoutClosingMarks(captionOf(context, label, index));
    return index >= 0 && name.contains(QLatin1String("%1")) ? name.arg(index + 1) : name;
}

// The label names the box for screen readers and, as its buddy, tells them
// that the two belong together.
void nameByLabel(const char* context, const std::vector<Placed>& placed, const Placed& box)
{
    const auto label = std::find_if(placed.begin(), placed.end(), [&](const Placed& p) {
        return qstrcmp(p.row->name, box.row->labelledBy) == 0 && p.index == box.index;
    });
    if (label == placed.end())
        return;
    static_cast<QLabel*>(label->widget)->setBuddy(box.widget);
    box.widget->setAccessibleName(spokenName(context, *label->row, label->index));
}

void orderTabs(const std::vector<Placed>& placed)
{
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const Placed& p : placed) {
        if (takesFocus(p.row->kind))
            focusable.emplace_back(p.row->tabIndex + std::max(p.index, 0), p.widget);
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    if (!focusable.empty())
        focusable.front().second->setFocus();
}

} // namespace

FixedWindow::FixedWindow(const QMetaObject& window, const WindowLayout& layout, std::span<const ControlRow> controls)
{
    setObjectName(QString::fromLatin1(layout.name));
    setWindowTitle(QCoreApplication::translate(window.className(), layout.title));
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint;
    if (layout.canMinimise)
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    setFixedSize(twipsToPixels(layout.width), twipsToPixels(layout.height));
    setFont(windowFont());
    if (layout.hasIcon) {
        QIcon icon(readPng(QStringLiteral(":/tillora/tillora-16.png")));
        // Drawn for title bars at twice the size, rather than blown up.
        icon.addPixmap(readPng(QStringLiteral(":/tillora/tillora-32.png")));
        setWindowIcon(icon);
    }
    build(window.className(), controls);
}

void FixedWindow::build(const char* context, std::span<const ControlRow> controls)
{
    std::vector<Placed> placed;
    for (const ControlRow& row : controls) {
        QWidget* parent = row.container ? control<QWidget>(QString::fromLatin1(row.container)) : this;
        const int members = std::max(row.count, 1);
        for (int m = 0; m < members; ++m) {
            const int index = row.count > 0 ? m : -1;
            QWidget* widget = createControl(row.kind, captionOf(context, row, index), row.flags, parent);
            widget->setObjectName(memberName(row.name, index));
            // Set on every control, so that a bold frame does not hand its weight down.
            widget->setFont(windowFont(row.flags & ControlFlag::Bold));
            widget->setGeometry(twipsToPixels(row.left), twipsToPixels(row.top + m * row.stepTop),
                                twipsToPixels(row.width), twipsToPixels(row.height));
            placed.push_back({widget, &row, index});
        }
    }
    for (const Placed& p : placed) {
        if (p.row->labelledBy)
            nameByLabel(context, placed, p);
    }
    orderTabs(placed);
    fitCaptions(this);
}

void FixedWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The focused control is marked from the start, not only once the user
    // has pressed Tab: a key pressed at once already goes to it. (Showing a
    // window clears the attribute.)
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void FixedWindow::showError(const RuntimeError& error)
{
    warnUser(this, windowTitle(), describe(error));
}

void endProgram()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
        window->deleteLater();
    }
    // Telling a loop that is not running to quit would make every later
    // modal loop return at once, so only a running one is told.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

} // namespace tillora

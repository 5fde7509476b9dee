#include "app/form.h"

#include "app/eventboundary.h"
#include "app/msgbox.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QThread>

#include <algorithm>
#include <vector>

namespace tillora {

int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

QFont formFont(bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Liberation Sans runs wider than the classic dialog font: at 11 px the
    // till's longest captions ("Number of £50 notes :") overrun their labels.
    font.setPixelSize(10);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QRect frameTitleRect(const QGroupBox& frame)
{
    const QSize text = QFontMetrics(frame.font()).boundingRect(QRect(), Qt::AlignLeft, frame.title()).size();
    return {6, 0, text.width() + 4, text.height()};
}

QString accessibleNameFromCaption(QString caption)
{
    caption.remove(u'&');
    while (!caption.isEmpty() && (caption.back().isSpace() || caption.back() == u':' || caption.back() == u'\u00a3'))
        caption.chop(1);
    return caption;
}

namespace {

// A frame whose line runs through the middle of its title, as the layout
// tables assume: controls placed 16 px down then sit clear inside it.
// (Fusion would draw the line below the title, through the first row.)
class Frame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect caption = frameTitleRect(*this);
        painter.save();
        painter.setClipRegion(QRegion(rect()).subtracted(caption));
        painter.setRenderHint(QPainter::Antialiasing);
        // The outline shade Fusion gives its own frames.
        painter.setPen(palette().color(QPalette::Window).darker(140));
        painter.drawRoundedRect(QRectF(rect().adjusted(0, caption.height() / 2, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5),
                                2, 2);
        painter.restore();
        painter.setFont(font());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
};

Qt::Alignment alignmentOf(unsigned flags)
{
    if (flags & ControlFlag::AlignCenter)
        return Qt::AlignHCenter;
    if (flags & ControlFlag::AlignRight)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

QWidget* createControl(ControlKind kind, const QString& caption, unsigned flags, QWidget* parent)
{
    switch (kind) {
    case ControlKind::Frame:
        return new Frame(caption, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        label->setAlignment(alignmentOf(flags) | Qt::AlignTop);
        label->setWordWrap(flags & ControlFlag::WordWrap);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(caption, parent);
        box->setAlignment(alignmentOf(flags) | Qt::AlignVCenter);
        box->setReadOnly(flags & ControlFlag::ReadOnly);
        return box;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::DropDown:
        return new QComboBox(parent);
    case ControlKind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setFocusPolicy(Qt::StrongFocus);
        return picture;
    }
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

QString memberName(const ControlRow& row, int index)
{
    const QString name = QString::fromUtf8(row.name);
    return index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(index);
}

QString captionOf(const ControlRow& row, int index)
{
    if (index >= 0 && row.captions)
        return QString::fromUtf8(row.captions[index]);
    QString caption = QString::fromUtf8(row.caption ? row.caption : "");
    return index >= 0 && caption.contains(QLatin1String("%1")) ? caption.arg(index + 1) : caption;
}

} // namespace

Form::Form(const FormLayout& layout, std::span<const ControlRow> controls)
{
    setObjectName(QString::fromUtf8(layout.name));
    setWindowTitle(QString::fromUtf8(layout.title));
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (layout.buttons == TitleButtons::MinimiseAndClose)
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    setFixedSize(twipsToPixels(layout.width), twipsToPixels(layout.height));
    setFont(formFont());
    if (layout.icon) {
        QIcon icon(QStringLiteral(":/tillora/tillora-16.png"));
        // Drawn for title bars at twice the size, rather than blown up.
        icon.addFile(QStringLiteral(":/tillora/tillora-32.png"));
        setWindowIcon(icon);
    }
    build(controls);
}

void Form::build(std::span<const ControlRow> controls)
{
    std::vector<Placed> placed;
    for (const ControlRow& row : controls) {
        QWidget* parent = row.container ? control<QWidget>(QString::fromUtf8(row.container)) : this;
        const int members = row.count > 0 ? row.count : 1;
        for (int m = 0; m < members; ++m) {
            const int index = row.count > 0 ? m : -1;
            QWidget* widget = createControl(row.kind, captionOf(row, index), row.flags, parent);
            widget->setObjectName(memberName(row, index));
            // Set on every control so that a bold frame does not hand its weight down.
            widget->setFont(formFont(row.flags & ControlFlag::Bold));
            widget->setGeometry(twipsToPixels(row.left), twipsToPixels(row.top + m * row.stepTop),
                                twipsToPixels(row.width), twipsToPixels(row.height));
            placed.push_back({widget, &row, index});
        }
    }
    for (const Placed& p : placed) {
        if (!p.row->labelledBy)
            continue;
        const QString labelName = p.index < 0 ? QString::fromUtf8(p.row->labelledBy)
                                              : QStringLiteral("%1_%2").arg(QString::fromUtf8(p.row->labelledBy)).arg(p.index);
        auto* label = findChild<QWidget*>(labelName);
        QString caption;
        if (auto* text = qobject_cast<QLabel*>(label)) {
            caption = text->text();
            // The "labelled by" relation: screen readers on Linux take a
            // list's caption from it, since its name is the item chosen.
            text->setBuddy(p.widget);
        } else if (auto* frame = qobject_cast<QGroupBox*>(label)) {
            caption = frame->title();
        }
        p.widget->setAccessibleName(accessibleNameFromCaption(caption));
    }

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

void Form::load()
{
    runEvent([this] { Form_Load(); });
}

void Form::showRuntimeError(const RuntimeError& error)
{
    msgBox(this, error.message(), MsgStyle::OkOnly | MsgStyle::Exclamation, windowTitle());
}

void Form::runEvent(const std::function<void()>& procedure)
{
    tillora::runEvent(procedure, [this](const RuntimeError& error) { showRuntimeError(error); });
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

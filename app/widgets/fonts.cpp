// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/fonts.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <type_traits>

namespace tillora {

namespace {

// Shows the whole of a cut caption when the pointer rests on it. It keeps
// out of the tooltip property, which a screen reader would read out again
// after the name, already the whole caption.
class WholeCaptionTip : public QObject {
public:
    WholeCaptionTip(QWidget* control, const QString& caption)
        : QObject(control)
        , m_caption(caption)
    {
        setObjectName(QStringLiteral("wholeCaptionTip"));
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), m_caption, static_cast<QWidget*>(watched));
        return true;
    }

private:
    QString m_caption;
};

// What a screen reader and the pointer's tip give of a caption cut short:
// the whole of it; nothing of one shown whole.
void tellWhole(QWidget* control, const QString& caption)
{
    delete control->findChild<QObject*>(QStringLiteral("wholeCaptionTip"), Qt::FindDirectChildrenOnly);
    control->setAccessibleName(caption);
    if (!caption.isEmpty())
        new WholeCaptionTip(control, caption);
}

} // namespace

QFont windowFont(bool bold)
{
    static const auto make = [](bool bold) {
        QFont font(fontFamily());
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(10);
        font.setWeight(bold ? QFont::Bold : QFont::Normal);
        return font;
    };
    static const QFont regular = make(false), emphasised = make(true);
    return bold ? emphasised : regular;
}

QFont fittedFont(QFont font, const std::function<bool(const QFont&)>& fits)
{
    while (!fits(font) && font.pixelSize() > smallestFontPixels)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

namespace {

int drawFlags(const QLabel* label)
{
    return int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
}

bool fits(const QLabel* label, const QFont& font, const QString& text)
{
    const QRect box = label->contentsRect();
    const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, box.width(), 1 << 20), drawFlags(label), text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

// The first lines of `text` wrapped to the label's width, with as many as
// fit and the last of them ending in an ellipsis.
QString shortened(const QLabel* label, const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    const int width = label->contentsRect().width();
    if (!label->wordWrap())
        return metrics.elidedText(text, Qt::ElideRight, width);

    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QList<int> starts;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        starts << line.textStart();
    }
    layout.endLayout();

    const qsizetype room = label->contentsRect().height() / metrics.lineSpacing() + 1;
    for (qsizetype count = std::min<qsizetype>(starts.size(), room); count > 1; --count) {
        QStringList shown;
        for (qsizetype i = 0; i + 1 < count; ++i)
            shown << text.mid(starts[i], starts[i + 1] - starts[i]).trimmed();
        shown << metrics.elidedText(text.mid(starts[count - 1]), Qt::ElideRight, width);
        const QString candidate = shown.join(u'\n');
        if (fits(label, font, candidate))
            return candidate;
    }
    return metrics.elidedText(text, Qt::ElideRight, width);
}

} // namespace

void setFittedCaption(QLabel* label, const QString& text)
{
    const QFont font
        = fittedFont(windowFont(label->font().bold()), [&](const QFont& f) { return fits(label, f, text); });
    label->setFont(font);

    if (fits(label, font, text)) {
        label->setText(text);
        tellWhole(label, {});
        return;
    }
    label->setText(shortened(label, font, text));
    tellWhole(label, text);
}

namespace {

// Room for a button's caption: its contents, less the style's margins.
int captionRoom(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle* style = button->style();
    return style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width()
         - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 3;
}

// Room for a frame's title between the two ends of its line.
int captionRoom(const QGroupBox* frame)
{
    return frame->width() - 16;
}

// A one-line caption that may hold an access key ("E&xit"), cut at its end
// to `width`, keeping the key where it is still shown.
QString elidedCaption(const QFontMetrics& metrics, const QString& text, int width)
{
    const qsizetype key = text.indexOf(u'&');
    QString elided = metrics.elidedText(QString(text).remove(u'&'), Qt::ElideRight, width);
    if (key >= 0 && key < elided.size() - 1)
        elided.insert(key, u'&');
    return elided;
}

// Fits a one-line caption into `room` pixels: the font it takes, and its
// text, cut only when even the smallest font is too wide.
template <typename Control>
void fitOneLine(Control* control, const QString& text, int room)
{
    const auto width = [&](const QFont& f) { return QFontMetrics(f).size(Qt::TextShowMnemonic, text).width(); };
    const QFont font = fittedFont(windowFont(control->font().bold()), [&](const QFont& f) { return width(f) <= room; });
    control->setFont(font);
    const bool whole = width(font) <= room;
    const QString shown = whole ? text : elidedCaption(QFontMetrics(font), text, room);
    const QString full = whole ? QString() : QString(text).remove(u'&');
    if constexpr (std::is_same_v<Control, QGroupBox>)
        control->setTitle(shown);
    else
        control->setText(shown);
    tellWhole(control, full);
}

} // namespace

void setFittedCaption(QPushButton* button, const QString& text)
{
    fitOneLine(button, text, captionRoom(button));
}

void setFittedCaption(QGroupBox* frame, const QString& text)
{
    fitOneLine(frame, text, captionRoom(frame));
}

QString wholeCaption(const QLabel* label)
{
    return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
}

void fitCaptions(QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->pixmap().isNull() && !label->text().isEmpty())
            setFittedCaption(label, label->text());
    }
    for (QPushButton* button : window->findChildren<QPushButton*>())
        setFittedCaption(button, button->text());
    for (QGroupBox* frame : window->findChildren<QGroupBox*>())
        setFittedCaption(frame, frame->title());
}

} // namespace tillora

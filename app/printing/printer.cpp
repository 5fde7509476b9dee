// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printing/printer.h"

#include "app/numbers/runtimeerror.h"
#include "app/printing/printqueue.h"
#include "app/widgets/fonts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cmath>

#include <unistd.h>

namespace tillora {

namespace {

struct Printing {
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

RuntimeError printerError(const QString& message)
{
    return RuntimeError(RuntimeError::Kind::Printer, message);
}

// Shows that the window waits, for as long as the print service is asked,
// and no longer, whichever way the asking ends.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(BusyCursor)
};

class SystemPrinterTarget : public PageTarget {
public:
    explicit SystemPrinterTarget(const QPrinterInfo& info)
        : m_printer(info, QPrinter::HighResolution)
    {
        if (!m_printer.isValid())
            throw printerError(Printing::tr("The printer \u201c%1\u201d cannot be used.").arg(info.printerName()));
        // Qt lays a document out on A4, whatever paper the printer holds, and
        // the print server then shrinks each page onto the real paper: on a
        // receipt roll, to a quarter of its size, past reading. Laid out on
        // the printer's own paper, the lines fit it at their own size, and
        // the whole width the printer can reach is used.
        if (m_printer.setPageSize(info.defaultPageSize()))
            m_printer.setPageMargins(m_printer.pageLayout().minimumMargins(), m_printer.pageLayout().units());
    }
    QPagedPaintDevice& device() override { return m_printer; }
    void deliver() override
    {
        if (m_printer.printerState() == QPrinter::Error)
            throw printerError(Printing::tr("The printer did not accept the document."));
    }
    void abandon() override { m_printer.abort(); }

private:
    QPrinter m_printer;
};

RuntimeError notSaved(const QString& path, const QString& reason)
{
    return printerError(Printing::tr("The PDF file \u201c%1\u201d could not be saved: %2.")
                            .arg(QDir::toNativeSeparators(path), reason));
}

// Puts the bytes under the name whole, or raises and leaves what was there.
// QSaveFile alone is not enough: the last of its buffered writes goes out at
// commit, which does not look at the outcome, so on a full disk an empty or
// cut file would take the name and pass for saved. Unbuffered, every write
// is counted here, and the data is on the disk before it takes the name.
void saveWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw notSaved(path, file.errorString());
    for (qint64 done = 0; done < bytes.size();) {
        // A short write does not say why; the next one, failing, does.
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            throw notSaved(path, file.errorString());
        done += written;
    }
    // Some file systems find out that they are full or broken only now; a
    // special file that cannot be synchronised (EINVAL) has nothing to lose.
    if (::fsync(file.handle()) != 0 && errno != EINVAL)
        throw notSaved(path, qt_error_string(errno));
    if (!file.commit())
        throw notSaved(path, file.errorString());
    QFile saved(path);
    if (!saved.open(QIODevice::ReadOnly) || saved.readAll() != bytes) {
        saved.close();
        QFile::remove(path); // half a document is worth less than none
        throw notSaved(path, Printing::tr("The file on the disk does not hold the whole document"));
    }
}

// The document is made in memory and goes to the disk only when it is whole.
class PdfFileTarget : public PageTarget {
public:
    explicit PdfFileTarget(const QString& path)
        : m_path(path)
        , m_buffer(&m_document)
    {
        m_buffer.open(QIODevice::WriteOnly);
        m_writer = std::make_unique<QPdfWriter>(&m_buffer);
    }
    QPagedPaintDevice& device() override { return *m_writer; }
    void deliver() override
    {
        m_writer.reset();
        saveWhole(m_path, m_document);
    }

private:
    QString m_path;
    QByteArray m_document;
    QBuffer m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
};

} // namespace

void printDocument(Printer& printer, const QList<PrintLine>& lines)
{
    printer.setOrientation(QPageLayout::Portrait);
    printer.prepareFor(lines);
    for (const PrintLine& line : lines) {
        printer.setEmphasis(line.emphasis);
        printer.printLine(line.items);
    }
    printer.setEmphasis(false);
    printer.endDocument();
}

std::unique_ptr<Printer> PagePrinter::systemPrinter()
{
    const BusyCursor busy;
    const auto [info, missing] = defaultPrinter();
    if (info.isNull())
        throw printerError(missing);
    if (const QString refusal = queueRefusal(info.printerName()); !refusal.isEmpty())
        throw printerError(refusal);
    return std::make_unique<PagePrinter>(std::make_unique<SystemPrinterTarget>(info));
}

std::unique_ptr<Printer> PagePrinter::pdfFile(const QString& path)
{
    return std::make_unique<PagePrinter>(std::make_unique<PdfFileTarget>(path));
}

PagePrinter::PagePrinter(std::unique_ptr<PageTarget> target)
    : m_target(std::move(target))
    , m_font(fontFamily(), int(largestPoints))
{
    m_font.setStyleHint(QFont::SansSerif);
}

PagePrinter::~PagePrinter()
{
    if (m_painter && m_painter->isActive()) {
        m_target->abandon();
        m_painter->end();
    }
}

double PagePrinter::resolution() const
{
    return m_target->device().logicalDpiY();
}

void PagePrinter::setOrientation(QPageLayout::Orientation orientation)
{
    m_target->device().setPageOrientation(orientation);
}

void PagePrinter::setEmphasis(bool on)
{
    m_font.setBold(on);
    if (m_painter)
        m_painter->setFont(m_font);
}

// Sizes mixed on a page read as a mistake: the whole document is printed in
// the largest size at which every line fits, or else in the smallest.
void PagePrinter::prepareFor(const QList<PrintLine>& lines)
{
    const auto fits = [&](double size) {
        return std::all_of(lines.begin(), lines.end(), [&](const PrintLine& line) {
            QFont font = inPoints(size);
            font.setBold(line.emphasis);
            return width(runsOf(line.items), font) <= printableWidth();
        });
    };
    double size = largestPoints;
    while (size > smallestPoints && !fits(size))
        size -= shrinkStepPoints;
    m_font.setPointSizeF(size);
}

void PagePrinter::begin()
{
    if (m_painter)
        return;
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&m_target->device()))
        throw printerError(Printing::tr("The printer could not start the document."));
    m_painter = std::move(painter);
    m_painter->setFont(m_font);
    m_y = 0;
    m_pageHasContent = false;
}

void PagePrinter::ensureRoom(double height)
{
    const double pageHeight = m_target->device().pageLayout().paintRectPixels(int(resolution())).height();
    if (m_y + height <= pageHeight || !m_pageHasContent)
        return;
    if (!m_target->device().newPage())
        throw printerError(Printing::tr("The printer could not start a new page."));
    m_y = 0;
    m_pageHasContent = false;
}

double PagePrinter::nextStop(double x, double stepPoints) const
{
    const double step = stepPoints * resolution() / 72.0;
    return (std::floor(x / step) + 1) * step;
}

double PagePrinter::printableWidth() const
{
    return m_target->device().pageLayout().paintRectPixels(int(resolution())).width();
}

QFont PagePrinter::inPoints(double size) const
{
    QFont font = m_font;
    font.setPointSizeF(size);
    return font;
}

double PagePrinter::width(const QList<Run>& runs, const QFont& font) const
{
    const QFontMetricsF metrics(font, &m_target->device());
    double x = 0;
    for (const Run& run : runs) {
        for (double step : run.stepsBefore)
            x = nextStop(x, step);
        x += metrics.horizontalAdvance(run.text);
    }
    return x;
}

// The largest size, down to the smallest, at which the runs fit the page.
std::optional<QFont> PagePrinter::fittingFont(const QList<Run>& runs) const
{
    for (double size = m_font.pointSizeF(); size >= smallestPoints; size -= shrinkStepPoints) {
        if (width(runs, inPoints(size)) <= printableWidth())
            return inPoints(size);
    }
    return std::nullopt;
}

void PagePrinter::drawLine(const QList<Run>& runs, const QFont& font, Qt::Alignment alignment)
{
    const QFontMetricsF metrics(font, &m_target->device());
    ensureRoom(metrics.lineSpacing());
    m_painter->setFont(font);
    double x = alignment == Qt::AlignRight ? printableWidth() - width(runs, font) : 0;
    for (const Run& run : runs) {
        for (double step : run.stepsBefore)
            x = nextStop(x, step);
        m_painter->drawText(QPointF(x, m_y + metrics.ascent()), run.text);
        x += metrics.horizontalAdvance(run.text);
    }
    m_painter->setFont(m_font);
    m_y += metrics.lineSpacing();
    m_pageHasContent = true;
}

// A line too wide even at the smallest size keeps as many of its texts as fit,
// and goes on from the left edge on the next line; a figure alone, the text
// after the line's last tab stop or print zone, goes at the right edge, where
// the eye finds figures. Text with nothing before it is broken where it must.
void PagePrinter::printRuns(const QList<Run>& runs, Qt::Alignment alignment)
{
    if (const auto font = fittingFont(runs))
        return drawLine(runs, *font, alignment);
    if (runs.size() == 1)
        return printBroken(runs.front().text, alignment);
    qsizetype kept = 1;
    while (kept < runs.size() - 1 && fittingFont(runs.first(kept + 1)))
        ++kept;
    printRuns(runs.first(kept), Qt::AlignLeft);
    QList<Run> rest = runs.sliced(kept);
    rest.front().stepsBefore.clear();
    printRuns(rest, rest.size() == 1 ? Qt::AlignRight : Qt::AlignLeft);
}

// At the smallest size, as much on each line as fits; a figure is broken after
// a thousands separator, other text after a space, where there is one.
void PagePrinter::printBroken(const QString& text, Qt::Alignment alignment)
{
    const QFont font = inPoints(smallestPoints);
    const QFontMetricsF metrics(font, &m_target->device());
    const QString separator = QLocale().groupSeparator();
    QString rest = text;
    while (!rest.isEmpty()) {
        qsizetype fits = 1; // a line holds a character at least, so that the text comes to an end
        while (fits < rest.size() && metrics.horizontalAdvance(rest.left(fits + 1)) <= printableWidth())
            ++fits;
        qsizetype end = fits;
        if (fits < rest.size()) {
            const QString head = rest.left(fits);
            const qsizetype grouped = separator.isEmpty() ? -1 : head.lastIndexOf(separator);
            const qsizetype spaced = head.lastIndexOf(u' ');
            end = grouped >= 0 ? grouped + separator.size() : spaced >= 0 ? spaced + 1 : fits;
        }
        drawLine({{{}, rest.left(end)}}, font, alignment);
        rest = rest.mid(end);
    }
}

QList<PagePrinter::Run> PagePrinter::runsOf(const QList<PrintItem>& items)
{
    QList<Run> runs(1);
    const auto moveOn = [&runs](double step) {
        if (!runs.back().text.isEmpty())
            runs.emplace_back();
        runs.back().stepsBefore.append(step);
    };
    for (const PrintItem& item : items) {
        const QStringList pieces = item.text.split(u'\t');
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                moveOn(tabStopPoints);
            runs.back().text += pieces[i];
        }
        if (item.then == PrintItem::Then::NextZone)
            moveOn(zonePoints);
    }
    if (runs.size() > 1 && runs.back().text.isEmpty()) // steps to nothing
        runs.removeLast();
    return runs;
}

void PagePrinter::printLine(const QList<PrintItem>& items)
{
    begin();
    printRuns(runsOf(items), Qt::AlignLeft);
}

// As large as the page allows, whatever the paper: the window's own size in
// points would overflow a receipt roll and leave most of a large page empty.
// As wide as the printable area, or as tall when the page is too short for
// that, its proportions kept, so that it is whole on one page.
void PagePrinter::printPicture(QWidget& window)
{
    begin();
    const QPixmap picture = window.grab();
    const QSizeF printable = m_target->device().pageLayout().paintRectPixels(int(resolution())).size();
    const QSizeF size = picture.deviceIndependentSize().scaled(printable, Qt::KeepAspectRatio);
    ensureRoom(size.height());
    m_painter->drawPixmap(QRectF(QPointF(0, m_y), size), picture, QRectF(picture.rect()));
    m_y += size.height();
    m_pageHasContent = true;
}

void PagePrinter::endDocument()
{
    if (!m_painter)
        return;
    const bool ended = m_painter->end();
    m_painter.reset();
    if (!ended)
        throw printerError(Printing::tr("The printer did not accept the document."));
    m_target->deliver();
}

} // namespace tillora

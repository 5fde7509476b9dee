// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/printer.h"

#include "app/core/runtimeerror.h"
#include "app/ui/printqueue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QWidget>

#include <cmath>

namespace tillora {

namespace {

struct Printing {
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

RuntimeError printerError(const QString& message)
{
    return RuntimeError(RuntimeError::Kind::Printer, message);
}

class SystemPrinterTarget : public PageTarget {
public:
    explicit SystemPrinterTarget(const QPrinterInfo& info)
        : m_printer(info, QPrinter::HighResolution)
    {
        if (!m_printer.isValid())
            throw printerError(Printing::tr("The printer \u201c%1\u201d cannot be used.").arg(info.printerName()));
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

class PdfFileTarget : public PageTarget {
public:
    explicit PdfFileTarget(const QString& path)
        : m_file(path)
    {
        if (!m_file.open(QIODevice::WriteOnly))
            throw failed();
        m_writer = std::make_unique<QPdfWriter>(&m_file);
    }
    QPagedPaintDevice& device() override { return *m_writer; }
    // QSaveFile renames its finished work over the name only now, and
    // refuses when any write went wrong, a full disk included.
    void deliver() override
    {
        m_writer.reset();
        if (!m_file.commit())
            throw failed();
    }

private:
    RuntimeError failed() const
    {
        return printerError(Printing::tr("The PDF file \u201c%1\u201d could not be saved: %2.")
                                .arg(QDir::toNativeSeparators(m_file.fileName()), m_file.errorString()));
    }

    QSaveFile m_file;
    std::unique_ptr<QPdfWriter> m_writer;
};

} // namespace

void printDocument(Printer& printer, const QList<PrintLine>& lines)
{
    printer.setOrientation(QPageLayout::Portrait);
    for (const PrintLine& line : lines) {
        printer.setEmphasis(line.emphasis);
        printer.printLine(line.items);
    }
    printer.setEmphasis(false);
    printer.endDocument();
}

std::unique_ptr<Printer> PagePrinter::systemPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw printerError(missingPrinterReason());
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
    , m_font(QStringLiteral("Liberation Sans"), 10)
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

void PagePrinter::printLine(const QList<PrintItem>& items)
{
    begin();
    const QFontMetricsF metrics(m_font, &m_target->device());
    ensureRoom(metrics.lineSpacing());
    double x = 0;
    for (const PrintItem& item : items) {
        const QStringList pieces = item.text.split(u'\t');
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                x = nextStop(x, tabStopPoints);
            m_painter->drawText(QPointF(x, m_y + metrics.ascent()), pieces[i]);
            x += metrics.horizontalAdvance(pieces[i]);
        }
        if (item.then == PrintItem::Then::NextZone)
            x = nextStop(x, zonePoints);
    }
    m_y += metrics.lineSpacing();
    m_pageHasContent = true;
}

void PagePrinter::printPicture(QWidget& window)
{
    begin();
    const QPixmap picture = window.grab();
    const QSizeF natural = picture.deviceIndependentSize() * (resolution() / 96.0);
    const double pageWidth = m_target->device().pageLayout().paintRectPixels(int(resolution())).width();
    const double scale = natural.width() > pageWidth ? pageWidth / natural.width() : 1.0;
    const QSizeF size = natural * scale;
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

std::function<std::unique_ptr<Printer>()> RecordingPrinter::into(PrintRecord& record)
{
    return [&record] { return std::make_unique<RecordingPrinter>(record); };
}

void RecordingPrinter::printPicture(QWidget& window)
{
    m_record.pictures.push_back(window.grab().toImage());
}

} // namespace tillora

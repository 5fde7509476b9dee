#include "app/printer.h"

#include "app/printqueue.h"
#include "app/runtimeerror.h"

#include <QFileDialog>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QWidget>

#include <cmath>
#include <optional>

namespace tillora {

namespace {

RuntimeError printerError(const QString& message)
{
    return RuntimeError(RuntimeError::Kind::Printer, message);
}

} // namespace

std::unique_ptr<Printer> PagePrinter::forDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw printerError(QStringLiteral("No printer is set up on this computer."));
    if (const QString refusal = queueRefusal(info.printerName()); !refusal.isEmpty())
        throw printerError(refusal);
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        throw printerError(QStringLiteral("The printer \u201c%1\u201d cannot be used.").arg(info.printerName()));
    return std::make_unique<PagePrinter>(std::move(printer));
}

std::unique_ptr<Printer> PagePrinter::forPdf(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return std::make_unique<PagePrinter>(std::move(printer));
}

PagePrinter::PagePrinter(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer)), m_font(QStringLiteral("Liberation Sans"), 10)
{
    m_font.setStyleHint(QFont::SansSerif);
}

PagePrinter::~PagePrinter()
{
    if (m_painter && m_painter->isActive()) {
        m_printer->abort();
        m_painter->end();
    }
}

void PagePrinter::setOrientation(int orientation)
{
    if (orientation != 1 && orientation != 2)
        throw printerError(QStringLiteral("%1 is not a page orientation.").arg(orientation));
    m_printer->setPageOrientation(orientation == 1 ? QPageLayout::Portrait : QPageLayout::Landscape);
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
    if (!painter->begin(m_printer.get()))
        throw printerError(QStringLiteral("The printer could not start the document."));
    m_painter = std::move(painter);
    m_painter->setFont(m_font);
    m_y = 0;
    m_pageHasContent = false;
}

void PagePrinter::ensureRoom(double height)
{
    const double pageHeight = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
    if (m_y + height <= pageHeight || !m_pageHasContent)
        return;
    if (!m_printer->newPage())
        throw printerError(QStringLiteral("The printer could not start a new page."));
    m_y = 0;
    m_pageHasContent = false;
}

double PagePrinter::nextStop(double x, double stepPoints) const
{
    const double step = stepPoints * m_printer->resolution() / 72.0;
    return (std::floor(x / step) + 1) * step;
}

void PagePrinter::printLine(const QList<PrintItem>& items)
{
    begin();
    const QFontMetricsF metrics(m_font, m_printer.get());
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
    const QSizeF natural = picture.deviceIndependentSize() * (m_printer->resolution() / 96.0);
    const double pageWidth = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).width();
    const double scale = natural.width() > pageWidth ? pageWidth / natural.width() : 1.0;
    const QSizeF size = natural * scale;
    ensureRoom(size.height());
    m_painter->drawPixmap(QRectF(QPointF(0, m_y), size), picture, QRectF(picture.rect()));
    m_y += size.height();
    m_pageHasContent = true;
}

void PagePrinter::endDoc()
{
    if (!m_painter)
        return;
    const bool ended = m_painter->end();
    m_painter.reset();
    if (!ended || m_printer->printerState() == QPrinter::Error)
        throw printerError(QStringLiteral("The printer did not accept the document."));
}

QString RecordingPrinter::Line::text() const
{
    QString out;
    for (const PrintItem& item : items)
        out += item.text + (item.then == PrintItem::Then::NextZone ? QStringLiteral("\x1f") : QString());
    return out;
}

void RecordingPrinter::setOrientation(int value)
{
    orientation = value;
}

void RecordingPrinter::printPicture(QWidget& window)
{
    pictures.push_back(window.grab().toImage());
}

namespace {

bool offerPdf(QWidget* parent, const QString& reason)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Printing"),
                    QStringLiteral("Nothing was printed. %1\n\n"
                                   "You can save the document as a PDF file instead, and print it later.")
                        .arg(reason),
                    QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("printFailedBox"));
    QPushButton* save = box.addButton(QStringLiteral("Save as PDF\u2026"), QMessageBox::AcceptRole);
    box.setDefaultButton(save);
    box.exec();
    return box.clickedButton() == save;
}

QString askPdfPath(QWidget* parent, const QString& suggestedFileName)
{
    QFileDialog dialog(parent, QStringLiteral("Save as PDF"), QString(), QStringLiteral("PDF files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("savePdfDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggestedFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

void printOrOfferPdf(QWidget* parent, const PrinterSource& source, const PrintJob& job,
                     const QString& suggestedFileName)
{
    std::optional<QString> failure;
    try {
        std::unique_ptr<Printer> printer = source();
        job(*printer);
    } catch (const RuntimeError& error) {
        if (error.kind() != RuntimeError::Kind::Printer)
            throw;
        failure = error.message();
    }
    if (!failure || !offerPdf(parent, *failure))
        return;
    const QString path = askPdfPath(parent, suggestedFileName);
    if (path.isEmpty())
        return;
    std::unique_ptr<Printer> pdf = PagePrinter::forPdf(path);
    job(*pdf);
}

} // namespace tillora

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/printing.h"

#include "app/printing/document.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace tillora {

// The program's printer: a document of lines and pictures that goes out as
// one job when it ends. Every operation may raise RuntimeError::Kind::Printer.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void setOrientation(QPageLayout::Orientation orientation) = 0;
    // The one true/false text style: bold.
    virtual void setEmphasis(bool on) = 0;
    // Before the first line: the lines to come, so that a printer that sizes
    // its type can give the whole document one size.
    virtual void prepareFor(const QList<PrintLine>& /*lines*/) { }
    // No items give an empty line.
    virtual void printLine(const QList<PrintItem>& items) = 0;
    // The window's client area as it is shown.
    virtual void printPicture(QWidget& window) = 0;
    virtual void endDocument() = 0;
};

// Prints the lines as one portrait document, each in its emphasis.
void printDocument(Printer& printer, const QList<PrintLine>& lines);

// Where a PagePrinter paints, and how the document leaves it.
class PageTarget {
public:
    virtual ~PageTarget() = default;
    virtual QPagedPaintDevice& device() = 0;
    // After the painter has let go of the device: raises when the document
    // did not get where it was going.
    virtual void deliver() = 0;
    // The document will not be ended: nothing of it may go out.
    virtual void abandon() { }
};

// Paints the document on a page device, every line within the printable
// width, whatever the paper: a document too wide is printed smaller, all of
// it in one size; past the smallest size, a line still too wide is continued
// on the next, its figure whole. A picture is as large as the printable area
// allows, on one page.
class PagePrinter : public Printer {
public:
    // The system's default printer, on the paper it holds. Raises
    // Kind::Printer when the printing service is not running, when no
    // printer is installed, or when the printer's queue is stopped or turns
    // documents away.
    static std::unique_ptr<Printer> systemPrinter();
    // A PDF file, written whole or not at all: a failed save leaves nothing
    // under the name, and a file there before stays as it was.
    static std::unique_ptr<Printer> pdfFile(const QString& path);

    explicit PagePrinter(std::unique_ptr<PageTarget> target);
    ~PagePrinter() override; // a document never ended is abandoned, not sent

    void setOrientation(QPageLayout::Orientation orientation) override;
    void setEmphasis(bool on) override;
    void prepareFor(const QList<PrintLine>& lines) override;
    void printLine(const QList<PrintItem>& items) override;
    void printPicture(QWidget& window) override;
    void endDocument() override;

    // Distance between tab stops and print zones, in points. At 35 points
    // the till report's values line up in one column within each section,
    // whatever the fixed number of tabs after each caption.
    static constexpr double tabStopPoints = 35.0;
    static constexpr double zonePoints = 72.0;
    // A document too wide for the page is printed smaller, in steps from the
    // largest size down to the smallest; past it, a line still too wide is
    // continued on the next.
    static constexpr double largestPoints = 10.0;
    static constexpr double smallestPoints = 7.0;
    static constexpr double shrinkStepPoints = 0.5;

private:
    // Text that starts where the tab stops and print zones before it lead.
    struct Run {
        QList<double> stepsBefore; // in points
        QString text;
    };

    static QList<Run> runsOf(const QList<PrintItem>& items);
    void begin();
    void ensureRoom(double height);
    double nextStop(double x, double stepPoints) const;
    double resolution() const;
    double printableWidth() const;
    QFont inPoints(double size) const;
    double width(const QList<Run>& runs, const QFont& font) const;
    std::optional<QFont> fittingFont(const QList<Run>& runs) const;
    void printRuns(const QList<Run>& runs, Qt::Alignment alignment);
    void printBroken(const QString& text, Qt::Alignment alignment);
    void drawLine(const QList<Run>& runs, const QFont& font, Qt::Alignment alignment);

    std::unique_ptr<PageTarget> m_target;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    double m_y = 0; // device units from the top of the printable area
    bool m_pageHasContent = false;
};

} // namespace tillora

#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QPainter;
class QWidget;

namespace tillora {

// One item of a printed line and what follows it: nothing (the next item
// abuts) or a move to the next print zone. The last item ends the line.
struct PrintItem {
    enum class Then { Abut, NextZone };
    QString text;
    Then then = Then::Abut;
};

// The program's printer: a document of lines and pictures that goes out as
// one job when it ends. Every operation may raise RuntimeError::Kind::Printer.
class Printer {
public:
    virtual ~Printer() = default;
    // The one integer setting the program uses: page orientation,
    // 1 portrait, 2 landscape.
    virtual void setOrientation(int orientation) = 0;
    // The true/false text style, bold here.
    virtual void setEmphasis(bool on) = 0;
    // Tab characters in an item move to the next tab stop; no items, or
    // one empty text, give an empty line.
    virtual void printLine(const QList<PrintItem>& items) = 0;
    void printLine(const QString& text) { printLine(QList<PrintItem>{{text}}); }
    // The window's client area as it is shown.
    virtual void printPicture(QWidget& window) = 0;
    virtual void endDoc() = 0;
};

// Paints on a QPrinter: the system's default printer, or a PDF file.
class PagePrinter : public Printer {
public:
    // Raises Kind::Printer when no printer is installed, or when its queue
    // is stopped or refuses documents.
    static std::unique_ptr<Printer> forDefaultPrinter();
    static std::unique_ptr<Printer> forPdf(const QString& path);

    explicit PagePrinter(std::unique_ptr<QPrinter> printer);
    ~PagePrinter() override; // a document never ended is abandoned, not sent

    using Printer::printLine;
    void setOrientation(int orientation) override;
    void setEmphasis(bool on) override;
    void printLine(const QList<PrintItem>& items) override;
    void printPicture(QWidget& window) override;
    void endDoc() override;

    // Distance between tab stops and print zones, in points. At 35 points
    // the till report's values line up in one column within each section,
    // whatever the fixed number of tabs after each caption.
    static constexpr double tabStopPoints = 35.0;
    static constexpr double zonePoints = 72.0;

private:
    void begin();
    void ensureRoom(double height);
    double nextStop(double x, double step) const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    double m_y = 0;         // device units from the top of the printable area
    bool m_pageHasContent = false;
};

// Remembers what was printed; for tests and benchmarks.
class RecordingPrinter : public Printer {
public:
    struct Line {
        QList<PrintItem> items;
        bool emphasis = false;
        // The items run together, a zone move shown as "\x1f".
        QString text() const;
    };

    using Printer::printLine;
    void setOrientation(int orientation) override;
    void setEmphasis(bool on) override { m_emphasis = on; }
    void printLine(const QList<PrintItem>& items) override { lines.push_back({items, m_emphasis}); }
    void printPicture(QWidget& window) override;
    void endDoc() override { ++documentsEnded; }

    QList<Line> lines;
    QList<QImage> pictures;
    int orientation = 0;
    int documentsEnded = 0;

private:
    bool m_emphasis = false;
};

using PrinterSource = std::function<std::unique_ptr<Printer>()>;
using PrintJob = std::function<void(Printer&)>;

// Runs a print job on the printer the source gives. When printing fails,
// the user is told in plain words and offered to save the document as a
// PDF file instead; the job then runs again on a PDF printer. Other
// run-time errors pass on to the caller.
void printOrOfferPdf(QWidget* parent, const PrinterSource& source, const PrintJob& job,
                     const QString& suggestedFileName);

} // namespace tillora

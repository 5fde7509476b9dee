#include "app/printer.h"
#include "app/runtimeerror.h"
#include "support/tools.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tillora;
using tillora::test::toolOutput;

namespace {

int pageCount(const QString& pdf)
{
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(toolOutput("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// x positions of the words of a PDF, from pdftotext's bounding boxes.
QMap<QString, double> wordLefts(const QString& pdf)
{
    QMap<QString, double> lefts;
    const QString html = toolOutput("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]+)</word>"));
    for (const auto& m : word.globalMatch(html))
        lefts.insert(m.captured(2), m.captured(1).toDouble());
    return lefts;
}

} // namespace

class TestPrinter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void linesThroughThePrintEngine();
    void orientation();

private:
    QTemporaryDir m_dir;
};

void TestPrinter::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "poppler-utils is needed");
    QVERIFY(m_dir.isValid());
}

// Order, bold, tab stops, print zones and page breaks, as Qt's PDF engine
// lays them out.
void TestPrinter::linesThroughThePrintEngine()
{
    const QString path = m_dir.filePath("lines.pdf");
    auto printer = PagePrinter::forPdf(path);
    printer->setEmphasis(true);
    printer->printLine("Till Calculator - Report");
    printer->setEmphasis(false);
    for (const char* line : {"A\tfirst", "AAAA\tsecond", "\tthird", "A\t\tfourth"})
        printer->printLine(QString::fromLatin1(line));
    printer->printLine({{"Date", PrintItem::Then::NextZone}, {"zoned"}});
    printer->printLine({{"Date"}, {"abutting"}});
    for (int i = 0; i < 150; ++i)
        printer->printLine(QStringLiteral("Line %1").arg(i));
    printer->printLine("END OF REPORT");
    printer->endDoc();

    const QString text = toolOutput("pdftotext", {"-layout", path, "-"});
    const qsizetype title = text.indexOf("Till Calculator - Report");
    const qsizetype first = text.indexOf(QRegularExpression("A\\s+first"));
    QVERIFY2(title >= 0 && title < first && first < text.indexOf("Line 0\n")
                 && text.indexOf("Line 0\n") < text.indexOf("Line 149") && text.indexOf("Line 149") < text.indexOf("END OF REPORT"),
             qPrintable(text));
    QVERIFY(toolOutput("pdffonts", {path}).contains("Bold"));
    QVERIFY(pageCount(path) >= 2);

    const auto lefts = wordLefts(path);
    QVERIFY2(qAbs(lefts["first"] - lefts["second"]) < 0.5, "short texts reach the same stop");
    QVERIFY(qAbs(lefts["third"] - lefts["first"]) < 0.5);
    QVERIFY(qAbs(lefts["fourth"] - lefts["first"] - PagePrinter::tabStopPoints) < 0.5);
    QVERIFY(lefts.contains("Dateabutting"));
    QVERIFY(qAbs(lefts["zoned"] - lefts["third"] - (PagePrinter::zonePoints - PagePrinter::tabStopPoints)) < 0.5);
}

// 1 is portrait, as the till's reports and pictures ask; 2 landscape.
void TestPrinter::orientation()
{
    for (int value : {1, 2}) {
        const QString path = m_dir.filePath(QStringLiteral("orientation%1.pdf").arg(value));
        auto printer = PagePrinter::forPdf(path);
        printer->setOrientation(value);
        printer->printLine("x");
        printer->endDoc();
        const auto size = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+)").match(toolOutput("pdfinfo", {path}));
        QVERIFY(size.hasMatch());
        QCOMPARE(size.captured(1).toDouble() > size.captured(2).toDouble(), value == 2);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, printer->setOrientation(3));
    }
}

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"

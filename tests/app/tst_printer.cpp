#include "app/printer.h"
#include "app/runtimeerror.h"
#include "support/modal.h"
#include "support/tools.h"

#include <QFileDialog>
#include <QLabel>
#include <QPrinterInfo>
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
    void recordsLines();
    void pdfHoldsLinesInOrderWithBold();
    void tabsMoveToTheNextStop();
    void zonesMoveToTheNextZone();
    void longDocumentBreaksPages();
    void pictureIsOnePage();
    void orientation_data();
    void orientation();
    void noDefaultPrinterIsAPrinterError();
    void failedPrintOffersPdf_data();
    void failedPrintOffersPdf();
    void workingPrinterAsksNothing();

private:
    QTemporaryDir m_dir;
};

void TestPrinter::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "poppler-utils is needed");
    QVERIFY(m_dir.isValid());
}

void TestPrinter::recordsLines()
{
    RecordingPrinter printer;
    printer.setOrientation(1);
    printer.setEmphasis(true);
    printer.printLine(QString());
    printer.printLine({{"Date :", PrintItem::Then::NextZone}, {"05/12/2026"}});
    printer.setEmphasis(false);
    printer.printLine("Cheque 1 \u00a3\t\t\t25.00");
    printer.endDoc();
    QCOMPARE(printer.orientation, 1);
    QCOMPARE(printer.lines.size(), 3);
    QCOMPARE(printer.lines[0].text(), QString());
    QVERIFY(printer.lines[0].emphasis);
    QCOMPARE(printer.lines[1].text(), QStringLiteral("Date :\x1f" "05/12/2026"));
    QVERIFY(!printer.lines[2].emphasis);
    QCOMPARE(printer.documentsEnded, 1);
}

void TestPrinter::pdfHoldsLinesInOrderWithBold()
{
    const QString path = m_dir.filePath("lines.pdf");
    {
        auto printer = PagePrinter::forPdf(path);
        printer->setOrientation(1);
        printer->setEmphasis(true);
        printer->printLine("Till Calculator - Report");
        printer->setEmphasis(false);
        printer->printLine("Number of 10p coins :\t\t\t4");
        printer->printLine(QString());
        printer->printLine("END OF REPORT");
        printer->endDoc();
    }
    const QString text = toolOutput("pdftotext", {"-layout", path, "-"});
    const qsizetype title = text.indexOf("Till Calculator - Report");
    const qsizetype row = text.indexOf(QRegularExpression("Number of 10p coins :\\s+4"));
    const qsizetype end = text.indexOf("END OF REPORT");
    QVERIFY2(title >= 0 && title < row && row < end, qPrintable(text));
    QVERIFY(toolOutput("pdffonts", {path}).contains("Bold"));
    QCOMPARE(pageCount(path), 1);
}

void TestPrinter::tabsMoveToTheNextStop()
{
    const QString path = m_dir.filePath("tabs.pdf");
    auto printer = PagePrinter::forPdf(path);
    printer->printLine("A\tfirst");
    printer->printLine("AAAA\tsecond");
    printer->printLine("\tthird");
    printer->printLine("A\t\tfourth");
    printer->endDoc();
    const auto lefts = wordLefts(path);
    const double stop = PagePrinter::tabStopPoints;
    QVERIFY2(qAbs(lefts["first"] - lefts["second"]) < 0.5, "short texts reach the same stop");
    QVERIFY(qAbs(lefts["third"] - lefts["first"]) < 0.5);
    QVERIFY(qAbs(lefts["fourth"] - lefts["first"] - stop) < 0.5);
}

void TestPrinter::zonesMoveToTheNextZone()
{
    const QString path = m_dir.filePath("zones.pdf");
    auto printer = PagePrinter::forPdf(path);
    printer->printLine({{"Date", PrintItem::Then::NextZone}, {"zoned"}});
    printer->printLine({{"Date"}, {"abutting"}});
    printer->printLine("\tstop");
    printer->endDoc();
    const auto lefts = wordLefts(path);
    QVERIFY(lefts.contains("Dateabutting"));
    QVERIFY(qAbs(lefts["zoned"] - lefts["stop"] - (PagePrinter::zonePoints - PagePrinter::tabStopPoints)) < 0.5);
}

void TestPrinter::longDocumentBreaksPages()
{
    const QString path = m_dir.filePath("long.pdf");
    auto printer = PagePrinter::forPdf(path);
    for (int i = 0; i < 150; ++i)
        printer->printLine(QStringLiteral("Line %1").arg(i));
    printer->endDoc();
    QVERIFY(pageCount(path) >= 2);
    const QString text = toolOutput("pdftotext", {path, "-"});
    QVERIFY(text.indexOf("Line 0\n") < text.indexOf("Line 149"));
}

void TestPrinter::pictureIsOnePage()
{
    QLabel window(QStringLiteral("A window to print"));
    window.setFixedSize(760, 464);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString path = m_dir.filePath("picture.pdf");
    auto printer = PagePrinter::forPdf(path);
    printer->setOrientation(1);
    printer->printPicture(window);
    printer->endDoc();
    QCOMPARE(pageCount(path), 1);
    const QString images = toolOutput("pdfimages", {"-list", path});
    QVERIFY2(images.contains(QRegularExpression("\\s760\\s+464\\s")), qPrintable(images));
}

void TestPrinter::orientation_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << 1 << false;
    QTest::newRow("landscape") << 2 << true;
}

void TestPrinter::orientation()
{
    QFETCH(int, value);
    QFETCH(bool, landscape);
    const QString path = m_dir.filePath(QStringLiteral("orientation%1.pdf").arg(value));
    auto printer = PagePrinter::forPdf(path);
    printer->setOrientation(value);
    printer->printLine("x");
    printer->endDoc();
    const auto size = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+)").match(toolOutput("pdfinfo", {path}));
    QVERIFY(size.hasMatch());
    QCOMPARE(size.captured(1).toDouble() > size.captured(2).toDouble(), landscape);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, printer->setOrientation(3));
}

void TestPrinter::noDefaultPrinterIsAPrinterError()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a printer");
    try {
        PagePrinter::forDefaultPrinter();
        QFAIL("no error");
    } catch (const RuntimeError& error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::Printer);
    }
}

void TestPrinter::failedPrintOffersPdf_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save") << QStringLiteral("Save as PDF\u2026") << true;
    QTest::newRow("cancel") << QStringLiteral("Cancel") << false;
}

void TestPrinter::failedPrintOffersPdf()
{
    QFETCH(QString, choice);
    QFETCH(bool, saved);
    const QString path = m_dir.filePath(QStringLiteral("fallback-%1.pdf").arg(saved));
    test::SeenBox seen;
    test::whenModalOpens([&](QWidget* box) {
        seen = test::describe(box);
        if (saved) {
            test::whenModalOpens([&](QWidget* dialog) {
                auto* files = qobject_cast<QFileDialog*>(dialog);
                QVERIFY(files);
                files->selectFile(path);
                QMetaObject::invokeMethod(files, "accept");
            });
        }
        test::pressButton(box, choice);
    });
    int jobs = 0;
    const PrinterSource broken = []() -> std::unique_ptr<Printer> {
        throw RuntimeError(RuntimeError::Kind::Printer, QStringLiteral("No printer is set up on this computer."));
    };
    printOrOfferPdf(nullptr, broken, [&](Printer& p) { ++jobs; p.printLine("Saved instead"); p.endDoc(); },
                    QStringLiteral("report.pdf"));
    QVERIFY(seen.text.contains("No printer is set up on this computer."));
    QCOMPARE(jobs, saved ? 1 : 0);
    QCOMPARE(QFile::exists(path), saved);
    if (saved)
        QVERIFY(toolOutput("pdftotext", {path, "-"}).contains("Saved instead"));
}

void TestPrinter::workingPrinterAsksNothing()
{
    auto* recorder = new RecordingPrinter;
    int jobs = 0;
    printOrOfferPdf(nullptr, [&] { return std::unique_ptr<Printer>(recorder); },
                    [&](Printer& p) { ++jobs; p.printLine("x"); p.endDoc(); }, QString());
    QCOMPARE(jobs, 1);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"

#include "app/printer.h"
#include "app/runtimeerror.h"
#include "support/modal.h"
#include "support/tools.h"

#include <QFileDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

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
    void orientation_data();
    void orientation();
    void failedPrintOffersPdf_data();
    void failedPrintOffersPdf();

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

void TestPrinter::failedPrintOffersPdf_data()
{
    QTest::addColumn<bool>("broken");
    QTest::addColumn<QString>("choice");
    QTest::newRow("working printer asks nothing") << false << QString();
    QTest::newRow("save") << true << QStringLiteral("Save as PDF\u2026");
    QTest::newRow("cancel") << true << QStringLiteral("Cancel");
}

void TestPrinter::failedPrintOffersPdf()
{
    QFETCH(bool, broken);
    QFETCH(QString, choice);
    const bool saved = choice.startsWith(u'S');
    const QString path = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    test::SeenBox seen;
    std::optional<test::UnexpectedModalGuard> guard; // a working printer asks nothing
    if (!broken) {
        guard.emplace();
    } else {
        test::whenModalOpens([&](QWidget* box) {
            seen = test::describe(box);
            if (saved) {
                test::whenModalOpens([&](QWidget* dialog) {
                    qobject_cast<QFileDialog*>(dialog)->selectFile(path);
                    QMetaObject::invokeMethod(dialog, "accept");
                });
            }
            test::pressButton(box, choice);
        });
    }
    const PrinterSource source = [&]() -> std::unique_ptr<Printer> {
        if (broken)
            throw RuntimeError(RuntimeError::Kind::Printer, QStringLiteral("No printer is set up on this computer."));
        return std::make_unique<RecordingPrinter>();
    };
    int jobs = 0;
    printOrOfferPdf(nullptr, source, [&](Printer& p) { ++jobs; p.printLine("Saved instead"); p.endDoc(); },
                    QStringLiteral("report.pdf"));
    QCOMPARE(jobs, broken && !saved ? 0 : 1);
    QCOMPARE(seen.text.contains("No printer is set up on this computer."), broken);
    QCOMPARE(QFile::exists(path), saved);
    if (saved)
        QVERIFY(toolOutput("pdftotext", {path, "-"}).contains("Saved instead"));
    QVERIFY(!guard || guard->seen().isEmpty());
}

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"

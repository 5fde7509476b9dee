// The till's two print buttons against a real print server (with-cupsd.sh),
// through the program's own printer layer and default-printer lookup: one
// press, one completed job holding what the window shows; a queue that would
// not print is told to the user, and every figure stays.
#include "support/modal.h"
#include "support/tools.h"
#include "till/tillreport.h"
#include "till/tillwindow.h"

#include <QDeadlineTimer>
#include <QFileDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

using namespace tillora;
using namespace tillora::test;

namespace {

// with-cupsd.sh names the server's one queue, the default, and the file it
// writes each printed job to.
const QString queue = qEnvironmentVariable("TILLORA_TEST_QUEUE");
const QString jobFile = qEnvironmentVariable("TILLORA_TEST_JOB_FILE");

QStringList jobs(const char* which) // "completed", "not-completed" or "all"
{
    QStringList ids;
    for (const QString& line : toolOutput("lpstat", {"-W", which, "-o", queue}).split(u'\n', Qt::SkipEmptyParts))
        ids << line.section(u' ', 0, 0);
    return ids;
}

// Waits until `completed` jobs are done and none is left in the queue.
bool settled(int completed)
{
    for (QDeadlineTimer deadline(30000); !deadline.hasExpired(); QThread::msleep(100)) {
        if (jobs("completed").size() == completed && jobs("not-completed").isEmpty())
            return true;
    }
    return false;
}

// Text with every run of blanks, line ends, tabs and zone moves made one
// space: pdftotext's layout and the report's own lines compare so.
QString squeezed(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("[\\s\x1f]+")), QStringLiteral(" ")).trimmed();
}

// QFileDialog::selectFile() leaves a name box that already has the focus
// alone, so the path is typed there.
void chooseFile(QWidget* dialog, const QString& path)
{
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    QMetaObject::invokeMethod(dialog, "accept");
}

} // namespace

class TestTillPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void onePressOneJob_data();
    void onePressOneJob();
    void queueThatWouldNotPrint_data();
    void queueThatWouldNotPrint();

private:
    QTemporaryDir m_dir;
    int m_completed = 0; // jobs the server has printed so far
};

void TestTillPrinting::initTestCase()
{
    if (queue.isEmpty() || qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        QSKIP("needs the print server of tests/printserver/with-cupsd.sh (ctest runs it so)");
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    QVERIFY(m_dir.isValid());
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), queue);
    QVERIFY2(settled(0), "the queue starts empty");
}

void TestTillPrinting::cleanup()
{
    toolSucceeds("cupsenable", {queue});
    toolSucceeds("cupsaccept", {queue});
    toolSucceeds("cancel", {"-a", queue});
}

void TestTillPrinting::onePressOneJob_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("report") << "cmdPrintReport";
    QTest::newRow("screenshot") << "cmdPrintScreen";
}

void TestTillPrinting::onePressOneJob()
{
    QFETCH(QString, button);
    TillWindow till;
    typeWorkedExample(till);
    UnexpectedModalGuard guard;
    QTest::mouseClick(till.form().findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY2(guard.seen().isEmpty(), qPrintable(guard.seen().join(u'\n')));
    QVERIFY2(settled(++m_completed), qPrintable(jobs("all").join(u' ')));
    QVERIFY(toolOutput("pdfinfo", {jobFile}).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))));
    if (button == u"cmdPrintScreen") {
        // Two heading lines, then one line per image.
        QCOMPARE(toolOutput("pdfimages", {"-list", jobFile}).count(u'\n'), 3);
        return;
    }
    RecordingPrinter report;
    printTillReport(till.form(), report);
    QStringList lines;
    for (const RecordingPrinter::Line& line : report.lines)
        lines << line.text();
    const QString text = toolOutput("pdftotext", {"-layout", jobFile, "-"});
    QCOMPARE(squeezed(text), squeezed(lines.join(u'\n')));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Grand Total : \u00a3\\s+118\\.40\\n"))));
    QVERIFY2(toolOutput("pdffonts", {jobFile}).contains(QStringLiteral("Bold")), "the headings are bold");
}

void TestTillPrinting::queueThatWouldNotPrint_data()
{
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("saveInstead");
    QTest::newRow("report, stopped") << true << "cmdPrintReport" << false;
    QTest::newRow("report, refusing, saved as PDF") << false << "cmdPrintReport" << true;
    QTest::newRow("screenshot, refusing") << false << "cmdPrintScreen" << false;
    QTest::newRow("screenshot, stopped, saved as PDF") << true << "cmdPrintScreen" << true;
}

// Handing the document over would succeed on a stopped queue (it would
// wait there) and pass silently on a refusing one: neither is printed.
void TestTillPrinting::queueThatWouldNotPrint()
{
    QFETCH(bool, stopped);
    QFETCH(QString, button);
    QFETCH(bool, saveInstead);
    TillWindow till;
    typeWorkedExample(till);
    QVERIFY(toolSucceeds(stopped ? "cupsdisable" : "cupsreject", {queue}));
    const QStringList jobsBefore = jobs("all");
    const QStringList before = till.results();
    const QString pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));

    // Shared, not captured by reference: should no box open, the answer
    // stays armed after this test has returned.
    const auto seen = std::make_shared<SeenBox>();
    whenModalOpens([seen, saveInstead, pdf](QWidget* box) {
        *seen = describe(box);
        if (saveInstead)
            whenModalOpens([pdf](QWidget* dialog) { chooseFile(dialog, pdf); });
        pressButton(box, saveInstead ? QStringLiteral("Save as PDF\u2026") : QStringLiteral("Cancel"));
    });
    QTest::mouseClick(till.form().findChild<QPushButton*>(button), Qt::LeftButton);

    const QString reason = stopped ? QStringLiteral("is stopped") : QStringLiteral("is not accepting documents");
    QVERIFY2(seen->text.contains(reason) && seen->text.contains(queue), qPrintable(seen->text));
    QCOMPARE(till.results(), before);
    QTest::qWait(500); // time for a job that slipped through to show up
    QCOMPARE(jobs("all"), jobsBefore);
    QCOMPARE(QFile::exists(pdf), saveInstead);
    if (saveInstead && button == u"cmdPrintReport")
        QVERIFY(toolOutput("pdftotext", {"-layout", pdf, "-"}).contains(QStringLiteral("118.40")));
    // The window goes on working out figures.
    till.type(QStringLiteral("txtTill_11"), QStringLiteral("1"));
    QCOMPARE(till.text(QStringLiteral("txtTotal")), QStringLiteral("168.40"));
}

QTEST_MAIN(TestTillPrinting)
#include "tst_tillprinting.moc"

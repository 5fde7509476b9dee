// The till's two print buttons against a real print server (with-cupsd.sh),
// through the window's own default printer: one press, one completed job
// holding what the window shows; a queue that would not print is told to
// the user, and every figure stays.
#include "printserver/printserver.h"
#include "support/modal.h"
#include "till/tillwindow.h"

#include "till/tillreport.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tillora;
using namespace tillora::test;

namespace {

// A printed line as pdftotext lays it out: its pieces in order, tabs and
// zone moves become runs of blanks.
QRegularExpression laidOut(const QString& line)
{
    QStringList pieces = line.split(QRegularExpression(QStringLiteral("[\t\x1f]+")), Qt::SkipEmptyParts);
    for (QString& piece : pieces)
        piece = QRegularExpression::escape(piece);
    return QRegularExpression(pieces.join(QStringLiteral("\\s+")));
}

// Where the first line that does not follow the one before is; -1 when all
// of them stand in the text in order.
int firstOutOfOrder(const QString& text, const QStringList& lines)
{
    qsizetype at = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = laidOut(lines[i]).match(text, at);
        if (!match.hasMatch())
            return i;
        at = match.capturedEnd();
    }
    return -1;
}

// The report's lines with any text, as the window's report writes them.
QStringList reportLines(const Form1& till)
{
    RecordingPrinter recorder;
    printTillReport(till, recorder);
    QStringList lines;
    for (const RecordingPrinter::Line& line : recorder.lines) {
        if (!line.text().trimmed().isEmpty())
            lines << line.text();
    }
    return lines;
}

// Every box the user can see a figure in, entries and results.
QStringList figures(const TillWindow& till)
{
    QStringList texts = till.results();
    for (int i = 0; i < tillRows; ++i)
        texts << till.text(QStringLiteral("txtTill_%1").arg(i));
    for (int j = 0; j < chequeRows; ++j)
        texts << till.text(QStringLiteral("txtChequeAmt_%1").arg(j));
    return texts << till.text(QStringLiteral("txtFloat"));
}

} // namespace

class TestTillPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void printReport();
    void printScreenshot();
    void queueThatWouldNotPrint_data();
    void queueThatWouldNotPrint();

private:
    PrintServer m_server;
    QTemporaryDir m_dir;
    int m_completed = 0; // jobs the server has printed so far
};

void TestTillPrinting::initTestCase()
{
    if (const QString reason = PrintServer::unavailableReason(); !reason.isEmpty())
        QSKIP(qPrintable(reason));
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    QVERIFY(m_dir.isValid());
    QVERIFY2(m_server.waitUntilSettled(0), "the queue starts empty");
}

void TestTillPrinting::cleanup()
{
    m_server.setEnabled(true);
    m_server.setAccepting(true);
    m_server.cancelAll();
}

void TestTillPrinting::printReport()
{
    TillWindow till;
    typeWorkedExample(till);
    const QStringList lines = reportLines(till.form());
    UnexpectedModalGuard guard;
    QTest::mouseClick(till.form().cmdPrintReport, Qt::LeftButton);
    QVERIFY2(guard.seen().isEmpty(), qPrintable(guard.seen().join(u'\n')));

    QVERIFY2(m_server.waitUntilSettled(++m_completed), qPrintable(m_server.jobs(PrintServer::Jobs::All).join(u' ')));
    const QString text = m_server.jobText();
    const int missing = firstOutOfOrder(text, lines);
    QVERIFY2(missing < 0, qPrintable(QStringLiteral("line \"%1\" missing or out of order in:\n%2")
                                         .arg(lines.value(missing), text)));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Grand Total : \u00a3\\s+118\\.40\\n"))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Cash to Bank : \u00a3\\s+43\\.40\\n"))));
    QCOMPARE(m_server.jobPages(), 1);
    QVERIFY2(m_server.jobFonts().contains(QStringLiteral("Bold")), "the headings are bold");
}

void TestTillPrinting::printScreenshot()
{
    TillWindow till;
    typeWorkedExample(till);
    UnexpectedModalGuard guard;
    QTest::mouseClick(till.form().cmdPrintScreen, Qt::LeftButton);
    QVERIFY2(guard.seen().isEmpty(), qPrintable(guard.seen().join(u'\n')));
    QVERIFY(m_server.waitUntilSettled(++m_completed));
    QCOMPARE(m_server.jobPages(), 1);
    QCOMPARE(m_server.jobImages(), 1);
}

void TestTillPrinting::queueThatWouldNotPrint_data()
{
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("saveInstead");
    QTest::addColumn<QString>("reason");
    const QString stopped = QStringLiteral("is stopped");
    const QString refusing = QStringLiteral("is not accepting documents");
    QTest::newRow("report, stopped") << true << "cmdPrintReport" << false << stopped;
    QTest::newRow("report, refusing, saved as PDF") << false << "cmdPrintReport" << true << refusing;
    QTest::newRow("screenshot, refusing") << false << "cmdPrintScreen" << false << refusing;
    QTest::newRow("screenshot, stopped, saved as PDF") << true << "cmdPrintScreen" << true << stopped;
}

void TestTillPrinting::queueThatWouldNotPrint()
{
    QFETCH(bool, stopped);
    QFETCH(QString, button);
    QFETCH(bool, saveInstead);
    QFETCH(QString, reason);
    TillWindow till;
    typeWorkedExample(till);
    QVERIFY(stopped ? m_server.setEnabled(false) : m_server.setAccepting(false));
    const QStringList jobsBefore = m_server.jobs(PrintServer::Jobs::All);
    const QStringList before = figures(till);
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

    QVERIFY2(seen->text.contains(reason), qPrintable(seen->text));
    QVERIFY(seen->text.contains(m_server.queue()));
    QCOMPARE(figures(till), before);
    QTest::qWait(500); // time for a job that slipped through to show up
    QCOMPARE(m_server.jobs(PrintServer::Jobs::All), jobsBefore);
    QCOMPARE(QFile::exists(pdf), saveInstead);
    if (saveInstead && button == u"cmdPrintReport")
        QVERIFY(toolOutput("pdftotext", {"-layout", pdf, "-"}).contains(QStringLiteral("118.40")));
    // The window goes on working out figures.
    till.type(QStringLiteral("txtTill_11"), QStringLiteral("1"));
    QCOMPARE(till.text(QStringLiteral("txtTotal")), QStringLiteral("168.40"));
}

QTEST_MAIN(TestTillPrinting)
#include "tst_tillprinting.moc"

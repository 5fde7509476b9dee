// The printer layer against a real print server (with-cupsd.sh): the
// default-printer lookup finds the server's queue, a document goes out as
// exactly one job holding what was printed, and a queue that would not
// print it is told to the user instead of passing for success.
#include "app/printer.h"
#include "printserver/printserver.h"
#include "support/modal.h"

#include <QLabel>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tillora;
using namespace tillora::test;

class TestPrintServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void defaultPrinterIsTheServersQueue();
    void linesArriveInOrderAsOneJob();
    void pictureArrivesAsOnePage();
    void queueThatWouldNotPrintIsTold_data();
    void queueThatWouldNotPrintIsTold();

private:
    PrintServer m_server;
    QTemporaryDir m_dir;
    int m_completed = 0; // jobs the server has printed so far
};

void TestPrintServer::initTestCase()
{
    if (const QString reason = PrintServer::unavailableReason(); !reason.isEmpty())
        QSKIP(qPrintable(reason));
    QVERIFY(m_dir.isValid());
    QVERIFY2(m_server.waitUntilSettled(0), "the queue starts empty");
}

void TestPrintServer::cleanup()
{
    m_server.setEnabled(true);
    m_server.setAccepting(true);
    m_server.cancelAll();
}

void TestPrintServer::defaultPrinterIsTheServersQueue()
{
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), m_server.queue());
}

void TestPrintServer::linesArriveInOrderAsOneJob()
{
    const int rows = 40;
    const PrintJob job = [&](Printer& printer) {
        printer.setOrientation(1);
        printer.setEmphasis(true);
        printer.printLine("Till Calculator - Report");
        printer.setEmphasis(false);
        for (int i = 0; i < rows; ++i)
            printer.printLine(QStringLiteral("Row %1 :\t\t%2.50").arg(i, 2, 10, QChar(u'0')).arg(i * 7));
        printer.printLine({{"Date :", PrintItem::Then::NextZone}, {"05/12/2026"}});
        printer.printLine("END OF REPORT");
        printer.endDoc();
    };
    UnexpectedModalGuard guard;
    printOrOfferPdf(nullptr, &PagePrinter::forDefaultPrinter, job, "report.pdf");
    QVERIFY2(guard.seen().isEmpty(), qPrintable(guard.seen().join(u'\n')));

    QVERIFY2(m_server.waitUntilSettled(++m_completed), qPrintable(m_server.jobs(PrintServer::Jobs::All).join(u' ')));
    const QString text = m_server.jobText();
    qsizetype at = text.indexOf("Till Calculator - Report");
    QVERIFY2(at >= 0, qPrintable(text));
    for (int i = 0; i < rows; ++i) {
        const QRegularExpression row(QStringLiteral("Row %1 :\\s+%2\\.50\\n").arg(i, 2, 10, QChar(u'0')).arg(i * 7));
        const qsizetype next = text.indexOf(row, at);
        QVERIFY2(next > at, qPrintable(QStringLiteral("row %1 missing or out of order in:\n%2").arg(i).arg(text)));
        at = next;
    }
    QVERIFY(text.indexOf(QRegularExpression("Date :\\s+05/12/2026"), at) > at);
    QVERIFY(text.indexOf("END OF REPORT", at) > at);
    QVERIFY2(m_server.jobFonts().contains("Bold"), "the title is printed in bold");
}

void TestPrintServer::pictureArrivesAsOnePage()
{
    QLabel window(QStringLiteral("A window to print"));
    window.setFixedSize(760, 464);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    UnexpectedModalGuard guard;
    printOrOfferPdf(nullptr, &PagePrinter::forDefaultPrinter, [&](Printer& printer) {
        printer.setOrientation(1);
        printer.printPicture(window);
        printer.endDoc();
    }, "screenshot.pdf");
    QVERIFY2(guard.seen().isEmpty(), qPrintable(guard.seen().join(u'\n')));
    QVERIFY(m_server.waitUntilSettled(++m_completed));
    QCOMPARE(m_server.jobPages(), 1);
    QCOMPARE(m_server.jobImages(), 1);
}

void TestPrintServer::queueThatWouldNotPrintIsTold_data()
{
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("saveInstead");
    QTest::newRow("stopped, cancelled") << true << "is stopped" << false;
    QTest::newRow("stopped, saved as PDF") << true << "is stopped" << true;
    QTest::newRow("refusing, cancelled") << false << "is not accepting documents" << false;
    QTest::newRow("refusing, saved as PDF") << false << "is not accepting documents" << true;
}

// Handing the document over would succeed on a stopped queue (it would
// wait there) and pass silently on a refusing one: neither is printed.
void TestPrintServer::queueThatWouldNotPrintIsTold()
{
    QFETCH(bool, stopped);
    QFETCH(QString, reason);
    QFETCH(bool, saveInstead);
    QVERIFY(stopped ? m_server.setEnabled(false) : m_server.setAccepting(false));
    const QStringList before = m_server.jobs(PrintServer::Jobs::All);
    const QString pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));

    // Shared, not captured by reference: should no box open, the answer
    // stays armed after this test has returned.
    const auto seen = std::make_shared<SeenBox>();
    whenModalOpens([seen, saveInstead, pdf](QWidget* box) {
        *seen = describe(box);
        if (saveInstead) {
            whenModalOpens([pdf](QWidget* dialog) { chooseFile(dialog, pdf); });
        }
        pressButton(box, saveInstead ? QStringLiteral("Save as PDF\u2026") : QStringLiteral("Cancel"));
    });
    int runs = 0;
    printOrOfferPdf(nullptr, &PagePrinter::forDefaultPrinter, [&](Printer& printer) {
        ++runs;
        printer.printLine("Grand Total : \u00a3\t217.83");
        printer.endDoc();
    }, "report.pdf");

    QVERIFY2(seen->text.contains(reason), qPrintable(seen->text));
    QVERIFY(seen->text.contains(m_server.queue()));
    QTest::qWait(500); // time for a job that slipped through to show up
    QCOMPARE(m_server.jobs(PrintServer::Jobs::All), before);
    QCOMPARE(runs, saveInstead ? 1 : 0);
    QCOMPARE(QFile::exists(pdf), saveInstead);
    if (saveInstead)
        QVERIFY(toolOutput("pdftotext", {pdf, "-"}).contains("217.83"));
}

QTEST_MAIN(TestPrintServer)
#include "tst_printserver.moc"

// Printing through a print server of the test's own (with-cupsd.sh), by
// the till's buttons: each press is one job; a stopped or refusing queue is
// said so and offers a PDF, which is saved whole or not at all.
#include "support/support.h"
#include "till/tillwindow.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace tillora;
using namespace tillora::test;

namespace {

const QString queue = qEnvironmentVariable("TILLORA_TEST_QUEUE");

QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The jobs the queue has finished, once nothing is left waiting in it.
int completedJobs()
{
    for (int tries = 0; tries < 300 && !output("lpstat", {"-o", queue}).isEmpty(); ++tries)
        QTest::qWait(100);
    return int(output("lpstat", {"-W", "completed", "-o", queue}).count(u'\n'));
}

// The first piece of the lines that the PDF does not hold, in order.
QString missingFrom(const QString& pdf, const QStringList& lines)
{
    const QString text = output("pdftotext", {"-layout", pdf, "-"});
    qsizetype at = 0;
    for (const QString& line : lines) {
        for (const QString& piece : QString(line).remove(u'*').split(QRegularExpression("[\t»]+"), Qt::SkipEmptyParts)) {
            if ((at = text.indexOf(piece, at)) < 0)
                return piece;
        }
    }
    return {};
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (queue.isEmpty())
            QSKIP("needs the print server of with-cupsd.sh");
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        m_till = shown<TillWindow>();
        act(m_till.get(), {"txtFloat=50.00", "txtTill_3=4", "txtTill_6=3", "txtTill_8=2", "txtTill_9=6", "txtTill_10=1", "txtChequeAmt_0=25.00"});
    }

    // The whole report as the window's own lines, in bold where they are;
    // the picture on one page.
    void eachPressIsOneJob()
    {
        PrintRecord record;
        m_till->setPrinterSource(RecordingPrinter::into(record));
        act(m_till.get(), {"cmdPrintReport"});
        m_till->setPrinterSource(&PagePrinter::systemPrinter);
        UnexpectedModalGuard guard;
        act(m_till.get(), {"cmdPrintReport"});
        const QString job = qEnvironmentVariable("TILLORA_TEST_JOB_FILE");
        QCOMPARE(completedJobs(), 1);
        QCOMPARE(missingFrom(job, printed(record)), QString());
        QVERIFY(output("pdffonts", {job}).contains("Bold"));
        act(m_till.get(), {"cmdPrintScreen"});
        QCOMPARE(completedJobs(), 2);
        QVERIFY(output("pdfinfo", {job}).contains(QRegularExpression("Pages:\\s+1\\n")));
        QCOMPARE(output("pdfimages", {"-list", job}).count(QStringLiteral("image")), 1);
        QCOMPARE(guard.seen, QStringList());
    }

    void refusedQueueOffersPdf_data()
    {
        QTest::addColumn<QStringList>("queueOff"); // the commands that turn the queue away, and back
        QTest::addColumn<QString>("refusal");
        QTest::newRow("stopped") << QStringList{"cupsdisable", "cupsenable"} << "is stopped";
        QTest::newRow("refusing, disk full") << QStringList{"cupsreject", "cupsaccept"} << "is not accepting documents";
    }

    // Offered a PDF, the user picks a folder that does not exist, then one
    // with room: the PDF is saved, and said so. With the disk full, the file
    // to be replaced stays as it was.
    void refusedQueueOffersPdf()
    {
        QFETCH(QStringList, queueOff);
        QFETCH(QString, refusal);
        const bool diskFull = refusal.contains("accepting");
        const QString full = m_dir.filePath("full.pdf"), saved = m_dir.filePath("saved.pdf");
        QFile old(full);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("kept") == 4);
        old.close();
        rlimit usual{};
        getrlimit(RLIMIT_FSIZE, &usual);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails, as on a full disk
        const rlimit limit{diskFull ? 8192 : usual.rlim_cur, usual.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        QList<SeenBox> seen;
        answerBoxes(diskFull ? QStringList{"Save as PDF…", full, "&Yes", "Cancel"}
                             : QStringList{"Save as PDF…", m_dir.filePath("no/such/folder.pdf"), "Choose Another Place…", saved, "OK"},
                    &seen);
        QCOMPARE(QProcess::execute(queueOff[0], {queue}), 0);
        act(m_till.get(), {"cmdPrintReport"});
        QCOMPARE(QProcess::execute(queueOff[1], {queue}), 0);
        setrlimit(RLIMIT_FSIZE, &usual);

        QCOMPARE(completedJobs(), 2); // nothing more printed, nothing left waiting
        QCOMPARE(seen.size(), diskFull ? 4 : 5); // the file dialogs among them
        QVERIFY2(seen[0].text.startsWith("Nothing was printed.") && seen[0].text.contains(refusal), qPrintable(seen[0].text));
        const QString failed = seen[diskFull ? 3 : 2].text;
        QVERIFY2(failed.endsWith(diskFull ? "full.pdf\u201d could not be saved: File too large."
                                          : "folder.pdf\u201d could not be saved: No such file or directory."), qPrintable(failed));
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "kept");
        if (!diskFull) {
            QCOMPARE(seen.back().text, "The document was saved as \u201c" + saved + "\u201d.");
            QCOMPARE(missingFrom(saved, {"Till Calculator - Report", "Grand Total : £", "118.40", "END OF REPORT"}), QString());
        }
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList({"full.pdf", "saved.pdf"})); // nothing half-written
    }

private:
    std::unique_ptr<TillWindow> m_till;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"

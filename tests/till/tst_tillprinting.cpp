// SPDX-License-Identifier: GPL-3.0-or-later
// Printing as the shopkeeper meets it: through a print server of the test's
// own (with-cupsd.sh), and saved as PDF files instead.
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
// Set where no print service answers (tests/CMakeLists.txt).
const bool noPrintService = qEnvironmentVariableIsSet("TILLORA_TEST_NO_PRINT_SERVICE");

const QString offer = QStringLiteral("Nothing was printed. %1\n\n"
                                     "You can save the document as a PDF file instead, and print it later.");

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

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
    [[maybe_unused]] const bool settled = QTest::qWaitFor(
        [] {
            return output("lpstat", {"-o", queue}).isEmpty();
        },
        30000);
    return int(output("lpstat", {"-W", "completed", "-o", queue}).count(u'\n'));
}

// The first piece of the lines that the PDF does not hold, in order.
QString missingFrom(const QString& pdf, const QStringList& lines)
{
    const QString text = output("pdftotext", {"-layout", pdf, "-"});
    qsizetype at = 0;
    for (const QString& line : lines) {
        for (const QString& piece :
             QString(line).remove(u'*').split(QRegularExpression("[\t»]+"), Qt::SkipEmptyParts)) {
            if ((at = text.indexOf(piece, at)) < 0)
                return piece;
        }
    }
    return {};
}

} // namespace

class TestTillPrinting : public QObject {
    Q_OBJECT
private slots:
    void printServerJobs_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("images");
        QTest::addColumn<QString>("fonts"); // the weight in the font names
        QTest::newRow("report") << "cmdPrintReport" << 0 << "Bold";
        QTest::newRow("screenshot") << "cmdPrintScreen" << 1 << "";
    }

    // Through a print server of the test's own (with-cupsd.sh) each press is one
    // job of one page: the report as the window's own lines, in bold; or the picture.
    void printServerJobs()
    {
        QFETCH(QString, command);
        QFETCH(int, images);
        QFETCH(QString, fonts);
        if (queue.isEmpty())
            QSKIP("needs the print server of with-cupsd.sh");
        auto till = shown<TillWindow>();
        act(till.get(), workedExample);
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        act(till.get(), {command});
        till->setPrinterSource(&PagePrinter::systemPrinter);
        const int jobs = completedJobs();
        act(till.get(), {command});
        const QString job = qEnvironmentVariable("TILLORA_TEST_JOB_FILE");
        QCOMPARE(completedJobs(), jobs + 1);
        QCOMPARE(missingFrom(job, printed(record)), QString());
        QVERIFY(output("pdffonts", {job}).contains(fonts));
        QVERIFY(output("pdfinfo", {job}).contains(QRegularExpression("Pages:\\s+1\\n")));
        QCOMPARE(output("pdfimages", {"-list", job}).count(QStringLiteral("image")), images);
    }

    void printServerRefuses_data()
    {
        QTest::addColumn<QStringList>("queueOff"); // the commands that turn the queue away, and back; the words for it
        QTest::newRow("stopped") << QStringList{"cupsdisable", "cupsenable", "is stopped"};
        QTest::newRow("refusing, disk full") << QStringList{"cupsreject", "cupsaccept", "is not accepting documents"};
    }

    // Offered a PDF, the user picks a missing folder, then one with room: saved,
    // and said so. With the disk full, the file to be replaced stays as it was.
    void printServerRefuses()
    {
        QFETCH(QStringList, queueOff);
        if (queue.isEmpty())
            QSKIP("needs the print server of with-cupsd.sh");
        auto till = shown<TillWindow>();
        act(till.get(), workedExample);
        const int jobs = completedJobs();
        const QTemporaryDir dir;
        const bool diskFull = queueOff[0] == u"cupsreject";
        const QString full = dir.filePath("full.pdf"), saved = dir.filePath("saved.pdf");
        QFile old(full);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("kept") == 4);
        old.close();
        rlimit usual{};
        getrlimit(RLIMIT_FSIZE, &usual);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails, as on a full disk
        const rlimit eightKiB{8192, usual.rlim_max};
        setrlimit(RLIMIT_FSIZE, diskFull ? &eightKiB : &usual);
        QList<SeenBox> seen;
        answerBoxes(diskFull ? QStringList{"Save as PDF…", full, "&Yes", "Cancel"}
                             : QStringList{"Save as PDF…", dir.filePath("no/such/folder.pdf"), "Choose Another Place…",
                                           saved, "OK"},
                    &seen);
        QProcess::execute(queueOff[0], {queue});
        act(till.get(), {"cmdPrintReport"});
        QProcess::execute(queueOff[1], {queue});
        setrlimit(RLIMIT_FSIZE, &usual);

        QCOMPARE(completedJobs(), jobs);         // nothing printed, nothing left waiting
        QCOMPARE(seen.size(), diskFull ? 4 : 5); // the file dialogs among them
        QVERIFY2(seen[0].text.startsWith("Nothing was printed.") && seen[0].text.contains(queueOff[2]),
                 qPrintable(seen[0].text));
        QVERIFY2(seen[diskFull ? 3 : 2].text.endsWith(
                     diskFull ? "full.pdf\u201d could not be saved: File too large."
                              : "folder.pdf\u201d could not be saved: No such file or directory."),
                 qPrintable(seen[diskFull ? 3 : 2].text));
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "kept");
        QVERIFY(diskFull
                || (seen.back().text == "The document was saved as \u201c" + saved + "\u201d."
                    && missingFrom(saved, {"Till Calculator - Report", "118.40", "END OF REPORT"}).isEmpty()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({"full.pdf", "saved.pdf"}).mid(0, diskFull ? 1 : 2)); // nothing half-written
    }

    void pdfSaved_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("images");
        QTest::newRow("report") << "cmdPrintReport" << 0;
        QTest::newRow("screenshot") << "cmdPrintScreen" << 1;
    }

    // With no print service running the user is told so and offered a PDF;
    // saved over an older file, it is whole, and the words say where it is.
    void pdfSaved()
    {
        QFETCH(QString, command);
        QFETCH(int, images);
        if (!noPrintService)
            QSKIP("needs no print service, as tests/CMakeLists.txt runs it");
        auto till = shown<TillWindow>();
        act(till.get(), workedExample);
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        act(till.get(), {command});
        till->setPrinterSource(&PagePrinter::systemPrinter);
        const QTemporaryDir dir;
        const QString path = dir.filePath("till.pdf");
        QVERIFY(write(path, "yesterday's"));
        QList<SeenBox> seen;
        answerBoxes({"Save as PDF…", path, "&Yes", "OK"}, &seen); // yes, replace it
        act(till.get(), {command});
        QCOMPARE(seen.size(), 4);
        QCOMPARE(seen[0].text, offer.arg("The printing service of this computer is not running."));
        QCOMPARE(seen[0].defaultButton, "Save as PDF…");
        QCOMPARE(seen[3].text, "The document was saved as \u201c" + path + "\u201d.");
        QCOMPARE(missingFrom(path, printed(record)), QString());
        QCOMPARE(output("pdfimages", {"-list", path}).count(QStringLiteral("image")), images);
        QVERIFY(output("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"till.pdf"});
    }
};

QTEST_MAIN(TestTillPrinting)
#include "tst_tillprinting.moc"

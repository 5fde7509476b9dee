// SPDX-License-Identifier: GPL-3.0-or-later
// Printing as the shopkeeper meets it: through a print server of the test's
// own (with-cupsd.sh), and saved as PDF files instead.
#include "support/support.h"
#include "till/tillwindow.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace tillora;
using namespace tillora::test;

namespace {

const QString queue = qEnvironmentVariable("TILLORA_TEST_QUEUE");
// Set where no print service answers (tests/CMakeLists.txt).
const bool noPrintService = qEnvironmentVariableIsSet("TILLORA_TEST_NO_PRINT_SERVICE");
// Set by with-small-disks.sh.
const QString smallDisk = qEnvironmentVariable("TILLORA_TEST_SMALL_DISK");
const QString readOnlyDisk = qEnvironmentVariable("TILLORA_TEST_READ_ONLY");

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

struct Word {
    QRectF box; // in points from the page's top left corner
    QString text;
};

// The words of a PDF (pdftotext -bbox) line by line: each page from its top,
// each line from its left.
QList<QList<Word>> wordLines(const QString& pdf)
{
    static const QRegularExpression tag(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<QList<Word>> pages, lines;
    for (const QRegularExpressionMatch& m : tag.globalMatch(output("pdftotext", {"-bbox", pdf, "-"}))) {
        if (m.captured(0) == u"<page ") {
            pages.emplace_back();
            continue;
        }
        const auto at = [&](int n) { return m.captured(n).toDouble(); };
        pages.back().append({QRectF(QPointF(at(1), at(2)), QPointF(at(3), at(4))), m.captured(5)});
    }
    for (QList<Word>& page : pages) {
        std::sort(page.begin(), page.end(), [](const Word& a, const Word& b) {
            return std::pair(qRound(a.box.top() * 10), a.box.left())
                 < std::pair(qRound(b.box.top() * 10), b.box.left());
        });
        for (qsizetype i = 0; i < page.size(); ++i) {
            if (i == 0 || qRound(page[i].box.top() * 10) != qRound(page[i - 1].box.top() * 10))
                lines.emplace_back();
            lines.back().append(page[i]);
        }
    }
    return lines;
}

// Every character the PDF shows but blanks, in reading order.
QString textOf(const QString& pdf)
{
    QString text;
    for (const QList<Word>& line : wordLines(pdf)) {
        for (const Word& word : line)
            text += word.text;
    }
    return text;
}

// Every character the lines print but blanks, in order.
QString textOf(const PrintRecord& record)
{
    return printed(record).join(QString()).remove(QRegularExpression("[*»\\s]"));
}

// Empties the small disk, puts the bytes there under the name when there are
// any, and fills it with one more file, all but `room` bytes (whole pages).
bool fillSmallDisk(const QString& name, const QByteArray& bytes, qint64 room)
{
    if (smallDisk.isEmpty()) // never the current folder
        return false;
    const QDir disk(smallDisk);
    for (const QString& file : disk.entryList(QDir::Files | QDir::Hidden))
        QFile::remove(disk.filePath(file));
    QFile filler(disk.filePath("filler"));
    if (!(bytes.isEmpty() || write(name, bytes)) || !filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray page(4096, 'x');
    while (filler.write(page) == page.size()) { }
    return filler.resize(filler.size() - room) && QStorageInfo(smallDisk).bytesAvailable() == room;
}

} // namespace

class TestTillPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the file size limit fails, as on a full disk
    }

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
        QCOMPARE(textOf(job), textOf(record));
        QVERIFY(output("pdffonts", {job}).contains(fonts));
        QVERIFY(output("pdfinfo", {job}).contains(QRegularExpression("Pages:\\s+1\\n")));
        QCOMPARE(output("pdfimages", {"-list", job}).count(QStringLiteral("image")), images);
    }

    void printServerRefuses_data()
    {
        QTest::addColumn<QStringList>("commands"); // that turn the queue away, and take it back
        QTest::addColumn<QString>("reason");
        const QString stopped = QStringLiteral("is stopped, so the document would only wait in its queue.");
        QTest::newRow("stopped") << QStringList{"cupsdisable", "cupsenable"} << stopped;
        QTest::newRow("refusing") << QStringList{"cupsreject", "cupsaccept"} << QString("is not accepting documents.");
    }

    // A queue that would not print says so and offers a PDF instead of passing
    // for printed; nothing is left waiting in it.
    void printServerRefuses()
    {
        QFETCH(QStringList, commands);
        QFETCH(QString, reason);
        if (queue.isEmpty())
            QSKIP("needs the print server of with-cupsd.sh");
        auto till = shown<TillWindow>();
        act(till.get(), workedExample);
        const int jobs = completedJobs();
        QList<SeenBox> seen;
        answerBoxes({"Cancel"}, &seen);
        QProcess::execute(commands[0], {queue});
        act(till.get(), {"cmdPrintReport"});
        QProcess::execute(commands[1], {queue});
        QCOMPARE(completedJobs(), jobs);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, offer.arg("The printer \u201c" + queue + "\u201d " + reason));
        QCOMPARE(seen[0].defaultButton, "Save as PDF…");
    }

    void longFigures_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("ownLines"); // lines that hold only a piece of a figure
        QTest::newRow("smaller") << QStringList{"txtFloat=0", "txtChequeAmt_0=1e70"} << 0;
        QTest::newRow("on a line of its own") << QStringList{"txtFloat=0", "txtChequeAmt_0=1e100"} << 3;
        QTest::newRow("over three lines") << QStringList{"txtFloat=0", "txtChequeAmt_0=1e308"} << 9;
        QStringList everyCount{"txtFloat=0", "txtChequeAmt_0=1e308"}; // 19 figures of 3 lines each
        for (int row = 0; row < 12; ++row)
            everyCount << QStringLiteral("txtTill_%1=1e300").arg(row);
        QTest::newRow("over two pages") << everyCount << 57;
    }

    // Figures too wide for the page, as the cheque totals are, print whole and
    // inside the printable area: smaller, down to 7 points; then each on lines
    // of their own, right-aligned and broken after a thousands separator.
    void longFigures()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, ownLines);
        if (queue.isEmpty())
            QSKIP("needs the print server of with-cupsd.sh");
        auto till = shown<TillWindow>();
        act(till.get(), steps);
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        act(till.get(), {"cmdPrintReport"});
        till->setPrinterSource(&PagePrinter::systemPrinter);
        const int jobs = completedJobs();
        act(till.get(), {"cmdPrintReport"});
        QCOMPARE(completedJobs(), jobs + 1);
        const QString job = qEnvironmentVariable("TILLORA_TEST_JOB_FILE");
        const QList<QList<Word>> lines = wordLines(job);
        const QRectF printable = QPrinter(QPrinterInfo::defaultPrinter()).pageLayout().paintRectPoints();
        const QRegularExpression piece(QStringLiteral("^[0-9,.]+$"));
        double lowest = 1000, highest = 0;
        int alone = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            for (const Word& word : lines[i]) {
                lowest = std::min(lowest, word.box.height());
                highest = std::max(highest, word.box.height());
                QVERIFY2(printable.adjusted(-0.1, -0.1, 0.1, 0.1).contains(word.box), qPrintable(word.text));
            }
            const Word& first = lines[i].front();
            if (lines[i].size() > 1 || !piece.match(first.text).hasMatch() || first.box.left() < printable.left() + 1)
                continue;
            ++alone;
            QVERIFY2(qAbs(first.box.right() - printable.right()) < 0.1, qPrintable(first.text));
            const bool continued
                = i + 1 < lines.size() && lines[i + 1].size() == 1 && piece.match(lines[i + 1].front().text).hasMatch();
            QVERIFY2(!continued || first.text.endsWith(u','), qPrintable(first.text));
        }
        QCOMPARE(textOf(job), textOf(record));
        QCOMPARE(alone, ownLines);
        QVERIFY(lowest / highest > 0.69); // 7 points at the least, beside 10
    }

    void pdfSaveFails_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<qint64>("room");       // what is left free on the small disk
        QTest::addColumn<rlim_t>("sizeLimit");  // the largest file the program may write
        QTest::addColumn<QByteArray>("before"); // the file under the name, if any
        QTest::addColumn<QString>("reason");
        const QStringList report{"cmdPrintReport"}, picture{"cmdPrintScreen"}; // with nothing typed, under 16 KiB
        const QByteArray old = "%PDF-1.4 yesterday's report", none;
        const QString full = QStringLiteral("No space left on device"), missing = smallDisk + "/no/such/folder";
        const rlim_t any = RLIM_INFINITY;
        QTest::newRow("no space at all") << report << smallDisk << 0LL << any << none << full;
        QTest::newRow("no space, over a file") << report << smallDisk << 0LL << any << old << full;
        QTest::newRow("no space for the picture") << picture << smallDisk << 0LL << any << none << full;
        QTest::newRow("space running out") << report << smallDisk << 8192LL << any << old << full;
        QTest::newRow("too large") << report << smallDisk << 32768LL << rlim_t(8192) << old << "File too large";
        QTest::newRow("no such folder") << report << missing << 32768LL << any << none << "No such file or directory";
        QTest::newRow("read-only place") << report << readOnlyDisk << 32768LL << any << none << "Read-only file system";
    }

    // A save that fails names the file and the reason and offers another place;
    // it leaves no file under the name, not even an empty one, and a file that
    // was there stays byte for byte.
    void pdfSaveFails()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, folder);
        QFETCH(qint64, room);
        QFETCH(rlim_t, sizeLimit);
        QFETCH(QByteArray, before);
        QFETCH(QString, reason);
        if (!noPrintService || smallDisk.isEmpty())
            QSKIP("needs no print service, and the small disks of with-small-disks.sh");
        const QString path = folder + "/till.pdf";
        QVERIFY(fillSmallDisk(path, before, room));
        const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        auto till = shown<TillWindow>();
        const QStringList answers = QStringList{"Save as PDF…", path}
                                  + QStringList(before.isEmpty() ? 0 : 1, "&Yes") // replace it
                                  + QStringList{"Choose Another Place…", "Close"};
        QList<SeenBox> seen;
        answerBoxes(answers, &seen);
        rlimit usual{};
        getrlimit(RLIMIT_FSIZE, &usual);
        const rlimit limited{std::min(sizeLimit, usual.rlim_max), usual.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
        act(till.get(), steps);
        setrlimit(RLIMIT_FSIZE, &usual);
        QCOMPARE(seen.size(), answers.size());
        QCOMPARE(seen[0].text, offer.arg("The printing service of this computer is not running."));
        const SeenBox& failure = seen[seen.size() - 2];
        QCOMPARE(failure.text, "The PDF file \u201c" + path + "\u201d could not be saved: " + reason + ".");
        QCOMPARE(failure.defaultButton, "Choose Another Place…");
        QCOMPARE(seen.back().title, "Save as PDF"); // the other place
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), files);
        QFile kept(path);
        QCOMPARE(kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray(), before);
    }

    void pdfSaved_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("images");
        QTest::newRow("report") << "cmdPrintReport" << 0;
        QTest::newRow("screenshot") << "cmdPrintScreen" << 1;
    }

    // With no print service running the user is told so and offered a PDF.
    // Saved in another place after a failure, over an older file, it is
    // whole, and the words say where it is.
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
        answerBoxes({"Save as PDF…", dir.filePath("missing/till.pdf"), "Choose Another Place…", path, "&Yes", "OK"},
                    &seen); // yes, replace it
        act(till.get(), {command});
        QCOMPARE(seen.size(), 6);
        QCOMPARE(seen[0].text, offer.arg("The printing service of this computer is not running."));
        QCOMPARE(seen[0].defaultButton, "Save as PDF…");
        QCOMPARE(seen[5].text, "The document was saved as \u201c" + path + "\u201d.");
        QCOMPARE(textOf(path), textOf(record));
        QCOMPARE(output("pdfimages", {"-list", path}).count(QStringLiteral("image")), images);
        QVERIFY(output("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"till.pdf"});
    }
};

QTEST_MAIN(TestTillPrinting)
#include "tst_tillprinting.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Printing as the shopkeeper meets it: on each paper through a print server of
// the test's own (with-desktop.sh), read back from the PDF it made; and a PDF
// offered, and saved or not, when printing fails.
#include "support/rows.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace tillora;
using namespace tillora::test;

namespace {

const QString jobs = qEnvironmentVariable("TILLORA_TEST_JOBS"); // set by with-desktop.sh --print-server
const bool noPrintService = qEnvironmentVariableIsSet("TILLORA_TEST_NO_PRINT_SERVICE");
const QString smallDisk = qEnvironmentVariable("TILLORA_TEST_SMALL_DISK"); // these two by --small-disks
const QString readOnlyDisk = qEnvironmentVariable("TILLORA_TEST_READ_ONLY");
const QString queue = QStringLiteral("tillora-a4"); // where printing fails
const QString offer = "Nothing was printed. %1\n\nYou can save the document as a PDF file instead, and print it later.";
[[maybe_unused]] const auto sizeLimited = std::signal(SIGXFSZ, SIG_IGN); // a write past it fails, as on a full disk

struct Printout {
    QString queue;
    QSizeF paper;      // in points
    QRectF printable;  // in points from the paper's top left corner
    QStringList steps; // then the report's lines, each after a "*" when bold, a print zone as "»"
    QStringList lines;
    int atRight; // lines at the right edge: a figure, or a piece of one, alone
};

struct Failure {
    QStringList queue;            // the commands that turn it away and take it back; none: no print service at all
    QString why, command, folder; // what it says, what is printed, where the PDF is saved
    qint64 room;                  // what is left free on the small disk
    rlim_t sizeLimit;             // the largest file the program may write
    QByteArray before;            // the file under the name, if any
    QString reason;               // why the save fails; none: it is saved
};

// The report around its lists of lines, each line ending in "|", its seven totals given ";" apart, and the
// takings check's lines, if any.
QStringList reportOf(const QString& counts, const QString& cheques, const QString& lines, const QString& totals,
                     const QString& takings = {})
{
    const QStringList t = totals.split(u';');
    const QString head = "*|*Till Calculator - Report|*|*Date :»05/12/2026\t\tTime :»17:45|*TILL CONTENTS|";
    return (head + counts + "|*CHEQUES||" + cheques + "|*TOTALS||" + lines
            + "Total Change : £\t\t%1|Total Notes : £\t\t\t%2||*CALCULATION OF GRAND TOTAL||Till Total : £\t\t\t%3|"
              "Add Cheques : £\t\t%4|Grand Total : £\t\t\t%5||*MISCELLANEOUS||Cash to Bank : £\t\t%6|"
              "Cheques to Bank : £\t\t%7|%8*|*END OF REPORT||© 2026 Tillora developers\t\twww.tillora.example")
        .arg(t[0], t[1], t[2], t[3], t[4], t[5], t[6], takings)
        .split(u'|');
}

QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The jobs the queue has finished, or -1 while any waits in it.
int completedJobs(const QString& queue)
{
    if (!QTest::qWaitFor([&] { return output("lpstat", {"-o", queue}).isEmpty(); }, 30000))
        return -1;
    return int(output("lpstat", {"-W", "completed", "-o", queue}).count(u'\n'));
}

struct Word {
    QRectF box; // in points from the page's top left corner
    QString text;
};

// The words of a PDF as they were drawn, line by line, page after page.
QList<QList<Word>> wordLines(const QString& pdf)
{
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re");
    QList<QList<Word>> lines;
    for (const QRegularExpressionMatch& m : word.globalMatch(output("pdftotext", {"-raw", "-bbox", pdf, "-"}))) {
        const auto at = [&](int n) { return m.captured(n).toDouble(); };
        if (lines.isEmpty() || lines.back().back().box.top() != at(2))
            lines.emplace_back();
        lines.back().append({QRectF(QPointF(at(1), at(2)), QPointF(at(3), at(4))), m.captured(5)});
    }
    return lines;
}

// Empties the folder and puts the bytes there under the name, when there are
// any; fills the small disk with one more file, all but `room` bytes.
bool prepare(const QString& folder, const QString& path, const QByteArray& bytes, qint64 room)
{
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        QFile::remove(file.filePath());
    QFile file(path), filler(folder + "/filler");
    const QByteArray page(4096, 'x');
    if (!bytes.isEmpty()
        && !(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size()))
        return false;
    if (folder != smallDisk || !filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return folder != smallDisk;
    while (filler.write(page) == page.size()) { }
    return filler.resize(filler.size() - room) && QStorageInfo(smallDisk).bytesAvailable() == room;
}

} // namespace

Q_DECLARE_METATYPE(Printout)
Q_DECLARE_METATYPE(Failure)

class TestTillPrinting : public QObject {
    Q_OBJECT
private slots:
    void printout_data()
    {
        const QStringList worked{
            "Number of 10p coins :\t\t\t4|Number of £1 coins :\t\t\t3|Number of £5 notes :\t\t\t2|"
            "Number of £10 notes :\t\t\t6|Number of £20 notes :\t\t\t1|",
            "Cheque 1 £\t\t\t25.00|",
            "10 pences : £\t\t\t0.40|£1 coins : £\t\t\t3.00|£5 notes : £\t\t\t10.00|£10 notes : £\t\t\t60.00|"
            "£20 notes: £\t\t\t20.00|",
            "3.40;90.00;93.40;25.00;118.40;43.40;25.00",
        };
        const QStringList workedOut = reportOf(worked[0], worked[1], worked[2], worked[3]);
        // Rows whose text reads as zero are left out; the others print as typed.
        const QStringList zeroSteps{"txtFloat=10",         "txtChequeAmt_0=-0", "txtChequeAmt_1=0.30",
                                    "txtChequeAmt_2=0.00", "txtChequeAmt_3=-5", "txtChequeAmt_4=1,000"};
        const QStringList zeros = reportOf("", "Cheque 2 £\t\t\t0.30|Cheque 4 £\t\t\t-5|Cheque 5 £\t\t\t1,000|", "",
                                           "0.00;0.00;0.00;995.30;995.30;-10.00;995.30");
        const QStringList shortSteps = workedExample + QStringList{"txtExpected=70"};
        const QStringList short_ = reportOf(worked[0], worked[1], worked[2], worked[3],
                                            "|*TAKINGS CHECK|Expected : £\t\t\t70|Over / Short : £\t\t\t-1.60|"
                                            "\t\t\t\tShort by £1.60|");
        const QString huge = "100" + QString(",000").repeated(102) + ".00"; // 1e308, as the till writes it
        const QStringList hugeSteps{"txtFloat=0", "txtChequeAmt_0=1e308"};
        const QStringList huges
            = reportOf("", "Cheque 1 £\t\t\t1e308|", "", "0.00;0.00;0.00;" + huge + ';' + huge + ";0.00;" + huge);
        rows<Printout>({
            {"tillora-a4", {595, 842}, {18, 36, 559, 770}, workedExample, workedOut, 0},
            {"tillora-a4", {595, 842}, {18, 36, 559, 770}, {}, reportOf("", "", "", ";;;;;;"), 0},
            {"tillora-a4", {595, 842}, {18, 36, 559, 770}, zeroSteps, zeros, 0},
            {"tillora-a4", {595, 842}, {18, 36, 559, 770}, shortSteps, short_, 0},
            {"tillora-a4", {595, 842}, {18, 36, 559, 770}, hugeSteps, huges, 9},
            {"tillora-a5", {420, 595}, {18, 36, 384, 523}, workedExample, workedOut, 0},
            {"tillora-roll80", {227, 842}, {11, 6, 205, 830}, workedExample, workedOut, 1},
            {"tillora-roll58", {164, 595}, {14, 6, 136, 583}, workedExample, workedOut, 17},
            {"tillora-roll58", {164, 595}, {14, 6, 136, 583}, hugeSteps, huges, 42},
            {"tillora-letter", {612, 792}, {18, 36, 576, 720}, workedExample, workedOut, 0},
            {"tillora-a3", {842, 1191}, {18, 36, 806, 1119}, workedExample, workedOut, 0},
            {"tillora-label", {176, 82}, {4, 4, 168, 74}, workedExample, workedOut, 3},
        });
    }

    // The report's lines as the window shows them, then each press one job on
    // the queue's own paper. The report whole and in order, every character
    // inside the printable area and at 7 points or more (7.8 tall in
    // Liberation Sans); each text after a tab or print zone on its stop, or
    // else a figure alone at the right edge, broken after a thousands
    // separator. The picture on one page, as large as it fits.
    void printout()
    {
        QFETCH(Printout, row);
        if (jobs.isEmpty())
            QSKIP("needs with-desktop.sh --print-server");
        const QRectF printable = row.printable;
        const QString job = jobs + u'/' + row.queue, expected = row.lines.join(u'\n');
        qputenv("PRINTER", row.queue.toUtf8());
        auto till = shown<TillWindow>();
        child<QLineEdit>(till.get(), "txtDate")->setText("05/12/2026");
        child<QLineEdit>(till.get(), "txtTime")->setText("17:45");
        act(till.get(), row.steps);
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        act(till.get(), {"cmdPrintReport"});
        QCOMPARE(printed(record), row.lines);
        till->setPrinterSource(&PagePrinter::systemPrinter);
        const int done = completedJobs(row.queue);
        act(till.get(), {"cmdPrintReport"});
        QCOMPARE(completedJobs(row.queue), done + 1);
        QVERIFY(output("pdffonts", {job}).contains(QRegularExpression("(?s)(?=.*Sans-Bold )(?=.*Sans )")));
        const QList<QList<Word>> lines = wordLines(job);
        const auto blank
            = [&](qsizetype at) { return at < expected.size() && QString(" \t\n*»").contains(expected[at]); };
        const auto right = [&](qsizetype i) {
            return i < lines.size() && qAbs(lines[i].back().box.right() - printable.right()) < 0.1;
        };
        qsizetype at = 0, atRight = 0;
        for (qsizetype i = 0; i < lines.size(); atRight += right(i++)) {
            const bool goesOn = right(i) && right(i + 1) && lines[i].size() == 1 && lines[i + 1].size() == 1;
            QVERIFY2(!goesOn || lines[i][0].text.endsWith(u','), qPrintable(lines[i][0].text));
            for (const Word& word : lines[i]) {
                double step = 0; // in points: a tab's, a print zone's, or none
                for (; blank(at); ++at)
                    step = expected[at] == u'\t' ? 35 : expected[at] == u'»' ? 72 : 0;
                const double stops = (word.box.left() - printable.left()) / std::max(step, 1.0);
                QVERIFY2(expected.mid(at, word.text.size()) == word.text && word.box.height() > 7.8
                             && printable.adjusted(-0.1, -0.1, 0.1, 0.1).contains(word.box)
                             && (step == 0 || qAbs(stops - qRound(stops)) * step < 0.05
                                 || (right(i) && &word == &lines[i][0])),
                         qPrintable(word.text));
                at += word.text.size();
            }
        }
        while (blank(at))
            ++at;
        QVERIFY(at == expected.size() && atRight == row.atRight);

        act(till.get(), {"cmdPrintScreen"});
        QCOMPARE(completedJobs(row.queue), done + 2);
        const QString paper = QStringLiteral("Pages: +1\n(.*\n)*Page size: +%1 x %2 pts");
        QVERIFY(output("pdfinfo", {job})
                    .contains(QRegularExpression(paper.arg(row.paper.width()).arg(row.paper.height()))));
        // The picture's pixels and how densely they are drawn, the same across and down.
        const QStringList image
            = output("pdfimages", {"-list", job}).split(u'\n').mid(2, 2).join(u' ').simplified().split(u' ');
        QVERIFY(image.size() == 16 && image[12] == image[13]);
        QCOMPARE(QSize(image[3].toInt(), image[4].toInt()), till->size());
        const QSizeF drawn = QSizeF(till->size()) * 72 / image[12].toDouble(), room = printable.size() * 1.01;
        QVERIFY2(drawn.width() < room.width() && drawn.height() < room.height()
                     && (drawn.width() * 1.02 > room.width() || drawn.height() * 1.02 > room.height()),
                 qPrintable(QStringLiteral("%1 x %2").arg(drawn.width()).arg(drawn.height())));
    }

    void failure_data()
    {
        const QStringList stop{"cupsdisable", "cupsenable"}, reject{"cupsreject", "cupsaccept"}, none;
        const QString printer = "The printer “" + queue + "” ";
        const QString stopped = printer + "is stopped, so the document would only wait in its queue.";
        const QString refusing = printer + "is not accepting documents.";
        const QString off = "The printing service of this computer is not running.", full = "No space left on device";
        const QString report = "cmdPrintReport", picture = "cmdPrintScreen", missing = smallDisk + "/no/such/folder";
        const QString elsewhere = m_folder.path();
        const QByteArray old = "%PDF-1.4 yesterday's report", no;
        const rlim_t any = RLIM_INFINITY;
        rows<Failure>({
            {stop, stopped, report, elsewhere, 0, any, no, {}},
            {reject, refusing, picture, elsewhere, 0, any, old, {}},
            {none, off, report, elsewhere, 0, any, old, {}},
            {none, off, picture, elsewhere, 0, any, no, {}},
            {none, off, report, smallDisk, 0, any, no, full},
            {none, off, report, smallDisk, 0, any, old, full},
            {none, off, picture, smallDisk, 0, any, no, full},
            {none, off, report, smallDisk, 8192, any, old, full},
            {none, off, report, smallDisk, 32768, rlim_t(8192), old, "File too large"},
            {none, off, report, missing, 0, any, no, "No such file or directory"},
            {none, off, report, readOnlyDisk, 0, any, no, "Read-only file system"},
        });
    }

    // A queue that would not print, or no print service, says so and offers a
    // PDF instead of passing for printed; nothing is left waiting to print.
    // A save that fails names the file and the reason and offers another
    // place; it leaves no file under the name, and one that was there stays
    // byte for byte. A save that works says where; the file is whole.
    void failure()
    {
        QFETCH(Failure, row);
        if (row.queue.isEmpty() ? !noPrintService || smallDisk.isEmpty() : jobs.isEmpty())
            QSKIP("needs with-desktop.sh --print-server, or --no-print-server --small-disks");
        qputenv("PRINTER", queue.toUtf8());
        const QString path = row.folder + "/till.pdf";
        QVERIFY(prepare(row.folder, path, row.before, row.room));
        const QStringList files
            = row.reason.isEmpty() ? QStringList{"till.pdf"} : QDir(row.folder).entryList(QDir::Files | QDir::Hidden);
        auto till = shown<TillWindow>();
        act(till.get(), workedExample);
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        act(till.get(), {row.command});
        till->setPrinterSource(&PagePrinter::systemPrinter);
        const int done = completedJobs(queue);
        const QStringList answers
            = QStringList{"Save as PDF…", path} + QStringList(row.before.isEmpty() ? 0 : 1, "&Yes")
            + (row.reason.isEmpty() ? QStringList{"OK"} : QStringList{"Choose Another Place…", "Close"});
        QList<SeenBox> seen;
        answerBoxes(answers, &seen);
        rlimit usual{};
        getrlimit(RLIMIT_FSIZE, &usual);
        const rlimit limited{std::min(row.sizeLimit, usual.rlim_max), usual.rlim_max};
        QProcess::execute(row.queue.value(0, "true"), {queue});
        setrlimit(RLIMIT_FSIZE, &limited);
        act(till.get(), {row.command});
        setrlimit(RLIMIT_FSIZE, &usual);
        QProcess::execute(row.queue.value(1, "true"), {queue});
        QCOMPARE(completedJobs(queue), done);
        QCOMPARE(seen.size(), answers.size());
        QCOMPARE(seen[0].text, offer.arg(row.why));
        QCOMPARE(seen[0].defaultButton, "Save as PDF…");
        QCOMPARE(QDir(row.folder).entryList(QDir::Files | QDir::Hidden), files);
        QFile kept(path);
        if (row.reason.isEmpty()) {
            QCOMPARE(seen.back().text, "The document was saved as “" + path + "”.");
            QCOMPARE(output("pdftotext", {"-raw", path, "-"}).remove(QRegularExpression("\\s")),
                     printed(record).join("").remove(QRegularExpression("[*»\\s]")));
            QCOMPARE(output("pdfimages", {"-list", path}).count("image"), record.pictures.size());
            QVERIFY(output("pdfinfo", {path}).contains(QRegularExpression("Pages: +1\n")));
            return;
        }
        QCOMPARE(seen[seen.size() - 2].text, "The PDF file “" + path + "” could not be saved: " + row.reason + ".");
        QCOMPARE(seen[seen.size() - 2].defaultButton, "Choose Another Place…");
        QCOMPARE(seen.back().title, "Save as PDF"); // the other place
        QCOMPARE(kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray(), row.before);
    }

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestTillPrinting)
#include "tst_tillprinting.moc"

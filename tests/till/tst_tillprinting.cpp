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

using namespace tillora;
using namespace tillora::test;

namespace {

const QString data = QStringLiteral(TILLORA_TEST_DATA);
const QString jobs = qEnvironmentVariable("TILLORA_TEST_JOBS");            // set by with-desktop.sh --print-server
const QString desktop = qEnvironmentVariable("TILLORA_TEST_DESKTOP");      // the options with-desktop.sh was given
const QString smallDisk = qEnvironmentVariable("TILLORA_TEST_SMALL_DISK"); // these two by --small-disks
const QString readOnlyDisk = qEnvironmentVariable("TILLORA_TEST_READ_ONLY");
const QString failing = QStringLiteral("tillora-a4"); // the queue where printing fails
const QString offer = "Nothing was printed. %1\n\nYou can save the document as a PDF file instead, and print it later.";

struct Printout {
    const char* name;
    QString paper;  // its queue is "tillora-<paper>"
    QString report; // what it prints: tests/data/<report>.txt, the paying-in sheet where it begins "paying-in"
    QStringList steps;
    int atRight; // lines at the right edge: a figure, or a piece of one, alone
};

struct Failure {
    const char* name;
    QString desktop;              // the options of with-desktop.sh it needs
    QStringList queue;            // the commands that turn it away and take it back; none: no default printer
    QString why, command, folder; // what it says, what is printed, where the PDF is saved
    qint64 room;                  // what is left free on the small disk
    QByteArray before;            // the file under the name, if any
    QString reason;               // why the save fails; none: it is saved
};

struct Paper {
    QSizeF size;      // in points
    QRectF printable; // in points from the paper's top left corner
};

// The papers of the print server's queues, read from the list that
// with-desktop.sh makes the queues from.
QMap<QString, Paper> papers()
{
    QFile file(data + "/papers.txt");
    QMap<QString, Paper> papers;
    for (const QString& line : QString::fromUtf8(file.open(QIODevice::ReadOnly) ? file.readAll() : "").split(u'\n')) {
        const QStringList f = line.simplified().split(u' ');
        const auto at = [&](int i) { return f[i].toDouble(); };
        if (f.size() == 8 && !line.startsWith(u'#'))
            papers[f[0]] = {{at(2), at(3)}, QRectF(QPointF(at(4), at(3) - at(7)), QPointF(at(6), at(3) - at(5)))};
    }
    return papers;
}

QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Nothing when the report printed is its golden file, tests/data/report-*.txt;
// else how it differs, by diff -u. The file holds the report a line a line,
// tabs as tabs, a move to the next print zone as "»", and each bold line
// after "**" (an empty one as "**" alone).
QString differences(const QString& golden, const PrintRecord& record)
{
    QProcess diff;
    diff.start("diff", {"-u", "--label", golden, golden, "--label", "printed", "-"});
    diff.write(printed(record).replaceInStrings(QRegularExpression("^\\*"), "**").join(u'\n').toUtf8() + '\n');
    diff.closeWriteChannel();
    if (diff.waitForFinished(30000) && diff.exitStatus() == QProcess::NormalExit && diff.exitCode() == 0)
        return {};
    return "The report is not its golden file:\n" + QString::fromUtf8(diff.readAll() + diff.readAllStandardError());
}

// The jobs the queue has finished, or -1 while any waits in it.
int completedJobs(const QString& queue)
{
    if (jobs.isEmpty())
        return 0; // no print server of the test's own to ask
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
        // Rows whose text reads as zero are left out; the others print as typed.
        const QStringList zeros{"txtFloat=10",         "txtChequeAmt_0=-0", "txtChequeAmt_1=0.30",
                                "txtChequeAmt_2=0.00", "txtChequeAmt_3=-5", "txtChequeAmt_4=1,000"};
        const QStringList day
            = workedExample + QStringList{"txtFloat=30", "txtTill_5=45", "txtTill_7=12", "txtChequeAmt_1=7.50"};
        const QStringList longVerdict{"txtFloat=0", "txtTill_11=1e15", "txtExpected=0"};
        const QStringList short_ = workedExample + QStringList{"txtExpected=70"},
                          huge{"txtFloat=0", "txtChequeAmt_0=1e308"};
        rows<Printout>({
            {"worked example on A4", "a4", "report-worked-example", workedExample, 0},
            {"nothing typed", "a4", "report-empty-till", {}, 0},
            {"rows reading as zero left out", "a4", "report-zero-rows", zeros, 0},
            {"takings short", "a4", "report-takings-short", short_, 0},
            {"a verdict cut on screen, whole on paper", "a4", "report-long-verdict", longVerdict, 0},
            {"a cheque of 1e308 on A4", "a4", "report-huge-cheque", huge, 9},
            {"worked example on A5", "a5", "report-worked-example", workedExample, 0},
            {"worked example on an 80 mm roll", "roll80", "report-worked-example", workedExample, 1},
            {"worked example on a 58 mm roll", "roll58", "report-worked-example", workedExample, 15},
            {"a cheque of 1e308 on a 58 mm roll", "roll58", "report-huge-cheque", huge, 40},
            {"worked example on Letter", "letter", "report-worked-example", workedExample, 0},
            {"worked example on A3", "a3", "report-worked-example", workedExample, 0},
            {"worked example on a 62 x 29 mm label", "label", "report-worked-example", workedExample, 1},
            {"paying in on A4", "a4", "paying-in-day", day, 0},
            {"paying in on an 80 mm roll", "roll80", "paying-in-day", day, 1},
        });
    }

    // The report's lines as the window shows them, then each press one job
    // on the queue's own paper. The report whole and in order, its bold lines
    // and only they in bold, every character inside the printable area, all
    // in one size of 7 points or more (7.8 tall in Liberation Sans); each text
    // after a tab or print zone on its stop, or else a figure alone at the
    // right edge, broken after a thousands separator. The picture on one page,
    // as large as it fits, its proportions kept.
    void printout()
    {
        QFETCH(Printout, row);
        if (jobs.isEmpty())
            QSKIP("needs with-desktop.sh --print-server");
        const Paper paper = papers().value(row.paper);
        const QRectF printable = paper.printable;
        const QString queue = "tillora-" + row.paper, job = jobs + u'/' + queue;
        QFile golden(data + u'/' + row.report + ".txt");
        QVERIFY2(golden.open(QIODevice::ReadOnly) && !printable.isEmpty(),
                 qPrintable("no paper " + row.paper + " or " + golden.fileName()));
        const QString expected = QString::fromUtf8(golden.readAll());
        qputenv("PRINTER", queue.toUtf8());
        auto till = shown<TillWindow>();
        child<QLineEdit>(till.get(), "txtDate")->setText("05/12/2026");
        child<QLineEdit>(till.get(), "txtTime")->setText("17:45");
        act(till.get(), row.steps);
        const auto print = [&] {
            if (!row.report.startsWith("paying-in"))
                return act(till.get(), {"cmdPrintReport"});
            act(till.get(), {"cmdPayingIn"});
            act(visible("frmPayingIn").value(0), {"cmdPrint", "cmdClose"});
        };
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        print();
        const QString diff = differences(golden.fileName(), record);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        till->setPrinterSource(&PagePrinter::systemPrinter);
        const int done = completedJobs(queue);
        print();
        QCOMPARE(completedJobs(queue), done + 1);
        static const QRegularExpression notBold("(?s)(^|</b>).*?(<b>|$)"), marks("[*»\\s]"), boldLine("^\\*\\*");
        QCOMPARE(output("pdftohtml", {"-xml", "-i", "-stdout", job}).remove(notBold).remove(marks),
                 expected.split(u'\n').filter(boldLine).join("").remove(marks));
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
                             && qAbs(word.box.height() - lines[0][0].box.height()) < 0.01 // one size
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
        if (row.report != "report-worked-example")
            return; // the picture once a paper
        act(till.get(), {"cmdPrintScreen"});
        QCOMPARE(completedJobs(queue), done + 2);
        const QString pages = QStringLiteral("Pages: +1\n(.*\n)*Page size: +%1 x %2 pts");
        QVERIFY(output("pdfinfo", {job})
                    .contains(QRegularExpression(pages.arg(paper.size.width()).arg(paper.size.height()))));
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
        const QString printer = "The printer “" + failing + "” ";
        const QString stopped = printer + "is stopped, so the document would only wait in its queue.";
        const QString refusing = printer + "is not accepting documents.";
        const QString off = "The printing service of this computer is not running.", full = "No space left on device";
        const QString noDefault
            = "No printer is chosen as the default. Printers set up on this computer: “tillora-a3”, "
              "“tillora-a4”, “tillora-a5”, “tillora-label”, “tillora-letter”, “tillora-roll58” and "
              "“tillora-roll80”. Choose one as the default in the desktop's printer settings, or "
              "with the command “lpoptions -d” followed by its name.";
        const QString up = "--print-server", down = "--no-print-server --small-disks";
        const QString silent = "--silent-print-server", server = qEnvironmentVariable("CUPS_SERVER");
        const QString unanswered = "The print server “" + server + "” did not answer within 2 seconds.";
        const QString report = "cmdPrintReport", picture = "cmdPrintScreen", missing = smallDisk + "/no/such/folder";
        const QString elsewhere = m_folder.path();
        const QByteArray old = "%PDF-1.4 yesterday's report", no;
        rows<Failure>({
            {"stopped queue, report saved", up, stop, stopped, report, elsewhere, 0, no, {}},
            {"refusing queue, picture saved over a file", up, reject, refusing, picture, elsewhere, 0, old, {}},
            {"queues without a default, report saved", up, none, noDefault, report, elsewhere, 0, no, {}},
            {"silent print server, picture saved", silent, none, unanswered, picture, elsewhere, 0, no, {}},
            {"no print service, report saved over a file", down, none, off, report, elsewhere, 0, old, {}},
            {"no print service, picture saved", down, none, off, picture, elsewhere, 0, no, {}},
            {"report onto a full disk", down, none, off, report, smallDisk, 0, no, full},
            {"report onto a nearly full disk over a file", down, none, off, report, smallDisk, 8192, old, full},
            {"report into a missing folder", down, none, off, report, missing, 0, no, "No such file or directory"},
            {"report onto a read-only disk", down, none, off, report, readOnlyDisk, 0, no, "Read-only file system"},
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
        if (desktop != row.desktop)
            QSKIP(qPrintable("needs with-desktop.sh " + row.desktop));
        row.queue.isEmpty() ? qunsetenv("PRINTER") : qputenv("PRINTER", failing.toUtf8());
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
        const int done = completedJobs(failing);
        const QStringList answers
            = QStringList{"Save as PDF…", path} + QStringList(row.before.isEmpty() ? 0 : 1, "&Yes")
            + (row.reason.isEmpty() ? QStringList{"OK"} : QStringList{"Choose Another Place…", "Close"});
        QList<SeenBox> seen;
        answerBoxes(answers, &seen);
        QProcess::execute(row.queue.value(0, "true"), {failing});
        const auto pressed = std::chrono::steady_clock::now();
        act(till.get(), {row.command});
        QProcess::execute(row.queue.value(1, "true"), {failing});
        QCOMPARE(completedJobs(failing), done);
        QCOMPARE(seen.size(), answers.size());
        // The 2 s the print service is given, and room for a busy machine; the cursor as it was.
        QVERIFY(seen[0].shown - pressed < std::chrono::seconds(3) && !QGuiApplication::overrideCursor());
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
        QCOMPARE(seen.back().title, "Save as PDF"); // the other place, the file just tried first
        QCOMPARE(seen.back().text, path);
        QCOMPARE(kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray(), row.before);
    }

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestTillPrinting)
#include "tst_tillprinting.moc"

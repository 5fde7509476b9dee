// Thousands of random edits typed into the real main window: keys, deletions,
// select-all-and-type, long pastes and moves of the focus, across every
// count, cheque and float box. After every change of an entry, the result
// boxes must agree with a working-out of the entries done here, or an entry
// must be marked as the reason they cannot; a report printed along the way
// has 28 to 62 lines. A failure names the seed and the shortest sequence of
// edits that still fails.
//
// TILLORA_RANDOM_SEED replays a seed; TILLORA_RANDOM_EDITS sets the number
// of edits (10,000).
#include "shrink.h"
#include "tilloracle.h"
#include "tillwindow.h"

#include "support/modal.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <optional>

using namespace tillora;
using namespace tillora::test;

namespace {

struct Edit {
    // Fix: select all in the first marked box (else in `box`) and type.
    enum Action { Type, Key, Retype, Fix, Paste, PasteOver, Print };
    Action action = Type;
    int box = 0;      // index into entryBoxNames()
    int clickX = -1;  // the box takes the focus by a click here, or by Tab (-1), when it lacks it
    QString text;     // typed or pasted; Retype and Fix with no text press Backspace
    QKeyCombination key = Qt::Key_unknown; // Key: pressed `repeat` times
    int repeat = 1;
};

QString describe(const Edit& e, const QString& box, bool focusMoved)
{
    static const char* const verbs[] = {"type", "press", "Ctrl+A, then type", "put right (first marked box): Ctrl+A, then type",
                                        "paste", "Ctrl+A, then paste", "click Print Report"};
    if (e.action == Edit::Print)
        return QLatin1String(verbs[e.action]);
    const QString what = e.action == Edit::Key ? QStringLiteral("%1 \u00d7%2").arg(QKeySequence(e.key).toString()).arg(e.repeat)
                                               : shortened(e.text);
    const QString focus = !focusMoved ? QString()
        : e.clickX < 0                ? QStringLiteral(" (tabbed into)")
                                      : QStringLiteral(" (clicked at x %1)").arg(e.clickX);
    return QStringLiteral("%1%2: %3 %4").arg(box, focus, QLatin1String(verbs[e.action]), what);
}

// Random edits, weighted towards what a user at a till types, with enough
// slips (letters, stray signs, huge numbers, junk) to reach every fault.
class EditMaker {
public:
    explicit EditMaker(quint32 seed) : m_random(seed) {}

    QList<Edit> edits(int count)
    {
        QList<Edit> list;
        while (list.size() < count)
            list << next();
        return list;
    }

private:
    int below(int n) { return int(m_random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }
    QString some(QStringView from, int length)
    {
        QString s;
        while (s.size() < length)
            s += from[below(int(from.size()))];
        return s;
    }

    Edit next()
    {
        Edit e;
        // The float is one box of 23, but it decides whether anything is
        // written at all: it gets a larger share.
        const int boxes = int(entryBoxNames().size());
        e.box = chance(10) ? boxes - 1 : below(boxes - 1);
        e.clickX = chance(50) ? below(80) : -1;
        const int roll = below(1000);
        if (roll < 220) {
            e.action = Edit::Type;
            e.text = keys(1 + below(4));
        } else if (roll < 400) {
            e.action = Edit::Retype;
            e.text = chance(8) ? QString() : chance(85) ? plausibleNumber() : keys(1 + below(8));
        } else if (roll < 600) {
            e.action = Edit::Fix; // the user puts right the box marked red
            e.text = plausibleNumber();
        } else if (roll < 900) {
            e.action = Edit::Key;
            e.key = pickKey();
            e.repeat = 1 + below(3);
        } else if (roll < 993) {
            e.action = chance(60) ? Edit::PasteOver : Edit::Paste;
            e.text = chance(70) ? plausibleNumber() : longText();
        } else {
            e.action = Edit::Print;
        }
        return e;
    }

    QKeyCombination pickKey()
    {
        static const std::pair<QKeyCombination, int> weighted[] = {
            {Qt::Key_Backspace, 35}, {Qt::Key_Delete, 15}, {Qt::Key_Left, 10}, {Qt::Key_Right, 6},
            {Qt::Key_Home, 6},       {Qt::Key_End, 6},     {Qt::SHIFT | Qt::Key_Left, 4},
            {Qt::Key_Tab, 12},       {Qt::SHIFT | Qt::Key_Backtab, 6}};
        int roll = below(100);
        for (const auto& [key, weight] : weighted) {
            if ((roll -= weight) < 0)
                return key;
        }
        return Qt::Key_Backspace;
    }

    // Keys typed at random: mostly digits, with signs, separators, letters
    // (the exponent's e among them) and blanks.
    QString keys(int length) { return some(u"0123456789012345678901234567890123456789--...,,eEaZ  ", length); }

    // What a user means to type: counts, amounts in pounds and pence,
    // now and then negative, grouped, with blanks or an exponent.
    QString plausibleNumber()
    {
        const int roll = below(100);
        QString s = roll < 40 ? QString::number(below(100))
            : roll < 55       ? QString::number(below(100000))
            : roll < 72       ? QStringLiteral("%1.%2").arg(below(1000)).arg(some(u"0123456789", 1 + below(3)))
            : roll < 78       ? QLocale(QLocale::English).toString(m_random.bounded(Q_UINT64_C(1), Q_UINT64_C(10'000'000'000)))
            : roll < 86       ? QStringLiteral("%1e%2").arg(1 + below(9)).arg(below(12))
            : roll < 92       ? QStringLiteral("%1.%2e%3").arg(below(10)).arg(some(u"0123456789", 3)).arg(290 + below(30))
                              : u'.' + some(u"0123456789", 2);
        if (chance(10))
            s.prepend(u'-');
        return chance(5) ? QStringLiteral("  %1 ").arg(s) : s;
    }

    // Long pastes: what lands in a box when the wrong thing was copied.
    QString longText()
    {
        const int length = 100 + below(4000);
        switch (below(6)) {
        case 0: return some(u"0123456789", length);
        case 1: return QString(length, u'0') + plausibleNumber();
        case 2: return QStringLiteral("0.") + QString(length, QChar(u'0' + below(10)));
        case 3: return QStringLiteral("1e") + some(u"0123456789", length);
        case 4: return some(u"0123456789-.,eE +()\u00a3\u20ac\u00bd\u0663\u00a0\t\nabcxyzAZ#%&*/", length);
        }
        QString numbers = plausibleNumber();
        while (numbers.size() < length)
            numbers += u' ' + plausibleNumber();
        return numbers;
    }

    QRandomGenerator m_random;
};

struct Failure {
    qsizetype edits; // performed, the failing one included
    QString message;
};

// A fresh main window that performs edits and checks it after each change
// of an entry and after each edit.
class TypingSession {
public:
    TypingSession()
    {
        m_till.form().setPrinterSource(recordInto(m_printer));
        m_lastFigures = m_till.results();
        for (const QString& name : entryBoxNames()) {
            // Connected after the window's own handlers, so it runs after them.
            QObject::connect(m_till.box(name), &QLineEdit::textChanged, m_till.box(name), [this] { check(); });
        }
    }

    std::optional<Failure> run(const QList<Edit>& edits)
    {
        for (qsizetype i = 0; i < edits.size(); ++i) {
            perform(edits[i]);
            check();
            if (!m_failure.isEmpty())
                return Failure{i + 1, m_failure};
        }
        return std::nullopt;
    }

    // What each edit did, on the box it went to.
    const QStringList& performed() const { return m_performed; }
    struct Tally {
        std::array<int, 4> found{}; // checks, by TillExpectation::Kind
        int printed = 0, refused = 0;
    } tally;

private:
    void perform(const Edit& e)
    {
        // A desktop gives the window back its activation when a box has
        // closed; the offscreen platform leaves that to the test.
        if (QApplication::activeWindow() != &m_till.form()) {
            m_till.form().activateWindow();
            if (!QTest::qWaitForWindowActive(&m_till.form())) {
                fail(QStringLiteral("the window cannot be made active again"));
                return;
            }
        }
        if (e.action == Edit::Print) {
            m_performed << describe(e, {}, false);
            printReport();
            return;
        }
        QLineEdit* box = target(e);
        const bool focusMoves = QApplication::focusWidget() != box;
        m_performed << describe(e, box->objectName(), focusMoves);
        if (focusMoves && e.clickX >= 0)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(e.clickX % box->width(), box->height() / 2));
        else if (focusMoves)
            m_till.tabInto(box->objectName());
        if (e.action == Edit::Key) {
            // Tab moves the focus on; the next press goes where it went.
            for (int i = 0; i < e.repeat; ++i)
                QTest::keyClick(QApplication::focusWidget(), e.key.key(), e.key.keyboardModifiers());
        } else if (e.action == Edit::Paste || e.action == Edit::PasteOver) {
            if (e.action == Edit::PasteOver)
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QGuiApplication::clipboard()->setText(e.text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            if (e.action != Edit::Type)
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            if (e.text.isEmpty())
                QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, e.text);
        }
        QCoreApplication::processEvents(); // paints, and whatever else the edits posted
    }

    QLineEdit* target(const Edit& e) const
    {
        for (const QString& name : entryBoxNames()) {
            if (e.action == Edit::Fix && isMarked(m_till.box(name)))
                return m_till.box(name);
        }
        return m_till.box(entryBoxNames().at(e.box));
    }

    // The report prints when every entry is usable; otherwise the user is
    // told why, and nothing is printed.
    void printReport()
    {
        const bool prints = expectFromEntries(m_till).reportPrints;
        const qsizetype boxes = m_guard.seen().size();
        m_printer.lines.clear();
        m_printer.documentsEnded = 0;
        QTest::mouseClick(m_till.form().cmdPrintReport, Qt::LeftButton);
        const qsizetype lines = m_printer.lines.size();
        const bool told = m_guard.seen().size() == boxes + 1 && m_guard.seen().last().contains(QStringLiteral("The report was not printed"));
        if (prints ? m_printer.documentsEnded != 1 || lines < 28 || lines > 62 : m_printer.documentsEnded != 0 || !told)
            fail(QStringLiteral("Print Report should %1, but gave %2 documents of %3 lines and %4 boxes")
                     .arg(prints ? "print" : "refuse, saying why").arg(m_printer.documentsEnded).arg(lines).arg(m_guard.seen().size() - boxes));
        ++(prints ? tally.printed : tally.refused);
        m_boxesExpected += prints ? 0 : 1;
    }

    void check()
    {
        if (!m_failure.isEmpty())
            return;
        const TillExpectation expected = expectFromEntries(m_till);
        ++tally.found[int(expected.kind)];
        if (const QString problem = disagreement(m_till, expected, m_lastFigures); !problem.isEmpty()) {
            fail(problem);
            return;
        }
        if (expected.kind == TillExpectation::Kind::Figures)
            m_lastFigures = expected.results;
        if (m_guard.seen().size() != m_boxesExpected)
            fail(QStringLiteral("a message box opened: ") + m_guard.seen().last());
    }

    void fail(const QString& problem)
    {
        if (!m_failure.isEmpty())
            return;
        QStringList entries;
        for (const QString& name : entryBoxNames())
            entries << name + u'=' + shortened(m_till.text(name));
        m_failure = problem + QStringLiteral("\n  entries ") + entries.join(QStringLiteral(", "));
    }

    TillWindow m_till;
    RecordingPrinter m_printer;
    UnexpectedModalGuard m_guard;
    QStringList m_lastFigures;
    QString m_failure;
    qsizetype m_boxesExpected = 0;
    QStringList m_performed;
};

// The edits up to the failure, shrunk to the fewest that still fail on a
// fresh window, each replay on a window of its own.
QString shortestFailure(const QList<Edit>& edits, const Failure& failure)
{
    QString message;
    QStringList steps;
    const auto failsAt = [&](const QList<Edit>& tried) -> std::optional<qsizetype> {
        TypingSession session;
        const std::optional<Failure> replayed = session.run(tried);
        if (!replayed)
            return std::nullopt;
        message = replayed->message;
        steps = session.performed();
        return replayed->edits;
    };
    const QList<Edit> shortest = shrink(edits.mid(0, failure.edits), failsAt, QDeadlineTimer(120'000));
    if (!failsAt(shortest)) // its own message and steps, not those of the last list tried
        return QStringLiteral("(it does not fail again on a fresh window)");
    for (qsizetype i = 0; i < steps.size(); ++i)
        steps[i] = QStringLiteral("  %1. %2").arg(i + 1).arg(steps[i]);
    return QStringLiteral("Shortest sequence that fails (%1 of %2 edits): %3\n%4")
        .arg(QString::number(shortest.size()), QString::number(failure.edits), message, steps.join(u'\n'));
}

} // namespace

class TestRandomTyping : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void shrinkingLeavesWhatFails_data();
    void shrinkingLeavesWhatFails();
    void randomTyping();
};

void TestRandomTyping::shrinkingLeavesWhatFails_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("needed"); // all of them, in this order, make it fail
    QTest::newRow("one item") << 100 << QList<int>{57};
    QTest::newRow("the first and the last") << 300 << QList<int>{0, 299};
    QTest::newRow("three neighbours") << 50 << QList<int>{20, 21, 22};
}

// A shrunk list must still fail, and be the shortest: here, exactly the
// needed items.
void TestRandomTyping::shrinkingLeavesWhatFails()
{
    QFETCH(int, length);
    QFETCH(QList<int>, needed);
    QList<int> items;
    for (int i = 0; i < length; ++i)
        items << i;
    int replays = 0;
    const auto failsAt = [&](const QList<int>& tried) -> std::optional<qsizetype> {
        ++replays;
        qsizetype at = 0;
        for (int n : needed) {
            at = tried.indexOf(n, at) + 1;
            if (at == 0)
                return std::nullopt;
        }
        return at;
    };
    QCOMPARE(shrink(items, failsAt), needed);
    // Delta debugging needs about (needed) * log2(length) replays, not length².
    QVERIFY2(replays < 40 * needed.size() + 40, qPrintable(QString::number(replays)));
}

void TestRandomTyping::randomTyping()
{
    bool seedGiven = false, countGiven = false;
    quint32 seed = qEnvironmentVariable("TILLORA_RANDOM_SEED").toUInt(&seedGiven);
    if (!seedGiven)
        seed = QRandomGenerator::global()->generate();
    int count = qEnvironmentVariableIntValue("TILLORA_RANDOM_EDITS", &countGiven);
    if (!countGiven || count < 1)
        count = 10000;
    qInfo("Random typing: seed %u, %d edits (TILLORA_RANDOM_SEED=%u replays them)", seed, count, seed);
    const QList<Edit> edits = EditMaker(seed).edits(count);

    QElapsedTimer clock;
    clock.start();
    std::optional<Failure> failure;
    TypingSession::Tally t;
    {
        TypingSession session; // gone before any replay, with its box guard
        failure = session.run(edits);
        t = session.tally;
    }
    const auto& [figures, awaitingFloat, unusable, tooLarge] = t.found;
    qInfo("Random typing: %lld ms; checks found figures %d, the float awaited %d, an unusable entry %d, "
          "a figure beyond a double %d; reports printed %d, refused %d",
          clock.elapsed(), figures, awaitingFloat, unusable, tooLarge, t.printed, t.refused);
    if (failure) {
        QFAIL(qPrintable(QStringLiteral("Seed %1, edit %2 of %3: %4\n%5")
                             .arg(QString::number(seed), QString::number(failure->edits), QString::number(count),
                                  failure->message, shortestFailure(edits, *failure))));
    }
    // Random typing that never reached a state would not have tested it.
    QVERIFY2(figures > (figures + awaitingFloat + unusable + tooLarge) / 10 && awaitingFloat > 0 && unusable > 0,
             "too few of some state");
}

QTEST_MAIN(TestRandomTyping)
#include "tst_randomtyping.moc"

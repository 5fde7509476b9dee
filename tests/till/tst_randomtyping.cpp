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
    // Correct: select all in the first marked box (else in `box`) and type.
    enum class Action { Type, Keys, SelectAllType, Correct, Paste, PrintReport };
    Action action = Action::Type;
    int box = 0;            // index into entryBoxNames()
    bool byClick = false;   // how the box gets the focus when it lacks it
    int clickX = 0;         // where it is clicked
    QString text;           // typed or pasted
    Qt::Key key = Qt::Key_unknown; // Keys: pressed `repeat` times
    Qt::KeyboardModifiers modifiers;
    int repeat = 1;
    bool replaceAll = false; // Paste over the whole text

    // As performed on the named box, which took the focus first or had it.
    QString describe(const QString& boxName, bool focusMoved) const;
};

QString keyName(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    return QKeySequence(QKeyCombination(modifiers, key)).toString();
}

QString Edit::describe(const QString& boxName, bool focusMoved) const
{
    if (action == Action::PrintReport)
        return QStringLiteral("click Print Report");
    const QString focus = !focusMoved ? QString()
        : byClick                     ? QStringLiteral(" (clicked at x %1)").arg(clickX)
                                      : QStringLiteral(" (tabbed into)");
    const QString s = boxName + focus + QStringLiteral(": ");
    switch (action) {
    case Action::Type:
        return s + QStringLiteral("type %1").arg(shortened(text));
    case Action::Keys:
        return s + QStringLiteral("press %1 \u00d7%2").arg(keyName(key, modifiers)).arg(repeat);
    case Action::SelectAllType:
    case Action::Correct:
        return s + (action == Action::Correct ? QStringLiteral("put right (first marked box): ") : QString())
            + QStringLiteral("Ctrl+A, then ")
            + (text.isEmpty() ? QStringLiteral("Backspace") : QStringLiteral("type %1").arg(shortened(text)));
    case Action::Paste:
        return s + (replaceAll ? QStringLiteral("Ctrl+A, then ") : QString())
            + QStringLiteral("paste %1").arg(shortened(text));
    case Action::PrintReport:
        break;
    }
    return s;
}

// Random edits, weighted towards what a user at a till types, with enough
// slips (letters, stray signs, huge numbers, junk) to reach every fault.
class EditMaker {
public:
    explicit EditMaker(quint32 seed) : m_random(seed) {}

    QList<Edit> edits(int count)
    {
        QList<Edit> list;
        for (int i = 0; i < count; ++i)
            list << next();
        return list;
    }

private:
    int below(int n) { return int(m_random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }
    QChar pick(QStringView from) { return from[below(int(from.size()))]; }

    Edit next()
    {
        Edit e;
        // The float is one box of 23, but it decides whether anything is
        // written at all: it gets a larger share.
        e.box = chance(10) ? int(entryBoxNames().size()) - 1 : below(int(entryBoxNames().size()) - 1);
        e.byClick = chance(50);
        e.clickX = below(80);
        const int roll = below(1000);
        if (roll < 220) {
            e.action = Edit::Action::Type;
            e.text = keys(1 + below(4));
        } else if (roll < 400) {
            e.action = Edit::Action::SelectAllType;
            e.text = chance(8) ? QString() : chance(85) ? plausibleNumber() : keys(1 + below(8));
        } else if (roll < 600) {
            // The user puts right the box marked red.
            e.action = Edit::Action::Correct;
            e.text = plausibleNumber();
        } else if (roll < 900) {
            e.action = Edit::Action::Keys;
            pickKeys(e);
        } else if (roll < 993) {
            e.action = Edit::Action::Paste;
            e.replaceAll = chance(60);
            e.text = chance(70) ? plausibleNumber() : longText();
        } else {
            e.action = Edit::Action::PrintReport;
        }
        return e;
    }

    void pickKeys(Edit& e)
    {
        struct Choice {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int weight;
        };
        static const Choice choices[] = {
            {Qt::Key_Backspace, {}, 35}, {Qt::Key_Delete, {}, 15}, {Qt::Key_Left, {}, 10},
            {Qt::Key_Right, {}, 6},      {Qt::Key_Home, {}, 6},    {Qt::Key_End, {}, 6},
            {Qt::Key_Left, Qt::ShiftModifier, 4}, {Qt::Key_Tab, {}, 12}, {Qt::Key_Backtab, Qt::ShiftModifier, 6},
        };
        int roll = below(100);
        for (const Choice& c : choices) {
            if ((roll -= c.weight) < 0) {
                e.key = c.key;
                e.modifiers = c.modifiers;
                break;
            }
        }
        e.repeat = 1 + below(3);
    }

    // Keys typed at random: mostly digits, with signs, separators, letters
    // (the exponent's e among them) and blanks.
    QString keys(int length)
    {
        QString s;
        for (int i = 0; i < length; ++i) {
            const int roll = below(100);
            s += roll < 75 ? pick(u"0123456789")
                : roll < 79 ? QChar(u'-')
                : roll < 86 ? QChar(u'.')
                : roll < 89 ? QChar(u',')
                : roll < 92 ? pick(u"eE")
                : roll < 96 ? pick(u"abcdfghijklmnopqrstuvwxyzAXZ")
                            : QChar(u' ');
        }
        return s;
    }

    QString digits(int length)
    {
        QString s;
        for (int i = 0; i < length; ++i)
            s += pick(u"0123456789");
        return s;
    }

    QString grouped(quint64 n)
    {
        QString plain = QString::number(n);
        for (qsizetype at = plain.size() - 3; at > 0; at -= 3)
            plain.insert(at, u',');
        return plain;
    }

    // What a user means to type: counts, amounts in pounds and pence,
    // now and then negative, grouped, with blanks or an exponent.
    QString plausibleNumber()
    {
        const int roll = below(100);
        QString s = roll < 40 ? QString::number(below(100))
            : roll < 55       ? QString::number(below(100000))
            : roll < 72       ? QStringLiteral("%1.%2").arg(below(1000)).arg(digits(1 + below(3)))
            : roll < 78       ? grouped(m_random.bounded(Q_UINT64_C(1), Q_UINT64_C(10'000'000'000)))
            : roll < 86       ? QStringLiteral("%1e%2").arg(1 + below(9)).arg(below(12))
            : roll < 92       ? QStringLiteral("%1.%2e%3").arg(below(10)).arg(digits(3)).arg(290 + below(30))
                              : QStringLiteral(".%1").arg(digits(2));
        if (chance(10))
            s.prepend(u'-');
        if (chance(5))
            s = QStringLiteral("  %1 ").arg(s);
        return s;
    }

    // Long pastes: what lands in a box when the wrong thing was copied.
    QString longText()
    {
        const int length = 100 + below(4000);
        switch (below(6)) {
        case 0:
            return digits(length);
        case 1:
            return QString(length, u'0') + plausibleNumber();
        case 2:
            return QStringLiteral("0.") + QString(length, QChar(u'0' + below(10)));
        case 3:
            return QStringLiteral("1e") + digits(length);
        case 4: {
            QString junk;
            while (junk.size() < length)
                junk += pick(u"0123456789-.,eE +()\u00a3\u20ac\u00bd\u0663\u00a0\t\nabcxyzAZ#%&*/");
            return junk;
        }
        default: {
            QString numbers = plausibleNumber();
            while (numbers.size() < length)
                numbers += u' ' + plausibleNumber();
            return numbers;
        }
        }
    }

    QRandomGenerator m_random;
};

struct Failure {
    qsizetype edits; // performed, the failing one included
    QString message;
};

struct Tally {
    int checks = 0, figures = 0, awaitingFloat = 0, unreadable = 0, tooLarge = 0, reports = 0, refusedReports = 0;
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

    const Tally& tally() const { return m_tally; }
    // What each edit did, on the box it went to.
    const QStringList& performed() const { return m_performed; }

    // Every entry's text and mark and every result.
    QStringList state() const
    {
        QStringList texts;
        for (const QString& name : entryBoxNames())
            texts << m_till.text(name) << m_till.box(name)->toolTip();
        return texts + m_till.results();
    }

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
        if (e.action == Edit::Action::PrintReport) {
            m_performed << e.describe({}, false);
            printReport();
            return;
        }
        QLineEdit* box = target(e);
        const bool focusMoves = QApplication::focusWidget() != box;
        m_performed << e.describe(box->objectName(), focusMoves);
        if (focusMoves) {
            if (e.byClick)
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(e.clickX % box->width(), box->height() / 2));
            else
                m_till.tabInto(box->objectName());
        }
        switch (e.action) {
        case Edit::Action::Type:
            QTest::keyClicks(box, e.text);
            break;
        case Edit::Action::Keys:
            // Tab moves the focus on; the next press goes where it went.
            for (int i = 0; i < e.repeat; ++i)
                QTest::keyClick(QApplication::focusWidget(), e.key, e.modifiers);
            break;
        case Edit::Action::SelectAllType:
        case Edit::Action::Correct:
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            if (e.text.isEmpty())
                QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, e.text);
            break;
        case Edit::Action::Paste:
            if (e.replaceAll)
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            paste(box, e.text);
            break;
        case Edit::Action::PrintReport:
            break;
        }
        // Paints, and whatever else the edits posted.
        QCoreApplication::processEvents();
    }

    QLineEdit* target(const Edit& e) const
    {
        if (e.action == Edit::Action::Correct) {
            for (const QString& name : entryBoxNames()) {
                if (isMarked(m_till.box(name)))
                    return m_till.box(name);
            }
        }
        return m_till.box(entryBoxNames().at(e.box));
    }

    void paste(QLineEdit* box, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        if (QGuiApplication::clipboard()->text() == text)
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        else
            box->insert(text); // as Ctrl+V would, on a platform without a clipboard
    }

    // The report prints when every entry is usable; otherwise the user is
    // told why, and nothing is printed.
    void printReport()
    {
        const TillExpectation expected = expectFromEntries(m_till);
        // With no float, only a till still at its start prints as it stands.
        const bool refused = expected.kind == TillExpectation::Kind::Unreadable
            || expected.kind == TillExpectation::Kind::TooLarge
            || (expected.kind == TillExpectation::Kind::AwaitingFloat && !untouched(m_till));
        const qsizetype linesBefore = m_printer.lines.size();
        const int documentsBefore = m_printer.documentsEnded;
        const qsizetype boxesBefore = m_guard.seen().size();
        QTest::mouseClick(m_till.form().cmdPrintReport, Qt::LeftButton);
        const qsizetype lines = m_printer.lines.size() - linesBefore;
        const int documents = m_printer.documentsEnded - documentsBefore;
        if (refused) {
            ++m_tally.refusedReports;
            if (lines != 0 || documents != 0)
                fail(QStringLiteral("Print Report printed %1 lines while an entry is unusable").arg(lines));
            else if (m_guard.seen().size() != boxesBefore + 1
                     || !m_guard.seen().last().contains(QStringLiteral("The report was not printed")))
                fail(QStringLiteral("Print Report refused without telling why"));
            ++m_boxesExpected;
            return;
        }
        ++m_tally.reports;
        if (documents != 1 || lines < 28 || lines > 62)
            fail(QStringLiteral("Print Report gave %1 documents, %2 lines").arg(documents).arg(lines));
    }

    void check()
    {
        if (!m_failure.isEmpty())
            return;
        const TillExpectation expected = expectFromEntries(m_till);
        tallyCheck(expected.kind);
        if (const QString problem = disagreement(m_till, expected, m_lastFigures); !problem.isEmpty()) {
            fail(problem);
            return;
        }
        if (expected.kind == TillExpectation::Kind::Figures)
            m_lastFigures = expected.results;
        if (m_guard.seen().size() != m_boxesExpected)
            fail(QStringLiteral("a message box opened: ") + m_guard.seen().last());
    }

    void tallyCheck(TillExpectation::Kind kind)
    {
        ++m_tally.checks;
        using Kind = TillExpectation::Kind;
        (kind == Kind::Figures         ? m_tally.figures
         : kind == Kind::AwaitingFloat ? m_tally.awaitingFloat
         : kind == Kind::Unreadable    ? m_tally.unreadable
                                       : m_tally.tooLarge)++;
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
    Tally m_tally;
    QStringList m_performed;
};

quint32 seedToUse()
{
    bool given = false;
    const quint32 seed = qEnvironmentVariable("TILLORA_RANDOM_SEED").toUInt(&given);
    return given ? seed : QRandomGenerator::global()->generate();
}

int editsToMake()
{
    bool given = false;
    const int edits = qEnvironmentVariableIntValue("TILLORA_RANDOM_EDITS", &given);
    return given && edits > 0 ? edits : 10000;
}

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
        steps[i] = QStringLiteral("  %1. %2").arg(QString::number(i + 1), steps[i]);
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
    void replayIsRepeatable();
    void randomTyping();
};

void TestRandomTyping::shrinkingLeavesWhatFails_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("needed"); // all of them, in this order, make it fail
    QTest::newRow("one item") << 100 << QList<int>{57};
    QTest::newRow("two far apart") << 300 << QList<int>{3, 290};
    QTest::newRow("three neighbours") << 50 << QList<int>{20, 21, 22};
    QTest::newRow("the first and the last") << 64 << QList<int>{0, 63};
    QTest::newRow("everything") << 6 << QList<int>{0, 1, 2, 3, 4, 5};
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
            while (at < tried.size() && tried[at] != n)
                ++at;
            if (at == tried.size())
                return std::nullopt;
            ++at;
        }
        return at;
    };
    QCOMPARE(shrink(items, failsAt), needed);
    // Delta debugging needs about (needed) * log2(length) replays, not length².
    QVERIFY2(replays < 40 * needed.size() + 40, qPrintable(QString::number(replays)));
}

// Shrinking replays edits on fresh windows: they must do the same each time.
void TestRandomTyping::replayIsRepeatable()
{
    const QList<Edit> edits = EditMaker(20261205).edits(400);
    QStringList seen[2];
    for (QStringList& state : seen) {
        TypingSession session;
        const std::optional<Failure> failure = session.run(edits);
        state = session.state() << (failure ? failure->message : QString());
    }
    QCOMPARE(seen[0], seen[1]);
}

void TestRandomTyping::randomTyping()
{
    const quint32 seed = seedToUse();
    const int count = editsToMake();
    qInfo("Random typing: seed %u, %d edits (TILLORA_RANDOM_SEED=%u replays them)", seed, count, seed);
    const QList<Edit> edits = EditMaker(seed).edits(count);

    QElapsedTimer clock;
    clock.start();
    std::optional<Failure> failure;
    Tally t;
    {
        TypingSession session; // gone before any replay, with its box guard
        failure = session.run(edits);
        t = session.tally();
    }
    qInfo("Random typing: %d checks in %lld ms: figures %d, awaiting the float %d, unusable entry %d, "
          "beyond a double %d; reports printed %d, refused %d",
          t.checks, clock.elapsed(), t.figures, t.awaitingFloat, t.unreadable, t.tooLarge, t.reports,
          t.refusedReports);
    if (failure) {
        const QString report = QStringLiteral("Seed %1, edit %2 of %3: %4\n%5")
                                   .arg(QString::number(seed), QString::number(failure->edits),
                                        QString::number(count), failure->message, shortestFailure(edits, *failure));
        QFAIL(qPrintable(report));
    }
    // Random typing that never reached a state would not have tested it.
    QVERIFY2(t.figures > t.checks / 10 && t.unreadable > 0 && t.awaitingFloat > 0, "too few of some state");
}

QTEST_MAIN(TestRandomTyping)
#include "tst_randomtyping.moc"

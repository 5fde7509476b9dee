// Thousands of random edits typed into the real till: keys, deletions,
// select-all-and-type and long pastes, across every count, cheque and the
// float. After every change of an entry the result boxes show what a
// working-out done here, apart from the till's own, gives for the entries;
// or, when an entry cannot be used, they keep the last complete figures and
// exactly the unusable entries are marked. A fixed seed always runs;
// TILLORA_RANDOM_SEED adds one more.
#include "app/core/conversions.h"
#include "app/core/formats.h"
#include "app/core/runtimeerror.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRandomGenerator>

using namespace tillora;
using namespace tillora::test;

namespace {

const double coins[12] = {0.01, 0.02, 0.05, 0.10, 0.20, 0.50, 1, 2, 5, 10, 20, 50};

std::optional<double> read(const QString& text)
{
    try { // a box filled to the brim may hold a paste cut short
        return text.size() >= 1000 ? std::nullopt : text.trimmed().isEmpty() ? 0.0 : std::optional(strictNumber(text));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

struct Expected {
    std::optional<QStringList> figures; // every result box, when all can be worked out
    QStringList marked;                 // else the entries at fault,
    bool oneBlamed = false;             // or one entry behind a sum beyond a double
};

// Counts 0-11, cheques 12-21, the float 22; results in tillResults' order.
Expected expect(const QStringList& entries, bool figuresShown)
{
    Expected e;
    double v[23];
    bool typed = false;
    for (int i = 0; i < 23; ++i) {
        const auto value = read(entries[i]);
        if (!value)
            e.marked << tillEntries[i];
        v[i] = value.value_or(0);
        typed = typed || (i < 22 && v[i] != 0);
    }
    const bool noFloat = entries[22].trimmed().isEmpty();
    if (noFloat && (figuresShown || typed) && !e.marked.contains(u"txtFloat"))
        e.marked << QStringLiteral("txtFloat");
    if (!e.marked.isEmpty() || noFloat)
        return e;
    try {
        QStringList shown;
        double change = 0, notes = 0, cheques = 0;
        const auto fmt = [](double x) { return formatNumber(fp::checked(x), {.decimals = 2}); };
        for (int i = 0; i < 12; ++i) {
            shown << fmt(v[i] * coins[i]);
            (i < 8 ? change : notes) += strictNumber(shown.back());
        }
        for (int j = 12; j < 22; ++j)
            cheques += v[j];
        e.figures = shown << fmt(change) << fmt(notes) << fmt(notes + change) << fmt(cheques) << fmt(notes + change + cheques)
                          << fmt(notes + change - v[22]) << fmt(strictNumber(fmt(cheques)));
    } catch (const RuntimeError&) {
        e.oneBlamed = true;
    }
    return e;
}

QStringList marked(const QWidget& till)
{
    QStringList names;
    for (const QString& name : tillEntries)
        if (!child(&till, name)->toolTip().isEmpty())
            names << name;
    return names;
}

// One random edit, mostly what a user types at a till, with slips enough
// to reach every fault; says what it did.
QString edit(QWidget& till, QRandomGenerator& random)
{
    const auto below = [&](qsizetype n) { return int(random.bounded(int(n))); };
    static const QStringList slips{"1", "5", "0", "25", ".", ",", "-", "+", "e", "e307", "e308", "x", " ", "1,000"};
    QString text = QString::number(below(100000) / 100.0);
    for (int n = below(3); n > 0; --n)
        text = below(2) ? text + slips[below(slips.size())] : slips[below(slips.size())];
    const QStringList faulty = marked(till);
    auto* box = child<QLineEdit>(&till, !faulty.isEmpty() && below(3) == 0 ? faulty.front() : tillEntries[below(23)]);
    box->setFocus(Qt::TabFocusReason);
    switch (below(10)) {
    case 0: case 1: case 2: case 3:
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier); // select all, then type
        [[fallthrough]];
    case 4: case 5:
        QTest::keyClicks(box, text);
        return box->objectName() + QStringLiteral(" type ") + text;
    case 6: case 7:
        QTest::keyClick(box, Qt::Key_Backspace);
        return box->objectName() + QStringLiteral(" Backspace");
    default:
        QApplication::clipboard()->setText(text = QString(below(3) ? below(8) : 1000 + below(200), u"75x. "[below(5)]) + text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return box->objectName() + QStringLiteral(" paste %1 characters").arg(text.size());
    }
}

} // namespace

class TestRandomTyping : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void typing_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("fixed seed") << quint32(20261206);
        if (qEnvironmentVariableIsSet("TILLORA_RANDOM_SEED"))
            QTest::newRow("TILLORA_RANDOM_SEED") << quint32(qEnvironmentVariableIntValue("TILLORA_RANDOM_SEED"));
    }

    void typing()
    {
        QFETCH(quint32, seed);
        auto till = shown<TillWindow>();
        QStringList done, last = texts(till.get(), tillResults);
        QString failure;
        for (const QString& name : tillEntries) { // after the till's own handler
            connect(child<QLineEdit>(till.get(), name), &QLineEdit::textChanged, this, [&] {
                const Expected e = expect(texts(till.get(), tillEntries), !last.back().isEmpty());
                const QStringList shown = texts(till.get(), tillResults), marks = marked(*till);
                if (failure.isEmpty() && !(e.figures ? shown == *e.figures && marks.isEmpty()
                                                     : shown == last && (e.oneBlamed ? marks.size() == 1 : marks == e.marked)))
                    failure = QStringLiteral("marked %1 for %2").arg(marks.join(u' '), e.marked.join(u' '));
                last = shown;
            });
        }
        QRandomGenerator random(seed);
        for (int step = 0; step < 10000 && failure.isEmpty(); ++step)
            done << edit(*till, random);
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("seed %1, %2; last edits:\n%3").arg(seed).arg(failure, done.mid(done.size() - 8).join(u'\n'))));
    }
};

QTEST_MAIN(TestRandomTyping)
#include "tst_randomtyping.moc"

#include "tilloracle.h"

#include "app/conversions.h"
#include "app/formats.h"
#include "app/runtimeerror.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>

namespace tillora::test {

namespace {

// One piece of each row's note or coin, in pounds, 1p first.
constexpr std::array<double, 12> coinPounds{0.01, 0.02, 0.05, 0.10, 0.20, 0.50, 1, 2, 5, 10, 20, 50};
constexpr int coinRows = 8; // the rest are notes

// A figure that goes beyond a double, or whose text would not read back.
struct BeyondRange {};

double finite(double x)
{
    if (!std::isfinite(x))
        throw BeyondRange{};
    return x;
}

QString twoDecimals(double x)
{
    try {
        return formatNumber(x, 2);
    } catch (const RuntimeError&) {
        throw BeyondRange{};
    }
}

double readBack(const QString& shown)
{
    try {
        return strictNumber(shown);
    } catch (const RuntimeError&) {
        throw BeyondRange{};
    }
}

struct Entries {
    QList<double> counts, cheques;
    double floatAmount = 0;
    bool floatEmpty = false;
    QMap<QString, QString> unreadable;
};

Entries readEntries(const TillWindow& till)
{
    Entries e;
    for (const QString& name : entryBoxNames()) {
        const QString text = till.text(name);
        double value = 0;
        if (text.size() >= till.box(name)->maxLength()) {
            // What was pasted into it may have been cut short.
            e.unreadable[name] = QStringLiteral(" may be missing.");
        } else if (!text.trimmed().isEmpty()) {
            try {
                value = strictNumber(text);
            } catch (const RuntimeError& error) {
                e.unreadable[name] = error.kind() == RuntimeError::Kind::Overflow
                    ? QStringLiteral(" is too large to calculate with.")
                    : QStringLiteral(" is not a number.");
            }
        }
        if (name.startsWith(u"txtTill_"))
            e.counts << value;
        else if (name.startsWith(u"txtChequeAmt_"))
            e.cheques << value;
        else {
            e.floatAmount = value;
            e.floatEmpty = text.trimmed().isEmpty();
        }
    }
    return e;
}

QStringList figures(const Entries& e)
{
    QStringList lines;
    double change = 0, notes = 0, cheques = 0;
    for (int i = 0; i < int(coinPounds.size()); ++i) {
        lines << twoDecimals(finite(coinPounds[i] * e.counts[i]));
        double& total = i < coinRows ? change : notes;
        total = finite(total + readBack(lines.last()));
    }
    for (double cheque : e.cheques)
        cheques = finite(cheques + cheque);
    const double till = finite(notes + change);
    const double grand = finite(till + cheques);
    const double cash = finite(till - e.floatAmount);
    const QString chequeTotal = twoDecimals(cheques);
    return lines + QStringList{twoDecimals(change), twoDecimals(notes), twoDecimals(till), chequeTotal,
                               twoDecimals(grand), twoDecimals(cash), chequeTotal};
}

bool tinted(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base) != QApplication::palette(box).color(QPalette::Base);
}

QStringList markedBoxes(const TillWindow& till)
{
    QStringList marked;
    for (const QString& name : entryBoxNames()) {
        if (isMarked(till.box(name)))
            marked << name;
    }
    return marked;
}

QString listed(const QStringList& texts)
{
    QStringList shown;
    for (const QString& text : texts)
        shown << shortened(text);
    return u'[' + shown.join(QStringLiteral(", ")) + u']';
}

QString resultsDiffer(const TillWindow& till, const QStringList& expected, const char* what)
{
    const QStringList results = till.results();
    if (results == expected)
        return {};
    return QStringLiteral("result boxes %1\n  expected %2\n  shown    %3").arg(QLatin1String(what), listed(expected),
                                                                             listed(results));
}

// A mark is the tint, the tooltip and the accessible description together.
QString inconsistentMark(const TillWindow& till)
{
    for (const QString& name : entryBoxNames()) {
        const QLineEdit* box = till.box(name);
        const bool reason = !box->toolTip().isEmpty();
        if (tinted(box) != reason || box->accessibleDescription() != box->toolTip())
            return QStringLiteral("%1 is half marked: tint %2, reason \"%3\"")
                .arg(name, tinted(box) ? "yes" : "no", box->toolTip());
    }
    return {};
}

QString unreadableMarks(const TillWindow& till, const TillExpectation& expected)
{
    const QStringList marked = markedBoxes(till);
    const QStringList unreadable = expected.unreadable.keys();
    if (QSet<QString>(marked.begin(), marked.end()) != QSet<QString>(unreadable.begin(), unreadable.end()))
        return QStringLiteral("marked %1, but the unusable entries are %2").arg(listed(marked), listed(unreadable));
    for (auto it = expected.unreadable.cbegin(); it != expected.unreadable.cend(); ++it) {
        const QString reason = till.box(it.key())->toolTip();
        if (!reason.endsWith(it.value()))
            return QStringLiteral("%1's reason \"%2\" should end \"%3\"").arg(it.key(), reason, it.value());
    }
    return {};
}

QString tooLargeMark(const TillWindow& till)
{
    const QStringList marked = markedBoxes(till);
    if (marked.size() != 1)
        return QStringLiteral("a figure is beyond a double, but %1 boxes are marked: %2")
            .arg(marked.size())
            .arg(listed(marked));
    const QLineEdit* box = till.box(marked.front());
    if (!box->toolTip().contains(QStringLiteral("too large to calculate")))
        return QStringLiteral("%1's reason \"%2\" is not about size").arg(marked.front(), box->toolTip());
    if (box->text().trimmed().isEmpty() || strictNumber(box->text()) == 0.0)
        return QStringLiteral("%1 is blamed for a figure beyond a double, but holds zero").arg(marked.front());
    return {};
}

} // namespace

bool untouched(const TillWindow& till)
{
    const QStringList names = entryBoxNames();
    for (const QString& name : names) {
        const QString text = till.text(name);
        if (name != u"txtFloat" && !text.trimmed().isEmpty() && strictNumber(text) != 0.0)
            return false;
    }
    const QStringList results = till.results();
    return std::all_of(results.begin() + tillRows, results.end(), [](const QString& t) { return t.isEmpty(); });
}

QStringList entryBoxNames()
{
    QStringList names;
    for (int i = 0; i < tillRows; ++i)
        names << QStringLiteral("txtTill_%1").arg(i);
    for (int j = 0; j < chequeRows; ++j)
        names << QStringLiteral("txtChequeAmt_%1").arg(j);
    names << QStringLiteral("txtFloat");
    return names;
}

TillExpectation expectFromEntries(const TillWindow& till)
{
    const Entries e = readEntries(till);
    TillExpectation expected;
    if (!e.unreadable.isEmpty()) {
        expected.kind = TillExpectation::Kind::Unreadable;
        expected.unreadable = e.unreadable;
    } else if (e.floatEmpty) {
        expected.kind = TillExpectation::Kind::AwaitingFloat;
    } else {
        try {
            expected.results = figures(e);
        } catch (const BeyondRange&) {
            expected.kind = TillExpectation::Kind::TooLarge;
        }
    }
    return expected;
}

QString disagreement(const TillWindow& till, const TillExpectation& expected, const QStringList& lastFigures)
{
    if (QString problem = inconsistentMark(till); !problem.isEmpty())
        return problem;
    using Kind = TillExpectation::Kind;
    switch (expected.kind) {
    case Kind::Figures:
        if (const QStringList marked = markedBoxes(till); !marked.isEmpty())
            return QStringLiteral("every entry is usable, but %1 marked").arg(listed(marked));
        return resultsDiffer(till, expected.results, "disagree with the entries");
    case Kind::AwaitingFloat:
        if (const QStringList marked = markedBoxes(till); !marked.isEmpty())
            return QStringLiteral("the float is empty and nothing unusable, but %1 marked").arg(listed(marked));
        return resultsDiffer(till, lastFigures, "changed while the float is empty");
    case Kind::Unreadable:
        if (QString problem = unreadableMarks(till, expected); !problem.isEmpty())
            return problem;
        return resultsDiffer(till, lastFigures, "changed while an entry is unusable");
    case Kind::TooLarge:
        if (QString problem = tooLargeMark(till); !problem.isEmpty())
            return problem;
        return resultsDiffer(till, lastFigures, "changed while a figure is beyond a double");
    }
    return {};
}

bool isMarked(const QLineEdit* box)
{
    return !box->toolTip().isEmpty();
}

QString shortened(const QString& text)
{
    if (text.size() <= 40)
        return u'"' + text + u'"';
    return QStringLiteral("\"%1\u2026\" (%2 characters)").arg(text.left(30), QString::number(text.size()));
}

} // namespace tillora::test

#include "tilloracle.h"

#include "app/conversions.h"
#include "app/formats.h"
#include "app/runtimeerror.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tillora::test {

namespace {

// One piece of each row's coin or note, in pounds, 1p first.
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
        return formatNumber(finite(x), 2);
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

// The results for the entries' values, in entryBoxNames() order.
QStringList figures(const QList<double>& values)
{
    QStringList lines;
    double change = 0, notes = 0, cheques = 0;
    for (int i = 0; i < tillRows; ++i) {
        lines << twoDecimals(coinPounds[i] * values[i]);
        double& total = i < coinRows ? change : notes;
        total = finite(total + readBack(lines.last()));
    }
    for (int j = 0; j < chequeRows; ++j)
        cheques = finite(cheques + values[tillRows + j]);
    const double till = finite(notes + change);
    const QString chequeTotal = twoDecimals(cheques);
    return lines << twoDecimals(change) << twoDecimals(notes) << twoDecimals(till) << chequeTotal
                 << twoDecimals(till + cheques) << twoDecimals(till - values.last()) << chequeTotal;
}

QString listed(const QStringList& texts)
{
    QStringList shown;
    for (const QString& text : texts)
        shown << shortened(text);
    return u'[' + shown.join(QStringLiteral(", ")) + u']';
}

// Whether exactly the boxes the entries call for are marked, each for the
// right reason. A mark is the tint, the reason in the tooltip and the same
// in the accessible description, all together.
QString wrongMarks(const TillWindow& till, const TillExpectation& expected)
{
    using Kind = TillExpectation::Kind;
    QStringList marked;
    for (const QString& name : entryBoxNames()) {
        const QLineEdit* box = till.box(name);
        const QString reason = box->toolTip();
        const bool tinted = box->palette().color(QPalette::Base) != QApplication::palette(box).color(QPalette::Base);
        if (tinted != isMarked(box) || box->accessibleDescription() != reason)
            return QStringLiteral("%1 is half marked: tint %2, reason \"%3\", description \"%4\"")
                .arg(name, tinted ? "yes" : "no", reason, box->accessibleDescription());
        if (!isMarked(box))
            continue;
        // Beyond a double, the box blamed must hold a number other than 0.
        const bool rightly = expected.kind == Kind::Unreadable
            ? expected.unreadable.contains(name) && reason.endsWith(expected.unreadable[name])
            : expected.kind == Kind::TooLarge && reason.contains(QStringLiteral("too large to calculate"))
                && !box->text().trimmed().isEmpty() && strictNumber(box->text()) != 0.0;
        if (!rightly)
            return QStringLiteral("%1 is marked \"%2\" for %3").arg(name, reason, shortened(box->text()));
        marked << name;
    }
    const qsizetype wanted = expected.kind == Kind::Unreadable ? expected.unreadable.size()
        : expected.kind == Kind::TooLarge                      ? 1
                                                               : 0;
    if (marked.size() != wanted)
        return QStringLiteral("marked %1, but the unusable entries are %2")
            .arg(listed(marked), expected.kind == Kind::TooLarge ? QStringLiteral("one figure beyond a double")
                                                                 : listed(expected.unreadable.keys()));
    return {};
}

} // namespace

QStringList entryBoxNames()
{
    QStringList names;
    for (int i = 0; i < tillRows; ++i)
        names << QStringLiteral("txtTill_%1").arg(i);
    for (int j = 0; j < chequeRows; ++j)
        names << QStringLiteral("txtChequeAmt_%1").arg(j);
    return names << QStringLiteral("txtFloat");
}

TillExpectation expectFromEntries(const TillWindow& till)
{
    using Kind = TillExpectation::Kind;
    TillExpectation expected;
    QList<double> values;
    for (const QString& name : entryBoxNames()) {
        const QString text = till.text(name);
        values << 0;
        if (text.size() >= till.box(name)->maxLength()) {
            // What was pasted into it may have been cut short.
            expected.unreadable[name] = QStringLiteral(" may be missing.");
        } else if (!text.trimmed().isEmpty()) {
            try {
                values.last() = strictNumber(text);
            } catch (const RuntimeError& error) {
                expected.unreadable[name] = error.kind() == RuntimeError::Kind::Overflow
                    ? QStringLiteral(" is too large to calculate with.")
                    : QStringLiteral(" is not a number.");
            }
        }
    }
    if (!expected.unreadable.isEmpty()) {
        expected.kind = Kind::Unreadable;
    } else if (till.text(QStringLiteral("txtFloat")).trimmed().isEmpty()) {
        expected.kind = Kind::AwaitingFloat;
        const QStringList totals = till.results().mid(tillRows);
        expected.reportPrints = std::all_of(values.cbegin(), values.cend(), [](double v) { return v == 0; })
            && std::all_of(totals.cbegin(), totals.cend(), [](const QString& t) { return t.isEmpty(); });
    } else {
        try {
            expected.results = figures(values);
            expected.reportPrints = true;
        } catch (const BeyondRange&) {
            expected.kind = Kind::TooLarge;
        }
    }
    return expected;
}

QString disagreement(const TillWindow& till, const TillExpectation& expected, const QStringList& lastFigures)
{
    if (QString problem = wrongMarks(till, expected); !problem.isEmpty())
        return problem;
    static const char* const why[] = {"disagree with the entries", "changed while the float is empty",
                                      "changed while an entry is unusable", "changed while a figure is beyond a double"};
    const QStringList& wanted = expected.kind == TillExpectation::Kind::Figures ? expected.results : lastFigures;
    const QStringList results = till.results();
    if (results == wanted)
        return {};
    return QStringLiteral("result boxes %1\n  expected %2\n  shown    %3")
        .arg(QLatin1String(why[int(expected.kind)]), listed(wanted), listed(results));
}

bool isMarked(const QLineEdit* box)
{
    return !box->toolTip().isEmpty();
}

QString shortened(const QString& text)
{
    QString shown = text.size() <= 40 ? text : text.left(30);
    shown.replace(u'\n', QStringLiteral("\\n")).replace(u'\t', QStringLiteral("\\t"));
    if (text.size() <= 40)
        return u'"' + shown + u'"';
    return QStringLiteral("\"%1\u2026\" (%2 characters)").arg(shown, QString::number(text.size()));
}

} // namespace tillora::test

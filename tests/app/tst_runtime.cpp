#include "app/eventboundary.h"
#include "app/form.h"
#include "app/msgbox.h"
#include "app/runtimeerror.h"
#include "support/modal.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <limits>

using namespace tillora;

namespace {

const ControlRow sampleControls[] = {
    {"Frame1", ControlKind::Frame, nullptr, "Stock", 120, 120, 3000, 1500, 2, ControlFlag::Bold},
    {"txtShelf", ControlKind::TextBox, "Frame1", "0", 1440, 240, 975, 285, 1},
};

class SampleForm : public Form {
public:
    SampleForm() : Form({"frmSample", "Sample", 3600, 2400, TitleButtons::Close, false}, sampleControls) {}
};

} // namespace

class TestRuntime : public QObject {
    Q_OBJECT
private slots:
    void floatingPointFaults_data();
    void floatingPointFaults();
    void eventBoundaryCatchesEverything();
    void frameLineRunsThroughTitle();
    void endProgramClosesEveryWindow();
};

void TestRuntime::floatingPointFaults_data()
{
    QTest::addColumn<int>("operation"); // 0 add, 1 subtract, 2 multiply, 3 divide
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("kind"); // -1: no fault

    const double max = std::numeric_limits<double>::max();
    const int overflow = int(RuntimeError::Kind::Overflow), invalid = int(RuntimeError::Kind::InvalidOperation);
    QTest::newRow("add") << 0 << 1.5 << 2.0 << -1;
    QTest::newRow("add overflow") << 0 << max << max << overflow;
    QTest::newRow("subtract overflow") << 1 << -max << max << overflow;
    QTest::newRow("multiply overflow") << 2 << max << 10.0 << overflow;
    QTest::newRow("divide") << 3 << 117.5 << 1.175 << -1;
    QTest::newRow("divide by zero") << 3 << 100.0 << 0.0 << int(RuntimeError::Kind::DivisionByZero);
    QTest::newRow("zero by zero") << 3 << 0.0 << 0.0 << invalid;
    QTest::newRow("divide overflow") << 3 << max << 0.5 << overflow;
    QTest::newRow("inf times zero") << 2 << std::numeric_limits<double>::infinity() << 0.0 << invalid;
}

void TestRuntime::floatingPointFaults()
{
    QFETCH(int, operation);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, kind);
    static double (*const operations[])(double, double) = {fp::add, fp::subtract, fp::multiply, fp::divide};
    try {
        QVERIFY(std::isfinite(operations[operation](a, b)));
        QCOMPARE(kind, -1);
    } catch (const RuntimeError& error) {
        QCOMPARE(int(error.kind()), kind);
        QVERIFY(error.isFloatingPointFault());
    }
}

void TestRuntime::eventBoundaryCatchesEverything()
{
    QStringList seen;
    const ErrorHandler record = [&](const RuntimeError& e) { seen << e.message(); };
    runEvent([] { throw RuntimeError(RuntimeError::Kind::TypeMismatch, QStringLiteral("bad")); }, record);
    runEvent([] { throw std::out_of_range("index"); }, record);
    runEvent([] { throw 42; }, record);
    runEvent([] {}, record);
    // A handler that itself fails must not let the exception out either.
    runEvent([] { throw RuntimeError(RuntimeError::Kind::Overflow, QStringLiteral("x")); },
             [](const RuntimeError&) { throw std::runtime_error("handler"); });
    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen.mid(0, 2), QStringList({"bad", "index"}));
}

void TestRuntime::frameLineRunsThroughTitle()
{
    SampleForm form;
    auto* frame = form.findChild<QGroupBox*>(QStringLiteral("Frame1"));
    const QImage picture = frame->grab().toImage();
    const QRect title = frameTitleRect(*frame);
    const QColor background = frame->palette().color(QPalette::Window);
    const int line = title.height() / 2;
    // Drawn left and right of the title, not across it, and above the
    // controls placed 16 px down.
    QVERIFY(frame->rect().contains(title) && line < 16);
    QVERIFY(picture.pixelColor(title.left() - 2, line) != background);
    QVERIFY(picture.pixelColor(title.right() + 3, line) != background);
    QCOMPARE(picture.pixelColor(title.left() + 1, line), background);
    QCOMPARE(picture.pixelColor(frame->width() / 2, line + 3), background);
}

// Ending from inside the running event loop, as the exit button does.
void TestRuntime::endProgramClosesEveryWindow()
{
    WindowSlot<SampleForm> one;
    QPointer<SampleForm> other = new SampleForm;
    one.show();
    other->show();
    QTimer::singleShot(0, [] { endProgram(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // in case it never ends
    QCOMPARE(QApplication::exec(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!one.get() && !other);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.cbegin(), windows.cend(), [](QWidget* w) { return w->isVisible(); }));
    // Later modal boxes still wait for their answer.
    test::answerNextBox("&No");
    QCOMPARE(msgBox(nullptr, QStringLiteral("Still there?"), 36, QStringLiteral("Check")), int(MsgAnswer::No));
}

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"

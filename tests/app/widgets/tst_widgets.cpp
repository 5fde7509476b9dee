// SPDX-License-Identifier: GPL-3.0-or-later
// What every window's controls owe their user, by keyboard and by eye: boxes
// that show how their text begins, buttons that Enter presses, the focus in
// order and in sight, every text in the user's language and fitted, figures
// in their reading order in every region.
#include "support/rows.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTextItem>
#include <QTranslator>

using namespace tillora;
using namespace tillora::test;

namespace {

struct Leaving { // a till box typed into, then left by Tab and come back to by Shift+Tab
    const char* name;
    QString box, typed;
    int caret;                // where the user leaves it
    QString selectedOnReturn; // a count or cheque selects from the caret to the end
};

struct Pressing { // a key on a button with the focus
    const char* name;
    QKeyCombination key;
    int presses;
};

struct Tabbing {
    const char* name;
    Window window;
    QString stops; // where Tab takes the focus from where the window opens
};

struct Reading { // a region's figures as seen; "#" stands for an amount's digits and separators, blanks left out
    const char* name;
    const char* region;
    Window window;
    QStringList steps;
    QString shows, seen;
};

struct Contrast { // a desktop's palette of a window colour, with white or black boxes to suit
    const char* name;
    QColor window, text;
};

// A colour's relative luminance, as WCAG measures contrast.
double luminance(QRgb c)
{
    const auto linear = [](int v) { return v <= 10 ? v / 255. / 12.92 : std::pow((v / 255. + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

// Every text comes back longer than it went in, as many languages' do.
class LongTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("⟦%1 %1⟧").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

// Whether a text starts as the long translation does, rather than untranslated.
bool translated(const QString& text)
{
    return text.startsWith(u'⟦');
}

// What a widget itself paints of text, as a user sees it whatever its text
// property holds: the runs in reading order on screen, without blanks and
// the marks that steer their direction, and where the first starts.
// (An image of the widget's size, so that fonts are measured as on screen.)
class Seen : public QImage, public QPaintEngine {
public:
    explicit Seen(QWidget* widget)
        : QImage(widget->size().expandedTo({1, 1}), QImage::Format_ARGB32)
        , QPaintEngine(AllFeatures)
    {
        widget->render(this, {}, {}, QWidget::DrawWindowBackground);
        std::ranges::stable_sort(m_runs, {},
                                 [](const auto& run) { return std::pair(qRound(run.second.y()), run.second.x()); });
        for (const auto& run : m_runs)
            line += run.first;
        line.remove(QRegularExpression(QStringLiteral("[\\p{Cf}\\s]")));
    }
    qreal left() const { return m_runs.value(0).second.x(); }

    QPaintEngine* paintEngine() const override { return const_cast<Seen*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState&) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawPath(const QPainterPath&) override { }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawTextItem(const QPointF& at, const QTextItem& item) override { m_runs.append({item.text(), at}); }

    QString line;

private:
    QList<std::pair<QString, QPointF>> m_runs;
};

} // namespace

Q_DECLARE_METATYPE(Leaving)
Q_DECLARE_METATYPE(Pressing)
Q_DECLARE_METATYPE(Tabbing)
Q_DECLARE_METATYPE(Reading)
Q_DECLARE_METATYPE(Contrast)

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void leavingABox_data()
    {
        rows<Leaving>({
            {"the float's sign in sight", "txtFloat", "-98765432101", 12, ""},
            {"a count's selection kept", "txtTill_5", "123456789012", 3, "456789012"},
        });
    }

    // Once left, a box shows its text from the start, sign included; back in
    // it by Tab, the caret is where it was left, and back in its window, the
    // selection.
    void leavingABox()
    {
        QFETCH(Leaving, row);
        const auto till = shown<TillWindow>();
        auto* box = child<QLineEdit>(till.get(), row.box);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, row.typed);
        box->setCursorPosition(row.caret);
        QTest::keyClick(box, Qt::Key_Tab);
        const Seen drawn(box);
        QVERIFY(!box->hasFocus() && drawn.line.startsWith(row.typed.left(3)));
        QVERIFY2(drawn.left() >= 0, "the start of the text is scrolled out of sight");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(box->cursorPosition(), row.caret);
        QCOMPARE(box->selectedText(), row.selectedOnReturn);
        // Another window used meanwhile, the selection is there on coming back.
        box->setSelection(1, 4);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        till->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(till.get()) && box->hasFocus());
        QCOMPARE(box->selectedText(), row.typed.mid(1, 4));
    }

    void pressing_data()
    {
        rows<Pressing>({
            {"Return", Qt::Key_Return, 1},
            {"Enter on the keypad", Qt::KeypadModifier | Qt::Key_Enter, 1},
            {"Ctrl+Return does not", Qt::ControlModifier | Qt::Key_Return, 0},
        });
    }

    // Enter or Return presses the button that has the focus, as Space does;
    // with Ctrl held it does not.
    void pressing()
    {
        QFETCH(Pressing, row);
        const auto till = shown<TillWindow>();
        auto* button = child<QPushButton>(till.get(), "cmdQuit");
        QSignalSpy presses(button, &QAbstractButton::clicked);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, row.key.key(), row.key.keyboardModifiers());
        QCOMPARE(presses.count(), row.presses);
    }

    void tabbing_data()
    {
        rows<Tabbing>({
            {"till", Window::Till, "cmdPrintScreen cmdQuit cmdPrintReport txtDate txtTime txtNotesTotal"},
            {"markup", Window::Markup, "txtPrice txtCurrentVat cboMarkupRates cmdCalcSell cmdClose txtPrice"},
        });
    }

    // The focus starts where it should, moves in order, and shows from the start.
    void tabbing()
    {
        QFETCH(Tabbing, row);
        const auto shown = open(row.window);
        QWidget* first = QApplication::focusWidget();
        const QImage focused = first->grab().toImage();
        QString visited = first->objectName();
        while (visited.size() < row.stops.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited += u' ' + QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, row.stops);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(first->grab().toImage() != focused);
    }

    void contrast_data()
    {
        rows<Contrast>({
            {"light", "#efefef", "#000000"},
            {"dark", "#2d2d2d", "#eeeeec"},
            {"high contrast", "#000000", "#ffff00"},
        });
    }

    // Whatever the desktop's palette, a box's text as drawn, marked or cut
    // short, stands out from its background by 4.5 : 1 at least.
    void contrast()
    {
        QFETCH(Contrast, row);
        const auto restore = qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
        QPalette palette(row.window, row.window);
        palette.setColor(QPalette::Text, row.text);
        QApplication::setPalette(palette);
        const auto till = shown<TillWindow>();
        act(till.get(), {"txtFloat=1e15", "txtTill_3=l1l1"});
        QApplication::focusWidget()->clearFocus();
        for (const char* name : {"txtTill_3", "txtCashBank"}) {
            QWidget* box = child(till.get(), name);
            const QImage drawn = box->grab(box->rect().adjusted(4, 4, -4, -4)).toImage();
            QList<double> seen; // each pixel's, plus WCAG's 0.05 for glare; the first is the background's
            for (int i = 0; i < drawn.width() * drawn.height(); ++i)
                seen << luminance(drawn.pixel(i % drawn.width(), i / drawn.width())) + 0.05;
            const auto [dark, light] = std::ranges::minmax(seen);
            QVERIFY2(std::max(light / seen[0], seen[0] / dark) >= 4.5, name);
        }
    }

    void everyTextInTheLanguage_data()
    {
        QTest::addColumn<Window>("window");
        for (const auto& [name, window] : {std::pair{"till", Window::Till},
                                           {"VAT", Window::Vat},
                                           {"markup", Window::Markup},
                                           {"about", Window::About}})
            QTest::newRow(name) << window;
    }

    // Every title, caption and item comes through the translation, and fits
    // however long: smaller, then cut at its end, never at its start, its
    // whole read once by a screen reader and shown under the pointer. A box's
    // name drops the caption's " :" and "£".
    void everyTextInTheLanguage()
    {
        QFETCH(Window, window);
        LongTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const auto shown = open(window);
        QCoreApplication::removeTranslator(&translator);
        QStringList faults{translated(shown->windowTitle()) ? QString() : shown->windowTitle()};
        for (QWidget* control : shown->findChildren<QWidget*>()) {
            const Seen drawn(control);
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
            const QString name = reader->text(QAccessible::Name), line = drawn.line;
            if (qobject_cast<QLineEdit*>(control) && !name.isEmpty() && (!translated(name) || name.contains(" :")))
                faults << control->objectName() + " is named " + name;
            const bool captioned = qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)
                                || qobject_cast<QGroupBox*>(control) || qobject_cast<QComboBox*>(control);
            if (!captioned || line.isEmpty() || line == u"…") // a caption as narrow as one character
                continue;
            const bool whole = line.endsWith(u'⟧'), cut = line.endsWith(u'…');
            const QString tip = tipOf(control);
            if (!translated(line) || drawn.left() < 0 || (!whole && !cut)
                || (cut && (!translated(tip) || name != tip || !reader->text(QAccessible::Description).isEmpty())))
                faults << control->objectName() + u' ' + line;
        }
        faults.removeAll(QString());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The report, a fault's mark and the boxes that ask come through it too;
    // the report prints captions whole, however they are shown.
    void everyMessageInTheLanguage()
    {
        LongTranslator translator;
        QCoreApplication::installTranslator(&translator);
        auto till = shown<TillWindow>();
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        QList<SeenBox> seen;
        answerBoxes({"Enter", "Esc"}, &seen);
        act(till.get(), {"cmdPrintReport", "txtTill_2=x", "cmdPrintReport", "cmdExit"});
        QStringList texts = printed(record) << child(till.get(), "txtTill_2")->toolTip();
        for (const SeenBox& box : seen)
            texts << box.title << box.text << box.buttons;
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(seen.size(), 2);
        for (QString text : texts)
            QVERIFY2((text.remove(u'*').isEmpty() || translated(text)) && !text.contains(u'…'), qPrintable(text));
    }

    void reading_data()
    {
        using enum Window;
        const QStringList markUp{"txtPrice=-50", "txtCurrentVat=17.5", "cboMarkupRates=2", "cmdCalcSell"};
        const QStringList wide{"txtFloat=1e15"};
        rows<Reading>({
            {"Arabic sentence", "ar_EG", Markup, markUp, "lblResult2",
             "£#-+amarkupof10%=asellingpriceof£#--VATonthisitemis£#-"},
            // A figure too wide for its box: "…" stands where its digits were cut.
            {"Arabic cut figure", "ar_EG", Till, wide, "txtCashBank", "#…-"},
        });
    }

    // In right-to-left regions a sentence keeps its reading order and each
    // figure stays whole, its minus where the region puts it.
    void reading()
    {
        QFETCH(Reading, row);
        QLocale::setDefault(QLocale(row.region));
        const auto shown = open(row.window);
        act(shown.get(), row.steps);
        const QString line = Seen(child(shown.get(), row.shows)).line;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(QString(line).replace(QRegularExpression(QStringLiteral("[\\p{Nd},.\\x{66b}\\x{66c}]++(?!%)")), "#"),
                 row.seen);
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// What every window's controls owe their user, by keyboard and by eye: entry
// boxes that show how their text begins, buttons that Enter presses,
// captions that fit whatever the language, figures that keep their order in
// every region.
#include "support/paintrecorder.h"
#include "support/support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTranslator>

using namespace tillora;
using namespace tillora::test;

namespace {

// Every text comes back longer than it went in, as many languages' do.
class LongTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("⟦%1 %1⟧").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

QString spoken(QWidget* control, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(control)->text(text);
}

// The drawn line without the invisible marks that steer its direction.
QString seen(QWidget* widget)
{
    return drawnLine(widget).remove(QRegularExpression(QStringLiteral("[\\p{Cf}\\s]")));
}

// A pattern for what a user sees: "#" stands for the digits and separators
// of a figure, in any script; everything else stands for itself.
QRegularExpression seenAs(const QString& pattern)
{
    QStringList parts = pattern.split(u'#');
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    return QRegularExpression(u'^' + parts.join(QStringLiteral("[\\p{Nd},.\u066b\u066c\u2019]+")) + u'$');
}

} // namespace

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void leavingABoxShowsItsStart_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("caret");                // where the user leaves it; -1: at the end of what was typed
        QTest::addColumn<QString>("selectedOnReturn"); // by Shift+Tab
        const auto row
            = [](const char* name, Window window, const char* box, const char* typed, int caret, const char* selected) {
                  QTest::newRow(name) << window << QString(box) << QString(typed) << caret << QString(selected);
              };
        using enum Window;
        row("float", Till, "txtFloat", "-98765432101", -1, "");
        row("float, caret inside", Till, "txtFloat", "-98765432101", 3, "");
        row("count", Till, "txtTill_0", "123456789012", 0, "123456789012");
        row("count, caret inside", Till, "txtTill_5", "123456789012", 3, "456789012");
        row("cheque", Till, "txtChequeAmt_9", "-12345678901234567890.99", -1, "");
        row("vat amount", Vat, "txtPrice", "-1234567890123456789012345678901234", -1, "");
        row("markup rate", Markup, "txtCurrentVat", "-1234567890123456789012345678901", 5, "");
    }

    // Once left, a box shows its text from the start, sign included; back
    // in it by Tab, the caret is where it was left (a count or cheque then
    // selects from there to the end, so that typing replaces it).
    void leavingABoxShowsItsStart()
    {
        QFETCH(Window, window);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(int, caret);
        QFETCH(QString, selectedOnReturn);
        const auto shown = open(window);
        auto* entry = child<QLineEdit>(shown.get(), box);
        entry->setFocus(Qt::TabFocusReason);
        QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(entry, typed);
        if (caret >= 0)
            entry->setCursorPosition(caret);
        QTest::keyClick(entry, Qt::Key_Tab);
        QVERIFY(!entry->hasFocus());
        const QList<DrawnText> drawn = drawnTexts(entry);
        QVERIFY(!drawn.isEmpty() && drawn.front().text.startsWith(typed.left(3)));
        QVERIFY2(drawn.front().at.x() >= 0, "the start of the text is scrolled out of sight");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(entry->hasFocus());
        QCOMPARE(entry->cursorPosition(), caret >= 0 ? caret : int(typed.size()));
        QCOMPARE(entry->selectedText(), selectedOnReturn);
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("focus"); // empty: where the window opens
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("presses");
        const auto row = [](const char* name, Window window, const char* focus, Qt::Key key,
                            Qt::KeyboardModifier modifier, int presses) {
            QTest::newRow(name) << window << QString(focus) << key << Qt::KeyboardModifiers(modifier) << presses;
        };
        using enum Window;
        row("till, Return", Till, "cmdQuit", Qt::Key_Return, Qt::NoModifier, 1);
        row("till, keypad Enter", Till, "cmdQuit", Qt::Key_Enter, Qt::KeypadModifier, 1);
        row("till, Ctrl+Return", Till, "cmdQuit", Qt::Key_Return, Qt::ControlModifier, 0);
        row("till, in a box", Till, "txtFloat", Qt::Key_Return, Qt::NoModifier, 0);
        row("vat", Vat, "cmdVATOff", Qt::Key_Return, Qt::NoModifier, 1);
        row("markup", Markup, "cmdCalcSell", Qt::Key_Enter, Qt::NoModifier, 1);
        row("about, on its banner", About, "", Qt::Key_Return, Qt::NoModifier, 0);
        row("about", About, "Command1", Qt::Key_Return, Qt::NoModifier, 1);
    }

    // Enter or Return presses the button that has the focus, as Space does;
    // no button is a window's default, so nothing else answers Enter.
    void enterPressesTheFocusedButton()
    {
        QFETCH(Window, window);
        QFETCH(QString, focus);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, presses);
        const auto shown = open(window);
        QList<std::shared_ptr<QSignalSpy>> spies;
        for (QAbstractButton* button : shown->findChildren<QAbstractButton*>())
            spies << std::make_shared<QSignalSpy>(button, &QAbstractButton::clicked);
        if (!focus.isEmpty())
            child(shown.get(), focus)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        int pressed = 0;
        for (const auto& spy : spies)
            pressed += int(spy->count());
        QCOMPARE(pressed, presses);
    }

    void captionsFitAnyLanguage_data()
    {
        QTest::addColumn<Window>("window");
        QTest::newRow("till") << Window::Till;
        QTest::newRow("vat") << Window::Vat;
        QTest::newRow("markup") << Window::Markup;
        QTest::newRow("about") << Window::About;
    }

    // However long a translation, a caption shows how it begins: smaller,
    // then cut at its end with "…", never at its start, the whole in its
    // tooltip; a box's screen-reader name keeps the whole caption.
    void captionsFitAnyLanguage()
    {
        QFETCH(Window, window);
        LongTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const auto shown = open(window);
        QCoreApplication::removeTranslator(&translator);
        QStringList faults;
        for (QLineEdit* box : shown->findChildren<QLineEdit*>()) {
            const QString name = box->accessibleName();
            if (!name.isEmpty() && (!name.startsWith(u'⟦') || name.contains(QLatin1String(" :"))))
                faults << box->objectName() + QStringLiteral(" is named ") + name;
        }
        for (QWidget* control : shown->findChildren<QWidget*>()) {
            const bool captioned = qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)
                                || qobject_cast<QGroupBox*>(control);
            const QList<DrawnText> drawn = drawnTexts(control);
            if (!captioned || drawn.isEmpty())
                continue;
            const QString line = seen(control);
            const bool whole = line.endsWith(u'⟧');
            const QRectF first(drawn.front().at, QSizeF(1, 1));
            if (line == u"…") // a caption as narrow as one character
                continue;
            if (!line.startsWith(u'⟦') || first.left() < 0 || (!whole && !line.endsWith(u'…'))
                || (!whole && !tipOf(control).startsWith(u'⟦'))
                || (!whole
                    && (spoken(control, QAccessible::Name) != tipOf(control)
                        || !spoken(control, QAccessible::Description).isEmpty())))
                faults << control->objectName() + u' ' + line;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void figuresKeepTheirOrder_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<Window>("window");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shows"); // the control
        QTest::addColumn<QString>("seen");  // as a pattern for seenAs(), blanks left out
        const auto row
            = [](const char* region, Window window, const QStringList& steps, const char* shows, const char* seen) {
                  QTest::addRow("%s %s", region, shows)
                      << QString(region) << window << steps << QString(shows) << QString(seen);
              };
        using enum Window;
        const QStringList markUp{"txtPrice=-50", "txtCurrentVat=17.5", "cboMarkupRates=2", "cmdCalcSell"};
        row("ar_EG", Markup, markUp, "lblResult2", "£#-+amarkupof10%=asellingpriceof£#--VATonthisitemis£#-");
        row("fa_IR", Markup, markUp, "lblResult2", "£−#+amarkupof10%=asellingpriceof£−#-VATonthisitemis£−#");
        row("he_IL", Markup, markUp, "lblResult2", "£-#+amarkupof10%=asellingpriceof£-#-VATonthisitemis£-#");
        row("ar_EG", Vat, {"txtPrice=-117.5", "txtCurrentVATRate=17.5", "cmdVATOff"}, "lblResult", "VATPaid:£#-");
        // A figure too wide for its box: "…" stands where its digits were cut.
        row("ar_EG", Till, {"txtFloat=1e15"}, "txtCashBank", "#…-");
        row("fa_IR", Till, {"txtFloat=1e15"}, "txtCashBank", "−#…");
        row("en_GB", Till, {"txtFloat=1e15"}, "txtCashBank", "-#…");
    }

    // In right-to-left regions a sentence keeps its reading order and each
    // figure stays whole, its minus where the region puts it.
    void figuresKeepTheirOrder()
    {
        QFETCH(QString, region);
        QFETCH(Window, window);
        QFETCH(QStringList, steps);
        QFETCH(QString, shows);
        QFETCH(QString, seen);
        QLocale::setDefault(QLocale(region));
        const auto shown = open(window);
        act(shown.get(), steps);
        const QString line = ::seen(child(shown.get(), shows));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QVERIFY2(seenAs(seen).match(line).hasMatch(), qPrintable(line));
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"

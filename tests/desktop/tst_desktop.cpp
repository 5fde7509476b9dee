// SPDX-License-Identifier: GPL-3.0-or-later
// What every window owes its user beyond the figures: a visible focus,
// captions that fit, results that stay, and text a translation reaches. What a
// screen reader hears, tst_screenreader.py hears over the accessibility bus.
#include "about/aboutwindow.h"
#include "markup/markupwindow.h"
#include "support/support.h"
#include "till/tillwindow.h"
#include "vatcalc/vatcalculatorwindow.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

using namespace tillora;
using namespace tillora::test;

namespace {

std::unique_ptr<QWidget> open(const QString& window)
{
    return window == u"till"   ? std::unique_ptr<QWidget>(shown<TillWindow>())
         : window == u"vat"    ? shown<VatCalculatorWindow>()
         : window == u"markup" ? std::unique_ptr<QWidget>(shown<MarkupWindow>())
                               : shown<AboutWindow>();
}

QString spoken(QWidget* widget, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

// Every source text comes back marked, so one that escapes translation shows.
class PseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("⟦%1⟧").arg(source);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void windows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("tabs"); // where Tab takes the focus from where the window opens
        QTest::newRow("till") << "till"
                              << "cmdPrintScreen cmdQuit cmdPrintReport txtDate";
        QTest::newRow("vat") << "vat"
                             << "cmdVATOn cmdVATOff txtPrice txtCurrentVATRate";
        QTest::newRow("markup") << "markup"
                                << "txtPrice txtCurrentVat cboMarkupRates cmdCalcSell";
        QTest::newRow("about") << "about"
                               << "Picture1 Command1";
    }

    // Captions fit; the focus moves in order, and shows where it is.
    void windows()
    {
        QFETCH(QString, window);
        const auto shown = open(window);
        for (QLabel* label : shown->findChildren<QLabel*>()) {
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            QVERIFY2(label->contentsRect().contains(
                         label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text())),
                     qPrintable(label->text()));
        }
        for (QPushButton* button : shown->findChildren<QPushButton*>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8,
                     qPrintable(button->text()));
        QFETCH(QString, tabs);
        QWidget* focused = QApplication::focusWidget();
        const QImage withFocus = focused->grab().toImage();
        QString visited = focused->objectName();
        while (visited.size() < tabs.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited += u' ' + QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, tabs);
        QVERIFY(focused->grab().toImage() != withFocus);
    }

    // A fault or a full box keeps the last result and says why; a result too
    // long is cut short in sight, and whole in its tooltip and when spoken.
    void calculatorsKeepTheirResult()
    {
        auto vat = shown<VatCalculatorWindow>();
        auto* result = child<QLabel>(vat.get(), "lblResult");
        act(vat.get(), {"txtPrice=123456789012345", "txtCurrentVATRate=20", "cmdVATOn"});
        const QString whole = QStringLiteral(
            "Total : £123,456,789,012,345.00 + VAT (£24,691,357,802,469.00) = £148,148,146,814,814.00");
        QVERIFY(result->text().endsWith(u'…') && tipOf(result) == whole && spoken(result, QAccessible::Name) == whole);
        QList<SeenBox> seen;
        answerBoxes({"OK", "OK"}, &seen);
        act(vat.get(), {"txtCurrentVATRate=-100", "cmdVATOff"});
        child<QLineEdit>(vat.get(), "txtPrice")->setText(QString(100000, u'1')); // cut short, as a paste is
        act(vat.get(), {"txtCurrentVATRate=20", "cmdVATOn"});
        QCOMPARE(
            seen.value(0).title + seen.value(0).text,
            QStringLiteral(
                "VAT CalculatorA VAT rate of -100% leaves no net amount to work from. Please check the VAT rate."));
        QVERIFY(seen.value(1).text.startsWith("Amount for Calculation: This box is full at 1,000 characters"));
        QCOMPARE(tipOf(result), whole);
        QVERIFY(child(vat.get(), "txtPrice")->toolTip().startsWith("This box is full"));
    }

    // Every caption, title, item, message, tooltip and report line comes
    // through a translator that marks what it is asked for.
    void everyTextTranslates()
    {
        PseudoTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QStringList unmarked;
        const auto check = [&](const QString& text, const QString& where) {
            if (!text.isEmpty() && !text.startsWith(u'⟦'))
                unmarked << where + QStringLiteral(": ") + text;
        };
        for (const char* window : {"till", "vat", "markup", "about"}) {
            const auto shown = open(window);
            check(shown->windowTitle(), window);
            for (QWidget* control : shown->findChildren<QWidget*>()) { // a box holds a figure, but has a name
                const bool box = qobject_cast<QLineEdit*>(control);
                const QString tip = tipOf(control);
                check(box             ? spoken(control, QAccessible::Name)
                      : tip.isEmpty() ? control->property("text").toString()
                                      : tip,
                      control->objectName());
                check(control->property("title").toString() + control->property("currentText").toString(),
                      control->objectName());
            }
        }
        auto till = shown<TillWindow>();
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        QList<SeenBox> seen;
        answerBoxes({"⟦OK⟧", "⟦&No⟧"}, &seen);
        act(till.get(), {"cmdPrintReport", "txtTill_2=x", "cmdPrintReport", "cmdExit"});
        for (const QString& text : printed(record) + QStringList{child(till.get(), "txtTill_2")->toolTip()})
            check(text.mid(text.startsWith(u'*')), QStringLiteral("report or mark"));
        for (const SeenBox& box : seen) {
            for (const QString& text : QStringList{box.title, box.text} + box.buttons)
                check(text, QStringLiteral("box"));
        }
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(seen.size(), 2);
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u'\n')));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"

#pragma once

#include "app/printer.h"
#include "till/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace tillora::test {

// The main window, loaded and shown as the program starts it, active so
// that focus and keys behave as for a user.
class TillWindow {
public:
    TillWindow()
    {
        m_form->load();
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    // The tool windows the till opened have no owner; they go with it here,
    // as they would when the user closes them.
    ~TillWindow()
    {
        m_form.reset();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->testAttribute(Qt::WA_DeleteOnClose))
                window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Form1& form() { return *m_form; }

    QLineEdit* box(const QString& name) const
    {
        auto* found = m_form->findChild<QLineEdit*>(name);
        if (!found)
            qFatal("no box %s", qPrintable(name));
        return found;
    }
    QString text(const QString& name) const { return box(name)->text(); }

    // As if the user tabbed into the box: the focus handler runs first.
    QLineEdit* tabInto(const QString& name)
    {
        QLineEdit* target = box(name);
        target->setFocus(Qt::TabFocusReason);
        return target;
    }

    // Tabs into the box and types, key by key.
    void type(const QString& name, const QString& keys)
    {
        QTest::keyClicks(tabInto(name), keys);
    }

    // Selects everything and types over it, as a user would; no keys
    // leave the box empty.
    void retype(const QString& name, const QString& keys)
    {
        QLineEdit* target = tabInto(name);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, keys);
    }

    // Each step "box=keys" retypes the box; "box=" empties it.
    void enter(const QStringList& steps)
    {
        for (const QString& step : steps)
            retype(step.section(u'=', 0, 0), step.section(u'=', 1));
    }

    // Every result box, in a fixed order, for spotting any change.
    QStringList results() const
    {
        QStringList texts;
        for (int i = 0; i < tillRows; ++i)
            texts << text(QStringLiteral("txtTotals_%1").arg(i));
        for (const char* name : {"txtChangeTotal", "txtNotesTotal", "txtTillTotal", "txtChequeTotal", "txtTotal",
                                 "txtCashBank", "txtChequeBank"})
            texts << text(QString::fromLatin1(name));
        return texts;
    }

private:
    std::unique_ptr<Form1> m_form = std::make_unique<Form1>();
};

// The day of the worked example: float first, then counts and a cheque;
// grand total 118.40.
inline const QStringList workedExampleSteps{"txtFloat=50.00", "txtTill_3=4", "txtTill_6=3", "txtTill_8=2",
                                            "txtTill_9=6", "txtTill_10=1", "txtChequeAmt_0=25.00"};

inline void typeWorkedExample(TillWindow& till)
{
    till.enter(workedExampleSteps);
}

// A printer that records into one place every job the window sends it.
class SharedRecorder : public Printer {
public:
    explicit SharedRecorder(RecordingPrinter& target) : m_target(target) {}
    using Printer::printLine;
    void setOrientation(int value) override { m_target.setOrientation(value); }
    void setEmphasis(bool on) override { m_target.setEmphasis(on); }
    void printLine(const QList<PrintItem>& items) override { m_target.printLine(items); }
    void printPicture(QWidget& window) override { m_target.printPicture(window); }
    void endDoc() override { m_target.endDoc(); }

private:
    RecordingPrinter& m_target;
};

inline PrinterSource recordInto(RecordingPrinter& target)
{
    return [&target] { return std::make_unique<SharedRecorder>(target); };
}

} // namespace tillora::test

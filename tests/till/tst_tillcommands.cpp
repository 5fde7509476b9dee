// SPDX-License-Identifier: GPL-3.0-or-later
// The till's commands: the tool windows it opens, the unseen button, the
// moment it was opened, and leaving.
#include "support/rows.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QLineEdit>
#include <QPointer>

using namespace tillora;
using namespace tillora::test;

namespace {

struct Leaving {
    const char* name;
    QStringList answers; // a button's text, or a key
    bool ends;
};

} // namespace

Q_DECLARE_METATYPE(Leaving)

class TestTillCommands : public QObject {
    Q_OBJECT
private slots:
    // Each tool window exists once: its button brings it forward as it was;
    // closed by its own button, it opens afresh. The unseen "E&xit" does nothing.
    void toolWindows()
    {
        const auto till = shown<TillWindow>();
        for (const auto& [button, window, box, close] : {std::tuple{"cmdVATCalc", "frmVATCalc", "txtPrice", "cmdClose"},
                                                         {"cmdMarkup", "frmMarkup", "txtCurrentVat", "cmdClose"},
                                                         {"Command1", "frmAbout", "", "Command1"},
                                                         {"cmdPayingIn", "frmPayingIn", "", "cmdClose"}}) {
            act(till.get(), {button});
            QCOMPARE(visible(window).size(), 1);
            QPointer<QWidget> opened = visible(window).front();
            if (*box)
                act(opened, {QStringLiteral("%1=12.5").arg(box)});
            opened->showMinimized();
            act(till.get(), {button, "cmdQuit"});
            QCOMPARE(visible(window), QWidgetList{opened});
            QVERIFY(!opened->isMinimized());
            if (*box)
                QCOMPARE(child<QLineEdit>(opened, box)->text(), "12.5");
            act(opened, {close});
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(opened.isNull());
        }
        QVERIFY(till->isVisible());
    }

    void exit_data()
    {
        rows<Leaving>({
            {"no at first", {"&No"}, false},
            {"Esc at first", {"Esc"}, false},
            {"cancelled at last", {"&Yes", "Cancel"}, false},
            {"closed at last", {"&Yes", "Close"}, false},
            {"OK at last", {"&Yes", "OK"}, true},
            {"Enter twice", {"Enter", "Enter"}, true},
        });
    }

    // Leaving asks twice, then closes every window, tool windows too.
    void exit()
    {
        QFETCH(Leaving, row);
        QPointer<TillWindow> till = shown<TillWindow>().release();
        act(till, {"cmdVATCalc"});
        QPointer<QWidget> vat = visible("frmVATCalc").value(0);
        QList<SeenBox> seen;
        answerBoxes(row.answers, &seen);
        act(till, {"cmdExit"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QStringList asked{"Please Confirm|Are you sure you want to exit?|&Yes|4",
                                "Please Confirm|Click 'OK' if you have printed off a report and wish to exit.\r\n"
                                "Click 'Cancel' to abort the program exit and print off a report.|OK|1"};
        QCOMPARE(seen.size(), row.answers.size());
        for (qsizetype i = 0; i < seen.size(); ++i) // title, text, default button and icon
            QCOMPARE(QStringList({seen[i].title, seen[i].text, seen[i].defaultButton, QString::number(seen[i].icon)})
                         .join(u'|'),
                     asked[i]);
        QCOMPARE(till.isNull(), row.ends);
        QCOMPARE(vat.isNull(), row.ends);
        delete vat;
        delete till;
    }
};

QTEST_MAIN(TestTillCommands)
#include "tst_tillcommands.moc"

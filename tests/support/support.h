// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives the real windows as a user does: keys, clicks and answers to boxes.

#include "support/recordingprinter.h"

#include <QMessageBox>
#include <QTest>

#include <chrono>

namespace tillora::test {

// A window shown and active, so that focus and keys behave as for a user.
// On Wayland the compositor alone makes a window active: there a program
// can wait for it to be drawn, no more.
template <typename W>
std::unique_ptr<W> shown()
{
    auto window = std::make_unique<W>();
    window->show();
    window->activateWindow();
    if (!(QGuiApplication::platformName() == u"wayland" ? QTest::qWaitForWindowExposed(window.get())
                                                        : QTest::qWaitForWindowActive(window.get())))
        qFatal("%s did not come on screen", qPrintable(window->objectName()));
    return window;
}

// The program's windows, each opened as its button opens it.
enum class Window { Till, Vat, Markup, About };
std::unique_ptr<QWidget> open(Window window);

// The window's control of that name. Without one the test fails, and goes
// on with a stand-in that no window holds, so the tests after it still run.
template <typename Child = QWidget>
Child* child(const QWidget* window, const QString& name)
{
    if (auto* found = window->findChild<Child*>(name))
        return found;
    QTest::qFail(qPrintable(window->objectName() + " has no " + name), __FILE__, __LINE__);
    static Child* const standIn = new Child;
    return standIn;
}

// The program's windows of that objectName on screen.
QWidgetList visible(const QString& name);

// Works a window: "box=keys" types over all the box holds, "list=N" picks
// position N by the arrow keys, a bare name clicks that button.
void act(QWidget* window, const QStringList& steps);

// The tip the control shows when the pointer rests on it; empty for none.
QString tipOf(QWidget* control);

// The texts of the named boxes; the till's result and entry boxes.
QStringList texts(const QWidget* window, const QStringList& boxes);
extern const QStringList tillResults, tillEntries;

// The steps of a day with 4 × 10p, 3 × £1, 2 × £5, 6 × £10, 1 × £20, a
// cheque of £25.00 and a float of £50.00.
extern const QStringList workedExample;

// The till's marked entries as "name: reason"; a mark is a tint, a tooltip and
// a description for screen readers, all three or none. (Unmarked, a box may
// have a description of its own.)
QStringList marks(const QWidget& till);

// Each line printed, after a "*" when emphasised, a zone move as "»".
QStringList printed(const PrintRecord& record);

struct SeenBox {
    QString title, text, defaultButton; // a file dialog's text: the file it suggests
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    std::chrono::steady_clock::time_point shown = std::chrono::steady_clock::now();
};

// Answers the next modal windows in turn: a message box by pressing the
// button with the text given, or the key "Esc" or "Enter"; a file dialog by
// typing the path given as its file name; either by "Close" with no answer.
// Records what each showed.
void answerBoxes(const QStringList& answers, QList<SeenBox>* seen);

} // namespace tillora::test

Q_DECLARE_METATYPE(tillora::test::Window)

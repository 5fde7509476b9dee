// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/widgets.h"

#include "app/numbers/runtimeerror.h"
#include "app/widgets/eventboundary.h"

#include <QPointer>
#include <QWidget>

#include <span>
#include <stdexcept>

namespace tillora {

// Layout units: 1/1440 inch, 15 to a pixel at 96 dots per inch.
int twipsToPixels(int twips);

enum class ControlKind { Frame, Label, TextBox, Button, DropDown, Picture, CheckBox, Table };

enum class ControlFlag {
    Bold = 0x1,
    ReadOnly = 0x2, // a box that shows a figure: it takes the focus but not typing
    AlignRight = 0x4,
    AlignCenter = 0x8,
    WordWrap = 0x10,
};
Q_DECLARE_FLAGS(ControlFlags, ControlFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(ControlFlags)

// One row of a window's layout table: a control, or a control array whose
// members stand `stepTop` twips apart with tab indices rising by one.
// Members are named "<name>_<index>".
struct ControlRow {
    const char* name; // the control's objectName
    ControlKind kind;
    const char* container;        // objectName of a frame; nullptr: the window
    const char* caption;          // untranslated; in an array "%1" stands for index + 1
    int left, top, width, height; // twips, from the container's outer corner
    int tabIndex;
    ControlFlags flags = {};
    const char* labelledBy = nullptr; // the label (array) whose caption names it for screen readers
    int count = 0;                    // members of a control array; 0: a single control
    int stepTop = 0;
    const char* const* captions = nullptr; // per-member captions of an array
};

struct WindowLayout {
    const char* name;  // the window's objectName
    const char* title; // untranslated
    int width, height; // client area, twips
    bool canMinimise;
    bool hasIcon;
};

// A window of fixed size built from its layout table. Commands connected
// with onEvent() run inside the event boundary, so none lets an exception
// escape into Qt's event loop.
class FixedWindow : public QWidget {
    Q_OBJECT
protected:
    // Texts are translated in the context of `window`, the derived class.
    FixedWindow(const QMetaObject& window, const WindowLayout& layout, std::span<const ControlRow> controls);

    // What the user is told when a command raises: a warning box titled as
    // the window, unless a window chooses otherwise.
    virtual void showError(const RuntimeError& error);
    void showEvent(QShowEvent* event) override;

    template <typename Sender, typename Signal, typename Command>
    void onEvent(Sender* sender, Signal signal, Command command)
    {
        connect(sender, signal, this,
                [this, command] { runGuarded(command, [this](const RuntimeError& e) { showError(e); }); });
    }

    template <typename Control>
    Control* control(const QString& name) const
    {
        auto* found = findChild<Control*>(name);
        if (!found)
            throw std::logic_error("the layout has no control " + name.toStdString());
        return found;
    }

private:
    void build(const char* context, std::span<const ControlRow> controls);
};

// A tool window that exists at most once; closing it discards it.
template <typename Window>
class SingleWindow {
public:
    // Creates the window unless it exists, and shows it non-modally, with
    // no owner, in front of the others.
    Window& show()
    {
        if (!m_window) {
            m_window = new Window;
            m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        return *m_window;
    }

    // The window while it is open, else nullptr.
    Window* window() const { return m_window; }

private:
    QPointer<Window> m_window;
};

// Closes every window at once and leaves the event loop; nothing asks.
void endProgram();

} // namespace tillora

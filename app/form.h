#pragma once

#include "app/runtimeerror.h"

#include <QGroupBox>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <span>
#include <stdexcept>

namespace tillora {

// Layout units: 1/1440 inch, 15 to a pixel at 96 dots per inch.
int twipsToPixels(int twips);

enum class ControlKind { Frame, Label, TextBox, Button, DropDown, Picture };

namespace ControlFlag {
enum : unsigned {
    Bold = 1,
    ReadOnly = 2,
    AlignRight = 4,
    AlignCenter = 8,
    WordWrap = 16,
};
}

// One row of a window's layout table: a control, or a control array whose
// members stand `stepTop` twips apart with tab indices rising by one.
// Members are named "<name>_<index>".
struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* container; // objectName of a frame; nullptr: the window
    const char* caption;   // UTF-8; in an array "%1" stands for index + 1
    int left, top, width, height; // twips, from the container's outer corner
    int tabIndex;
    unsigned flags = 0;
    const char* labelledBy = nullptr; // label (array) whose caption names it for screen readers
    int count = 0;                    // members of a control array; 0: a single control
    int stepTop = 0;
    const char* const* captions = nullptr; // per-member captions of an array
};

enum class TitleButtons { Close, MinimiseAndClose };

struct FormLayout {
    const char* name;
    const char* title;
    int width, height; // client area, twips
    TitleButtons buttons;
    bool icon;
};

// The font that stands in for the classic 8.25 pt dialog font.
QFont formFont(bool bold = false);

// Where a frame (made by the layout table) draws its title; the frame's line
// runs behind it at half its height.
QRect frameTitleRect(const QGroupBox& frame);

// A screen reader's name for an entry box, from its label's caption:
// "Number of 10p coins :" gives "Number of 10p coins".
QString accessibleNameFromCaption(QString caption);

// A window built from its layout table, with a fixed border. Event
// procedures run through runEvent so that none lets an exception escape.
class Form : public QWidget {
    Q_OBJECT
public:
    // Runs the window's load procedure; the window loader calls it once.
    void load();

protected:
    Form(const FormLayout& layout, std::span<const ControlRow> controls);

    virtual void Form_Load() {}
    // What the user is shown when an event procedure raises. A warning box
    // unless a window chooses otherwise.
    virtual void showRuntimeError(const RuntimeError& error);

    void runEvent(const std::function<void()>& procedure);

    template <typename Sender, typename Signal>
    void onEvent(Sender* sender, Signal signal, std::function<void()> procedure)
    {
        connect(sender, signal, this, [this, procedure = std::move(procedure)] { runEvent(procedure); });
    }

    template <typename Control>
    Control* control(const QString& name) const
    {
        auto* found = findChild<Control*>(name);
        if (!found)
            throw std::logic_error("layout has no control " + name.toStdString());
        return found;
    }

    template <typename Control, size_t N>
    void bind(std::array<Control*, N>& members, const char* name) const
    {
        for (size_t i = 0; i < N; ++i)
            members[i] = control<Control>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
    }

private:
    void build(std::span<const ControlRow> controls);
};

// A window that exists at most once, owned by the window that opens it.
template <typename Window>
class WindowSlot {
public:
    // Creates the window and runs its load procedure, unless it exists.
    Window& load()
    {
        if (!m_window) {
            m_window = new Window;
            m_window->setAttribute(Qt::WA_DeleteOnClose);
            m_window->load();
        }
        return *m_window;
    }

    // Non-modal and with no owner; brought to the front.
    Window& show()
    {
        Window& window = load();
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
        return window;
    }

    Window* get() const { return m_window.data(); }

private:
    QPointer<Window> m_window;
};

// Closes every window at once and leaves the event loop; nothing asks.
void endProgram();

} // namespace tillora

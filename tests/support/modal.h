#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QMessageBox;

namespace tillora::test {

// Arranges for `answer` to run on the next modal window that opens (a
// message box, a file dialog), from inside its own event loop. Returns at
// once; the answer happens while the code under test waits in exec().
void whenModalOpens(std::function<void(QWidget*)> answer);

// Presses the message box button with this text ("&Yes", "OK", ...).
void pressButton(QWidget* box, const QString& text);

// What a test saw of the modal box it answered.
struct SeenBox {
    QString title, text, defaultButton;
    QStringList buttons;
    int icon = -1;
};
SeenBox describe(QWidget* box);

// Answers the next message box by pressing the button with this text,
// recording what it showed.
void answerNextBox(const QString& buttonText, SeenBox* seen = nullptr);

// While it lives, any modal window that opens is recorded and closed, so a
// test that expects none fails instead of hanging.
class UnexpectedModalGuard {
public:
    UnexpectedModalGuard();
    ~UnexpectedModalGuard();
    // Title and text of the windows it closed.
    const QStringList& seen() const { return m_seen; }

private:
    std::unique_ptr<QTimer> m_timer;
    QStringList m_seen;
};

} // namespace tillora::test

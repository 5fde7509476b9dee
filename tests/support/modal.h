#pragma once

#include <QString>
#include <QWidget>

#include <functional>

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

} // namespace tillora::test

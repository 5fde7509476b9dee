#pragma once

#include <QString>

class QWidget;

namespace tillora {

// Message box styles and answers, as numbers so that a style reads as the
// sum of its buttons, icon and default button.
namespace MsgStyle {
enum : int {
    OkOnly = 0,
    OkCancel = 1,
    YesNo = 4,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton2 = 256,
};
}
namespace MsgAnswer {
enum : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
}

// A modal message box; returns the MsgAnswer of the button pressed. Esc or
// the close box give Cancel or No where the box has one, else Ok. Tests
// answer it by finding QApplication::activeModalWidget().
int msgBox(QWidget* parent, const QString& prompt, int style, const QString& title);

} // namespace tillora

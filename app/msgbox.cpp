#include "app/msgbox.h"

#include <QMessageBox>

namespace tillora {

namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case MsgStyle::Critical: return QMessageBox::Critical;
    case MsgStyle::Question: return QMessageBox::Question;
    case MsgStyle::Exclamation: return QMessageBox::Warning;
    case MsgStyle::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct Buttons {
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton second; // NoButton for a one-button box
};

Buttons buttonsOf(int style)
{
    switch (style & 0x7) {
    case MsgStyle::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case MsgStyle::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    default: return {QMessageBox::Ok, QMessageBox::NoButton};
    }
}

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default: return MsgAnswer::Cancel;
    }
}

} // namespace

int msgBox(QWidget* parent, const QString& prompt, int style, const QString& title)
{
    const Buttons buttons = buttonsOf(style);
    QMessageBox box(iconOf(style), title, prompt, buttons.first | buttons.second, parent);
    box.setObjectName(QStringLiteral("msgBox"));
    const bool secondIsDefault = (style & MsgStyle::DefaultButton2) && buttons.second != QMessageBox::NoButton;
    box.setDefaultButton(secondIsDefault ? buttons.second : buttons.first);
    box.setEscapeButton(buttons.second != QMessageBox::NoButton ? buttons.second : buttons.first);
    const int pressed = box.exec();
    // A box closed without an answer (its loop stopped) must not count as
    // consent: it gives what Esc would.
    const bool answered = pressed == buttons.first || pressed == buttons.second;
    return answerOf(answered ? pressed : box.escapeButton() ? box.standardButton(box.escapeButton()) : QMessageBox::Cancel);
}

} // namespace tillora

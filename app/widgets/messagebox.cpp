// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/messagebox.h"

#include <QPushButton>

namespace tillora {

QMessageBox::StandardButton askUser(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    const QMessageBox::StandardButton escape = buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
                                             : buttons.testFlag(QMessageBox::No)     ? QMessageBox::No
                                                                                     : defaultButton;
    box.setEscapeButton(escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : escape;
}

void warnUser(QWidget* parent, const QString& title, const QString& text)
{
    askUser(parent, title, text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace tillora

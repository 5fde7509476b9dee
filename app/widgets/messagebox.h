// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/widgets.h"

#include <QMessageBox>

namespace tillora {

// A modal message box; returns the button pressed. A box closed without an
// answer (Esc, its close box, its loop stopped) gives its escape button:
// Cancel or No where it has one, never consent.
QMessageBox::StandardButton askUser(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);

// A warning with only OK.
void warnUser(QWidget* parent, const QString& title, const QString& text);

} // namespace tillora

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLineEdit;

namespace tillora {

// Keeps a line edit's caret where the user left it when the focus comes
// back, instead of Qt's select-all on Tab, and then announces gotFocus()
// so that the window's focus handler decides the selection.
class CaretKeeper : public QObject {
    Q_OBJECT
public:
    // Watches `box`; the caret starts at the beginning of the text.
    explicit CaretKeeper(QLineEdit* box);

signals:
    void gotFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_box;
    int m_caret = 0; // start of the selection, or the cursor, at focus-out
};

} // namespace tillora

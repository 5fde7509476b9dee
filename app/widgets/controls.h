// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace tillora {

// A frame whose line runs through the middle of its title, as the layout
// tables assume: controls placed 16 px down then sit clear inside it.
// (Fusion would draw the line below the title, through the first row.)
class TitledFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
    // Where the title is drawn; the frame's line runs behind it.
    QRect titleRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture that can hold the focus, and shows when it does. (It only
// paints, so needs no meta-object of its own.)
class PictureBox : public QLabel {
public:
    explicit PictureBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A pick-only list. A screen reader hears it as the desktop's own lists: by
// its label, tied to it as buddy, and the item chosen, which is its name on
// Linux and the one item selected in its list, however it was chosen.
class PickList : public QComboBox {
    Q_OBJECT
public:
    explicit PickList(QWidget* parent);
};

// A button that Enter or Return presses while it has the focus, as Space
// does. (No button is a window's default: Enter elsewhere does nothing.)
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A box the user types into. Whenever the user is not in it, it shows the
// start of its text, sign included, however long the text; coming back by
// Tab or a click puts the caret where the user left it, rather than
// selecting everything.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryBox(QWidget* parent);

    // Why a box filled to its capacity is not used, in words.
    static QString fullReason();

signals:
    // The focus came into the box from another control of its window.
    void entered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The selection (or the caret alone, with no length) as the focus left.
    int m_selectionStart = 0;
    int m_selectionLength = 0;
};

// A read-only box for a figure. It always shows the figure from its start,
// sign included: a figure too wide is drawn in a smaller font, down to a
// legible floor, and past that cut short at its end with "…", the whole
// figure then in its tooltip. Its text, which a screen reader reads once as
// the text of a read-only box, stays the whole figure.
class ResultBox : public EntryBox {
    Q_OBJECT
public:
    explicit ResultBox(QWidget* parent);
    // Where the figure is drawn.
    QRect textRoom() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();
    bool fitsIn(const QFont& font) const;

    int m_room = 0; // pixels for the text, within the frame and margins
};

// A read-only table of figures, one a cell, read out with its row and
// column headers. The arrow keys move between cells; Tab leaves the table.
class FigureTable : public QTableWidget {
    Q_OBJECT
public:
    FigureTable(const QString& name, QWidget* parent);
    void setHeaders(const QStringList& rows, const QStringList& columns);
    // Writes a cell whose text changes; an unchanged one is left alone, so
    // that a screen reader hears nothing of it.
    void setFigure(int row, int column, const QString& text);
};

// Tints an entry box whose text keeps its window from working out figures,
// with the reason as its tooltip and accessible description; an empty
// reason takes the mark away, and gives the box back its own description.
void markFault(QLineEdit* box, const QString& reason);

// Sets what a box says of itself to a screen reader; while it is marked,
// the mark's reason stands in for it until the mark is taken away.
void setOwnDescription(QLineEdit* box, const QString& description);

// Writes a figure that changes; an unchanged box is left alone, so that a
// screen reader hears nothing of it.
void setFigure(QLineEdit* box, const QString& text);

} // namespace tillora

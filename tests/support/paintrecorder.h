// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>

class QWidget;

namespace tillora::test {

// A run of text as a widget paints it: its characters in reading order,
// where its baseline starts, in the widget's coordinates, and its font.
struct DrawnText {
    QString text;
    QPointF at;
    QFont font;
};

// What the widget itself (not its children) draws of text when painted,
// line by line from the top, each from left to right: exactly what a user
// sees of it, whatever its text property holds.
QList<DrawnText> drawnTexts(QWidget* widget);

// The same runs joined into one string.
QString drawnLine(QWidget* widget);

} // namespace tillora::test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/widgets.h"

#include <QFont>
#include <QString>

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace tillora {

// The family of every window's font and of everything printed: wide
// enough to read at a glance, and installed with the program's packages.
inline QString fontFamily()
{
    return QStringLiteral("Liberation Sans");
}

// The font of every window, bold or not. Liberation Sans runs wider than
// the small dialog font the layouts were drawn for, hence its 10 pixels.
QFont windowFont(bool bold = false);

// The smallest font, in pixels, a text is drawn in to make it fit; below
// it a figure would no longer be read at a glance.
inline constexpr int smallestFontPixels = 8;

// The largest size of `font`, from its own down to smallestFontPixels, in
// which `fits` holds; the smallest when none does.
QFont fittedFont(QFont font, const std::function<bool(const QFont&)>& fits);

// Shows `text` in a label whose size is fixed, in a fitted font (on one
// line, or within the label's height when it wraps). Text that does not
// fit even then is cut short with an ellipsis, and the whole text becomes
// the label's accessible name and the tip shown under the pointer, so that
// no figure is lost.
void setFittedCaption(QLabel* label, const QString& text);

// The same for a button's caption on its one line, which keeps its access
// key when it is cut, and for a frame's title.
void setFittedCaption(QPushButton* button, const QString& text);
void setFittedCaption(QGroupBox* frame, const QString& text);

// A label's caption as set, whole even where it is shown cut short.
QString wholeCaption(const QLabel* label);

// Fits every caption of a window the same way: labels, buttons and frames.
// Never cut at its start, a caption always shows how it begins.
void fitCaptions(QWidget* window);

} // namespace tillora

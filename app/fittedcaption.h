#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace tillora {

// Shows `text` in a label whose size is fixed. The font steps down from the
// window's size, one pixel at a time to a readable floor, until the whole
// text fits (on one line, or within the label's height when it wraps).
// Text that does not fit even then is cut short with an ellipsis, and the
// full text becomes the label's tooltip and accessible name, so that no
// figure is ever lost to the user.
void setFittedCaption(QLabel* label, const QString& text);

// Fits every label's fixed caption the same way: the layouts were drawn for
// a narrower font than the one that stands in for it, so a few captions
// would otherwise lose their last letters.
void fitLabelCaptions(QWidget* window);

// The smallest font size, in pixels, setFittedCaption steps down to.
inline constexpr int fittedCaptionFloor = 8;

} // namespace tillora

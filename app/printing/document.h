// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A printed document as data, made in the core and printed by the printing
// layer: a line of items, each in its emphasis.

#include <QList>
#include <QString>

namespace tillora {

// One item of a printed line: its text, then nothing (the next item abuts)
// or a move to the next print zone. The last item ends the line; a tab
// character in a text moves to the next tab stop.
struct PrintItem {
    enum class Then { Abut, NextZone };
    QString text;
    Then then = Then::Abut;
    bool operator==(const PrintItem&) const = default;
};

struct PrintLine {
    QList<PrintItem> items; // none: an empty line
    bool emphasis = false;
};

} // namespace tillora

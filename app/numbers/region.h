// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

namespace tillora {

// The region whose number, currency and date style the program writes.
// It is the system's, except that a bare C/POSIX system (servers,
// containers) gets the United Kingdom, for which the captions are written.
QLocale systemRegion();

// Makes systemRegion() the default QLocale, which every conversion and
// format uses unless a caller passes another.
void adoptSystemRegion();

} // namespace tillora
